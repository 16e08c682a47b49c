#pragma once

#include "AssignmentRules.h"
#include "IzberePredmete.h"
#include "RecordLogic.h"

namespace zentrel::basicdata {

// A subject row of "Razpored enote" as its fields give it.
struct RazporedEnoteFields {
    qint64 ucitelj = -1; // "Učitelj", -1 for none
    qint64 prostor = -1; // "Prostor", -1 for none
};

// "Razpored enote": every subject row a class must be taught in the current curriculum
// (QIzberePredmeteRazporeda), with its teacher and room where assigned and the columns Dod
// ("+" on the rows of a second and further teacher of one subject row), TipI, SKUPINA, OZNAKA,
// OZNAKA_UCITELJA, PROSTOR, TURNUS, Oboje, ZAH. Rows are changed ("Uredi") and their assignments
// removed ("Odstrani"), never added.
class RazporedEnote : public RecordLogic {
public:
    RazporedEnote();

    bool openLists();
    const db::RowSet &turnusi() const { return m_turnusi.rows(); }

    // Reads the subject rows of a class in a curriculum (none when either is below 0) and stays
    // on the row that was current.
    bool load(qint64 curriculum, qint64 klass);
    qint64 curriculum() const { return m_curriculum; }
    qint64 klass() const { return m_klass; }

    // The class's hours in a turnus (together with the lessons of every week).
    ClassHours hours(qint64 turnus) const { return LessonHours(m_list.rows(), turnus); }
    // "Predmet" while a row is edited (and without one), the subject code otherwise.
    QString label() const;
    // Whether the current row has an assignment (something for "Odstrani").
    bool hasAssignment() const;

    // "Učitelj" for the current row: the teachers who teach its subject and teach nothing of its
    // group yet, and its own teacher (ID, OZNAKA, UCITELJ), by code.
    db::RowSet teachers() const;
    // "Prostor" for the current row and a teacher.
    db::RowSet rooms(qint64 teacher) const;
    RazporedEnoteFields current() const;

    // Save of a changed row ("Uredi"):
    //  - no teacher: a room is refused ("Prostor mora biti prazen"); an assignment is removed as
    //    by "Odstrani";
    //  - a teacher on a row without one: the rules of a teacher joining a group (CheckNewTeacher);
    //  - another teacher on an assigned row: refused when its lessons lie in a timetable with
    //    validity; with placed lessons asks "Potrdi spremembo učitelja v razporedu." with
    //    "Brisani bodo tudi njegovi podatki v urniku!" and removes them;
    // every write in one transaction.
    bool acceptEdit(const RazporedEnoteFields &f);
    // "Odstrani": removes the current row's assignment after the checks of ConfirmAssignmentRemoval.
    bool deleteCurrent();

private:
    AssignmentKey currentKey() const;
    bool removeAssignment();
    bool validate(const RazporedEnoteFields &f);
    // After a write: re-reads and returns to the row of the subject row and teacher.
    void reloadAt(qint64 teacher);

    qint64 m_curriculum = -1;
    qint64 m_klass = -1;
    RecordList m_turnusi;
};

} // namespace zentrel::basicdata

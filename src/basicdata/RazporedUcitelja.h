#pragma once

#include "AssignmentRules.h"
#include "RecordLogic.h"

namespace zentrel::basicdata {

// A new assignment as the fields of "Razpored učitelja" give it.
struct RazporedUciteljaFields {
    qint64 predmet = -1; // "Predmet": a subject row (PREDMETI_V_SKUPINI.ID) of subjects()
    QString enota;       // "Enota": KLJUC of an entry of classGroups()
    qint64 prostor = -1; // "Prostor": a room group, -1 for none
};

// "Razpored učitelja": the assignments of one teacher in the current curriculum, with the
// columns ODDELEK, SKUPINA, PREDMET, PROSTOR, TURNUS, OBOJE, ZAHTEVNOST, ST_UR. Rows are only
// added ("Dodaj") and removed ("Odstrani").
class RazporedUcitelja : public RecordLogic {
public:
    RazporedUcitelja();

    // The turnusi for "V turnusu" ("SELECT * FROM TURNUSI ORDER BY ID").
    bool openLists();
    const db::RowSet &turnusi() const { return m_turnusi.rows(); }

    // Reads the assignments of a teacher in a curriculum (none when either is below 0).
    bool load(qint64 curriculum, qint64 teacher);
    qint64 curriculum() const { return m_curriculum; }
    qint64 teacher() const { return m_teacher; }

    // "skupaj ur" and "V turnusu".
    int totalHours() const { return SumHours(m_list.rows(), QStringLiteral("ST_UR")); }
    int hoursInTurnus(qint64 turnus) const { return SumHours(m_list.rows(), QStringLiteral("ST_UR"), turnus); }
    // "Dodajanje predmeta" while adding, else "Predmet".
    static QString frameHeader(bool adding);
    // The subject code of the current assignment.
    QString label() const;

    // "Predmet": the subject rows the teacher teaches that some class group of the curriculum
    // still needs a teacher for (ID, PREDMET: the subject's code and the group's when the group
    // is not the subject's own).
    db::RowSet subjects() const;
    // "Enota": the class groups that follow a programme with the subject row and have no
    // assignment for it yet (KLJUC, ENOTA: the code, " / " and the turnus, TURNUS), by code and
    // turnus.
    db::RowSet classGroups(qint64 subjectRow) const;
    // "Prostor": the room list (RoomList) for the teacher and the chosen subject and class group.
    db::RowSet rooms(const RazporedUciteljaFields &f) const;

    // The current assignment as the fields show it, with one-entry lists for "Predmet" (ID,
    // PREDMET) and "Enota" (KLJUC, ENOTA, TURNUS): the lists of a new assignment no longer offer it.
    RazporedUciteljaFields current() const;
    db::RowSet currentSubject() const;
    db::RowSet currentClassGroup() const;

    // "Predmet je obvezen.", "Oddelek je obvezen.", "Prostor ne obstaja.".
    bool validate(const RazporedUciteljaFields &f);
    // Validates, applies the rules of a teacher joining a group (CheckNewTeacher) and writes the
    // assignment, removing the group's placed lessons when the user agreed, in one transaction.
    bool acceptAddNew(const RazporedUciteljaFields &f);
    // "Odstrani": refuses an assignment with lessons in a timetable with validity; warns when it
    // has placed lessons; removes it (its lessons go with it).
    bool deleteCurrent();

private:
    // The assignment the fields describe; subjectRow -1 when they describe none.
    AssignmentKey keyOf(const RazporedUciteljaFields &f) const;

    qint64 m_curriculum = -1;
    qint64 m_teacher = -1;
    RecordList m_turnusi;
};

} // namespace zentrel::basicdata

#pragma once

#include "CombinedGroupRows.h"
#include "RecordLogic.h"

#include <QList>

namespace zentrel::basicdata {

// A combined group as the fields of the tab "Skupine" give it.
struct SkupinaFields {
    QString oznakaPredmetov; // "Oznaka predmetov": the subject group's (and programme's) code
    QString oznakaEnot;      // "Oznaka enot": the class group's code
    QString ime;             // "Ime"
    QString steviloUr;       // "Št. ur / dol. bloka", first part
    QString dolzinaTermina;  // second part; empty means one period
    qint64 idTurnusa = -1;   // "Turnus"
    int zahtevnost = 2;      // "Zahtevnost"
    QList<qint64> predmeti;  // "Predmeti" v skupini: subjects
    QList<qint64> oddelki;   // "Enote" v skupini: classes
};

// The tab "Skupine" of "Predmetniki": the combined groups of the current curriculum, each a
// curriculum's own programme with one subject group of several subjects and one class group of
// several classes. The list has the columns OZNAKA, OznakaSkupineEnot, IME, OznakaTurnusa,
// ID_PROGRAMA, ID_SkuPre, ID_SkuOdd, ID_TURNUSA, STEVILO_UR, DOLZINA_TERMINA, ZAHTEVNOST.
//
// An edit runs from beginEdit() to acceptEdit() or cancelEdit(); the confirmation that a change
// of the group removes its assignments is asked at most once in it.
class Skupine : public RecordLogic {
public:
    Skupine();

    // Re-reads the groups of the current curriculum and the lists of the fields.
    bool open();
    qint64 curriculum() const { return m_curriculum; }
    const db::RowSet &turnusi() const { return m_turnusi.rows(); }
    // The subjects ("SELECT * FROM PREDMETI") and the curriculum's classes (ID, OZNAKA, IME).
    const db::RowSet &subjects() const { return m_subjects.rows(); }
    const db::RowSet &classes() const { return m_classes.rows(); }

    // The current group with its members; an empty record (turnus 0, "Srednja") for a new one.
    SkupinaFields current() const;
    SkupinaFields newRecord() const;
    // "Nova skupina" while adding, else "Skupina:  CODE".
    QString frameHeader(bool adding) const;
    // Leaving the subject-group code: an empty name and an empty class-group code take it.
    static void afterCode(SkupinaFields &f);

    void beginEdit() { m_memberChangeConfirmed = false; }
    void cancelEdit() { m_memberChangeConfirmed = false; }
    // Asked when an item moves in a mover box of an existing group: refused while the group's
    // lessons lie in a timetable with validity ("Skupine predmetov ni dovoljeno spreminajti, ker
    // nastopa v veljavnem urniku." for subjects, "Skupine enot ni mogoče spreminjati ali brisati,
    // ker nastopa v veljavnem urniku." for classes); with assignments the user confirms "Sprememba
    // skupine povzroči ..." once per edit. True lets the move stand.
    bool mayChangeMembers(bool subjects);

    // The checks of a save, in order: codes ("Oznaka ne sme biti prazna.", "$" put in front, "Ta
    // oznaka je že uporabljena" for a code another group or programme of the curriculum has),
    // hours ("Skupine enot ni mogoče ..." for a change of the hours or turnus of a group with
    // lessons in a timetable with validity, the stored hours put back; "Število ur mora biti
    // večje od 0.", "Vnos turnusa je obvezen.", "Dolžina termina mora biti manjša od števila ur.",
    // "Dolžina termina mora biti vsaj 1."), a decrease of hours with placed lessons ("Zmanjšanje
    // števila ur bo povzročil brisanje skupine iz urnikov.", No refuses), members ("V skupini mora
    // biti vsaj en predmet.", "V skupini mora biti vsaj ena enota."). f gets the normalised codes.
    bool validate(SkupinaFields &f, bool adding);
    // Writes a new group: programme, subject group with its subjects, class group with its
    // classes, the class group's link and the programme row, in one transaction.
    bool acceptAddNew(SkupinaFields f);
    // Writes the changes in one transaction: shared parts first get rows of their own
    // (CombinedGroupRows); a change of members or turnus removes the group's assignments (as
    // confirmed), a decrease of hours its placed lessons.
    bool acceptEdit(SkupinaFields &f);
    // Refuses a group with lessons in a timetable with validity; asks "Potrdi brisanje skupine
    // predmetov #." (with "Skupina bo brisana tudi iz vseh predmetnikov, razporedov in urnikov!"
    // when it has assignments); removes the group's rows and whatever of its programme, subject
    // group and class group nothing else uses.
    bool deleteCurrent();

private:
    CombinedGroupRows currentRows() const;
    bool codesFree(const SkupinaFields &f, bool adding);
    // Members of the stored group.
    QList<qint64> storedSubjects(qint64 subjectGroup) const;
    QList<qint64> storedClasses(qint64 classGroup) const;
    void showGroup(qint64 programme, qint64 turnus);

    qint64 m_curriculum = -1;
    RecordList m_turnusi;
    RecordList m_subjects;
    RecordList m_classes;
    bool m_memberChangeConfirmed = false;
};

} // namespace zentrel::basicdata

#pragma once

#include "RecordLogic.h"

namespace zentrel::basicdata {

class WriteAction;

// One subject row of a programme as the fields show it.
struct PredmetVPredmetnikuFields {
    qint64 idSkupinePredmetov = -1; // "Oznaka": a shared subject group
    QString steviloUr;              // "Št. ur / dol. bloka", first part
    QString dolzinaTermina;         // second part; empty means one period
    qint64 idTurnusa = -1;          // "Turnus"
    int zahtevnost = 2;             // "Zahtevnost": 0 "Ni avtomatsko" .. 3 "Velika"
};

// The tab "Predmeti v predmetniku": the subject groups of one programme with their weekly hours,
// block length, turnus and difficulty. A row is identified by programme, subject group and turnus.
class PredmetiVPredmetniku : public RecordLogic {
public:
    PredmetiVPredmetniku();

    // The choice lists: shared subject groups, turnusi, difficulties ("Zahtevnost;Opis").
    bool openLists();
    const db::RowSet &subjectGroups() const { return m_groups.rows(); }
    const db::RowSet &turnusi() const { return m_turnusi.rows(); }
    static db::RowSet difficulties();

    // Reads the rows of a programme (none below 1). programmeName is shown in the header.
    bool load(qint64 programme, const QString &programmeName = {});
    qint64 programme() const { return m_programme; }

    PredmetVPredmetnikuFields current() const;
    // A new row: no group, empty hours, turnus 0 when it exists, difficulty "Srednja".
    PredmetVPredmetnikuFields newRecord() const;
    // "Dodajanje predmeta" while adding, else "Predmet".
    static QString frameHeader(bool adding);
    // "Predmetnik: NAME".
    QString programmeCaption() const;
    QString label() const;

    // Sum of hours over the programme ("skupaj ur") and over turnus t together with the rows of
    // every week, turnus 0 ("V turnusu").
    int totalHours() const;
    int hoursInTurnus(qint64 turnus) const;

    // In this order: "Oznaka ne sme biti prazna.", "Število ur mora biti večje od 0.",
    // "Vnos turnusa je obvezen.", "Dolžina termina mora biti manjša od števila ur." (equal is
    // accepted); a block below one period and a row already in the programme are refused too.
    bool validate(const PredmetVPredmetnikuFields &f, bool adding);
    // "Število ur mora biti večje od 0." for hours below one; empty otherwise.
    static QString HoursProblem(int hours);
    // "Dolžina termina mora biti manjša od števila ur." for a block longer than the hours (equal
    // is accepted), "Dolžina termina mora biti vsaj 1." below one period; empty otherwise.
    static QString BlockProblem(int hours, int block);
    // Inserts the row of a programme (subject group, turnus) with its hours, block and
    // difficulty (clamped to 0..3) within the caller's action.
    static void InsertRow(WriteAction &action, qint64 programme, qint64 subjectGroup, qint64 turnus, int hours,
                          int block, int difficulty);
    bool acceptAddNew(const PredmetVPredmetnikuFields &f);
    bool acceptEdit(const PredmetVPredmetnikuFields &f);
    // "Odstrani": refuses rows with lessons in a timetable with validity; warns about
    // assignments; removes the row and the assignments of that subject group and turnus in
    // this programme (with their lessons).
    bool deleteCurrent();

private:
    bool write(const PredmetVPredmetnikuFields &f, bool adding);
    // A row whose subject group or turnus changes takes its assignments along; refused while a
    // valid timetable has their lessons, confirmed when some cannot follow.
    bool keyChangeAllowed(const PredmetVPredmetnikuFields &f);
    void moveAssignments(WriteAction &action, const PredmetVPredmetnikuFields &f);
    QString oldRowCondition() const;

    qint64 m_programme = -1;
    QString m_programmeName;
    RecordList m_groups;
    RecordList m_turnusi;
};

} // namespace zentrel::basicdata

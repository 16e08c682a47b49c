#pragma once

#include "basicdata/RecordLogic.h"
#include "db/RowSet.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace zentrel::timetable {

struct UrnikFields {
    QString ime;
};

// The tab "Izbira" of the timetables: the curriculum, the timetable and the turnus that every
// timetable window works on (the program's current selections), and the timetables of the
// curriculum as a record list: new, renamed and deleted. The current record of the list is the
// current timetable.
class UrnikIzbira : public basicdata::RecordLogic {
public:
    UrnikIzbira();

    // Deletes rows of TERMINI left without a day, reads curricula, turnusi and the current
    // curriculum's timetables, and goes to the current timetable (else the first one).
    bool open();
    // Goes to a row of the list: its timetable becomes the current one.
    void moveTo(int row);
    // "Urnik:  name", "Nov urnik" while adding, "Urnik" without a record.
    QString frameHeader(bool adding) const;

    // A new timetable of the current curriculum: an empty name is refused with "Ime ne sme biti
    // prazno.", a name the curriculum has already with "Urnik # že obstaja."; without a
    // curriculum "Najprej izberite razpored.". The new timetable becomes current.
    bool acceptAddNew(const UrnikFields &f);
    // Renames the current timetable (the same refusals).
    bool acceptEdit(const UrnikFields &f);
    // Refuses a timetable valid in the calendar ("Urnik # je veljaven, zato ga ni mogoče
    // brisati."); asks "Operacija je nepovratna!" / "Potrdi brisanje urnika #."; deletes it with
    // its lessons and first periods. The deleted timetable is no longer current: the one the list
    // moves to is, or none (-1) when no timetable is left.
    bool deleteCurrent();

    const db::RowSet &predmetniki() const { return m_predmetniki; }
    const db::RowSet &turnusi() const { return m_turnusi; }
    // Makes a curriculum current (the program's rule: a timetable and turnus of another
    // curriculum are current no more) and lists its timetables; the one the list shows becomes
    // current, in the turnus chosen or else the first rotating one.
    bool izberiPredmetnik(qint64 id);
    // Makes a turnus current; false when it does not exist.
    bool izberiTurnus(qint64 id);

    // (class, subject) of every assignment of the current curriculum without a teacher, in the
    // current turnus or in every turnus (turnus 0), for the warning shown when a timetable is chosen.
    QList<QPair<QString, QString>> brezUcitelja() const;

private:
    bool preveriIme(const QString &ime, qint64 razen);

    db::RowSet m_predmetniki;
    db::RowSet m_turnusi;
};

// Empty when the current timetable exists, else the message a timetable window shows instead of
// its work: "Niste izbrali nobenega urnika. Najprej pojdite na zavihek "Izbira"".
QString PreveriIzbranUrnik();

// The codes of the periods 0..15 (URE.OZNAKA; the number where a period has no row).
QStringList OznakeUr();

// The code of a class's shift in the current curriculum; empty when it has none.
QString IzmenaOddelka(qint64 oddelek);

// True when the timetable has validity periods in the calendar.
bool UrnikVeljaven(qint64 urnik);

} // namespace zentrel::timetable

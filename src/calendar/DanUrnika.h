#pragma once

#include "db/MBaza.h"

#include <QDate>
#include <QString>
#include <QVector>

// The day resolution: what a date of the school year is. Every window, printout and command
// that needs "which lessons are taught on this date" asks here, so that they all agree.
namespace zentrel::calendar {

// A rotation week of the turnus list (TURNUSI without turnus 0, in ID order).
struct Turnus {
    qint64 id = -1;
    QString oznaka;
};

// A row of VELJAVNOST_URNIKA with the name of its timetable. `od` and `do_` are inclusive;
// `zacetniTurnus` applies in the week that contains `od`; the rotation runs over
// `steviloTurnusov` weeks (0 or less is read as 1).
struct Veljavnost {
    qint64 id = -1;
    qint64 idUrnika = -1;
    QString imeUrnika;
    QDate od;
    QDate do_;
    qint64 zacetniTurnus = -1;
    int steviloTurnusov = 1;
};

// A row of PROSTI_DNEVI: lessons are not held from `od` to `do_` (inclusive).
struct ProstiDnevi {
    qint64 id = -1;
    QDate od;
    QDate do_;
    QString razlog;
};

// A row of URNIK_DAN: on `datum` the lessons of weekday `dan` are taught.
struct SpremenjenDan {
    qint64 id = -1;
    QDate datum;
    int dan = 0;
};

// The result of the day resolution of one date. Lessons are taught exactly when imaPouk():
// then izbranDan, izbranUrnik and izbranTurnus select them (TERMINI.DAN, ID_URNIKA, ID_TURNUSA).
struct DanUrnika {
    QDate datum;
    // A free day: no lessons; `prosto` is its row (reason in prosto.razlog).
    bool prost = false;
    ProstiDnevi prosto;
    // Weekday 1..7 whose lessons are taught and its name; the real weekday unless the date
    // has a row of URNIK_DAN (spremenjenDan).
    int izbranDan = 0;
    QString imeDneva;
    bool spremenjenDan = false;
    // No validity covers the date, or its start turnus is not in the turnus list.
    bool niVeljavnegaUrnika = false;
    // The timetable in force and the rotation week of the date.
    qint64 izbranUrnik = -1;
    QString imeUrnika;
    qint64 izbranTurnus = -1;
    QString oznakaTurnusa;
    // The validity row covering the date (id -1 when none; set also when its start turnus is
    // missing from the list, so that a caller can say why there is no timetable).
    Veljavnost veljavnost;
    int tedenRotacije = -1; // weeks begun since the validity's first day (0 in its first week)

    bool imaPouk() const { return !prost && !niVeljavnegaUrnika; }
    // Forbidden periods follow the real weekday, whichever weekday's lessons are taught.
    int danPrepovedi() const { return datum.dayOfWeek(); }
};

// Number of Monday boundaries between the validity's first day and `date`: 0 in the first,
// possibly partial, week (negative before it).
int TedenRotacije(const QDate &date, const Veljavnost &v);

// The turnus in force on `date` inside validity v: the start turnus's position in the list,
// advanced by the week of the rotation (modulo steviloTurnusov), taken modulo the list's length.
// -1 when the list is empty or does not hold the start turnus.
qint64 IzracunajTurnus(const QDate &date, const Veljavnost &v, const QVector<Turnus> &turnusi);

// Resolves one date against the open project (reads the calendar tables). A database error
// is reported and gives a day without lessons (niVeljavnegaUrnika).
DanUrnika DolociDanUrnika(const QDate &date, db::Connection &connection = db::ProjectDb());

// The text windows show for a resolved day, one line each: "Urnik: ..." and "Turnus: ...";
// for a free day "Razlog: ..."; without a timetable "Ni veljavnih urnikov.".
QString OpisDneva(const DanUrnika &dan);

// The message shown wherever a date has no timetable in force.
QString NiVeljavnihUrnikov();

} // namespace zentrel::calendar

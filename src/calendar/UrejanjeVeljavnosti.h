#pragma once

#include "IzidUrejanja.h"
#include "KoledarskiPodatki.h"

namespace zentrel::calendar {

// The rows left of validity v once the period [a, b] is cut out of it: none when the period
// covers it, one when the period covers its start or its end, two when it lies inside. A part
// after the cut starts with the turnus that date had, so the rotation goes on. `ohranjeno`
// (optional) tells whether every date of the parts resolves to the same turnus as before: a
// rotation over fewer weeks than the turnus list has cannot always be restarted mid-way.
QVector<Veljavnost> IzrezVeljavnosti(const Veljavnost &v, const QDate &a, const QDate &b,
                                     const QVector<Turnus> &turnusi, bool *ohranjeno = nullptr);

// The rules of the validity dialogs: adding a validity to a timetable, deleting one, and
// deleting every validity inside a period. Each returns what the dialog shows; nothing is
// written unless the result is Opravljeno, and then in one transaction.
class UrejanjeVeljavnosti {
public:
    // The rotation weeks in which timetable `urnik` has lessons: the choices of start turnus.
    static QVector<Turnus> TurnusiUrnika(qint64 urnik);
    // "Urnik <name> je prazen.": a timetable without lessons cannot be made valid.
    static QString PrazenUrnik(const QString &imeUrnika);
    // Why "Število turnusov" offers what it does: a rotation has at most as many weeks as the
    // timetable has turnusi with lessons. Empty without any.
    static QString RazlogSteviloTurnusov(const QVector<Turnus> &turnusi);

    // Adds a validity of `urnik` from `od` to `do_` that starts with turnus `zacetni` and
    // rotates over `stevilo` weeks. Refused: bad dates, a period overlapping any validity
    // (" Veljavnost se prekriva z urnikom " and its timetable), a start turnus or a number
    // the timetable does not have.
    static IzidUrejanja Dodaj(qint64 urnik, const QString &od, const QString &do_, qint64 zacetni, int stevilo);

    // Deletes validity `id` with the substitutions dated inside it; when there are such
    // substitutions and `potrjeno` is false, only announces them (Potrdi).
    static IzidUrejanja Brisi(qint64 id, bool potrjeno);

    // Cuts the period out of every validity it overlaps and deletes the substitutions inside
    // it (announced first unless `potrjeno`). Refused: bad dates, no validity in the period
    // ("No timetable is scheduled for the given interval"), a cut after which some date would
    // change its turnus.
    static IzidUrejanja BrisiObdobje(const QString &od, const QString &do_, bool potrjeno);
};

} // namespace zentrel::calendar

#pragma once

#include "IzidUrejanja.h"

namespace zentrel::calendar {

// The rules of the free-day dialogs. Nothing is written unless the result is Opravljeno, and
// then in one transaction.
class UrejanjeProstihDni {
public:
    // Adds free days [od, do_] for `razlog`. Refused: an empty reason ("Navedi razlog."), bad
    // dates, a period overlapping other free days ("Prosti dnevi se prekrivajo z " and their
    // reason), a period holding a changed day. The absences and substitutions dated inside the
    // period go with it: announced first (Potrdi) unless `potrjeno`.
    static IzidUrejanja Dodaj(const QString &od, const QString &do_, const QString &razlog, bool potrjeno);
    // Deletes the free-day row `id`.
    static IzidUrejanja Brisi(qint64 id);
};

} // namespace zentrel::calendar

#pragma once

#include "IzidUrejanja.h"

namespace zentrel::calendar {

// The rules of the change-day dialog: on `datum` the lessons of weekday `dan` (1..7) are
// taught. Choosing the real weekday removes the change; choosing the weekday already in force
// changes nothing. Refused on a free day. The substitutions of the date go with a change:
// announced first (Potrdi) unless `potrjeno`.
class SpremembaDne {
public:
    // The weekday taught on the date now: its URNIK_DAN row's, else the real one.
    static int TrenutniDan(const QDate &datum);
    static IzidUrejanja Spremeni(const QDate &datum, int dan, bool potrjeno);
};

} // namespace zentrel::calendar

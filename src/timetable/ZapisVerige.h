#pragma once

#include "ModelUrnika.h"

#include <vector>

namespace zentrel::timetable {

// A placed period a chain of manual moves changed, and where it stood when the model was loaded.
struct SpremembaTermina {
    int termin = 0;
    bool nov = false; // placed by the chain: it has no TERMINI rows yet
    int dan = 0;      // as loaded (a period that existed before the chain)
    int ura = 0;
};

// Writes a chain of manual moves to TERMINI in one transaction, each changed placed period in
// its final state: a new one gets a row per entry (its TIP the placement mode, the new IDs are
// kept in the model), a moved one has its rows' day, period, type and room set and the printed
// marks reset, one taken off the timetable (day 0) has its rows deleted. A row is changed only
// where it still stands as it was loaded; when another program or window has moved or deleted
// it, nothing is written and "Urnik se je medtem spremenil, zato spremembe niso bile
// shranjene." is shown. A database error is reported and nothing is written. True when written.
bool ZapisiVerigo(ModelUrnika &m, qint64 urnik, qint64 turnus, const std::vector<SpremembaTermina> &spremembe);

} // namespace zentrel::timetable

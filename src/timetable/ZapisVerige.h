#pragma once

#include "engine/ModelUrnika.h"

#include <vector>

namespace zentrel::timetable {

// A placed period a chain of manual moves changed.
struct SpremembaTermina {
    int termin = 0;
    bool nov = false; // placed by the chain: it has no TERMINI rows yet
};

// Writes a chain of manual moves to TERMINI in one transaction, each changed placed period in
// its final state: a new one gets a row per entry (its TIP the placement mode, the new IDs are
// kept in the model), a moved one has its rows' day, period, type and room set and the printed
// marks reset, one taken off the timetable (day 0) has its rows deleted. The timetable's rows
// must still be as the model was loaded (UrnikNespremenjen), else nothing is written; after the
// write the model carries the new rows' fingerprint. A database error is reported and nothing is
// written. True when written.
bool ZapisiVerigo(engine::ModelUrnika &m, qint64 urnik, qint64 turnus, const std::vector<SpremembaTermina> &spremembe);

} // namespace zentrel::timetable

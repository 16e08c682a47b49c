#pragma once

#include "ModelUrnika.h"

#include <QString>

namespace zentrel::engine {

// Rebuilds the model of the current timetable, turnus and curriculum (App() selections) from
// the project database. Placed periods that collide with an earlier one in load order are
// deleted from TERMINI and the load repeats until it is clean; the deleted periods are then
// reported in one message. With onlyRated, units of difficulty 0 get no periods to place.
// Returns false when a query failed or a colliding period could not be deleted (the access
// layer has reported it).
bool PreberiModelUrnika(ModelUrnika &model, bool onlyRated);
bool PreberiModelUrnika(bool onlyRated);

// The text of the overlap message for the overlaps recorded in the model.
QString BesediloPrekrivanj(const ModelUrnika &model);

} // namespace zentrel::engine

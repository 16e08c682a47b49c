#pragma once

#include "engine/ModelUrnika.h"

namespace zentrel::timetable {

// Deletes the placed periods of the current timetable and turnus, the fixed ones ("s") only with
// brisiStalne, after the question "Potrdi brisanje razporejenih ur urnika # v turnusu #.", in one
// transaction. A timetable valid in the calendar is refused with "Urnik je že veljaven. Brisanje
// ur je zato onemogočeno." (its lessons carry the substitutions made on them). True when deleted.
bool BrisiTermineUrnika(bool brisiStalne);

// Deletes the placed periods that the model shows for one class (with its groups) or teacher, the
// fixed ones only with brisiStalne, in one transaction; refuses a valid timetable as above, and
// deletes nothing when the timetable's rows changed since the model was loaded.
// Returns the number of placed periods deleted, -1 when refused or failed. The model must be read
// again afterwards.
int BrisiUrnikEnote(const engine::ModelUrnika &m, bool ucitelj, int indeks, bool brisiStalne);

} // namespace zentrel::timetable

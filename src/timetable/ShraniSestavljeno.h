#pragma once

#include "ModelUrnika.h"

namespace zentrel::timetable {

// Writes the result of a construction run in one transaction: a TERMINI row with TIP "a" for
// each entry of every period the run created, and the deletion of the rows of every period the
// run removed. Periods that existed before keep their rows. On success the model's new periods
// carry their row IDs and type "a". False (nothing written) when a statement failed; the
// access layer has reported it.
bool ShraniSestavljeno(ModelUrnika &model);

} // namespace zentrel::timetable

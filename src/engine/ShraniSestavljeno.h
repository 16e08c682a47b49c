#pragma once

#include "ModelUrnika.h"

namespace zentrel::engine {

// Writes the result of a construction run in one transaction: a TERMINI row with TIP "a" for
// each entry of every period the run created, and the deletion of the rows of every period the
// run removed. Periods that existed before keep their rows. On success the model's new periods
// carry their row IDs and type "a", and the model the fingerprint of the rows saved. False
// (nothing written, reported) when another program changed the timetable's rows since the model
// was loaded (UrnikNespremenjen) or when a statement failed.
bool ShraniSestavljeno(ModelUrnika &model);

} // namespace zentrel::engine

#pragma once

#include "db/Connection.h"

#include <QString>

namespace zentrel::sample {

// Forms the elective groups of the sample school from its pupils' choices, as the automatic
// assignment does with the teacher option, and gives every group of every elective block a
// teacher of its subject (the least loaded one not yet teaching in the block) and, where the
// subject has rooms of its own, a room. Runs inside the caller's transaction; false with the
// reason when a statement fails.
bool FormSampleElectives(db::Connection &connection, qint64 curriculum, QString *errorText);

} // namespace zentrel::sample

#pragma once

#include <QString>

namespace zentrel::shell {

// Removes the temporary file a killed compaction of a project file left (CompactionTemporaryFile)
// and the journal the engine wrote beside it. Call it only while the project's lock is held, so
// that no compaction of it is running.
void RemoveCompactionLeftover(const QString &projectFile);

} // namespace zentrel::shell

#pragma once

#include <QString>

namespace zentrel::db {

// Removes what an interrupted upgrade left beside a project, where that loses nothing: the
// unfinished new file of a build that is no longer running (ProjectBuild), for an old ".kvl"
// project also that of its ".znt" name, and backup names (".bak", ".bak1", ...) that are only a
// second name of the project file itself (the link made just before a replacement that never
// happened). A backup that holds other content than the project is never touched. Call it only
// while holding the project's lock, so that no upgrade of it is running.
void RemoveLeftovers(const QString &projectFile);

} // namespace zentrel::db

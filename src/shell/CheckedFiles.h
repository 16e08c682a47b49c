#pragma once

#include <QString>

// The project files the engine's full check has found sound, and how they were then, recorded
// in the settings file. The full check reads the whole file (seconds for a large project), so it
// runs only on a file changed since it was last found sound: by size, time of change and the
// engine's change counter, which every committed write increments.
namespace zentrel::shell {

// True when the file is as it was when last recorded sound.
bool UnchangedSinceChecked(const QString &path);

// Records the file, as it is now, as sound (the most recent files are kept).
void RememberChecked(const QString &path);

} // namespace zentrel::shell

#pragma once

#include <QString>

namespace zentrel::fet {

// The menu's import: makes the project from the FET file (with progress messages), opens it and
// shows the import report. False when the file was refused or the project not made or opened.
bool CreateProjectFromFet(const QString &fetPath, const QString &newPath);

// The menu's export: the current timetable and turnus of the open project to a FET file, and
// "Datoteka # je zapisana." when done.
bool ExportCurrentTimetable(const QString &outPath, bool withTimetable);

} // namespace zentrel::fet

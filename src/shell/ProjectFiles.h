#pragma once

#include "Compaction.h"

#include <QString>

// The life cycle of a project file: open, create, compact, save defaults, close.
//
// States: no project (caption "Zentrel", project menus off) -> project open (OpenProjectFile
// succeeded) -> no project (CloseProject, or a failed open). Compaction and upgrade close the
// connection and open the project again.
namespace zentrel::shell {

// Opens a project: the lock that marks it open here (a project open for writing in another
// program is offered read-only), connection, the engine's structure check (a damaged file is
// offered the compaction), the tables, the write test (nothing is written until every check
// has passed), upgrade of an older project, opening checks and repairs, school name, caption,
// period list, recent files. Reports every failure through ShowMessage and leaves the program
// without a project. `isNew` first tries a throw-away connection, so an unreadable new file
// fails before anything changes.
bool OpenProjectFile(const QString &path, bool isNew = false);

// Closes the open project (if any) and tells the windows.
void CloseProject();

// Creates a project at path from zn.opm (".znt" appended unless the name ends so, in any
// case) and opens it; a project that cannot be opened is deleted again. "Ni datoteke #." when
// zn.opm is missing.
bool CreateProjectAt(QString path);

// The file name a new project gets: the path with ".znt" appended unless it ends so (any case).
QString ProjectFilePath(const QString &path);

// The proposed name of a new project: "Urnik yyyy-mm-dd.znt".
QString ProposedProjectName();

// Copies the periods, turnusi, shifts and first periods of the open project into zn.opm, so
// that new projects start with them ("Trenutno ni odprt noben projekt" without a project).
bool SaveSettingsAsDefaults();

// Puts path at the top of the recent files (see RecentFiles.cpp for the exact rule), writes
// "[recent files]" and tells the menu.
void AddRecentFile(const QString &path);

// "Zentrel", a blank, the school name, " - " and the file name, with " (samo za branje)" for a
// project opened read-only; "Zentrel" without a project.
QString MainCaption();

} // namespace zentrel::shell

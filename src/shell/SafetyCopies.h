#pragma once

#include "SafetyCopyList.h"
#include "db/OnlineBackup.h"

#include <QString>

// Safety copies: before an operation deletes or replaces more than a handful of rows, and when a
// project is opened for writing the first time on a day, a consistent copy of the project is
// written into the project's folder of safety copies (db::BackupToFile), and the copies beyond the
// user's limits are removed.
//
// The folders of copies live in the user data folder ("Varnostne kopije", one subfolder per
// project), not beside the project: the user data folder is the one folder the program knows it
// may write (zn.INI and zn.opm live there), whereas a project's folder may be read-only, shared
// with other people, synchronised to a server or on a stick that fills up; and the copies survive
// when the project's folder is deleted or the stick is lost, which is when they are needed.
namespace zentrel::shell {

// The folder of safety copies of the project file at `projectPath`: the project's name and a
// short hash of its full (link-resolved) path, so that two projects of one name in different
// folders keep their copies apart.
QString SafetyCopyFolder(const QString &projectPath);

// The copies of a project, newest first.
QList<SafetyCopy> ListSafetyCopies(const QString &projectPath);

// The project whose copies the program shows: the open project, or, while one of its safety
// copies is open for viewing, that copy's project.
QString SafetyCopyProject();

// Writes a copy of the database open on `source` (the project file `projectPath`) before
// `operation`, then removes the copies beyond the limits, except `spare` (a copy about to be
// restored). Returns the copy's path, or an empty text with `error` set when it could not be
// written.
QString WriteSafetyCopy(db::Connection &source, const QString &projectPath, const QString &operation,
                        db::BackupError &error, const QString &spare = {});

// The guard before an operation on the open project: writes the copy; when it cannot be written,
// asks "Varnostne kopije ni bilo mogoče narediti (<reason>). ... Ali želiš nadaljevati brez
// varnostne kopije?". True when the operation may go on (copy written, or answered Yes); false
// when it must leave everything as it was. Without a project open for writing there is nothing
// to copy, and without a user data folder (the logic used without the program's start-up) no
// copies are kept: true.
bool SafetyCopyBefore(const QString &operation, const QString &spare = {});

// The same guard for a project file about to be replaced by a new project written over it (the
// copy "Nadomestitev z novim projektom"): a file that is not a project has nothing to keep, true.
bool SafetyCopyBeforeReplacing(const QString &path);

// The copy made when a project is opened for writing and none of its copies is from today.
bool DailySafetyCopy(db::Connection &project, const QString &projectPath);

// Stores the limits (each brought within its range) in the program's state and in zn.INI at once.
// False when the file cannot be written.
bool SaveSafetyCopyLimits(const SafetyCopyLimits &limits);

// The operation names used in the copies' names.
QString OperationWithName(const QString &operation, const QString &name);

} // namespace zentrel::shell

#pragma once

#include <QStringList>

// zentrel-cli backups: the safety copies of a project.
//   backups list PROJECT                  the copies, newest first, numbered
//   backups restore PROJECT COPY [--yes]  restores the project from a copy, named by its number
//                                         in the list, its file name or its path
namespace zentrel::shell {

int RunBackupsCommand(const QStringList &args);

} // namespace zentrel::shell

#pragma once

#include <QStringList>

// The project commands of zentrel-cli. Each takes the arguments after its name and returns
// the exit code: 0 on success, 1 with the program's message on standard error otherwise.
namespace zentrel::shell {

int RunCreateCommand(const QStringList &args);
// Writes a new pristine defaults database (zn.opp) at the path.
int RunMakeDefaultsCommand(const QStringList &args);
int RunCheckCommand(const QStringList &args);
int RunCompactCommand(const QStringList &args);
// Copies the shipped sample project into the documents folder when missing and prints its path.
int RunEnsureSampleCommand(const QStringList &args);

// True, after "Datoteka # že obstaja. Za prepis dodajte --force." on standard error, when a
// command would overwrite an existing file without --force.
bool RefuseOverwrite(const QString &path, bool force);

// The row counts of the main tables of the open project, as "TABLE: n" lines.
QStringList MainTableCounts();

} // namespace zentrel::shell

#pragma once

#include <QString>
#include <QStringList>

namespace zentrel::test {

// What a run of zentrel-cli left: its exit code and what it printed.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built zentrel-cli with ZENTREL_HOME set to home (its folders and zn.opm live there).
CliRun RunCli(const QString &home, const QStringList &args);

} // namespace zentrel::test

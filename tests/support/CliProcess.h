#pragma once

#include <QString>
#include <QStringList>

namespace zentrel::test {

// What a run of zentrel-cli printed and returned.
struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built zentrel-cli with ZENTREL_HOME set to `home` (its settings and defaults live
// there) and waits for it to end.
CliResult RunCli(const QString &home, const QStringList &args);

} // namespace zentrel::test

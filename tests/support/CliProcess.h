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

// The same as an ordinary user, for whom permission bits count: when the tests run as root, as
// user and group 65534, who must be given the files the run needs (GiveToOrdinaryUser).
CliResult RunCliAsOrdinaryUser(const QString &home, const QStringList &args);

// Makes a file or a folder with everything in it the ordinary user's (when the tests run as root).
void GiveToOrdinaryUser(const QString &path);

} // namespace zentrel::test

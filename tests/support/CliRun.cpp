#include "CliRun.h"

#include "TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace zentrel::test {

CliRun RunCli(const QString &home, const QStringList &args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENTREL_HOME"), home);
    p.setProcessEnvironment(env);
    p.start(ProgramFolder() + QStringLiteral("/zentrel-cli"), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace zentrel::test

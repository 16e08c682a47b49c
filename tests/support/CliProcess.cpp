#include "CliProcess.h"

#include "TempFolder.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace zentrel::test {

CliResult RunCli(const QString &home, const QStringList &args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENTREL_HOME"), home);
    p.setProcessEnvironment(env);
    p.start(ProgramFolder() + QStringLiteral("/zentrel-cli"), args);
    p.waitForFinished(300000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace zentrel::test

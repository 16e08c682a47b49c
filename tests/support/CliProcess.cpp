#include "CliProcess.h"

#include "TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <grp.h>
#include <unistd.h>

namespace zentrel::test {

namespace {

constexpr uid_t kOrdinaryUser = 65534;

CliResult run(const QString &home, const QStringList &args, bool ordinary) {
    QProcess p;
    if (ordinary && ::geteuid() == 0)
        p.setChildProcessModifier([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryUser) != 0 || ::setuid(kOrdinaryUser) != 0)
                ::_exit(9);
        });
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENTREL_HOME"), home);
    if (ordinary && ::geteuid() == 0) {
        // Root's runtime folder is not the user's: without one of his own Qt warns on every run.
        const QString runtime = home + QStringLiteral("/runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GiveToOrdinaryUser(runtime);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }
    p.setProcessEnvironment(env);
    p.start(ProgramFolder() + QStringLiteral("/zentrel-cli"), args);
    p.waitForFinished(300000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

CliResult RunCli(const QString &home, const QStringList &args) {
    return run(home, args, false);
}

CliResult RunCliAsOrdinaryUser(const QString &home, const QStringList &args) {
    return run(home, args, true);
}

void GiveToOrdinaryUser(const QString &path) {
    if (::geteuid() != 0)
        return;
    QStringList paths{path};
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    for (const QString &p : paths)
        if (::lchown(QFile::encodeName(p).constData(), kOrdinaryUser, kOrdinaryUser) != 0)
            return;
}

} // namespace zentrel::test

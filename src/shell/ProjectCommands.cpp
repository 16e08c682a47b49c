#include "ProjectCommands.h"

#include "ProjectFiles.h"
#include "Startup.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "db/Schema.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace zentrel::shell {

using namespace core;

namespace {

int usage(const QString &text) {
    QTextStream(stderr) << "Uporaba: zentrel-cli " << text << '\n';
    return 1;
}

// The arguments without the flag; `found` tells whether it was there.
QStringList withoutFlag(QStringList args, const QString &flag, bool &found) {
    found = args.removeAll(flag) > 0;
    return args;
}

} // namespace

QStringList MainTableCounts() {
    static const QStringList tables{
        QStringLiteral("STAVBE"),     QStringLiteral("PROSTORI"),          QStringLiteral("SKUPINE_PROSTOROV"),
        QStringLiteral("UCITELJI"),   QStringLiteral("ODDELKI"),           QStringLiteral("SKUPINE_ODDELKOV"),
        QStringLiteral("PREDMETI"),   QStringLiteral("SKUPINE_PREDMETOV"), QStringLiteral("PREDMETNIKI"),
        QStringLiteral("PROGRAMI"),   QStringLiteral("RAZPORED"),          QStringLiteral("URNIKI"),
        QStringLiteral("TERMINI"),    QStringLiteral("VELJAVNOST_URNIKA"), QStringLiteral("PROSTI_DNEVI"),
        QStringLiteral("ERD_UCENEC"), QStringLiteral("IZBIRNI_NABORI"),    QStringLiteral("IZBIRNI_PREDMETI_UCENCI")};
    QStringList lines;
    db::Connection &c = db::ProjectDb();
    for (const QString &t : tables)
        lines << QStringLiteral("%1: %2").arg(t).arg(
            c.scalar(QStringLiteral("SELECT count(*) FROM ") + t).toLongLong());
    return lines;
}

bool RefuseOverwrite(const QString &path, bool force) {
    if (force || !QFileInfo::exists(path))
        return false;
    QTextStream(stderr) << "Datoteka " << path << " že obstaja. Za prepis dodajte --force.\n";
    return true;
}

int RunCreateCommand(const QStringList &all) {
    bool force = false;
    const QStringList args = withoutFlag(all, QStringLiteral("--force"), force);
    if (args.size() != 1 || args.first().startsWith(u'-'))
        return usage(QStringLiteral("create POT [--force]"));
    if (RefuseOverwrite(ProjectFilePath(args.first()), force) || !CreateProjectAt(args.first()))
        return 1;
    QTextStream(stdout) << App().projectPath() << '\n';
    return 0;
}

int RunCheckCommand(const QStringList &args) {
    const QStringList paths = QStringList(args).filter(QRegularExpression(QStringLiteral("^[^-]")));
    if (paths.size() != 1)
        return usage(QStringLiteral("check POT [--yes]"));
    if (!OpenProjectFile(paths.first()))
        return 1;
    QTextStream out(stdout);
    out << "Projekt: " << App().projectPath() << '\n';
    out << "Šola: " << App().schoolName << '\n';
    out << "Verzija: " << db::SchemaVersion(db::ProjectDb()) << '\n';
    for (const QString &line : MainTableCounts())
        out << line << '\n';
    return 0;
}

int RunMakeDefaultsCommand(const QStringList &args) {
    if (args.size() != 1 || args.first().startsWith(u'-'))
        return usage(QStringLiteral("make-defaults POT"));
    return db::CreateDefaultsDatabaseFile(args.first()) ? 0 : 1;
}

int RunCompactCommand(const QStringList &all) {
    bool yes = false; // a damaged file is repaired on opening only when the answers are yes
    const QStringList args = withoutFlag(all, QStringLiteral("--yes"), yes);
    if (args.size() != 1 || args.first().startsWith(u'-'))
        return usage(QStringLiteral("compact POT [--yes]"));
    if (!OpenProjectFile(args.first()))
        return 1;
    return CompactProject() ? 0 : 1;
}

int RunEnsureSampleCommand(const QStringList &) {
    const QString path = EnsureSampleProject();
    if (path.isEmpty()) {
        QTextStream(stderr) << "Ni datoteke " << App().folders.sampleTemplate() << ".\n";
        return 1;
    }
    QTextStream(stdout) << path << '\n';
    return 0;
}

} // namespace zentrel::shell

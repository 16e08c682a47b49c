#include "BackupCommands.h"

#include "SafetyCopies.h"
#include "SafetyCopyRestore.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace zentrel::shell {

using namespace core;

namespace {

const QString kUsage = QStringLiteral("backups list PROJEKT | backups restore PROJEKT KOPIJA [--yes]");

int usage() {
    QTextStream(stderr) << "Uporaba: zentrel-cli " << kUsage << '\n';
    return 1;
}

int list(const QString &project) {
    const QList<SafetyCopy> copies = ListSafetyCopies(project);
    QTextStream out(stdout);
    if (copies.isEmpty()) {
        ShowMessage(MsgInformation, QStringLiteral("Projekt # nima varnostnih kopij."), SplitPath(project).second);
        return 0;
    }
    out << "Varnostne kopije v mapi " << QDir::toNativeSeparators(SafetyCopyFolder(project)) << ":\n";
    for (int i = 0; i < copies.size(); ++i) {
        const SafetyCopy &c = copies.at(i);
        out << i + 1 << ".  " << SafetyCopyTimeText(c) << "  " << c.operation << "  " << SafetyCopySizeText(c.size)
            << '\n';
    }
    return 0;
}

// The copy a user names: its number in the list, its file name (".znt" may be left out) or a path.
QString findCopy(const QString &project, const QString &name) {
    const QList<SafetyCopy> copies = ListSafetyCopies(project);
    bool number = false;
    const int n = name.toInt(&number);
    if (number)
        return n >= 1 && n <= copies.size() ? copies.at(n - 1).path : QString();
    for (const SafetyCopy &c : copies)
        if (c.fileName == name || c.fileName == name + QStringLiteral(".znt"))
            return c.path;
    return QFileInfo(name).isFile() ? QFileInfo(name).absoluteFilePath() : QString();
}

} // namespace

int RunBackupsCommand(const QStringList &all) {
    QStringList args = all;
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    const QString action = args.value(0);
    if (action == QLatin1String("list") && args.size() == 2 && !yes)
        return list(QFileInfo(args.at(1)).absoluteFilePath());
    if (action != QLatin1String("restore") || args.size() != 3)
        return usage();
    const QString project = QFileInfo(args.at(1)).absoluteFilePath();
    // Resolved before the project is opened: opening may add the day's first copy to the list.
    const QString copy = findCopy(project, args.at(2));
    if (copy.isEmpty()) {
        ShowMessage(MsgError, QStringLiteral("Projekt # nima varnostne kopije #."), SplitPath(project).second,
                    args.at(2));
        return 1;
    }
    return RestoreSafetyCopy(project, copy) ? 0 : 1;
}

} // namespace zentrel::shell

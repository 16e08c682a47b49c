#include "FetCommands.h"

#include "FetExport.h"
#include "FetImport.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/ProjectCommands.h"
#include "shell/ProjectFiles.h"

#include <QTextStream>

namespace zentrel::fet {

namespace {

int usage(const QString &text) {
    QTextStream(stderr) << "Uporaba: zentrel-cli " << text << '\n';
    return 1;
}

} // namespace

int RunImportFetCommand(const QStringList &args) {
    QStringList paths;
    bool force = false;
    for (const QString &a : args) {
        if (a == QLatin1String("--force"))
            force = true;
        else if (a.startsWith(QLatin1String("--")))
            return usage(QStringLiteral("import-fet DATOTEKA.fet NOV.znt [--force]"));
        else
            paths << a;
    }
    if (paths.size() != 2)
        return usage(QStringLiteral("import-fet DATOTEKA.fet NOV.znt [--force]"));
    const QString target = shell::ProjectFilePath(paths.at(1));
    if (shell::RefuseOverwrite(target, force))
        return 1;
    ImportReport report;
    if (!ImportFetFile(paths.at(0), target, core::App().folders.defaultsDatabase(), &report))
        return 1;
    QTextStream out(stdout);
    out << "Projekt " << target << " je narejen (urnik 1, turnus 1).\n";
    for (const QString &line : report.lines())
        out << line << '\n';
    return 0;
}

int RunExportFetCommand(const QStringList &args) {
    const QString text = QStringLiteral("export-fet PROJEKT --timetable ID --turnus ID IZHOD.fet [--with-timetable]");
    QStringList paths;
    FetExportOptions options;
    bool haveTimetable = false, haveTurnus = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--with-timetable")) {
            options.withTimetable = true;
        } else if (a == QLatin1String("--timetable") || a == QLatin1String("--turnus")) {
            bool ok = false;
            const qint64 value = i + 1 < args.size() ? args.at(++i).toLongLong(&ok) : 0;
            if (!ok)
                return usage(text);
            (a == QLatin1String("--timetable") ? options.timetable : options.turnus) = value;
            (a == QLatin1String("--timetable") ? haveTimetable : haveTurnus) = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            return usage(text);
        } else {
            paths << a;
        }
    }
    if (paths.size() != 2 || !haveTimetable || !haveTurnus)
        return usage(text);
    if (!shell::OpenProjectFile(paths.at(0)))
        return 1;
    return ExportFetFile(db::ProjectDb(), options, paths.at(1)) ? 0 : 1;
}

} // namespace zentrel::fet

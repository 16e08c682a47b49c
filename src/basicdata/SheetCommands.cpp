#include "SheetCommands.h"

#include "ChooseRow.h"
#include "SheetExport.h"
#include "SheetImport.h"
#include "shell/ProjectFiles.h"

#include <QTextStream>

namespace zentrel::basicdata {

namespace {

const char *kKinds = "teachers|subjects|rooms|classes|assignments";

struct Arguments {
    QStringList positional;
    QString kind;
    QString curriculum;
    bool apply = false;
    QString error;
};

Arguments parse(const QStringList &args, bool importing) {
    Arguments a;
    for (int i = 0; i < args.size() && a.error.isEmpty(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--kind") || arg == QLatin1String("--curriculum")) {
            if (i + 1 >= args.size())
                a.error = QStringLiteral("Manjka vrednost za %1.").arg(arg);
            else
                (arg == QLatin1String("--kind") ? a.kind : a.curriculum) = args[++i];
        } else if (importing && arg == QLatin1String("--apply")) {
            a.apply = true;
        } else if (arg == QLatin1String("--yes")) {
            // Nothing asks; accepted as with the other commands.
        } else if (arg.startsWith(QLatin1String("--"))) {
            a.error = QStringLiteral("Neznan argument %1.").arg(arg);
        } else {
            a.positional << arg;
        }
    }
    return a;
}

int usage(const QString &problem, bool importing) {
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << problem << '\n';
    if (importing)
        err << "Uporaba: zentrel-cli import-csv PROJEKT --kind " << kKinds
            << " DATOTEKA.csv [--apply] [--curriculum ID|IME]\n";
    else
        err << "Uporaba: zentrel-cli export-csv PROJEKT --kind " << kKinds << " IZHOD.csv [--curriculum ID|IME]\n";
    return 1;
}

// Checks the arguments and opens the project; the kind and the curriculum (-1: none given).
bool prepare(const Arguments &a, bool importing, SheetKind &kind, qint64 &curriculum, int &exitCode) {
    exitCode = 1;
    if (!a.error.isEmpty() || a.positional.size() != 2 || a.kind.isEmpty()) {
        usage(a.error, importing);
        return false;
    }
    if (!SheetKindFromName(a.kind, kind)) {
        usage(QStringLiteral("Neznana vrsta podatkov %1.").arg(a.kind), importing);
        return false;
    }
    if (!shell::OpenProjectFile(a.positional[0]))
        return false;
    curriculum = -1;
    if (!a.curriculum.isEmpty()) {
        curriculum = ChooseRow(QStringLiteral("SELECT ID, IME FROM PREDMETNIKI ORDER BY ID"), a.curriculum, -1);
        if (curriculum < 0) {
            QTextStream(stderr) << QStringLiteral("V projektu ni razporeda %1.").arg(a.curriculum) << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int RunImportCsvCommand(const QStringList &args) {
    const Arguments a = parse(args, true);
    SheetKind kind;
    qint64 curriculum = -1;
    int exitCode = 1;
    if (!prepare(a, true, kind, curriculum, exitCode))
        return exitCode;
    SheetImport import(kind, curriculum);
    if (!import.readFile(a.positional[1]))
        return 1;

    QTextStream out(stdout);
    QStringList header{QStringLiteral("Vrstica"), QStringLiteral("Dejanje")};
    for (const SheetColumn &column : SheetColumns(kind))
        header << column.caption;
    out << header.join(u'\t') << '\t' << "Opomba" << '\n';
    for (const SheetRow &row : import.rows()) {
        QStringList cells{QString::number(row.line), SheetImport::ActionText(row.action)};
        for (const QString &cell : row.cells)
            cells << QString(cell).replace(u'\n', u' ').replace(u'\t', u' ');
        out << cells.join(u'\t') << '\t' << row.note << '\n';
    }
    out << import.summary() << '\n';
    if (!a.apply) {
        if (import.count(SheetAction::Refused) == 0)
            out << "Nič ni zapisano; za uvoz dodajte --apply.\n";
        return import.count(SheetAction::Refused) == 0 ? 0 : 1;
    }
    out.flush();
    if (!import.apply())
        return 1;
    out << "Uvoz je zaključen.\n";
    return 0;
}

int RunExportCsvCommand(const QStringList &args) {
    const Arguments a = parse(args, false);
    SheetKind kind;
    qint64 curriculum = -1;
    int exitCode = 1;
    if (!prepare(a, false, kind, curriculum, exitCode))
        return exitCode;
    const int rows = ExportSheet(kind, a.positional[1], curriculum);
    if (rows < 0)
        return 1;
    QTextStream(stdout) << QStringLiteral("Izvoženih vrstic: %1").arg(rows) << '\n';
    return 0;
}

} // namespace zentrel::basicdata

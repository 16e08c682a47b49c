#include "PupilCommands.h"

#include "AvtomatskoDodeljevanje.h"
#include "IzbirniPostopek.h"
#include "UvozUcencev.h"
#include "basicdata/CurrentRecords.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/ProjectFiles.h"

#include <QMap>
#include <QTextStream>

namespace zentrel::pupils {

namespace {

struct Arguments {
    QStringList positional;
    QMap<QString, QString> values;
    QStringList flags;
    QString error;
};

// Splits the arguments: options that take a value, flags, and the rest in order.
Arguments parse(const QStringList &args, const QStringList &withValue, const QStringList &flags) {
    Arguments a;
    for (int i = 0; i < args.size(); ++i) {
        if (withValue.contains(args[i])) {
            if (i + 1 >= args.size()) {
                a.error = QStringLiteral("Manjka vrednost za %1.").arg(args[i]);
                return a;
            }
            a.values.insert(args[i], args[i + 1]);
            ++i;
        } else if (flags.contains(args[i])) {
            a.flags << args[i];
        } else if (args[i].startsWith(QLatin1String("--"))) {
            a.error = QStringLiteral("Neznan argument %1.").arg(args[i]);
            return a;
        } else {
            a.positional << args[i];
        }
    }
    return a;
}

int usage(const QString &problem, const char *text) {
    QTextStream err(stderr);
    if (!problem.isEmpty())
        err << problem << '\n';
    err << text;
    return 1;
}

// An identifier given on the command line: a whole number from 1 that names a row of the table
// (restricted by `where`); -1 with the reason when it does not.
qint64 rowId(const QString &text, const QString &table, const QString &where, QString *error) {
    bool ok = false;
    const qint64 id = text.toLongLong(&ok);
    if (!ok || id < 1 || id > 999999999) {
        *error = QStringLiteral("Napačna vrednost %1.").arg(text);
        return -1;
    }
    if (db::ProjectDb()
            .scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE ID = ? %2").arg(table, where), {id})
            .toLongLong() == 0) {
        *error = QStringLiteral("V projektu ni zapisa %1 v %2.").arg(text, table);
        return -1;
    }
    return id;
}

} // namespace

int RunImportPupilsCommand(const QStringList &args) {
    const char *text = "Uporaba: zentrel-cli import-pupils PROJEKT DATOTEKA.csv [--yes]\n";
    const Arguments a = parse(args, {}, {QStringLiteral("--yes")});
    if (!a.error.isEmpty() || a.positional.size() != 2)
        return usage(a.error, text);
    if (!shell::OpenProjectFile(a.positional[0]))
        return 1;
    // The per-line status of the window would flood the console: one line at the end.
    UvozUcencev import([](const QString &) {});
    if (!import.importFile(a.positional[1]))
        return 1;
    QTextStream(stdout) << "Uvoženih učencev: " << import.imported() << '\n';
    return 0;
}

int RunElectivesCommand(const QStringList &args) {
    const char *text = "Uporaba: zentrel-cli electives PROJEKT [--curriculum ID] [--set ID] [--teachers] [--apply] "
                       "[--yes]\n"
                       "        zentrel-cli electives PROJEKT [--curriculum ID] --stage izbira|dodeljevanje\n";
    const Arguments a =
        parse(args, {QStringLiteral("--curriculum"), QStringLiteral("--set"), QStringLiteral("--stage")},
              {QStringLiteral("--apply"), QStringLiteral("--teachers"), QStringLiteral("--yes")});
    if (!a.error.isEmpty() || a.positional.size() != 1)
        return usage(a.error, text);
    if (!shell::OpenProjectFile(a.positional[0]))
        return 1;
    AvtomatskoDodeljevanje::Options options;
    QString error;
    options.curriculum =
        a.values.contains(QStringLiteral("--curriculum"))
            ? rowId(a.values.value(QStringLiteral("--curriculum")), QStringLiteral("PREDMETNIKI"), QString(), &error)
            : basicdata::CurrentCurriculum();
    if (options.curriculum < 0)
        return usage(error.isEmpty() ? QStringLiteral("Ni izbranega razporeda: podajte --curriculum.") : error, text);
    if (a.values.contains(QStringLiteral("--stage"))) {
        // The stage of the process, as the buttons of the tab "Izbirni postopek" set it.
        const QString stage = a.values.value(QStringLiteral("--stage"));
        if (stage != QLatin1String("izbira") && stage != QLatin1String("dodeljevanje"))
            return usage(QStringLiteral("Napačna vrednost %1.").arg(stage), text);
        core::App().trenutniPredmetnik = options.curriculum;
        if (!SetElectivesAutomaticStage(stage == QLatin1String("dodeljevanje")))
            return 1;
        QTextStream(stdout) << "Izbirni postopek: " << stage << '\n';
        return 0;
    }
    if (a.values.contains(QStringLiteral("--set"))) {
        options.set = rowId(a.values.value(QStringLiteral("--set")), QStringLiteral("IZBIRNI_NABORI"),
                            QStringLiteral("AND ID_RAZ_PREDMETNIKA = %1").arg(options.curriculum), &error);
        if (options.set < 0)
            return usage(error, text);
    }
    options.useTeachers = a.flags.contains(QStringLiteral("--teachers"));

    const bool apply = a.flags.contains(QStringLiteral("--apply"));
    AvtomatskoDodeljevanje run(options);
    if (!run.prepare(apply))
        return 1;
    const ElectiveFigures &f = run.figures();
    QTextStream out(stdout);
    out << run.resultText().section(u'\n', 2) << '\n'
        << "Izbirnih skupin v rezultatu: " << f.groups << '\n'
        << "Učencev z dodeljenim predmetom: " << f.pupilsPlaced << '\n'
        << "Učencev brez mesta: " << f.pupilsWithoutPlace << '\n'
        << "Skupin pod najmanjšim številom učencev: " << f.underfullGroups << '\n';
    if (!apply) {
        out << "Nič ni zapisano (zapiše --apply).\n";
        return 0;
    }
    if (!run.write([] { return true; }))
        return 1;
    out << "Izbirne skupine so zapisane.\n";
    return 0;
}

} // namespace zentrel::pupils

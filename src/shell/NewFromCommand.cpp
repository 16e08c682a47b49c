#include "NewFromCommand.h"

#include "SafetyCopies.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/CreateFromExisting.h"
#include "db/ProjectCopy.h"
#include "db/SourceProject.h"

#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace zentrel::shell {

using namespace core;

namespace {

const QString kUsage = QStringLiteral("new-from IZVOR NOV --part basic|curriculum|timetable [--curriculum ID|IME|all] "
                                      "[--timetable ID|IME|all|none] [--force]");

int usage() {
    QTextStream(stderr) << "Uporaba: zentrel-cli " << kUsage << '\n';
    return 1;
}

struct Arguments {
    QStringList paths;
    QString part, curriculum = QStringLiteral("all"), timetable;
    bool force = false;
};

std::optional<Arguments> parse(const QStringList &args) {
    Arguments a;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        QString *value = arg == QLatin1String("--part")         ? &a.part
                         : arg == QLatin1String("--curriculum") ? &a.curriculum
                         : arg == QLatin1String("--timetable")  ? &a.timetable
                                                                : nullptr;
        if (value && i + 1 < args.size())
            *value = args.at(++i);
        else if (arg == QLatin1String("--force"))
            a.force = true;
        else if (value || arg.startsWith(QLatin1String("--")))
            return std::nullopt;
        else
            a.paths << arg;
    }
    if (a.paths.size() != 2)
        return std::nullopt;
    return a;
}

// An identifier or a name (compared as a user would) of one row of `rows`, or one of the words.
// `one` and `many` name the rows in messages ("razporeda", "razporedov").
std::optional<qint64> choose(const db::RowSet &rows, const QString &value, const QString &one, const QString &many,
                             bool withNone) {
    if (value == QLatin1String("all"))
        return db::kCopyAll;
    if (withNone && value == QLatin1String("none"))
        return db::kCopyNone;
    bool number = false;
    const qint64 id = value.toLongLong(&number);
    QList<qint64> found;
    for (int i = 0; i < rows.rowCount(); ++i)
        if (number ? rows.integer(i, QStringLiteral("ID")) == id : SameText(rows.text(i, QStringLiteral("IME")), value))
            found << rows.integer(i, QStringLiteral("ID"));
    if (found.size() == 1)
        return found.first();
    ShowMessage(MsgError,
                found.isEmpty() ? QStringLiteral("V projektu ni %1 #.").arg(one)
                                : QStringLiteral("V projektu je več %1 z imenom #; navedi identifikator.").arg(many),
                value);
    return std::nullopt;
}

} // namespace

int RunNewFromCommand(const QStringList &args) {
    const std::optional<Arguments> a = parse(args);
    const QStringList parts{QStringLiteral("basic"), QStringLiteral("curriculum"), QStringLiteral("timetable")};
    const int part = a ? int(parts.indexOf(a->part)) : -1;
    if (!a || part < 0 || (!a->timetable.isEmpty() && part != db::CopyTimetable))
        return usage();
    const QString source = a->paths.at(0);
    QString target = QFileInfo(a->paths.at(1)).absoluteFilePath();
    if (!target.endsWith(QLatin1String(".znt"), Qt::CaseInsensitive))
        target += QStringLiteral(".znt");
    if (QFileInfo(target).isFile() && !a->force) { // a folder in the way is refused by the copy
        ShowMessage(MsgError, QStringLiteral("Datoteka # že obstaja; prekrije jo le ukaz z možnostjo --force."),
                    target);
        return 1;
    }
    db::SourceProject project;
    if (!project.open(source))
        return 1;
    qint64 curriculum = db::kCopyAll;
    qint64 timetable = db::kCopyNone;
    if (part != db::CopyBasic) {
        const std::optional<qint64> k = choose(project.curricula(), a->curriculum, QStringLiteral("razporeda"),
                                               QStringLiteral("razporedov"), false);
        if (!k)
            return 1;
        curriculum = *k;
    }
    if (part == db::CopyTimetable) {
        const std::optional<qint64> t =
            choose(project.timetables(curriculum), a->timetable.isEmpty() ? QStringLiteral("all") : a->timetable,
                   QStringLiteral("urnika"), QStringLiteral("urnikov"), true);
        if (!t)
            return 1;
        timetable = *t;
    }
    project.close();
    if (!db::NewNameAllowed(source, target) || !SafetyCopyBeforeReplacing(target))
        return 1;
    const QString fileName = SplitPath(target).second;
    ShowMessage(MsgProgressBegin, QStringLiteral("Ustvarjam nov projekt #"), fileName);
    const db::CopyOutcome outcome = db::CreateFromExisting(source, target, part, curriculum, timetable);
    if (!outcome.ok) {
        ShowMessage(MsgProgressEnd, QString());
        return 1;
    }
    QTextStream out(stdout);
    for (const auto &[table, rows] : outcome.counts)
        out << table << ": " << rows << '\n';
    out.flush();
    ShowMessage(MsgProgressEnd, QStringLiteral("Nov projekt # ustvarjen."), fileName);
    return 0;
}

} // namespace zentrel::shell

#include "Checks.h"
#include "FuzzTarget.h"
#include "basicdata/SheetImport.h"
#include "db/MBaza.h"
#include "shell/ProjectFiles.h"
#include "support/TempHome.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>

// The spreadsheet import of every kind of basic data into the small school of the project
// corpus. A file that cannot be read, or that holds a refused row, leaves the project as it was
// and says why; one whose rows are all decided is applied and leaves a sound project with exactly
// the rows the preview called new.
namespace zentrel::fuzz {

namespace {

struct Kind {
    basicdata::SheetKind kind;
    QString table; // empty where one row of the file is not one row of a table
};

const QList<Kind> kKinds = {{basicdata::SheetKind::Teachers, QStringLiteral("UCITELJI")},
                            {basicdata::SheetKind::Subjects, QStringLiteral("PREDMETI")},
                            {basicdata::SheetKind::Rooms, QStringLiteral("PROSTORI")},
                            {basicdata::SheetKind::Classes, QStringLiteral("ODDELKI")},
                            {basicdata::SheetKind::Assignments, QString()}};

int rowCount(const QString &table) {
    return table.isEmpty() ? 0 : db::ProjectDb().scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
}

QString openSchool(test::TempHome &home) {
    const QString path = home.file(QStringLiteral("sola.znt"));
    QFile::remove(path);
    if (!QFile::copy(QStringLiteral(ZENTREL_FUZZ_CORPUS "/project-open/mala-sola.znt"), path) ||
        !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner) || !shell::OpenProjectFile(path)) {
        fprintf(stderr, "fuzz: the school to import into does not open\n");
        std::exit(2);
    }
    return path;
}

// One kind read from the file and, where every row is decided, applied.
QString importKind(const Kind &kind, const QString &path, const QString &project, AnsweringPresenter &presenter,
                   bool *accepted) {
    presenter.clear();
    const QByteArray before = FileBytes(project);
    const int rowsBefore = rowCount(kind.table);
    const qint64 curriculum = kind.kind == basicdata::SheetKind::Assignments ? 1 : -1;
    basicdata::SheetImport import(kind.kind, curriculum);
    if (!import.readFile(path))
        return FirstFault(
            {MessageFault(presenter, false), ChangedFault(before, project, QStringLiteral("the project"))});
    const int added = import.count(basicdata::SheetAction::Add);
    if (!import.apply()) {
        const QString noRefusal = import.count(basicdata::SheetAction::Refused) == 0
                                      ? QStringLiteral("the import was refused though no row was")
                                      : QString();
        return FirstFault(
            {noRefusal, MessageFault(presenter, false), ChangedFault(before, project, QStringLiteral("the project"))});
    }
    *accepted = true;
    const QString rows = kind.table.isEmpty() || rowCount(kind.table) == rowsBefore + added
                             ? QString()
                             : QStringLiteral("%1 rows new in the preview, %2 more in %3")
                                   .arg(added)
                                   .arg(rowCount(kind.table) - rowsBefore)
                                   .arg(kind.table);
    return FirstFault({MessageFault(presenter, true), rows, ForeignKeyFault(db::ProjectDb())});
}

Outcome importSheet(const QString &path) {
    test::TempHome home;
    AnsweringPresenter presenter([](const QString &) { return core::Answer::Yes; });
    core::PresenterScope scope(&presenter);
    const QString project = openSchool(home);
    const QByteArray sourceBefore = FileBytes(path);
    Outcome out;
    for (const Kind &kind : kKinds) {
        out.fault = importKind(kind, path, project, presenter, &out.accepted);
        if (!out.fault.isEmpty())
            return out;
    }
    out.fault = FirstFault({ChangedFault(sourceBefore, path, QStringLiteral("the spreadsheet file")),
                            out.accepted ? DatabaseFault(db::ProjectDb()) : QString()});
    return out;
}

const bool registered =
    Register({QStringLiteral("sheet-import"), InputKind::Text, QStringLiteral(".csv"), importSheet});

} // namespace

} // namespace zentrel::fuzz

#include "Checks.h"
#include "FuzzTarget.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "fet/FetImport.h"
#include "shell/ProjectFiles.h"
#include "support/TempHome.h"

#include <QFile>

// The import of a FET file as a new project. The file read is never written; a refused file
// makes nothing (the new project's name stays free); an accepted one makes a project the program
// opens and works with, holding as many teachers, subjects and rooms as the report says.
namespace zentrel::fuzz {

namespace {

QString countFault(const fet::ImportReport &report, const QString &what, const QString &table) {
    const int rows = db::ProjectDb().scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
    if (rows == report.count(what))
        return QString();
    return QStringLiteral("the report names %1 %2, the project holds %3").arg(report.count(what)).arg(what).arg(rows);
}

Outcome importFet(const QString &path) {
    test::TempHome home;
    AnsweringPresenter presenter([](const QString &) { return core::Answer::Yes; });
    core::PresenterScope scope(&presenter);
    const QByteArray sourceBefore = FileBytes(path);
    const QString project = home.file(QStringLiteral("uvoz.znt"));
    fet::ImportReport report;
    Outcome out;
    out.accepted = fet::ImportFetFile(path, project, core::App().folders.defaultsDatabase(), &report);
    const QString source = ChangedFault(sourceBefore, path, QStringLiteral("the FET file"));
    if (!out.accepted) {
        const QString made = QFile::exists(project) ? QStringLiteral("a refused file left a project") : QString();
        out.fault = FirstFault({source, MessageFault(presenter, false), made});
        return out;
    }
    const QString messages = MessageFault(presenter, true);
    presenter.clear();
    if (!shell::OpenProjectFile(project)) {
        out.fault = FirstFault({source, messages, QStringLiteral("the imported project does not open")});
        return out;
    }
    out.fault = FirstFault({source, messages, MessageFault(presenter, true), DatabaseFault(db::ProjectDb()),
                            ForeignKeyFault(db::ProjectDb()),
                            countFault(report, QStringLiteral("učitelji"), QStringLiteral("UCITELJI")),
                            countFault(report, QStringLiteral("predmeti"), QStringLiteral("PREDMETI")),
                            countFault(report, QStringLiteral("prostori"), QStringLiteral("PROSTORI"))});
    return out;
}

const bool registered = Register({QStringLiteral("fet-import"), InputKind::Text, QStringLiteral(".fet"), importFet});

} // namespace

} // namespace zentrel::fuzz

#include "Checks.h"
#include "FuzzTarget.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "db/Schema.h"
#include "shell/ProjectFiles.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFileInfo>

// Opening a project of an older version, which the user agrees to upgrade: the up-to-date
// project is built beside it from every table of the old one. Afterwards the new project must be
// current and sound and the old file kept, byte for byte, as its backup; a failed upgrade must
// leave the old file as it was and nothing beside it.
namespace zentrel::fuzz {

namespace {

// The files in the folder of the case: a half-built project or its journal must not stay there.
QStringList projectFiles(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QString upgradedFault(const QString &oldPath, const QByteArray &before) {
    db::Connection &project = db::ProjectDb();
    if (db::SchemaVersion(project) != db::CurrentSchemaVersion)
        return QStringLiteral("the upgraded project has version %1").arg(db::SchemaVersion(project));
    const QString backup = oldPath + QStringLiteral(".bak");
    if (!QFileInfo::exists(backup))
        return QStringLiteral("the old project was not kept as ") + backup;
    return FirstFault(
        {DatabaseFault(project), ChangedFault(before, backup, QStringLiteral("the backup of the old project"))});
}

Outcome upgradeProject(const QString &path) {
    test::TempHome home;
    AnsweringPresenter presenter([](const QString &question) {
        return question.contains(QStringLiteral("starejšo verzijo programa")) ? core::Answer::Yes : core::Answer::No;
    });
    core::PresenterScope scope(&presenter);
    const QString folder = QFileInfo(path).path();
    const QByteArray before = FileBytes(path);
    const QStringList filesBefore = projectFiles(folder);
    Outcome out;
    out.accepted = shell::OpenProjectFile(path);
    const bool asked = presenter.texts().join(u'\n').contains(QLatin1String("Projekt bo posodobljen."));
    if (out.accepted && asked)
        out.fault = FirstFault({MessageFault(presenter, true), upgradedFault(path, before)});
    else if (out.accepted)
        out.fault = FirstFault({MessageFault(presenter, true), DatabaseFault(db::ProjectDb())});
    else if (projectFiles(folder) != filesBefore)
        out.fault = QStringLiteral("a refused upgrade left files behind: ") + projectFiles(folder).join(u',');
    else
        out.fault = FirstFault(
            {MessageFault(presenter, false), ChangedFault(before, path, QStringLiteral("the refused file"))});
    shell::CloseProject();
    return out;
}

const bool registered =
    Register({QStringLiteral("project-upgrade"), InputKind::Database, QStringLiteral(".kvl"), upgradeProject});

} // namespace

} // namespace zentrel::fuzz

#include "Upgrade.h"

#include "CreateFromExisting.h"
#include "MBaza.h"
#include "ProjectCopy.h"
#include "core/FileMessages.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"

#include <QFile>
#include <QFileInfo>

namespace zentrel::db {

using core::ShowMessage;

namespace {

const QString kWriteProtected = core::WriteProtectedText();

// The name of the up-to-date project: a ".kvl" project becomes ".znt" unless that name is taken.
QString upgradedName(const QString &path) {
    const QFileInfo info(path);
    if (info.suffix().toUpper() != QLatin1String("KVL"))
        return path;
    const QString znt = info.path() + u'/' + info.completeBaseName() + QStringLiteral(".znt");
    return QFileInfo::exists(znt) ? path : znt;
}

// Builds and puts in place the up-to-date project; the old file is its backup afterwards.
bool buildUpgraded(const QString &path, const QString &target, int version, const QString &defaultsDatabase) {
    ProjectBuild build(target);
    if (!build.start(defaultsDatabase)) {
        ShowMessage(core::MsgError, kWriteProtected, path);
        return false;
    }
    build.takePermissionsOf(path);
    CopyContext copy(build.db(), version);
    if (!FillProject(copy, path, CopyTimetable, kCopyAll, kCopyAll)) {
        ReportCopyFailure(copy, QStringLiteral("Projekt ni posodobljen: napaka pri prenosu tabele #."),
                          QStringLiteral("Projekt ni posodobljen."));
        return false;
    }
    // The same name: the old file is linked to its backup first and then replaced in one step.
    // A new ".znt" name: it appears complete, then the old file moves to its backup.
    const bool ok = target == path ? !KeepAsBackup(path).isEmpty() && build.commit()
                                   : build.commit() && !MakeBackup(path).isEmpty();
    if (!ok)
        ShowMessage(core::MsgError, kWriteProtected, path);
    return ok;
}

} // namespace

UpgradeResult UpgradeProject(const QString &path, const QString &defaultsDatabase) {
    UpgradeResult result;
    const QString fileName = core::SplitPath(path).second;
    if (ShowMessage(core::MsgQuestion,
                    QStringLiteral("Projekt # je narejen s starejšo verzijo programa.\n\nProjekt bo posodobljen. Star "
                                   "format podatkov bo shranjen v #.\n\n Ali  želiš nadajevati?"),
                    fileName, core::SplitPath(FreeBackupName(path)).second) != core::Answer::Yes) {
        result.path = path;
        return result;
    }
    Connection &project = ProjectDb();
    const int version = SchemaVersion(project);
    project.close();
    const QString target = upgradedName(path);
    ShowMessage(core::MsgProgressBegin, QStringLiteral("Posodabljam projekt #"), fileName);
    if (!buildUpgraded(path, target, version, defaultsDatabase)) {
        ShowMessage(core::MsgProgressEnd, QString());
        result.failed = true;
        return result;
    }
    if (!project.open(target)) {
        ShowMessage(core::MsgProgressEnd, QString());
        core::ShowErrorMessage(QStringLiteral("Napaka pri odpiranju datoteke s podatki."), project.lastError(), target);
        result.failed = true;
        return result;
    }
    ShowMessage(core::MsgProgressEnd, QStringLiteral("Projekt # posodobljen."), core::SplitPath(target).second);
    result.upgraded = true;
    result.path = target;
    return result;
}

} // namespace zentrel::db

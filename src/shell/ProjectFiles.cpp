#include "ProjectFiles.h"

#include "ShellHooks.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "db/OpeningChecks.h"
#include "db/Schema.h"
#include "db/Upgrade.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace zentrel::shell {

using namespace core;

namespace {

const QString kWriteProtected =
    QStringLiteral("Datoteka #  je je zaščitena proti pisanju.\nOdstranite zaščito in poskusite znova.");
const QString kOpenFailed = QStringLiteral("Napaka pri odpiranju datoteke s podatki.");

void setProjectOpen(bool open) {
    if (!open && Hooks().captionChanged)
        Hooks().captionChanged(QStringLiteral("Zentrel"));
    if (Hooks().projectOpenChanged)
        Hooks().projectOpenChanged(open);
}

void loadPeriodsAndTurnusi(db::Connection &c) {
    AppState &app = App();
    app.turnusCount = c.scalar(QStringLiteral("SELECT count(*) FROM TURNUSI")).toInt();
    app.periodCodes.clear();
    const db::RowSet ure = c.query(QStringLiteral("SELECT URA, OZNAKA FROM URE ORDER BY URA"));
    for (int i = 0; i < ure.rowCount(); ++i)
        app.periodCodes << ure.text(i, QStringLiteral("OZNAKA"));
}

// Why an opening failed, as the user is told.
void reportOpenFailure(const core::DbError &error, const QString &path) {
    if (error.code == core::DbErrorCode::NotWritable)
        ShowMessage(MsgError, kWriteProtected, path);
    else if (error.code == core::DbErrorCode::MissingTable)
        ShowErrorMessage(kOpenFailed, error, path);
    else
        ShowMessage(MsgError, kOpenFailed);
}

bool openSteps(QString &path, bool isNew) {
    AppState &app = App();
    db::Connection &project = db::ProjectDb();
    if (isNew) {
        db::Connection probe;
        if (!db::OpenConnection(probe, path))
            return false;
    }
    if (!db::OpenConnection(project, path))
        return false;
    if (!project.tableExists(QStringLiteral("INI"))) {
        reportOpenFailure({core::DbErrorCode::MissingTable, QStringLiteral("INI")}, path);
        return false;
    }
    if (!db::WriteTest(project)) {
        reportOpenFailure(project.lastError(), path);
        return false;
    }
    if (db::SchemaVersion(project) < db::CurrentSchemaVersion) {
        const db::UpgradeResult upgrade = db::UpgradeProject(path, app.folders.defaultsDatabase());
        if (upgrade.failed)
            return false;
        path = upgrade.path;
    }
    if (!db::MissingTables(project).isEmpty()) {
        reportOpenFailure({core::DbErrorCode::MissingTable, db::MissingTables(project).join(u',')}, path);
        return false;
    }
    if (!db::RunOpeningChecks(project)) {
        reportOpenFailure(project.lastError(), path);
        return false;
    }
    return true;
}

} // namespace

QString MainCaption() {
    const AppState &app = App();
    if (!db::ProjectOpen())
        return QStringLiteral("Zentrel");
    return QStringLiteral("Zentrel ") + app.schoolName + QStringLiteral(" - ") + app.projectFileName;
}

bool OpenProjectFile(const QString &requestedPath, bool isNew) {
    AppState &app = App();
    QString path = QDir::cleanPath(QFileInfo(requestedPath).absoluteFilePath());
    app.settings.folders[6] = SplitPath(path).first;
    const bool ok = openSteps(path, isNew);
    if (ok) {
        const auto [folder, file] = SplitPath(path);
        app.projectFolder = folder;
        app.projectFileName = file;
        app.schoolName = db::ReadIni(QStringLiteral("Ime_Sole"), db::ProjectDb());
        if (Hooks().captionChanged)
            Hooks().captionChanged(MainCaption());
        if (Hooks().schoolNameChanged)
            Hooks().schoolNameChanged(app.schoolName);
        setProjectOpen(true);
        loadPeriodsAndTurnusi(db::ProjectDb());
        AddRecentFile(path);
        if (Hooks().tabGroupsReset)
            Hooks().tabGroupsReset();
        app.rememberedRows.fill(-1);
    } else {
        db::ProjectDb().close();
        app.projectFolder.clear();
        app.projectFileName.clear();
        app.schoolName.clear();
        setProjectOpen(false);
    }
    ShowMessage(MsgProgressEnd, QString());
    return ok;
}

void CloseProject() {
    AppState &app = App();
    db::ProjectDb().close();
    app.projectFolder.clear();
    app.projectFileName.clear();
    app.schoolName.clear();
    setProjectOpen(false);
    if (Hooks().schoolNameChanged)
        Hooks().schoolNameChanged(app.startupSchoolName);
}

QString ProposedProjectName() {
    return QStringLiteral("Urnik ") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".znt");
}

bool CreateProjectAt(QString path) {
    const QString defaults = App().folders.defaultsDatabase();
    if (!QFileInfo::exists(defaults)) {
        ShowMessage(MsgError, QStringLiteral("Ni datoteke #."), QStringLiteral("zn.opm"));
        return false;
    }
    if (!path.endsWith(QLatin1String(".znt"), Qt::CaseInsensitive))
        path += QStringLiteral(".znt");
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        ShowMessage(MsgError, kWriteProtected, path);
        return false;
    }
    if (!QFile::copy(defaults, path)) {
        ShowMessage(MsgError, kOpenFailed);
        return false;
    }
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::WriteUser);
    if (OpenProjectFile(path, true))
        return true;
    db::ProjectDb().close();
    QFile::remove(path);
    return false;
}

bool CompactProject() {
    AppState &app = App();
    if (!db::ProjectOpen())
        return false;
    const QString path = app.projectPath();
    const QString fileName = app.projectFileName;
    const QString temporary = path + QStringLiteral(".skrcitev");
    bool created = false;
    bool ok = !QFileInfo::exists(temporary);
    if (ok) {
        ok = db::ProjectDb().exec(QStringLiteral("VACUUM INTO ?"), {temporary});
        created = QFileInfo::exists(temporary);
    }
    core::DbError error = db::ProjectDb().lastError();
    if (ok) {
        // The copy must open as a database and pass the engine's own check before it replaces anything.
        db::Connection check;
        ok = check.open(temporary) &&
             check.scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QLatin1String("ok");
        if (!ok)
            error = check.lastError();
    }
    db::ProjectDb().close();
    if (ok)
        ok = std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) == 0;
    if (!ok) {
        if (created)
            QFile::remove(temporary);
        OpenProjectFile(path);
        ShowErrorMessage(QStringLiteral("Krčenje projekta # ni uspelo; projekt je ostal nespremenjen."),
                         error.isError() ? error : core::DbError{core::DbErrorCode::Other, temporary}, fileName);
        return false;
    }
    if (!OpenProjectFile(path))
        return false;
    ShowMessage(MsgInformation, QStringLiteral("Projekt # skrčen."), fileName);
    return true;
}

bool SaveSettingsAsDefaults() {
    AppState &app = App();
    if (!db::ProjectOpen()) {
        ShowMessage(MsgWarning, QStringLiteral("Trenutno ni odprt noben projekt"));
        return false;
    }
    ShowMessage(MsgProgressBegin, QStringLiteral("Shranjevanje nastavitev"));
    db::Connection &defaults = db::SettingsDb();
    bool ok = defaults.isOpen() && defaults.setForeignKeys(false);
    if (ok) {
        db::AttachedFile source(defaults, app.projectPath(), QStringLiteral("projekt"));
        ok = source.isAttached();
        if (ok) {
            db::Transaction t(defaults);
            for (const QString &table : {QStringLiteral("TURNUSI"), QStringLiteral("IZMENE"), QStringLiteral("URE"),
                                         QStringLiteral("IZMENA_TURNUS")})
                ok = ok && db::CopyAttachedTable(defaults, source.alias(), table);
            ok = ok && t.commit();
        }
        defaults.setForeignKeys(true);
    }
    if (!ok) {
        ShowMessage(MsgProgressEnd, QString());
        ShowErrorMessage(QStringLiteral("Napaka pri shranjevanju nastavitev."), defaults.lastError());
        return false;
    }
    ShowMessage(MsgProgressEnd, QStringLiteral("Nastavitve shranjene."));
    return true;
}

} // namespace zentrel::shell

#include "ProjectFiles.h"

#include "CheckedFiles.h"
#include "Compaction.h"
#include "CompactionLeftover.h"
#include "SafetyCopies.h"
#include "SafetyCopyRestore.h"
#include "ShellHooks.h"
#include "core/AppState.h"
#include "core/FileMessages.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/Leftovers.h"
#include "db/MBaza.h"
#include "db/OpeningChecks.h"
#include "db/ProjectLock.h"
#include "db/ProjectTarget.h"
#include "db/Schema.h"
#include "db/Upgrade.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zentrel::shell {

using namespace core;

namespace {

const QString kWriteProtected = WriteProtectedText();
const QString kOpenFailed = QStringLiteral("Napaka pri odpiranju datoteke s podatki.");
const QString kInUse = db::ProjectInUseText() + QStringLiteral("\n\nAli ga želiš odpreti samo za branje?");
const QString kOldInUse = QStringLiteral("Projekt # je narejen s starejšo verzijo programa in je odprt v drugem "
                                         "programu. Posodobiti ga ni mogoče, zato ga ni mogoče odpreti.");
const QString kDamaged = QStringLiteral("Datoteka # je poškodovana.\nKrčenje (Skrči / popravi podatke) jo lahko "
                                        "popravi; poškodovana datoteka ostane shranjena kot varnostna kopija.\n\n"
                                        "Ali jo želiš skrčiti zdaj?");
const QString kDamagedInUse = QStringLiteral("Datoteka # je poškodovana. Krčenje (Skrči / popravi podatke) jo lahko "
                                             "popravi, ko projekt ne bo odprt v drugem programu.");

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
    else if (error.code == core::DbErrorCode::InUse) // another program reads or writes it just now
        ShowMessage(MsgError, db::OpenFailureText(error.code), path);
    else
        ShowMessage(MsgError, kOpenFailed);
}

// The engine's own check of the file: its structure always, and, on a file changed since it was
// last found sound, also whether every index agrees with its table (a damaged index gives wrong
// answers and fails later writes). A damaged file is never written to: a write could spread the
// damage.
bool healthy(db::Connection &c, const QString &path) {
    if (c.scalar(QStringLiteral("PRAGMA quick_check")).toString() != QLatin1String("ok"))
        return false;
    return UnchangedSinceChecked(path) ||
           c.scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QLatin1String("ok");
}

// A damaged project is offered the compaction, which rebuilds it from its live content and keeps
// the damaged file as a backup. False when it stays damaged.
bool repairDamaged(const QString &path, bool readOnly) {
    const QString fileName = SplitPath(path).second;
    if (readOnly) {
        ShowMessage(MsgError, kDamagedInUse, fileName);
        return false;
    }
    if (ShowMessage(MsgQuestion, kDamaged, fileName) != Answer::Yes)
        return false;
    QString backup;
    if (!CompactFile(path, true, &backup))
        return false;
    ShowMessage(MsgInformation, QStringLiteral("Datoteka # je popravljena. Poškodovana datoteka je shranjena kot #."),
                fileName, SplitPath(backup).second);
    return true;
}

// Every check that can refuse the file runs before anything is written to it: the structure, the
// tables of a current project, then the write test (which changes nothing either).
bool openSteps(QString &path, bool isNew, bool viewing, bool &readOnly) {
    AppState &app = App();
    db::Connection &project = db::ProjectDb();
    project.close();
    readOnly = viewing; // a safety copy is looked at, never written (nor locked)
    if (isNew) {
        db::Connection probe;
        if (!db::OpenConnection(probe, path))
            return false;
    }
    if (viewing)
        db::ProjectFileLock().release();
    else if (db::ProjectFileLock().acquire(path) == db::ProjectLock::Result::InUse) {
        if (ShowMessage(MsgQuestion, kInUse, SplitPath(path).second) != Answer::Yes)
            return false;
        readOnly = true;
    }
    const auto access = readOnly ? db::Connection::Access::ReadOnly : db::Connection::Access::ReadWrite;
    if (!db::OpenConnection(project, path, true, access))
        return false;
    // A newer program's project is refused before anything (a repair, the write test) writes to it.
    if (project.tableExists(QStringLiteral("INI")) && db::RefuseNewerProject(db::SchemaVersion(project), path))
        return false;
    if (!readOnly) { // held here, so no compaction or upgrade of it is running
        RemoveCompactionLeftover(path);
        db::RemoveLeftovers(path);
    }
    if (!healthy(project, path)) {
        project.close();
        if (!repairDamaged(path, readOnly) || !db::OpenConnection(project, path, true, access))
            return false;
    }
    if (!project.tableExists(QStringLiteral("INI"))) {
        reportOpenFailure({core::DbErrorCode::MissingTable, QStringLiteral("INI")}, path);
        return false;
    }
    const bool current = db::SchemaVersion(project) >= db::CurrentSchemaVersion;
    if (current && !db::MissingTables(project).isEmpty()) {
        reportOpenFailure({core::DbErrorCode::MissingTable, db::MissingTables(project).join(u',')}, path);
        return false;
    }
    if (!readOnly && !db::WriteTest(project)) {
        reportOpenFailure(project.lastError(), path);
        return false;
    }
    // The state before the day's work (and before the repairs and upgrade below change anything).
    if (!readOnly && !isNew && !DailySafetyCopy(project, path))
        return false;
    if (!current) {
        if (readOnly) {
            ShowMessage(MsgError, kOldInUse, SplitPath(path).second);
            return false;
        }
        const db::UpgradeResult upgrade = db::UpgradeProject(path, app.folders.defaultsDatabase());
        if (upgrade.failed)
            return false;
        path = upgrade.path;
        if (upgrade.upgraded)
            db::ProjectFileLock().acquire(path); // the upgraded project is a new file
    }
    if (!db::MissingTables(project).isEmpty()) {
        reportOpenFailure({core::DbErrorCode::MissingTable, db::MissingTables(project).join(u',')}, path);
        return false;
    }
    if (readOnly) { // the repairs would write; what is read still is checked
        db::LookUpCurrentChoices(project);
        db::ReadDefaultNorms(project);
        return true;
    }
    if (!db::RunOpeningChecks(project)) {
        reportOpenFailure(project.lastError(), path);
        return false;
    }
    return true;
}

void closeProjectFile() {
    db::ProjectDb().close();
    db::ProjectFileLock().release(); // after the connection: see ProjectLock
    App().projectReadOnly = false;
    CopyState().viewedProject.clear();
}

} // namespace

QString MainCaption() {
    const AppState &app = App();
    if (!db::ProjectOpen())
        return QStringLiteral("Zentrel");
    if (!CopyState().viewedProject.isEmpty())
        return QStringLiteral("Zentrel ") + app.schoolName + QStringLiteral(" - ") +
               SplitPath(CopyState().viewedProject).second + QStringLiteral(" (varnostna kopija ") +
               app.projectFileName.chopped(4) + QStringLiteral(", samo za branje)");
    return QStringLiteral("Zentrel ") + app.schoolName + QStringLiteral(" - ") + app.projectFileName +
           (app.projectReadOnly ? QStringLiteral(" (samo za branje)") : QString());
}

namespace {

bool openProject(const QString &requestedPath, bool isNew, bool viewing) {
    AppState &app = App();
    QString path = QDir::cleanPath(QFileInfo(requestedPath).absoluteFilePath());
    if (!viewing)
        app.settings.folders[6] = SplitPath(path).first;
    CopyState().viewedProject.clear();
    bool readOnly = false;
    const bool ok = openSteps(path, isNew, viewing, readOnly);
    if (ok) {
        RememberChecked(path);
        app.projectReadOnly = readOnly;
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
        if (!viewing)
            AddRecentFile(path);
        if (Hooks().tabGroupsReset)
            Hooks().tabGroupsReset();
        app.rememberedRows = {};
    } else {
        closeProjectFile();
        app.projectFolder.clear();
        app.projectFileName.clear();
        app.schoolName.clear();
        setProjectOpen(false);
    }
    ShowMessage(MsgProgressEnd, QString());
    return ok;
}

} // namespace

bool OpenProjectFile(const QString &path, bool isNew) {
    return openProject(path, isNew, false);
}

bool OpenSafetyCopyForViewing(const QString &copyPath, const QString &projectPath) {
    if (!openProject(copyPath, false, true))
        return false;
    CopyState().viewedProject = projectPath;
    if (Hooks().captionChanged)
        Hooks().captionChanged(MainCaption());
    return true;
}

void CloseProject() {
    AppState &app = App();
    const bool wrote = db::ProjectOpen() && !app.projectReadOnly;
    closeProjectFile();
    if (wrote) // its own writes leave the file as sound as it was found
        RememberChecked(app.projectPath());
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

QString ProjectFilePath(const QString &path) {
    return path.endsWith(QLatin1String(".znt"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".znt");
}

bool CreateProjectAt(QString path) {
    const QString defaults = App().folders.defaultsDatabase();
    if (!QFileInfo::exists(defaults)) {
        ShowMessage(MsgError, QStringLiteral("Ni datoteke #."), QStringLiteral("zn.opm"));
        return false;
    }
    path = ProjectFilePath(path);
    db::ProjectTarget target; // held until the old file is gone
    if (!target.claim(path) || !SafetyCopyBeforeReplacing(path))
        return false;
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        ShowMessage(MsgError, kWriteProtected, path);
        return false;
    }
    target.release();
    if (!QFile::copy(defaults, path)) {
        ShowMessage(MsgError, kOpenFailed);
        return false;
    }
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::WriteUser);
    if (OpenProjectFile(path, true))
        return true;
    closeProjectFile();
    QFile::remove(path);
    return false;
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

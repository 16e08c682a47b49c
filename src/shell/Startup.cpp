#include "Startup.h"

#include "ProjectFiles.h"
#include "SafetyCopyList.h"
#include "SettingsFile.h"
#include "ShellHooks.h"
#include "core/AppState.h"
#include "core/FileMessages.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "db/Schema.h"
#include "db/StockCollations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zentrel::shell {

using namespace core;

QString UserDataFolder() {
    const QString home = qEnvironmentVariable("ZENTREL_HOME");
    if (!home.isEmpty())
        return home;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Zentrel");
}

void DetermineFolders(const QString &executableFolder) {
    Folders &f = App().folders;
    f.program = executableFolder;
    if (!QFileInfo::exists(f.program + QStringLiteral("/zn.opp"))) {
        const QString shared = QDir::cleanPath(executableFolder + QStringLiteral("/../share/zentrel"));
        if (QFileInfo::exists(shared + QStringLiteral("/zn.opp")))
            f.program = shared;
    }
    const QString home = qEnvironmentVariable("ZENTREL_HOME");
    f.userData = UserDataFolder();
    f.commonData = f.userData;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    f.documents = documents.isEmpty() ? QDir::homePath() : documents + QStringLiteral("/Urniki");
    if (!home.isEmpty())
        f.documents = home + QStringLiteral("/Urniki");
    QDir().mkpath(f.userData);
    QDir().mkpath(f.commonData);
    QDir().mkpath(f.documents);
}

namespace {

bool restoreFromPristine(const QString &opm, const QString &opp) {
    QFile::remove(opm);
    if (!QFile::copy(opp, opm))
        return false;
    QFile::setPermissions(opm, QFile::permissions(opm) | QFile::WriteOwner | QFile::WriteUser);
    return db::SettingsDb().open(opm);
}

bool carryOverFromBackup(const QString &backup) {
    db::Connection &c = db::SettingsDb();
    if (!c.setForeignKeys(false))
        return false;
    bool ok = false;
    {
        db::AttachedFile source(c, backup, QStringLiteral("star"));
        if (source.isAttached()) {
            db::Transaction t(c);
            ok = t.isActive();
            for (const QString &table :
                 {QStringLiteral("INI"), QStringLiteral("STAVBE"), QStringLiteral("PROSTORI"),
                  QStringLiteral("SKUPINE_PROSTOROV"), QStringLiteral("PROSTORI_V_SKUPINI"), QStringLiteral("TURNUSI"),
                  QStringLiteral("IZMENE"), QStringLiteral("URE"), QStringLiteral("IZMENA_TURNUS")})
                ok = ok && db::CopyAttachedTable(c, source.alias(), table);
            ok = ok && db::WriteIni(QStringLiteral("19"), QStringLiteral("Verzija"), c) && t.commit();
        }
    }
    return c.setForeignKeys(true) && ok;
}

} // namespace

bool OpenDefaultsDatabase() {
    const Folders &f = App().folders;
    const QString opm = f.defaultsDatabase();
    const QString opp = f.pristineDefaults();
    db::Connection &c = db::SettingsDb();
    auto missingPristine = [&] {
        ShowMessage(MsgError, QStringLiteral("Ni datoteke #."), opp);
        return false;
    };
    // The program cannot run without writing its defaults; the user is told which file it is.
    auto notWritable = [&] {
        c.close();
        ShowMessage(MsgError, WriteProtectedText(), opm);
        return false;
    };
    if (c.open(opm)) {
        if (db::SchemaVersion(c) < db::CurrentSchemaVersion) {
            c.close();
            if (!QFileInfo::exists(opp))
                return missingPristine();
            const QString backup = db::MakeBackup(opm);
            if (backup.isEmpty() || !restoreFromPristine(opm, opp) || !carryOverFromBackup(backup))
                return notWritable();
        }
    } else {
        if (!QFileInfo::exists(opp))
            return missingPristine();
        // A damaged defaults database is kept beside the restored one, not overwritten.
        if (QFileInfo::exists(opm) && db::MakeBackup(opm).isEmpty())
            return notWritable();
        if (!restoreFromPristine(opm, opp))
            return notWritable();
    }
    if (!db::WriteTest(c))
        return notWritable();
    // New projects are copies of this file: they should not carry the old declarations either.
    db::ConvertToStockCollations(c);
    App().startupSchoolName = db::ReadIni(QStringLiteral("Ime_Sole"), c);
    return true;
}

QString EnsureSampleProject() {
    const Folders &f = App().folders;
    const QString target = f.sampleProject();
    if (QFileInfo::exists(target))
        return target;
    if (!QFileInfo::exists(f.sampleTemplate()) || !QFile::copy(f.sampleTemplate(), target))
        return QString();
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::WriteUser);
    return target;
}

bool StartUp(const QString &executableFolder, const StartupOptions &options) {
    App().versionText = QStringLiteral(ZENTREL_VERSION);
    DetermineFolders(executableFolder);
    if (Hooks().projectOpenChanged)
        Hooks().projectOpenChanged(false);
    if (!OpenDefaultsDatabase())
        return false;
    ReadSettings();
    if (Hooks().recentFilesChanged)
        Hooks().recentFilesChanged();
    const QString sample = EnsureSampleProject();
    bool opened = false;
    if (options.openInitialProject) {
        const QString first = App().recentFiles.value(0);
        if (!first.isEmpty() && QFileInfo::exists(first))
            opened = OpenProjectFile(first);
        else if (!sample.isEmpty())
            opened = OpenProjectFile(sample);
    }
    if (!opened && !App().startupSchoolName.isEmpty() && Hooks().schoolNameChanged)
        Hooks().schoolNameChanged(App().startupSchoolName);
    return true;
}

void ResetProgramState() {
    db::CloseProgramConnections();
    core::ResetApp();
    CopyState() = {};
}

} // namespace zentrel::shell

#pragma once

#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>

namespace zentrel::core {

// The folders and files the program uses.
struct Folders {
    QString program;    // read-only files the program ships (zn.opp, primer.znt, zn.css, ...)
    QString userData;   // zn.INI and the defaults database zn.opm
    QString commonData; // shared data; the same rule as the user data folder
    QString documents;  // where projects live; the sample project is copied here

    QString settingsFile() const { return userData + QStringLiteral("/zn.INI"); }
    QString serverListFile() const { return userData + QStringLiteral("/servers.ini"); }
    QString defaultsDatabase() const { return userData + QStringLiteral("/zn.opm"); }
    QString pristineDefaults() const { return program + QStringLiteral("/zn.opp"); }
    QString sampleTemplate() const { return program + QStringLiteral("/primer.znt"); }
    QString sampleProject() const { return documents + QStringLiteral("/primer.znt"); }
};

// Workstation settings kept in zn.INI.
struct Settings {
    static constexpr int FolderSlots = 9;
    std::array<QString, FolderSlots> folders; // slot 0 "[inport directory]" .. slot 8 "[inport directory zentrel]"
    double magnificationX = 1.0;
    double magnificationY = 1.0;
    bool previewOn = true;
    // The "Y"/"N" states of the check boxes of each printout and selection dialog, by section name.
    QMap<QString, QList<bool>> checkBoxes;
    // The lines of "[construction]" as written: the construction window keeps numbers there
    // beside its "Y"/"N" options (timetable/NastavitveSestavljanja).
    QStringList construction;
    // The main window's place and size when it is not maximised, and whether it was maximised
    // ("[main window]"); an invalid rectangle means the default place.
    QRect mainWindow;
    bool mainWindowMaximized = false;
};

// The last chosen record of the windows that share one, -1 for none. Forgotten whenever a
// project is opened: an identifier of one project names another record, or none, in the next.
struct RememberedRecords {
    qint64 ucitelj = -1; // teacher
    qint64 oddelek = -1; // class
    qint64 predmet = -1; // subject
    qint64 program = -1; // programme
    qint64 prostor = -1; // room
};

// Program-wide state: folders, the open project, the current selections, settings, recent files
// and the busy flag. One instance, reached through App(). The two connections belong to the
// access layer (db::ProjectDb, db::SettingsDb), which sits above this layer.
class AppState {
public:
    Folders folders;
    Settings settings;

    QString projectFolder;        // with a trailing "/"
    QString projectFileName;      // file name only
    bool projectReadOnly = false; // opened read-only: another program has it open for writing
    QString schoolName;
    QString startupSchoolName;
    QString versionText; // the program's version, set at start-up

    // Recent projects, most recent first; its length is fixed when the settings are read.
    QStringList recentFiles{QString()};

    bool busy = false;    // the automatic construction is running
    bool runFlag = false; // the third round of the construction may go on
    RememberedRecords rememberedRows;

    qint64 trenutniPredmetnik = -1;
    QString trenutniPredmetnikIme;
    qint64 trenutniUrnik = -4;
    QString trenutniUrnikIme;
    qint64 trenutniTurnus = -1;
    QString trenutniTurnusOznaka;

    // Default pupil numbers of an elective group (checked when a project opens).
    int normativMax = 28;
    int normativMin = 14;

    int sizeClass = 0; // 0, 1 or 2, from the main window's measure at start-up (SizeClass.h)

    int turnusCount = 0;
    QStringList periodCodes; // URE.OZNAKA by period number

    QString projectPath() const { return projectFolder + projectFileName; }
};

AppState &App();

// Replaces the program state with a fresh one (tests start every case from a clean state).
void ResetApp();

} // namespace zentrel::core

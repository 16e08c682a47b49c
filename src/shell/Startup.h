#pragma once

#include <QString>

namespace zentrel::shell {

// The user's own data folder (settings, safety copies): ZENTREL_HOME when set, else Zentrel in
// the user's data folder. Nothing is created.
QString UserDataFolder();

// Determines the program, user data, common data and documents folders (creating the last
// three when missing). ZENTREL_HOME overrides the user and common data folders.
void DetermineFolders(const QString &executableFolder);

// Opens the defaults database zn.opm on the settings connection, restoring it from the pristine
// zn.opp when it is missing, damaged or older than version 19 (an older one is kept as a backup
// and its school, buildings, rooms, room groups, turnusi, shifts, periods and first periods are
// carried over). False, after "Ni datoteke #." where zn.opp is missing, when the program must end.
bool OpenDefaultsDatabase();

// Copies the shipped sample project into the documents folder when it is not there yet.
// Returns its path there (empty when there is none to copy).
QString EnsureSampleProject();

struct StartupOptions {
    bool openInitialProject = true; // the most recent project, else the sample project
};

// The start-up sequence both executables run: folders, defaults database, settings file,
// the initial project. False when the program must end.
bool StartUp(const QString &executableFolder, const StartupOptions &options = {});

// Closes both connections and replaces the program state with a fresh one (tests start every
// case from a clean state).
void ResetProgramState();

} // namespace zentrel::shell

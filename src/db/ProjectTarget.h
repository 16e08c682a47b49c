#pragma once

#include "ProjectLock.h"

#include <QString>

namespace zentrel::db {

// The name a new project file is about to be written under. A project already there may be open
// in another program, which would go on writing to the replaced (deleted) file and lose its work,
// or fail half-way with the engine's error; so while a ProjectTarget holds the name, the file
// there is locked as an open project is, and no other program can open it for writing.
//
// States: free -> claimed (claim succeeded; the file there, if any, is locked) -> free (release or
// destruction, after the new file has taken the name).
class ProjectTarget {
public:
    // Checks the name and locks the file there, if any. False, after a message and changing
    // nothing, when the name is a folder, its folder does not exist, or the project there is open
    // in another program.
    bool claim(const QString &path);
    void release() { m_lock.release(); }

private:
    ProjectLock m_lock;
};

// "Projekt # je odprt v drugem programu. Dokler je odprt tam, ga tukaj ni mogoče spreminjati.":
// the refusal of every change to a project another program holds (# the file name).
QString ProjectInUseText();

} // namespace zentrel::db

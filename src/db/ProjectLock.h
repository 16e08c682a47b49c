#pragma once

#include <QString>

namespace zentrel::db {

// Marks a project file as open for writing in one program. Two programs that both wrote one
// project would each save over the other's work (a timetable constructed twice has every lesson
// placed twice), so the second one is told the project is in use and may open it read-only.
//
// The mark is an advisory lock held on the project file itself for as long as the project is
// open: an open file description lock (which, unlike a process lock, is not dropped when another
// descriptor of the file is closed) on one byte of the page the database engine reserves for its
// own locks but never locks itself. The engine and other SQLite tools are not hindered, no extra
// file is left behind, and the operating system drops the lock with the process, so a program
// that was killed leaves no stale mark.
//
// States: released -> held (acquire succeeded) -> released (release, destruction, or acquire of
// another file). Release only after the database connection to the file is closed: closing a
// descriptor drops the engine's own process locks on the file.
class ProjectLock {
public:
    enum class Result {
        Held,      // this program now holds the file
        InUse,     // another program (or another lock in this one) holds it
        Unlockable // the file cannot be opened for writing or locked; nothing is held
    };

    ProjectLock() = default;
    ~ProjectLock();
    ProjectLock(const ProjectLock &) = delete;
    ProjectLock &operator=(const ProjectLock &) = delete;

    // Releases what is held, then tries to take the lock on path.
    Result acquire(const QString &path);
    void release();
    bool isHeld() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// The lock of the project open in the program.
ProjectLock &ProjectFileLock();

} // namespace zentrel::db

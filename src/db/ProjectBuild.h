#pragma once

#include "Connection.h"
#include "ProjectLock.h"

#include <QString>

namespace zentrel::db {

// A project file built under a temporary name beside its final name and put in place with one
// rename, so that the final name never holds a half-made project: until commit() it keeps what
// it had (or stays free), whatever happens to the build or the process.
//
// States: idle -> building (start() copied the defaults database to the temporary name and
// opened it) -> done (commit() closed it and renamed it to the final name). A build that is
// abandoned removes its temporary file; one left behind by a killed process is removed by the
// next build of the same name or by RemoveLeftover. While building, the temporary file is locked
// (ProjectLock), which tells a live build from a killed one's leftover.
class ProjectBuild {
public:
    explicit ProjectBuild(QString finalPath);
    ~ProjectBuild();
    ProjectBuild(const ProjectBuild &) = delete;
    ProjectBuild &operator=(const ProjectBuild &) = delete;

    // The temporary name used for a final name.
    static QString TemporaryPathFor(const QString &finalPath);

    // Removes the temporary file (and its journal) of a final name that a killed build left
    // behind; one that a running build holds is left alone. True when none is left.
    static bool RemoveLeftover(const QString &finalPath);

    // Copies the defaults database to the temporary name (after removing what an earlier build
    // left there; false when a running build has it) and opens it with the foreign keys off, since copied rows may
    // arrive before the rows they refer to. False when the folder cannot be written or the copy not opened.
    bool start(const QString &defaultsDatabase);
    Connection &db() { return m_connection; }
    QString temporaryPath() const { return m_temporary; }
    QString finalPath() const { return m_final; }
    // Gives the finished file the permission bits of another file (an upgraded project keeps its own).
    void takePermissionsOf(const QString &path);
    // Closes the file and renames it to the final name, replacing a file there in one step.
    bool commit();

private:
    void removeTemporary();

    QString m_final;
    QString m_temporary;
    Connection m_connection;
    ProjectLock m_lock;
    bool m_committed = false;
};

} // namespace zentrel::db

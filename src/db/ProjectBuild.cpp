#include "ProjectBuild.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace zentrel::db {

ProjectBuild::ProjectBuild(QString finalPath)
    : m_final(QFileInfo(finalPath).absoluteFilePath()), m_temporary(TemporaryPathFor(m_final)) {}

ProjectBuild::~ProjectBuild() {
    if (!m_committed && m_lock.isHeld()) // a temporary file of another build is not this one's
        removeTemporary();
}

QString ProjectBuild::TemporaryPathFor(const QString &finalPath) {
    return QFileInfo(finalPath).absoluteFilePath() + QStringLiteral(".nastaja");
}

namespace {

void removeWithJournal(const QString &path) {
    // The journal goes too: left beside a fresh copy, the engine would roll it back into it.
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace

bool ProjectBuild::RemoveLeftover(const QString &finalPath) {
    const QString temporary = TemporaryPathFor(finalPath);
    if (!QFileInfo::exists(temporary) && !QFileInfo::exists(temporary + QStringLiteral("-journal")))
        return true;
    ProjectLock probe;
    if (QFileInfo::exists(temporary) && probe.acquire(temporary) == ProjectLock::Result::InUse)
        return false;
    probe.release();
    removeWithJournal(temporary);
    return true;
}

void ProjectBuild::removeTemporary() {
    m_connection.close();
    m_lock.release(); // after the connection: see ProjectLock
    removeWithJournal(m_temporary);
}

bool ProjectBuild::start(const QString &defaultsDatabase) {
    m_connection.close();
    m_lock.release();
    if (!RemoveLeftover(m_final) || !QFile::copy(defaultsDatabase, m_temporary))
        return false;
    QFile::setPermissions(m_temporary, QFile::permissions(m_temporary) | QFile::WriteOwner | QFile::WriteUser);
    if (m_lock.acquire(m_temporary) == ProjectLock::Result::Held && m_connection.open(m_temporary) &&
        m_connection.setForeignKeys(false))
        return true;
    removeTemporary();
    return false;
}

void ProjectBuild::takePermissionsOf(const QString &path) {
    QFile::setPermissions(m_temporary, QFile::permissions(path) | QFile::WriteOwner);
}

bool ProjectBuild::commit() {
    m_connection.close();
    // rename() replaces an existing file at the final name atomically; QFile::rename would not.
    m_committed = std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_final).constData()) == 0;
    m_lock.release(); // after the rename, so that no check takes the finished file for a leftover
    if (!m_committed)
        removeTemporary();
    return m_committed;
}

} // namespace zentrel::db

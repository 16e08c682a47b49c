#include "ProjectBuild.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace zentrel::db {

ProjectBuild::ProjectBuild(QString finalPath)
    : m_final(QFileInfo(finalPath).absoluteFilePath()), m_temporary(TemporaryPathFor(m_final)) {}

ProjectBuild::~ProjectBuild() {
    if (!m_committed)
        removeTemporary();
}

QString ProjectBuild::TemporaryPathFor(const QString &finalPath) {
    return QFileInfo(finalPath).absoluteFilePath() + QStringLiteral(".nastaja");
}

void ProjectBuild::removeTemporary() {
    m_connection.close();
    // The journal goes too: left beside a fresh copy, the engine would roll it back into it.
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(m_temporary + QLatin1String(suffix));
}

bool ProjectBuild::start(const QString &defaultsDatabase) {
    removeTemporary();
    if (!QFile::copy(defaultsDatabase, m_temporary))
        return false;
    QFile::setPermissions(m_temporary, QFile::permissions(m_temporary) | QFile::WriteOwner | QFile::WriteUser);
    if (m_connection.open(m_temporary) && m_connection.setForeignKeys(false))
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
    if (!m_committed)
        removeTemporary();
    return m_committed;
}

} // namespace zentrel::db

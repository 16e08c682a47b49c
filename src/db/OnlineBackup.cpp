#include "OnlineBackup.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace zentrel::db {

namespace {

// Another connection writing the source holds its lock for a moment at most; the copy waits for
// it about as long as a statement would (Connection's busy timeout).
constexpr int kBusyRetries = 20;
constexpr int kBusySleepMs = 100;

BackupError engineError(sqlite3 *db, int rc) {
    const int primary = rc & 0xff;
    const int system = db ? sqlite3_system_errno(db) : 0;
    BackupError error;
    error.description = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    if (primary == SQLITE_FULL || system == ENOSPC || system == EDQUOT || system == EFBIG)
        error.kind = BackupError::DiskFull;
    else if (primary == SQLITE_CANTOPEN || primary == SQLITE_READONLY || primary == SQLITE_PERM || system == EACCES ||
             system == EPERM || system == EROFS)
        error.kind = BackupError::NotPermitted;
    else if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        error.kind = BackupError::InUse;
    else if (primary == SQLITE_NOTADB)
        error.kind = BackupError::NotADatabase;
    else if (primary == SQLITE_CORRUPT)
        error.kind = BackupError::NotADatabase;
    else
        error.kind = BackupError::Other;
    return error;
}

BackupError systemError(int number) {
    BackupError error;
    error.description = QString::fromLocal8Bit(std::strerror(number));
    if (number == ENOSPC || number == EDQUOT || number == EFBIG)
        error.kind = BackupError::DiskFull;
    else if (number == EACCES || number == EPERM || number == EROFS)
        error.kind = BackupError::NotPermitted;
    else
        error.kind = BackupError::Other;
    return error;
}

// Copies every page of `from` into `to` in one step; SQLITE_OK when complete. The error is the
// destination's, where the engine reports it.
int copyPages(sqlite3 *from, sqlite3 *to) {
    sqlite3_backup *backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        return sqlite3_errcode(to);
    int rc = SQLITE_OK;
    for (int attempt = 0;; ++attempt) {
        rc = sqlite3_backup_step(backup, -1);
        if ((rc != SQLITE_BUSY && rc != SQLITE_LOCKED) || attempt >= kBusyRetries)
            break;
        sqlite3_sleep(kBusySleepMs);
    }
    const int finished = sqlite3_backup_finish(backup);
    return rc == SQLITE_DONE ? finished : rc;
}

// Flushes a file (or a folder, for the rename in it) to the disk.
bool syncPath(const QString &path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

void removePartial(const QString &partial) {
    QFile::remove(partial);
    QFile::remove(partial + QStringLiteral("-journal"));
}

// Writes the pages of `from` to `target` by way of the partial file (see BackupToFile).
bool writeCopy(sqlite3 *from, const QString &target, BackupError &error) {
    const QString partial = PartialCopyName(target);
    removePartial(partial); // left over by a copy that was killed
    sqlite3 *to = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(partial).constData(), &to,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW, nullptr);
    // The partial file is thrown away whenever the copy does not complete, so the engine need not
    // journal or flush it page by page; it is flushed once, whole, before the rename.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(to, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = copyPages(from, to);
    if (rc != SQLITE_OK)
        error = engineError(to, rc);
    sqlite3_close_v2(to);
    bool ok = rc == SQLITE_OK;
    if (ok && !syncPath(partial, O_RDONLY)) {
        error = systemError(errno);
        ok = false;
    }
    if (ok && std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
        error = systemError(errno);
        ok = false;
    }
    if (!ok) {
        removePartial(partial);
        return false;
    }
    syncPath(QFileInfo(target).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

} // namespace

QString PartialCopyName(const QString &target) {
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".nastaja");
}

bool BackupToFile(Connection &source, const QString &target, BackupError &error) {
    error = {};
    // Inside a transaction the engine would copy the connection's own uncommitted changes.
    if (!source.isOpen() || source.transactionDepth() > 0) {
        error = {BackupError::Other, QStringLiteral("the database is not open or a transaction is running")};
        return false;
    }
    if (QFileInfo::exists(target)) {
        error = {BackupError::Other, QStringLiteral("file exists")};
        return false;
    }
    return writeCopy(source.handle(), target, error);
}

bool BackupFileToFile(const QString &source, const QString &target, BackupError &error) {
    Connection from;
    if (!from.open(source, Connection::Access::ReadOnly)) {
        error = {from.lastError().code == DbErrorCode::InUse ? BackupError::InUse : BackupError::NotADatabase,
                 from.lastError().description};
        return false;
    }
    return BackupToFile(from, target, error);
}

bool RestoreFromFile(const QString &source, Connection &target, BackupError &error) {
    error = {};
    if (!target.isOpen() || target.transactionDepth() > 0) {
        error = {BackupError::Other, QStringLiteral("the database is not open or a transaction is running")};
        return false;
    }
    Connection from;
    if (!from.open(source, Connection::Access::ReadOnly)) {
        error = {from.lastError().code == DbErrorCode::InUse ? BackupError::InUse : BackupError::NotADatabase,
                 from.lastError().description};
        return false;
    }
    const int rc = copyPages(from.handle(), target.handle());
    if (rc != SQLITE_OK) {
        error = engineError(target.handle(), rc);
        return false;
    }
    return true;
}

} // namespace zentrel::db

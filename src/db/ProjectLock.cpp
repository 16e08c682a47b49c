#include "ProjectLock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zentrel::db {

namespace {

// The engine's lock page starts at 1 GiB; it locks the first 512 bytes of it (pending, reserved
// and shared locks). This byte lies beyond them, in the same never-used page.
constexpr off_t kLockByte = 0x40000000 + 0x300;

} // namespace

ProjectLock::~ProjectLock() {
    release();
}

void ProjectLock::release() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

ProjectLock::Result ProjectLock::acquire(const QString &path) {
    release();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return Result::Unlockable;
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = kLockByte;
    lock.l_len = 1;
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) {
        m_fd = fd;
        return Result::Held;
    }
    const int error = errno;
    ::close(fd);
    return error == EAGAIN || error == EACCES ? Result::InUse : Result::Unlockable;
}

ProjectLock &ProjectFileLock() {
    static ProjectLock lock;
    return lock;
}

} // namespace zentrel::db

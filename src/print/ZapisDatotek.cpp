#include "ZapisDatotek.h"

#include "core/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentrel::print {

namespace {

QString native(const QString &path) {
    return QDir::toNativeSeparators(path);
}

QByteArray encoded(const QString &path) {
    return QFile::encodeName(path);
}

void report(const QString &text, const QString &value1, const QString &value2 = QString()) {
    core::ShowMessage(core::MsgError, text, native(value1), value2.isEmpty() ? QVariant() : QVariant(native(value2)));
}

// The system's reason in the user's words, as the end of a sentence.
QString reasonOf(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral(", ker na disku ni dovolj prostora.");
    case EDQUOT:
        return QStringLiteral(", ker je vaš prostor na disku porabljen.");
    case EROFS:
        return QStringLiteral(", ker je disk zaščiten proti pisanju.");
    case EACCES:
    case EPERM:
        return QStringLiteral(", ker za to nimate dovoljenja.");
    case ENAMETOOLONG:
        return QStringLiteral(", ker je ime predolgo.");
    case EIO:
        return QStringLiteral(", ker disk ne deluje pravilno.");
    default:
        return QStringLiteral(" (sistemska napaka %1).").arg(error);
    }
}

// Reports a folder on the way to `folder` that is missing or is a file; false when the way is clear.
bool reportBlockedWay(const QString &folder) {
    QFileInfo up(folder);
    while (!up.exists() && up.absoluteFilePath() != up.absolutePath())
        up = QFileInfo(up.absolutePath());
    if (up.exists() && !up.isDir()) {
        report(QStringLiteral("# ni mapa."), up.absoluteFilePath());
        return true;
    }
    if (!QFileInfo::exists(folder)) {
        report(QStringLiteral("Mapa # ne obstaja."), folder);
        return true;
    }
    return false;
}

// Reports why the file `path` could not be written, `error` being the system's reason.
void reportFile(const QString &path, int error) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (reportBlockedWay(folder))
        return;
    if (info.isDir())
        report(QStringLiteral("Na mestu datoteke # je mapa."), path);
    else if ((error == EACCES || error == EPERM) && ::access(encoded(folder).constData(), W_OK | X_OK) != 0)
        report(QStringLiteral("V mapo # ni mogoče pisati."), folder);
    else if (error == EACCES || error == EPERM)
        report(QStringLiteral("Datoteka # je zaščitena proti pisanju.\nOdstranite zaščito in poskusite znova."), path);
    else
        report(QStringLiteral("Datoteke # ni bilo mogoče zapisati") + reasonOf(error), path);
}

// A hidden name for a new file or folder beside `path`.
QByteArray hiddenBeside(const QString &path) {
    const QFileInfo info(path);
    return encoded(info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'-' +
                   QString::number(QRandomGenerator::global()->generate() % 1000000000u));
}

// Writes the bytes into a new file (which must not exist yet) and makes them durable; 0 or the
// system's error number. A file that failed is removed.
int writeNew(const QByteArray &path, const QByteArray &bytes, mode_t mode) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return errno;
    int error = 0;
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR) {
            error = errno;
            break;
        }
        done += std::max<ssize_t>(n, 0);
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error)
        ::unlink(path.constData());
    return error;
}

// Writes the bytes to a hidden file beside `path` and renames it over `path`, so that the name
// holds either the old or the whole new content; 0 or the system's error number.
int writeReplacing(const QString &path, const QByteArray &bytes) {
    const QByteArray target = encoded(path);
    struct stat old = {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return EISDIR;
    // A protected file stays protected, although its folder would let it be replaced.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return errno;
    QByteArray temp;
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        temp = hiddenBeside(path);
        error = writeNew(temp, bytes, exists ? old.st_mode & 07777 : 0666);
    }
    if (error)
        return error; // nothing of ours is left
    if (exists && ::chmod(temp.constData(), old.st_mode & 07777) != 0)
        error = errno;
    if (!error && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    if (error)
        ::unlink(temp.constData());
    return error;
}

// Reports why a new folder could not be made in its (existing) parent.
void reportNewFolder(const QString &folder, int error) {
    const QString parent = QFileInfo(folder).absolutePath();
    if (error == EACCES || error == EPERM)
        report(QStringLiteral("Mape # ni mogoče ustvariti, ker v mapo # ni mogoče pisati."), folder, parent);
    else
        report(QStringLiteral("Mape # ni mogoče ustvariti") + reasonOf(error), folder);
}

// Reports why nothing could be written into an existing folder.
void reportFolder(const QString &folder, int error) {
    report(QStringLiteral("V mapo # ni mogoče pisati") +
               (error == EACCES || error == EPERM ? QStringLiteral(".") : reasonOf(error)),
           folder);
}

// A hidden folder inside the target where a set of files is written in full before any of them
// takes its final name ("nove"), and where the older files of those names wait until all are in
// place ("stare"). It goes with everything in it, unless kept because older files could not be
// put back.
class Staging {
public:
    explicit Staging(const QString &target) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray path = hiddenBeside(target + QStringLiteral("/zentrel"));
            if (::mkdir(path.constData(), 0700) == 0) {
                m_path = QFile::decodeName(path);
                m_error =
                    QDir(m_path).mkdir(QStringLiteral("nove")) && QDir(m_path).mkdir(QStringLiteral("stare")) ? 0 : EIO;
                return;
            }
            m_error = errno;
            if (m_error != EEXIST)
                return;
        }
    }
    ~Staging() {
        if (!m_path.isEmpty() && !m_keep)
            QDir(m_path).removeRecursively();
    }
    Staging(const Staging &) = delete;
    Staging &operator=(const Staging &) = delete;

    int error() const { return m_error; }
    QString path() const { return m_path; }
    QString fresh(const QString &name) const { return m_path + QStringLiteral("/nove/") + name; }
    QString older(const QString &name) const { return m_path + QStringLiteral("/stare/") + name; }
    void keep() { m_keep = true; }

private:
    QString m_path;
    int m_error = EEXIST;
    bool m_keep = false;
};

struct Move {
    QByteArray from, to;
};

// Undoes renames, the last first; false when one of them cannot be undone.
bool undo(const QList<Move> &moves) {
    bool all = true;
    for (auto m = moves.rbegin(); m != moves.rend(); ++m)
        all = ::rename(m->to.constData(), m->from.constData()) == 0 && all;
    return all;
}

// Writes the files into the existing folder `target` as a whole: all or, on a failure, none of
// them replace what the folder held.
bool writeInto(const QString &target, const QList<DatotekaIzvoza> &files) {
    // What stands in the way of a file is found before anything is written.
    for (const DatotekaIzvoza &f : files) {
        const QFileInfo existing(target + u'/' + f.first);
        if (existing.isDir()) {
            report(QStringLiteral("Na mestu datoteke # je mapa."), existing.filePath());
            return false;
        }
        if (existing.exists() && ::access(encoded(existing.filePath()).constData(), W_OK) != 0) {
            reportFile(existing.filePath(), errno);
            return false;
        }
    }
    // Staged inside the target, the moves are renames on one disk, and a folder whose parent
    // the user may not write (the root of a memory stick) takes a site as well as any other.
    Staging staging(target);
    if (staging.error()) {
        reportFolder(target, staging.error());
        return false;
    }
    for (const DatotekaIzvoza &f : files)
        if (const int error = writeNew(encoded(staging.fresh(f.first)), f.second, 0666)) {
            report(QStringLiteral("Datoteke # ni bilo mogoče zapisati") + reasonOf(error), target + u'/' + f.first);
            return false;
        }
    QList<Move> moves;
    for (const DatotekaIzvoza &f : files) {
        const QByteArray final = encoded(target + u'/' + f.first);
        const QByteArray older = encoded(staging.older(f.first));
        const QByteArray fresh = encoded(staging.fresh(f.first));
        struct stat st = {};
        int error = 0;
        if (::lstat(final.constData(), &st) == 0) {
            if (::rename(final.constData(), older.constData()) == 0)
                moves << Move{final, older};
            else
                error = errno;
        }
        if (!error && ::rename(fresh.constData(), final.constData()) == 0)
            moves << Move{fresh, final};
        else if (!error)
            error = errno;
        if (!error)
            continue;
        QString text = QStringLiteral("Datoteke # ni bilo mogoče zapisati") + reasonOf(error);
        if (!undo(moves)) {
            staging.keep();
            text += QStringLiteral("\nPrejšnje datoteke so ostale v mapi #.");
        }
        report(text, target + u'/' + f.first, staging.path());
        return false;
    }
    return true;
}

} // namespace

bool ZapisiDatoteko(const QString &path, const QByteArray &bytes) {
    // A link to an existing file is kept: the file it points to gets the content.
    const QFileInfo info(path);
    const QString file = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const int error = writeReplacing(file, bytes);
    if (error)
        reportFile(file, error);
    return error == 0;
}

bool ZapisiDatoteke(const QString &folder, const QList<DatotekaIzvoza> &files) {
    const QFileInfo target(QFileInfo(folder).absoluteFilePath());
    if (target.exists() && !target.isDir()) {
        report(QStringLiteral("# ni mapa."), target.filePath());
        return false;
    }
    const bool created = !target.exists();
    if (created) {
        if (reportBlockedWay(target.absolutePath()))
            return false;
        if (::mkdir(encoded(target.filePath()).constData(), 0777) != 0) {
            reportNewFolder(target.filePath(), errno);
            return false;
        }
    }
    const bool ok = writeInto(target.filePath(), files);
    if (!ok && created)
        ::rmdir(encoded(target.filePath()).constData());
    return ok;
}

} // namespace zentrel::print

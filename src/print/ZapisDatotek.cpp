#include "ZapisDatotek.h"

#include "core/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zentrel::print {

namespace {

// Reports why a file or folder could not be written.
void reportFailure(const QString &path, const QString &reason) {
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists()) {
        core::ShowMessage(core::MsgError, QStringLiteral("Mapa # ne obstaja."),
                          QDir::toNativeSeparators(folder.filePath()));
        return;
    }
    if (!folder.isWritable() || (info.exists() && !info.isWritable())) {
        core::ShowErrorMessage(QString(), core::DbError{core::DbErrorCode::PermissionDenied, reason},
                               QDir::toNativeSeparators(path));
        return;
    }
    core::ShowErrorMessage(QStringLiteral("Datoteke # ni bilo mogoče zapisati."),
                           core::DbError{core::DbErrorCode::Other, reason}, QDir::toNativeSeparators(path));
}

bool writeQuietly(const QString &path, const QByteArray &bytes, QString *reason) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace

bool ZapisiDatoteko(const QString &path, const QByteArray &bytes) {
    QString reason;
    if (writeQuietly(path, bytes, &reason))
        return true;
    reportFailure(path, reason);
    return false;
}

bool ZapisiDatoteke(const QString &folder, const QList<DatotekaIzvoza> &files) {
    const QFileInfo target(folder);
    const QString parent = target.absolutePath();
    if (target.exists() && !target.isDir()) {
        core::ShowMessage(core::MsgError, QStringLiteral("# ni mapa."), QDir::toNativeSeparators(folder));
        return false;
    }
    if (!QFileInfo(parent).exists()) {
        core::ShowMessage(core::MsgError, QStringLiteral("Mapa # ne obstaja."), QDir::toNativeSeparators(parent));
        return false;
    }
    // The temporary folder lies beside the target so that the moves are renames on one disk.
    QTemporaryDir staging(parent + QStringLiteral("/.") + target.fileName() + QStringLiteral("-XXXXXX"));
    if (!staging.isValid() || (target.exists() && !QFileInfo(target.absoluteFilePath()).isWritable())) {
        reportFailure(target.absoluteFilePath() + QStringLiteral("/") +
                          (files.isEmpty() ? QString() : files.first().first),
                      staging.errorString());
        return false;
    }
    for (const DatotekaIzvoza &f : files) {
        QString reason;
        if (!writeQuietly(staging.filePath(f.first), f.second, &reason)) {
            reportFailure(staging.filePath(f.first), reason);
            return false;
        }
    }
    if (!target.exists()) {
        // A temporary folder is private; the site is as readable as any other new folder.
        QFile::setPermissions(staging.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                                  QFileDevice::ReadOther | QFileDevice::ExeOther);
        if (QDir().rename(staging.path(), target.absoluteFilePath())) {
            staging.setAutoRemove(false);
            return true;
        }
        if (!QDir().mkpath(target.absoluteFilePath())) {
            reportFailure(target.absoluteFilePath() + QStringLiteral("/x"), QString());
            return false;
        }
    }
    // A folder in the way of a file would stop the moves half-way: it is found before any.
    for (const DatotekaIzvoza &f : files) {
        const QFileInfo existing(QDir(target.absoluteFilePath()).filePath(f.first));
        if (existing.isDir()) {
            core::ShowMessage(core::MsgError, QStringLiteral("Na mestu datoteke # je mapa."),
                              QDir::toNativeSeparators(existing.filePath()));
            return false;
        }
    }
    for (const DatotekaIzvoza &f : files) {
        const QByteArray from = QFile::encodeName(staging.filePath(f.first));
        const QByteArray to = QFile::encodeName(QDir(target.absoluteFilePath()).filePath(f.first));
        // rename() replaces an older file of the same name in one step.
        if (std::rename(from.constData(), to.constData()) != 0) {
            reportFailure(QString::fromLocal8Bit(to), QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
    }
    return true;
}

} // namespace zentrel::print

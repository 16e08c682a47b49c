#include "Compaction.h"

#include "CompactionLeftover.h"

#include "ProjectFiles.h"
#include "SafetyCopies.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace zentrel::shell {

using namespace core;

namespace {

const QString kFailed = QStringLiteral("Krčenje projekta # ni uspelo; projekt je ostal nespremenjen.");
const QString kTooDamaged = QStringLiteral("Datoteka # je preveč poškodovana, da bi jo krčenje popravilo; ostala je "
                                           "nespremenjena.");

bool renameFile(const QString &from, const QString &to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool passesFullCheck(db::Connection &c) {
    return c.scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QLatin1String("ok");
}

// The copy must open as a database and pass the engine's full check before it replaces anything.
// The copy takes the original's indexes as they are, so an index that disagrees with its table
// is rebuilt from the table in the copy (never in the original), in one transaction.
bool checkCopy(const QString &copy, DbError &error) {
    db::Connection check;
    if (!check.open(copy)) {
        error = check.lastError();
        return false;
    }
    if (passesFullCheck(check))
        return true;
    db::Transaction t(check);
    if (t.isActive() && check.exec(QStringLiteral("REINDEX")) && passesFullCheck(check) && t.commit())
        return true;
    error = {DbErrorCode::Corrupt, QStringLiteral("integrity check failed")};
    return false;
}

// The new file takes the place of the old one, so it takes its mode and, where permitted, owner:
// a project shared in a group folder must stay as readable and writable as it was.
void copyModeAndOwner(const QString &from, const QString &to) {
    struct stat st = {};
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::stat(source.constData(), &st) != 0)
        return;
    ::chmod(target.constData(), st.st_mode & 07777);
    if (::chown(target.constData(), st.st_uid, st.st_gid) != 0)
        ::chmod(target.constData(), st.st_mode & 0777); // without the owner, no set-id bits
}

} // namespace

QString CompactionTemporaryFile(const QString &projectFile) {
    return projectFile + QStringLiteral(".skrcitev");
}

bool CompactFile(const QString &path, bool keepOriginal, QString *backup) {
    const QString fileName = SplitPath(path).second;
    // A link stays a link: its target is what is compacted.
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty()) {
        ShowMessage(MsgError, QStringLiteral("Ni datoteke #."), path);
        return false;
    }
    const QString temporary = CompactionTemporaryFile(target);
    RemoveCompactionLeftover(target);
    DbError error;
    bool damaged = false;
    bool ok = false;
    {
        db::Connection source; // read-only: the original is never written
        if (!source.open(target, db::Connection::Access::ReadOnly)) {
            ShowMessage(MsgError, db::OpenFailureText(source.lastError().code), path);
            return false;
        }
        damaged = source.scalar(QStringLiteral("PRAGMA quick_check")).toString() != QLatin1String("ok");
        ok = source.exec(QStringLiteral("VACUUM INTO ?"), {temporary});
        error = source.lastError();
    }
    const bool created = QFileInfo(temporary).isFile();
    ok = ok && checkCopy(temporary, error);
    if (ok) {
        copyModeAndOwner(target, temporary);
        if (keepOriginal) {
            // The original is linked to its backup name and then replaced in one step: the
            // project's own name never goes missing, whenever the program is stopped.
            const QString kept = db::KeepAsBackup(target);
            ok = !kept.isEmpty() && renameFile(temporary, target);
            if (!ok && !kept.isEmpty())
                QFile::remove(kept);
            if (ok && backup)
                *backup = kept;
        } else {
            ok = renameFile(temporary, target);
        }
        if (!ok)
            error = {DbErrorCode::NotWritable, QStringLiteral("rename failed")};
    }
    if (ok)
        return true;
    if (created)
        RemoveCompactionLeftover(target);
    if (damaged || error.code == DbErrorCode::Corrupt)
        ShowMessage(MsgError, kTooDamaged, fileName);
    else // the engine's reason, not a guess from its number (a folder in the way is no write protection)
        ShowErrorMessage(kFailed, DbError{DbErrorCode::Other, error.isError() ? error.description : temporary},
                         fileName);
    return false;
}

bool CompactProject() {
    AppState &app = App();
    if (!db::ProjectOpen())
        return false;
    const QString path = app.projectPath();
    const QString fileName = app.projectFileName;
    if (!SafetyCopyBefore(QStringLiteral("Krčenje projekta")))
        return false;
    // The lock stays held while the file is closed: no other program may take the project
    // between the compaction and the new opening.
    db::ProjectDb().close();
    const bool ok = CompactFile(path);
    if (!OpenProjectFile(path) || !ok)
        return false;
    ShowMessage(MsgInformation, QStringLiteral("Projekt # skrčen."), fileName);
    return true;
}

} // namespace zentrel::shell

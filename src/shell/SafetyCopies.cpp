#include "SafetyCopies.h"

#include "IniFile.h"

#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "db/OnlineBackup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zentrel::shell {

using namespace core;

namespace {

const QString kAskGoOn = QStringLiteral("Varnostne kopije projekta # ni bilo mogoče narediti: #.\n\n"
                                        "Ali želiš nadaljevati brez varnostne kopije?");
const QString kOpening = QStringLiteral("Odpiranje projekta");

// Why a copy could not be written, in the words of the question.
QString reasonText(const db::BackupError &error, const QString &folder) {
    switch (error.kind) {
    case db::BackupError::DiskFull:
        return QStringLiteral("na disku ni dovolj prostora");
    case db::BackupError::NotPermitted:
        return QStringLiteral("v mapo %1 ni mogoče pisati").arg(QDir::toNativeSeparators(folder));
    case db::BackupError::InUse:
        return QStringLiteral("projekt ima zaklenjen drug program");
    default:
        return QStringLiteral("napaka pri pisanju (%1)").arg(error.description);
    }
}

// Copies left by a copy that was stopped half-way (a killed program): only the program that has
// the project open for writing writes its copies, and it writes one at a time.
void removeLeftovers(const QString &folder) {
    const QStringList names = QDir(folder).entryList(
        {QStringLiteral(".*.nastaja"), QStringLiteral(".*.nastaja-journal")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names)
        QFile::remove(folder + u'/' + name);
}

// Copies are kept where the program keeps its own files; a program state without them (the
// logic used without the program's start-up, as by a generator of files) keeps none.
bool copiesKept() {
    return !App().folders.userData.isEmpty();
}

bool askGoOn(const QString &projectPath, const db::BackupError &error) {
    return ShowMessage(MsgQuestion, kAskGoOn, SplitPath(projectPath).second,
                       reasonText(error, SafetyCopyFolder(projectPath))) == Answer::Yes;
}

} // namespace

QString SafetyCopyFolder(const QString &projectPath) {
    const QString userData = App().folders.userData;
    if (userData.isEmpty())
        return {};
    const QFileInfo info(projectPath);
    const QString canonical = info.canonicalFilePath();
    const QString full = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex().left(8));
    return userData + QStringLiteral("/Varnostne kopije/") + SafetyCopyOperationName(info.completeBaseName()) + u' ' +
           hash;
}

QList<SafetyCopy> ListSafetyCopies(const QString &projectPath) {
    const QString folder = SafetyCopyFolder(projectPath);
    return folder.isEmpty() ? QList<SafetyCopy>() : ReadSafetyCopies(folder);
}

QString SafetyCopyProject() {
    const AppState &app = App();
    if (!CopyState().viewedProject.isEmpty())
        return CopyState().viewedProject;
    return db::ProjectOpen() ? app.projectPath() : QString();
}

QString WriteSafetyCopy(db::Connection &source, const QString &projectPath, const QString &operation,
                        db::BackupError &error, const QString &spare) {
    const QString folder = SafetyCopyFolder(projectPath);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        error = {db::BackupError::NotPermitted, QStringLiteral("no folder for safety copies")};
        return {};
    }
    removeLeftovers(folder);
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime minute(now.date(), QTime(now.time().hour(), now.time().minute()));
    // Copies of one minute are told apart, and ordered, by their sequence number.
    int sequence = 1;
    const QList<SafetyCopy> before = ReadSafetyCopies(folder);
    for (const SafetyCopy &copy : before)
        if (copy.when == minute)
            sequence = std::max(sequence, copy.sequence + 1);
    QString target = folder + u'/' + SafetyCopyFileName(minute, operation, sequence);
    while (QFileInfo::exists(target))
        target = folder + u'/' + SafetyCopyFileName(minute, operation, ++sequence);
    if (!db::BackupToFile(source, target, error))
        return {};
    const QString spared = QFileInfo(spare).absoluteFilePath();
    for (const SafetyCopy &copy : CopiesBeyondLimits(ReadSafetyCopies(folder), CopyState().limits, now.date()))
        if (spare.isEmpty() || copy.path != spared)
            QFile::remove(copy.path);
    return target;
}

bool SafetyCopyBefore(const QString &operation, const QString &spare) {
    const AppState &app = App();
    if (!db::ProjectOpen() || app.projectReadOnly || !copiesKept())
        return true;
    db::BackupError error;
    if (!WriteSafetyCopy(db::ProjectDb(), app.projectPath(), operation, error, spare).isEmpty())
        return true;
    return askGoOn(app.projectPath(), error);
}

bool SafetyCopyBeforeReplacing(const QString &path) {
    db::Connection file;
    if (!copiesKept() || !QFileInfo(path).isFile() || !file.open(path, db::Connection::Access::ReadOnly) ||
        !file.tableExists(QStringLiteral("INI")))
        return true;
    db::BackupError error;
    if (!WriteSafetyCopy(file, path, QStringLiteral("Nadomestitev z novim projektom"), error).isEmpty())
        return true;
    return askGoOn(path, error);
}

bool DailySafetyCopy(db::Connection &project, const QString &projectPath) {
    if (!copiesKept())
        return true;
    const QDate today = QDate::currentDate();
    for (const SafetyCopy &copy : ListSafetyCopies(projectPath))
        if (copy.when.date() == today)
            return true;
    db::BackupError error;
    if (!WriteSafetyCopy(project, projectPath, kOpening, error).isEmpty())
        return true;
    return askGoOn(projectPath, error);
}

bool SaveSafetyCopyLimits(const SafetyCopyLimits &limits) {
    CopyState().limits = SafetyCopyLimitsFromLines(SafetyCopyLimitsLines(limits));
    return WriteIniSection(App().folders.settingsFile(), SafetyCopySection(),
                           SafetyCopyLimitsLines(CopyState().limits));
}

QString OperationWithName(const QString &operation, const QString &name) {
    return FormatMessageText(operation + QStringLiteral("#"), name, {}, true);
}

} // namespace zentrel::shell

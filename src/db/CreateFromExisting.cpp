#include "CreateFromExisting.h"

#include "MBaza.h"
#include "ProjectCopy.h"
#include "ProjectTarget.h"
#include "SourceProject.h"
#include "core/AppState.h"
#include "core/FileMessages.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace zentrel::db {

using core::ShowMessage;

namespace {

// One file under two names: the same path, a link to it, or a hard link.
bool sameFile(const QString &a, const QString &b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    struct stat first = {};
    struct stat second = {};
    if (::stat(QFile::encodeName(a).constData(), &first) == 0 && ::stat(QFile::encodeName(b).constData(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

QString fileName(const QString &path) {
    return core::SplitPath(QFileInfo(path).absoluteFilePath()).second;
}

} // namespace

bool NewNameAllowed(const QString &sourcePath, const QString &newPath) {
    if (sameFile(sourcePath, newPath)) {
        ShowMessage(core::MsgError,
                    QStringLiteral("Nov projekt ne sme nadomestiti projekta #, iz katerega se prenašajo "
                                   "podatki."),
                    fileName(newPath));
        return false;
    }
    if (ProjectOpen() && sameFile(ProjectDb().path(), newPath)) {
        ShowMessage(core::MsgError, QStringLiteral("Nov projekt ne sme nadomestiti odprtega projekta #."),
                    fileName(newPath));
        return false;
    }
    return true;
}

bool FillProject(CopyContext &copy, const QString &sourcePath, int part, qint64 curriculum, qint64 timetable) {
    AttachedFile source(copy.target, sourcePath, QString::fromLatin1(kSourceAlias), true);
    if (!source.isAttached())
        return copy.fail(QString());
    Transaction transaction(copy.target);
    if (!transaction.isActive())
        return copy.fail(QString());
    bool ok = CopySettingsAndInfrastructure(copy) && CopyBasicData(copy);
    if (ok && part == CopyCurricula)
        ok = CopyCurriculaAndTimetables(copy, curriculum, kCopyNone);
    else if (ok && part == CopyTimetable)
        ok = CopyCurriculaAndTimetables(copy, curriculum, timetable);
    return ok && (transaction.commit() || copy.fail(QString()));
}

void ReportCopyFailure(const CopyContext &copy, const QString &tableText, const QString &text) {
    if (copy.reported)
        return;
    if (copy.failedTable.isEmpty())
        core::ShowErrorMessage(text, copy.error);
    else
        core::ShowErrorMessage(tableText, copy.error, copy.failedTable);
}

CopyOutcome CreateFromExisting(const QString &sourcePath, const QString &newPath, int part, qint64 curriculum,
                               qint64 timetable) {
    CopyOutcome outcome;
    SourceProject source;
    if (!source.open(sourcePath) || !NewNameAllowed(sourcePath, newPath) ||
        (part != CopyBasic && !source.checkChoice(curriculum, part == CopyTimetable ? timetable : kCopyNone)))
        return outcome;
    const int version = source.version();
    source.close();
    const QString defaults = core::App().folders.defaultsDatabase();
    if (!QFileInfo::exists(defaults)) {
        ShowMessage(core::MsgError, QStringLiteral("Ni datoteke #."), QStringLiteral("zn.opm"));
        return outcome;
    }
    const QString writeProtected = core::WriteProtectedText();
    ProjectTarget target; // held until the new file has the name
    if (!target.claim(newPath))
        return outcome;
    ProjectBuild build(newPath);
    if (!build.start(defaults)) {
        ShowMessage(core::MsgError, writeProtected, newPath);
        return outcome;
    }
    CopyContext copy(build.db(), version);
    if (!FillProject(copy, sourcePath, part, curriculum, timetable)) {
        ReportCopyFailure(copy, QStringLiteral("Nov projekt ni ustvarjen: napaka pri prenosu tabele #."),
                          QStringLiteral("Nov projekt ni ustvarjen."));
        return outcome;
    }
    outcome.counts = copy.counts();
    if (!build.commit()) {
        ShowMessage(core::MsgError, writeProtected, newPath);
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

} // namespace zentrel::db

#include "SafetyCopyRestore.h"

#include "ProjectFiles.h"
#include "SafetyCopies.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "db/OnlineBackup.h"
#include "db/OpeningChecks.h"

#include <QFileInfo>

namespace zentrel::shell {

using namespace core;

namespace {

const QString kBeforeRestore = QStringLiteral("Pred obnovitvijo");

QString fileName(const QString &path) {
    return SplitPath(QFileInfo(path).absoluteFilePath()).second;
}

} // namespace

bool CheckSafetyCopy(const QString &copyPath) {
    db::Connection copy;
    bool ok = QFileInfo(copyPath).isFile() && copy.open(copyPath, db::Connection::Access::ReadOnly) &&
              copy.scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QLatin1String("ok") &&
              copy.tableExists(QStringLiteral("INI"));
    if (ok && db::RefuseNewerProject(db::SchemaVersion(copy), copyPath))
        return false;
    ok = ok && db::MissingTables(copy).isEmpty();
    if (!ok)
        ShowMessage(MsgError,
                    QStringLiteral("Datoteka # ni varnostna kopija projekta ali pa je poškodovana; projekt je ostal "
                                   "nespremenjen."),
                    fileName(copyPath));
    return ok;
}

bool RestoreSafetyCopy(const QString &projectPath, const QString &copyPath) {
    const QString project = QFileInfo(projectPath).absoluteFilePath();
    const QString projectName = fileName(project);
    if (ShowMessage(MsgQuestion,
                    QStringLiteral("Projekt # bo obnovljen iz varnostne kopije #. Trenutno stanje projekta bo prej "
                                   "shranjeno kot varnostna kopija.\n\nAli želiš nadaljevati?"),
                    projectName, fileName(copyPath)) != Answer::Yes)
        return false;
    // The project itself is no copy of it: the engine would copy the file onto itself.
    if (QFileInfo(copyPath).canonicalFilePath() == QFileInfo(project).canonicalFilePath()) {
        ShowMessage(MsgError, QStringLiteral("Datoteka # je projekt sam, ne njegova varnostna kopija."),
                    fileName(copyPath));
        return false;
    }
    if (!CheckSafetyCopy(copyPath))
        return false;
    if (!QFileInfo::exists(project)) {
        db::BackupError error;
        if (!db::BackupFileToFile(copyPath, project, error)) {
            ShowErrorMessage(QStringLiteral("Obnovitev projekta # ni uspela."), {DbErrorCode::Other, error.description},
                             projectName);
            return false;
        }
        if (!OpenProjectFile(project))
            return false;
        ShowMessage(MsgInformation, QStringLiteral("Projekt # je obnovljen iz varnostne kopije #."), projectName,
                    fileName(copyPath));
        return true;
    }
    const bool open = db::ProjectOpen() && CopyState().viewedProject.isEmpty() &&
                      QFileInfo(App().projectPath()).canonicalFilePath() == QFileInfo(project).canonicalFilePath();
    if (!open && !OpenProjectFile(project))
        return false;
    if (App().projectReadOnly) {
        ShowMessage(MsgError, QStringLiteral("Projekt # je odprt samo za branje, zato ga ni mogoče obnoviti."),
                    projectName);
        return false;
    }
    if (!SafetyCopyBefore(kBeforeRestore, copyPath))
        return false;
    db::BackupError error;
    if (!db::RestoreFromFile(copyPath, db::ProjectDb(), error)) {
        ShowErrorMessage(QStringLiteral("Obnovitev projekta # ni uspela; projekt je ostal nespremenjen."),
                         {DbErrorCode::Other, error.description}, projectName);
        return false;
    }
    // As compaction does, the lock stays held while the project is opened again.
    db::ProjectDb().close();
    if (!OpenProjectFile(project))
        return false;
    ShowMessage(MsgInformation, QStringLiteral("Projekt # je obnovljen iz varnostne kopije #."), projectName,
                fileName(copyPath));
    return true;
}

bool ViewSafetyCopy(const QString &copyPath) {
    const QString project = SafetyCopyProject();
    if (project.isEmpty() || !CheckSafetyCopy(copyPath))
        return false;
    return OpenSafetyCopyForViewing(copyPath, project);
}

bool EndSafetyCopyViewing() {
    const QString project = CopyState().viewedProject;
    return !project.isEmpty() && OpenProjectFile(project);
}

} // namespace zentrel::shell

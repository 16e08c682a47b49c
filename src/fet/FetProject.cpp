#include "FetProject.h"

#include "FetExport.h"
#include "FetImport.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "shell/ProjectFiles.h"

namespace zentrel::fet {

using namespace core;

bool CreateProjectFromFet(const QString &fetPath, const QString &newPath) {
    const QString target = shell::ProjectFilePath(newPath);
    const QString fileName = SplitPath(target).second;
    ShowMessage(MsgProgressBegin, QStringLiteral("Ustvarjam nov projekt #"), fileName);
    ImportReport report;
    if (!ImportFetFile(fetPath, target, App().folders.defaultsDatabase(), &report)) {
        ShowMessage(MsgProgressEnd, QString());
        return false;
    }
    ShowMessage(MsgProgressEnd, QStringLiteral("Nov projekt # ustvarjen."), fileName);
    if (!shell::OpenProjectFile(target, true))
        return false;
    ShowMessage(MsgInformation, QStringLiteral("Uvoz iz datoteke FET\n\n") + report.lines().join(u'\n'));
    return true;
}

bool ExportCurrentTimetable(const QString &outPath, bool withTimetable) {
    const AppState &app = App();
    if (!ExportFetFile(db::ProjectDb(), {app.trenutniUrnik, app.trenutniTurnus, withTimetable}, outPath))
        return false;
    ShowMessage(MsgInformation, QStringLiteral("Datoteka # je zapisana."), outPath);
    return true;
}

} // namespace zentrel::fet

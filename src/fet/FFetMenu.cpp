#include "FFetMenu.h"

#include "FetProject.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "shell/FFileDialog.h"
#include "shell/FGlavna.h"
#include "shell/ProjectFiles.h"

namespace zentrel::fet {

using namespace core;

namespace {

const QString kFetFilter = QStringLiteral("Datoteke FET (*.fet)|*.fet|Vse datoteke (*.*)|*.*");

void importFromFet(shell::FGlavna *main) {
    main->SetWorkCaption(QStringLiteral("&Ustvari projekt  -  Iz datoteke FET..."));
    const QString source = shell::FileDialog(main, shell::FileDialogOpen, QStringLiteral("Datoteka FET"),
                                             App().settings.folders[6], QString(), kFetFilter);
    const QString target =
        source.isEmpty() ? QString()
                         : shell::FileDialog(main, shell::FileDialogSave, QStringLiteral("Ustvari nov projekt"),
                                             App().settings.folders[6], shell::ProposedProjectName(),
                                             shell::ProjectFileFilter(), QStringLiteral(".znt"));
    if (!target.isEmpty())
        CreateProjectFromFet(source, target);
    main->SetWorkCaption(QString());
}

void exportToFet(shell::FGlavna *main) {
    main->SetWorkCaption(QStringLiteral("Izvozi v datoteko &FET..."));
    const QString target =
        shell::FileDialog(main, shell::FileDialogSave, QStringLiteral("Izvoz v datoteko FET"),
                          App().settings.folders[6], App().schoolName + QStringLiteral(".fet"), kFetFilter,
                          QStringLiteral(".fet"));
    if (!target.isEmpty()) {
        const bool withTimetable =
            ShowMessage(MsgQuestion, QStringLiteral("Naj izvoz vsebuje tudi postavljene ure urnika # "
                                                    "(kot zaklenjene aktivnosti)?"),
                        App().trenutniUrnikIme) == Answer::Yes;
        ExportCurrentTimetable(target, withTimetable);
    }
    main->SetWorkCaption(QString());
}

} // namespace

void RegisterFetMenuItems() {
    shell::RegisterFileMenuItem({QStringLiteral("Iz datoteke &FET..."), true, importFromFet});
    shell::RegisterFileMenuItem({QStringLiteral("Izvozi v datoteko &FET..."), false, exportToFet});
}

} // namespace zentrel::fet

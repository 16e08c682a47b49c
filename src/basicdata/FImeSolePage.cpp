#include "FImeSolePage.h"

#include "controls/UrDataGrid.h"
#include "controls/UrText.h"
#include "core/AppState.h"
#include "core/TextFunctions.h"
#include "shell/FFileDialog.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

namespace {

// The folder slot of the dialogs that choose another project file ("[inport directory zentrel]").
constexpr int kImportFolder = 8;

} // namespace

FImeSolePage::FImeSolePage(QWidget *parent) : FRecordPage(parent), ImeSoleE(new UrText) {
    grid()->hide(); // one record: the frame alone shows it
    grid()->SetDataField({QStringLiteral("VREDNOST")});
    addField(QStringLiteral("Ime šole"), ImeSoleE, QStringLiteral("VREDNOST"), 40);
    connect(ImeSoleE, &UrText::MyValidate, this,
            [this](bool &cancel) { cancel = !m_logic.validate(ImeSoleE->Text()); });
    setButtons({4, 53, 15, 13});
    chooseImportFile = [this] {
        return shell::FileDialog(this, shell::FileDialogOpen, InfrastructureImport::dialogTitle(),
                                 core::App().settings.folders[kImportFolder], QString(),
                                 InfrastructureImport::dialogFilter());
    };
}

bool FImeSolePage::saveEdit() {
    return m_logic.acceptEdit(ImeSoleE->Text());
}

void FImeSolePage::otherCommand(int code, bool &cancel) {
    Q_UNUSED(cancel)
    if (code != 32) // "Uvozi"
        return;
    const QString path = chooseImportFile ? chooseImportFile() : QString();
    if (path.isEmpty())
        return;
    core::App().settings.folders[kImportFolder] = core::SplitPath(path).first;
    InfrastructureImport import;
    if (import.run(path))
        Activate();
}

} // namespace zentrel::basicdata

#include "FImeSolePage.h"

#include "controls/UrDataGrid.h"
#include "controls/UrText.h"

#include <QFileDialog>

namespace zentrel::basicdata {

using namespace zentrel::controls;

// The program's filter text ("name|patterns|name|patterns", patterns separated by ";") in the
// form of Qt's file dialog ("name (patterns);;name (patterns)").
QString FImeSolePage::QtFilter(const QString &filter) {
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') + u')';
    return out.join(QStringLiteral(";;"));
}

FImeSolePage::FImeSolePage(QWidget *parent) : FRecordPage(parent), ImeSoleE(new UrText) {
    grid()->hide(); // one record: the frame alone shows it
    grid()->SetDataField({QStringLiteral("VREDNOST")});
    addField(QStringLiteral("Ime šole"), ImeSoleE, QStringLiteral("VREDNOST"), 40);
    connect(ImeSoleE, &UrText::MyValidate, this,
            [this](bool &cancel) { cancel = !m_logic.validate(ImeSoleE->Text()); });
    setButtons({4, 53, 15, 13});
    chooseImportFile = [this] {
        return QFileDialog::getOpenFileName(this, InfrastructureImport::dialogTitle(), QString(),
                                            QtFilter(InfrastructureImport::dialogFilter()));
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
    InfrastructureImport import;
    if (import.run(path))
        Activate();
}

} // namespace zentrel::basicdata

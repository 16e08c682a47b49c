#include "FPredmetnikiPage.h"

#include "FKopirajPredmetnik.h"
#include "controls/UrComndBar.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrText.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FPredmetnikiPage::FPredmetnikiPage(QWidget *parent) : FLogicRecordPage(parent), ImeE(new UrText), OpombaE(new UrText) {
    grid()->SetCaption(QStringLiteral("Predmetniki"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME")});
    grid()->SetDataFieldCaption({QStringLiteral("Ime"), QStringLiteral("Opomba")});
    grid()->SetDataFieldLenChrs({14, 36});
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("OZNAKA"), 20);
    addField(QStringLiteral("Opomba"), OpombaE, QStringLiteral("IME"), 40);
    setButtons({0, 4, 2, 5, 8, 15, 13});
    runCopyDialog = [](FKopirajPredmetnik &dialog) { dialog.exec(); };
}

void FPredmetnikiPage::configureBar(UrComndBar &bar) {
    // Without a curriculum there is nowhere to put a programme.
    if (m_logic.curriculum() < 0)
        bar.SetDataEntryDisabled(true);
}

PredmetnikFields FPredmetnikiPage::fields() const {
    return {ImeE->Text(), OpombaE->Text()};
}

void FPredmetnikiPage::startNew() {
    frame()->ClearFields();
}

void FPredmetnikiPage::otherCommand(int code, bool &cancel) {
    if (code != 5 || !m_logic.list().hasCurrent())
        return;
    cancel = false;
    FKopirajPredmetnik dialog(m_logic.curriculum(), m_logic.list().id(), m_logic.current().oznaka, this);
    runCopyDialog(dialog);
    if (dialog.result() == QDialog::Accepted && dialog.newProgramme() > 0) {
        m_logic.open();
        m_logic.list().moveToValue(QStringLiteral("ID"), dialog.newProgramme());
        syncGrid();
    }
}

} // namespace zentrel::basicdata

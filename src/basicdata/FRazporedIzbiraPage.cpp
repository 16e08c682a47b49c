#include "FRazporedIzbiraPage.h"

#include "FKopirajRazpored.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrText.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FRazporedIzbiraPage::FRazporedIzbiraPage(QWidget *parent) : FLogicRecordPage(parent), ImeE(new UrText) {
    grid()->SetCaption(QStringLiteral("Razporedi"));
    grid()->SetDataField({QStringLiteral("IME")});
    grid()->SetDataFieldCaption({QStringLiteral("Ime")});
    grid()->SetDataFieldLenChrs({30});
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 30);
    setButtons({4, 2, 5, 8, 15, 13});
    runCopyDialog = [](FKopirajRazpored &dialog) { dialog.exec(); };
}

QString FRazporedIzbiraPage::fields() const {
    return ImeE->Text();
}

void FRazporedIzbiraPage::startNew() {
    frame()->ClearFields();
}

void FRazporedIzbiraPage::otherCommand(int code, bool &cancel) {
    if (code != 5 || !m_logic.list().hasCurrent())
        return;
    cancel = false;
    FKopirajRazpored dialog(m_logic.list().id(), m_logic.name(), this);
    runCopyDialog(dialog);
    if (dialog.result() == QDialog::Accepted && dialog.newCurriculum() > 0) {
        m_logic.showCopy(dialog.newCurriculum());
        syncGrid();
    }
}

} // namespace zentrel::basicdata

#include "FPredmetiPage.h"

#include "RecordText.h"
#include "controls/UrCheckBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrText.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FPredmetiPage::FPredmetiPage(QWidget *parent)
    : FLogicRecordPage(parent), OznakaE(new UrText), ImeE(new UrText), TipE(new UrText), KabinetniCB(new UrCheckBox) {
    grid()->SetCaption(QStringLiteral("Predmeti"));
    grid()->SetDataField(
        {QStringLiteral("OZNAKA"), QStringLiteral("IME"), QStringLiteral("TIP"), QStringLiteral("KABINETNI")});
    grid()->SetDataFieldCaption(
        {QStringLiteral("Oznaka"), QStringLiteral("Ime"), QStringLiteral("Tip"), QStringLiteral("Kab")});
    grid()->SetDataFieldLenChrs({5, 30, 5, 4});
    showAsCheck(grid(), 3);
    addField(QStringLiteral("Oznaka"), OznakaE, QStringLiteral("OZNAKA"), 10);
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 40);
    addField(QStringLiteral("Tip"), TipE, QStringLiteral("TIP"), 10);
    addField(QStringLiteral("Potrebuje kabinet"), KabinetniCB, QStringLiteral("KABINETNI"));
    connect(OznakaE, &UrText::MyValidate, this, [this](bool &) {
        if (ImeE->Text().isEmpty())
            ImeE->SetText(NameAfterCode(OznakaE->Text(), ImeE->Text()));
    });
    setButtons({0, 4, 2, 8, 15, 13});
}

PredmetFields FPredmetiPage::fields() const {
    return {OznakaE->Text(), ImeE->Text(), TipE->Text(), KabinetniCB->Value()};
}

void FPredmetiPage::startNew() {
    frame()->ClearFields();
    KabinetniCB->SetValue(false);
}

} // namespace zentrel::basicdata

#include "FIzbirniNaboriPage.h"

#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFrame.h"
#include "controls/UrLabel.h"
#include "controls/UrText.h"

namespace zentrel::pupils {

using namespace zentrel::controls;

FIzbirniNaboriPage::FIzbirniNaboriPage(QWidget *parent)
    : FLogicRecordPage(parent), ImeE(new UrText), PredponaE(new UrText), TurnusDC(new UrComboBox) {
    grid()->SetCaption(QStringLiteral("Izbirni nabori"));
    grid()->SetDataField({QStringLiteral("IME"), QStringLiteral("PREDPONA"), QStringLiteral("TURNUS")});
    grid()->SetDataFieldCaption({QStringLiteral("Ime"), QStringLiteral("Predpona"), QStringLiteral("Turnus")});
    grid()->SetDataFieldLenChrs({24, 8, 6});
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 30);
    addField(QStringLiteral("Predpona"), PredponaE, QStringLiteral("PREDPONA"), 8);
    auto *turnusL = new UrLabel(frame()->Body());
    BindField(turnusL, TurnusDC, QStringLiteral("ID_TURNUSA"), QStringLiteral("Turnus"), IzbirniNabori::turnusi(),
              QStringLiteral("OZNAKA"), QStringLiteral("ID"));
    frame()->AddControl(TurnusDC);
    limitWidth(TurnusDC, 6);
    addRow(turnusL, TurnusDC);
    setButtons({0, 4, 2, 8, 15, 13});
}

bool FIzbirniNaboriPage::reopen() {
    TurnusDC->SetRowSource(IzbirniNabori::turnusi());
    return FLogicRecordPage::reopen();
}

void FIzbirniNaboriPage::startNew() {
    frame()->ClearFields();
    TurnusDC->LoadValue(m_logic.newRecord().turnus);
}

NaborFields FIzbirniNaboriPage::fields() const {
    const QVariant turnus = TurnusDC->BoundId();
    return {ImeE->Text(), PredponaE->Text(), turnus.isValid() && !turnus.isNull() ? turnus.toLongLong() : -1};
}

} // namespace zentrel::pupils

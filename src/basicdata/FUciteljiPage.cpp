#include "FUciteljiPage.h"

#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrText.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FUciteljiPage::FUciteljiPage(QWidget *parent)
    : FLogicRecordPage(parent), OznakaE(new UrText), ImeE(new UrText), VmesnoImeE(new UrText), PriimekE(new UrText) {
    grid()->SetCaption(QStringLiteral("Učitelji"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("PRIIMEK"), QStringLiteral("IME")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Priimek"), QStringLiteral("Ime")});
    grid()->SetDataFieldLenChrs({8, 16, 12});
    addField(QStringLiteral("Oznaka"), OznakaE, QStringLiteral("OZNAKA"), 10);
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 20);
    addField(QStringLiteral("Vmesno ime"), VmesnoImeE, QStringLiteral("VMESNOIME"), 20);
    addField(QStringLiteral("Priimek"), PriimekE, QStringLiteral("PRIIMEK"), 25);
    setButtons({0, 4, 2, 8, 15, 13});
}

UciteljFields FUciteljiPage::fields() const {
    return {OznakaE->Text(), ImeE->Text(), VmesnoImeE->Text(), PriimekE->Text()};
}

void FUciteljiPage::startNew() {
    frame()->ClearFields();
}

} // namespace zentrel::basicdata

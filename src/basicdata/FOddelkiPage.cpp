#include "FOddelkiPage.h"

#include "RecordText.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrText.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FOddelkiPage::FOddelkiPage(QWidget *parent) : FLogicRecordPage(parent), OznakaE(new UrText), ImeE(new UrText) {
    grid()->SetCaption(QStringLiteral("Enote"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Ime")});
    grid()->SetDataFieldLenChrs({8, 24});
    addField(QStringLiteral("Oznaka"), OznakaE, QStringLiteral("OZNAKA"), 10);
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 40);
    connect(OznakaE, &UrText::MyValidate, this, [this](bool &) {
        if (ImeE->Text().isEmpty())
            ImeE->SetText(NameAfterCode(OznakaE->Text(), ImeE->Text()));
    });
    setButtons({0, 4, 2, 8, 15, 13});
}

OddelekFields FOddelkiPage::fields() const {
    return {OznakaE->Text(), ImeE->Text()};
}

void FOddelkiPage::startNew() {
    frame()->ClearFields();
}

} // namespace zentrel::basicdata

#include "FStavbePage.h"

#include "RecordText.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrText.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FStavbePage::FStavbePage(bool editable, QWidget *parent) : FRecordPage(parent), OznakaE(new UrText), ImeE(new UrText) {
    grid()->SetCaption(QStringLiteral("Stavbe"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Ime")});
    grid()->SetDataFieldLenChrs({8, 30});
    addField(QStringLiteral("Oznaka"), OznakaE, QStringLiteral("OZNAKA"), 10);
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 40);
    // Leaving the code fills an empty name.
    connect(OznakaE, &UrText::MyValidate, this, [this](bool &) {
        if (ImeE->Text().isEmpty())
            ImeE->SetText(NameAfterCode(OznakaE->Text(), ImeE->Text()));
    });
    if (editable) {
        setButtons({0, 4, 3, 8, 15, 13});
    } else {
        setButtons({0});
        setFrameless(true);
        frame()->Lock(true);
    }
}

StavbaFields FStavbePage::fields() const {
    return {OznakaE->Text(), ImeE->Text()};
}

void FStavbePage::startNew() {
    frame()->ClearFields();
}

bool FStavbePage::saveNew() {
    return m_logic.acceptAddNew(fields());
}

bool FStavbePage::saveEdit() {
    return m_logic.acceptEdit(fields());
}

} // namespace zentrel::basicdata

#include "FProstoriPage.h"

#include "RecordText.h"
#include "controls/UrCheckBox.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrText.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FProstoriPage::FProstoriPage(bool full, QWidget *parent)
    : FRecordPage(parent), OznakaE(new UrText), ImeE(new UrText), KabinetCB(new UrCheckBox), m_full(full) {
    grid()->SetCaption(QStringLiteral("Prostori"));
    grid()->SetDataField(
        {QStringLiteral("OZNAKA"), QStringLiteral("IME"), QStringLiteral("STAVBA"), QStringLiteral("KABINET")});
    grid()->SetDataFieldCaption(
        {QStringLiteral("Oznaka"), QStringLiteral("Ime"), QStringLiteral("Stavba"), QStringLiteral("Kab")});
    grid()->SetDataFieldLenChrs({6, 22, 6, 4});
    showAsCheck(grid(), 3);
    addField(QStringLiteral("Oznaka"), OznakaE, QStringLiteral("OZNAKA"), 10);
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 40);
    if (full) {
        StavbaDC = new UrComboBox;
        StavbaDC->SetListFields(QStringLiteral("OZNAKA"));
        StavbaDC->SetIdField(QStringLiteral("ID"));
        addField(QStringLiteral("Stavba"), StavbaDC, QStringLiteral("ID_STAVBE"), 10);
    } else {
        StavbaE = new UrText;
        StavbaE->SetDisplayOnly(true);
        addField(QStringLiteral("Stavba"), StavbaE, QStringLiteral("STAVBA"), 10);
    }
    addField(QStringLiteral("Kabinet (Kab)"), KabinetCB, QStringLiteral("KABINET"));
    if (full) {
        connect(OznakaE, &UrText::MyValidate, this, [this](bool &) {
            if (ImeE->Text().isEmpty())
                ImeE->SetText(NameAfterCode(OznakaE->Text(), ImeE->Text()));
        });
        setButtons({0, 4, 2, 8, 15, 13});
    } else {
        OznakaE->SetDisplayOnly(true);
        ImeE->SetDisplayOnly(true);
        setButtons({0, 4, 15, 13});
    }
}

bool FProstoriPage::reopen() {
    const bool ok = m_logic.open();
    if (StavbaDC)
        StavbaDC->SetRowSource(m_logic.buildings());
    return ok;
}

ProstorFields FProstoriPage::fields() const {
    ProstorFields f = m_logic.current();
    f.oznaka = OznakaE->Text();
    f.ime = ImeE->Text();
    f.kabinet = KabinetCB->Value();
    if (StavbaDC) {
        const QVariant id = StavbaDC->BoundId();
        f.idStavbe = id.isValid() && !id.isNull() ? id.toLongLong() : -1;
    }
    return f;
}

void FProstoriPage::startNew() {
    const ProstorFields f = m_logic.newRecord();
    frame()->ClearFields();
    if (StavbaDC && f.idStavbe > 0)
        StavbaDC->LoadValue(f.idStavbe);
    KabinetCB->SetValue(f.kabinet);
}

bool FProstoriPage::saveNew() {
    return m_full && m_logic.acceptAddNew(fields());
}

bool FProstoriPage::saveEdit() {
    return m_full ? m_logic.acceptEdit(fields()) : m_logic.acceptEditKabinet(KabinetCB->Value());
}

} // namespace zentrel::basicdata

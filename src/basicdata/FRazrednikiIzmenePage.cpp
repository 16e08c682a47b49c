#include "FRazrednikiIzmenePage.h"

#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

namespace {
qint64 idOf(const UrComboBox *box) {
    const QVariant id = box->BoundId();
    return id.isValid() && !id.isNull() ? id.toLongLong() : -1;
}
} // namespace

FRazrednikiIzmenePage::FRazrednikiIzmenePage(QWidget *parent)
    : FRecordPage(parent), RazrednikDC(new UrComboBox), IzmenaDC(new UrComboBox) {
    grid()->SetCaption(QStringLiteral("Enote"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME_ODDELKA"), QStringLiteral("OZNAKA_RAZREDNIKA"),
                          QStringLiteral("IZMENA")});
    grid()->SetDataFieldCaption(
        {QStringLiteral("Enota"), QStringLiteral("Ime"), QStringLiteral("Razrednik"), QStringLiteral("Izm")});
    grid()->SetDataFieldLenChrs({6, 16, 10, 4});
    RazrednikDC->SetListFields(QStringLiteral("OZNAKA;RAZREDNIK"));
    RazrednikDC->SetIdField(QStringLiteral("ID"));
    IzmenaDC->SetListFields(QStringLiteral("OZNAKA"));
    IzmenaDC->SetIdField(QStringLiteral("ID"));
    addField(QStringLiteral("Razrednik"), RazrednikDC, QStringLiteral("ID_RAZREDNIKA"), 12);
    addField(QStringLiteral("Izmena (Izm)"), IzmenaDC, QStringLiteral("ID_IZMENE"), 6);
    setButtons({0, 4, 15, 13});
}

bool FRazrednikiIzmenePage::reopen() {
    const bool ok = m_logic.open();
    RazrednikDC->SetRowSource(m_logic.teachers());
    IzmenaDC->SetRowSource(m_logic.shifts());
    return ok;
}

bool FRazrednikiIzmenePage::saveEdit() {
    return m_logic.acceptEdit(idOf(RazrednikDC), idOf(IzmenaDC));
}

} // namespace zentrel::basicdata

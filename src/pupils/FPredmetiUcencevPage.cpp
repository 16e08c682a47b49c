#include "FPredmetiUcencevPage.h"

#include "controls/UrDataGrid.h"

namespace zentrel::pupils {

using namespace zentrel::controls;

FPredmetiUcencevPage::FPredmetiUcencevPage(bool onlyUnfinished, QWidget *parent)
    : FRecordPage(parent), RazporedIzbirniPredmetiDG(new UrDataGrid), m_pupils(onlyUnfinished) {
    grid()->setObjectName(QStringLiteral("RazporedIzbirniUcenciDG"));
    grid()->SetCaption(onlyUnfinished ? QStringLiteral("Nedokončani") : QStringLiteral("Učenci"));
    grid()->SetDataField({QStringLiteral("UCENEC"), QStringLiteral("IZB"), QStringLiteral("DOD")});
    grid()->SetDataFieldCaption({QStringLiteral("Učenec"), QStringLiteral("Izb"), QStringLiteral("Dod")});
    grid()->SetDataFieldLenChrs({26, 4, 4});
    RazporedIzbirniPredmetiDG->SetCaption(QStringLiteral("Predmeti učenca"));
    RazporedIzbirniPredmetiDG->SetDataField(
        {QStringLiteral("PREDMET"), QStringLiteral("TIP"), QStringLiteral("DODELJEN"), QStringLiteral("MOZNO")});
    RazporedIzbirniPredmetiDG->SetDataFieldCaption(
        {QStringLiteral("Predmet"), QStringLiteral("Tip"), QStringLiteral("Dodeljen"), QStringLiteral("Možno")});
    RazporedIzbirniPredmetiDG->SetDataFieldLenChrs({12, 4, 10, 20});
    addRow(QString(), RazporedIzbirniPredmetiDG);
    setFrameless(true);
    setButtons({0});
}

void FPredmetiUcencevPage::showRecord() {
    RazporedIzbirniPredmetiDG->SetRowSet(m_pupils.electives());
    fitGridWidth(RazporedIzbirniPredmetiDG);
}

} // namespace zentrel::pupils

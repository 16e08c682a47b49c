#include "FDodajProsteDni.h"

#include "UrejanjeProstihDni.h"
#include "controls/UrText.h"

#include <QGridLayout>
#include <QLabel>

namespace zentrel::calendar {

FDodajProsteDni::FDodajProsteDni(const QDate &predlog, QWidget *parent)
    : FDialogKoledarja(QStringLiteral("Dodaj proste dni"), QStringLiteral("Dodaj"), parent),
      RazlogE(new controls::UrText) {
    Mreza()->addWidget(new QLabel(QStringLiteral("Prosti dnevi:")), 0, 0, 1, 2);
    DodajDatuma(predlog, predlog, false);
    RazlogE->SetWidthInChar(40);
    DodajVrstico(QStringLiteral("Razlog"), RazlogE);
    VeljaOdE->setFocus();
}

IzidUrejanja FDodajProsteDni::Izvedi(bool potrjeno) {
    return UrejanjeProstihDni::Dodaj(VeljaOdE->Text(), VeljaDoE->Text(), RazlogE->Text(), potrjeno);
}

QList<QWidget *> FDodajProsteDni::Polja() const {
    return FDialogKoledarja::Polja() << RazlogE;
}

QWidget *FDodajProsteDni::Polje(IzidUrejanja::Polje polje) const {
    return polje == IzidUrejanja::PoljeRazlog ? RazlogE : FDialogKoledarja::Polje(polje);
}

} // namespace zentrel::calendar

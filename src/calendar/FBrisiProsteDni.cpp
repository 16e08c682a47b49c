#include "FBrisiProsteDni.h"

#include "UrejanjeProstihDni.h"

#include <QLabel>

namespace zentrel::calendar {

FBrisiProsteDni::FBrisiProsteDni(const ProstiDnevi &prosto, QWidget *parent)
    : FDialogKoledarja(QStringLiteral("Briši proste dni"), QStringLiteral("Briši"), parent), m_id(prosto.id) {
    DodajDatuma(prosto.od, prosto.do_, true);
    DodajVrstico(QStringLiteral("Razlog"), new QLabel(prosto.razlog));
}

IzidUrejanja FBrisiProsteDni::Izvedi(bool) {
    return UrejanjeProstihDni::Brisi(m_id);
}

} // namespace zentrel::calendar

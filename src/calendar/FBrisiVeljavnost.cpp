#include "FBrisiVeljavnost.h"

#include "UrejanjeVeljavnosti.h"

#include <QLabel>

namespace zentrel::calendar {

FBrisiVeljavnost::FBrisiVeljavnost(const Veljavnost &veljavnost, QWidget *parent)
    : FDialogKoledarja(QStringLiteral("Briši obdobje"), QStringLiteral("Briši"), parent), m_id(veljavnost.id) {
    DodajVrstico(QStringLiteral("Urnik"), new QLabel(QStringLiteral(":  ") + veljavnost.imeUrnika));
    DodajDatuma(veljavnost.od, veljavnost.do_, true);
}

IzidUrejanja FBrisiVeljavnost::Izvedi(bool potrjeno) {
    return UrejanjeVeljavnosti::Brisi(m_id, potrjeno);
}

} // namespace zentrel::calendar

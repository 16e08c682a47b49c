#include "FBrisiVeljavnostBloka.h"

#include "UrejanjeVeljavnosti.h"
#include "controls/UrText.h"

namespace zentrel::calendar {

FBrisiVeljavnostBloka::FBrisiVeljavnostBloka(const QDate &predlog, QWidget *parent)
    : FDialogKoledarja(QStringLiteral("Briši obdobje"), QStringLiteral("Briši vse veljavnosti v obdobju"), parent) {
    DodajDatuma(predlog, predlog, false);
    VeljaOdE->setFocus();
}

IzidUrejanja FBrisiVeljavnostBloka::Izvedi(bool potrjeno) {
    return UrejanjeVeljavnosti::BrisiObdobje(VeljaOdE->Text(), VeljaDoE->Text(), potrjeno);
}

} // namespace zentrel::calendar

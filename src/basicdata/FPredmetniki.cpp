#include "FPredmetniki.h"

#include "FPredmetiVPredmetnikuPage.h"
#include "FPredmetnikiPage.h"

namespace zentrel::basicdata {

FPredmetniki::FPredmetniki(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Predmetniki"), [this] { return PredmetnikiPage = new FPredmetnikiPage; });
    addPage(QStringLiteral("Predmeti v predmetniku"), [this] { return PredmetiPage = new FPredmetiVPredmetnikuPage; });
}

} // namespace zentrel::basicdata

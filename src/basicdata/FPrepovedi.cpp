#include "FPrepovedi.h"

#include "FPrepovediPage.h"

namespace zentrel::basicdata {

FPrepovedi::FPrepovedi(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Prepovedi učiteljev"),
            [this] { return UciteljiPage = new FPrepovediPage(Prepovedi::Ucitelji); });
    addPage(QStringLiteral("Prepovedi enot"), [this] { return EnotePage = new FPrepovediPage(Prepovedi::Oddelki); });
    addPage(QStringLiteral("Prepovedi prostorov"),
            [this] { return ProstoriPage = new FPrepovediPage(Prepovedi::Prostori); });
}

} // namespace zentrel::basicdata

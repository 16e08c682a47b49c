#include "FInfrastruktura.h"

#include "FImeSolePage.h"
#include "FProstoriPage.h"
#include "FSkupineProstorovPage.h"
#include "FStavbePage.h"

namespace zentrel::basicdata {

FInfrastruktura::FInfrastruktura(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Ime šole"), [this] { return ImeSolePage = new FImeSolePage; });
    addPage(QStringLiteral("Stavbe"), [this] { return StavbePage = new FStavbePage(true); });
    addPage(QStringLiteral("Prostori"), [this] { return ProstoriPage = new FProstoriPage(true); });
    addPage(QStringLiteral("Skupine prostorov"), [this] { return SkupinePage = new FSkupineProstorovPage; });
}

} // namespace zentrel::basicdata

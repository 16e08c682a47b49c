#include "FProstori.h"

#include "FProstoriPage.h"
#include "FSkupineProstorovList.h"

namespace zentrel::basicdata {

FProstori::FProstori(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Prostori"), [this] { return ProstoriPage = new FProstoriPage(false); });
    addPage(QStringLiteral("Skupine prostorov"), [this] { return SkupinePage = new FSkupineProstorovList; });
}

} // namespace zentrel::basicdata

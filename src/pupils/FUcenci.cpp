#include "FUcenci.h"

#include "FUcenciOddelkiPage.h"
#include "FUcenciPage.h"
#include "FUcenciSkupinPage.h"

namespace zentrel::pupils {

FUcenci::FUcenci(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Učenci"), [this] { return UcenciPage = new FUcenciPage; });
    addPage(QStringLiteral("Učenci enote"), [this] { return UcenciOddelkiPage = new FUcenciOddelkiPage; });
    addPage(QStringLiteral("Učenci skupin"),
            [this] { return RazporedUcencevPage = new FUcenciSkupinPage(UcenciSkupin::Vrsta::Navadne); });
}

} // namespace zentrel::pupils

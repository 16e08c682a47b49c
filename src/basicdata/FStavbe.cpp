#include "FStavbe.h"

#include "FStavbePage.h"

namespace zentrel::basicdata {

FStavbe::FStavbe(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Stavbe"), [this] { return StavbePage = new FStavbePage(false); });
}

} // namespace zentrel::basicdata

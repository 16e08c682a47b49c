#include "FRazporedIzbira.h"

#include "FRazporedIzbiraPage.h"

namespace zentrel::basicdata {

FRazporedIzbira::FRazporedIzbira(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Izbira"), [this] { return IzbiraPage = new FRazporedIzbiraPage; });
}

} // namespace zentrel::basicdata

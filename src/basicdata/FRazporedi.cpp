#include "FRazporedi.h"

#include "FRazporedEnotePage.h"
#include "FRazporedUciteljaPage.h"

namespace zentrel::basicdata {

FRazporedi::FRazporedi(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Razpored enote"), [this] { return EnotePage = new FRazporedEnotePage; });
    addPage(QStringLiteral("Razpored učitelja"), [this] { return UciteljPage = new FRazporedUciteljaPage; });
}

} // namespace zentrel::basicdata

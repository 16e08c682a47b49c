#include "FRazrednikiIzmene.h"

#include "FRazrednikiIzmenePage.h"

namespace zentrel::basicdata {

FRazrednikiIzmene::FRazrednikiIzmene(QWidget *parent) : FPageWindow(parent) {
    addPage(QStringLiteral("Razredniki in izmene"), [this] { return Page = new FRazrednikiIzmenePage; });
}

} // namespace zentrel::basicdata

#include "FUcenciOddelkiPage.h"

#include "controls/UrDataGrid.h"

namespace zentrel::pupils {

FUcenciOddelkiPage::FUcenciOddelkiPage(QWidget *parent)
    : FUcenciMoverPage(QStringLiteral("v enoti"), QStringLiteral("Prikaži tudi učence drugih enot"), false, parent) {
    grid()->setObjectName(QStringLiteral("UcenciOddelkiDG"));
    grid()->SetCaption(QStringLiteral("Enote"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME"), QStringLiteral("ST_UCENCEV")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Ime"), QStringLiteral("Št. učencev")});
    grid()->SetDataFieldLenChrs({6, 14, 10});
}

} // namespace zentrel::pupils

#include "FSpremeniDan.h"

#include "Datumi.h"
#include "SpremembaDne.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>

namespace zentrel::calendar {

FSpremeniDan::FSpremeniDan(const QDate &datum, QWidget *parent)
    : FDialogKoledarja(QStringLiteral("Spremeni dan"), QStringLiteral("Spremeni"), parent), Novdancb(new QComboBox),
      m_datum(datum) {
    DodajVrstico(
        QStringLiteral("Datum"),
        new QLabel(
            QLocale(QLocale::Slovenian, QLocale::Slovenia).toString(datum, QStringLiteral("dddd, dd. MM. yyyy"))));
    for (int dan = 1; dan <= 7; ++dan)
        Novdancb->addItem(ImeDneva(dan), dan);
    Novdancb->setCurrentIndex(SpremembaDne::TrenutniDan(datum) - 1);
    DodajVrstico(QStringLiteral("Nov dan"), Novdancb);
    Novdancb->setFocus();
}

IzidUrejanja FSpremeniDan::Izvedi(bool potrjeno) {
    return SpremembaDne::Spremeni(m_datum, Novdancb->currentData().toInt(), potrjeno);
}

QList<QWidget *> FSpremeniDan::Polja() const {
    return {Novdancb};
}

} // namespace zentrel::calendar

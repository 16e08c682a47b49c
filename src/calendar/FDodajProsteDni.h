#pragma once

#include "FDialogKoledarja.h"

namespace zentrel::calendar {

// "Dodaj proste dni": free days from "Od" to "Do" with their reason; the absences and
// substitutions of the period go after a confirming second press.
class FDodajProsteDni : public FDialogKoledarja {
    Q_OBJECT
public:
    explicit FDodajProsteDni(const QDate &predlog, QWidget *parent = nullptr);

    controls::UrText *RazlogE;

protected:
    IzidUrejanja Izvedi(bool potrjeno) override;
    QList<QWidget *> Polja() const override;
    QWidget *Polje(IzidUrejanja::Polje polje) const override;
};

} // namespace zentrel::calendar

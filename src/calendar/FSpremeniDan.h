#pragma once

#include "FDialogKoledarja.h"

#include <QDate>

class QComboBox;

namespace zentrel::calendar {

// "Spremeni dan": the weekday whose lessons are taught on a date. The real weekday removes
// a change; the substitutions of the date go after a confirming second press.
class FSpremeniDan : public FDialogKoledarja {
    Q_OBJECT
public:
    explicit FSpremeniDan(const QDate &datum, QWidget *parent = nullptr);

    QComboBox *Novdancb;

protected:
    IzidUrejanja Izvedi(bool potrjeno) override;
    QList<QWidget *> Polja() const override;

private:
    QDate m_datum;
};

} // namespace zentrel::calendar

#pragma once

#include "FDialogKoledarja.h"

namespace zentrel::calendar {

// "Briši obdobje" of every validity: cuts a period out of all validities it overlaps, with the
// substitutions inside it after a confirming second press.
class FBrisiVeljavnostBloka : public FDialogKoledarja {
    Q_OBJECT
public:
    explicit FBrisiVeljavnostBloka(const QDate &predlog, QWidget *parent = nullptr);

protected:
    IzidUrejanja Izvedi(bool potrjeno) override;
};

} // namespace zentrel::calendar

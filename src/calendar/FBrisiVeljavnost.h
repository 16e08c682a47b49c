#pragma once

#include "DanUrnika.h"
#include "FDialogKoledarja.h"

namespace zentrel::calendar {

// "Briši obdobje" of one validity: shows its timetable and dates and deletes it, with the
// substitutions dated inside it after a confirming second press.
class FBrisiVeljavnost : public FDialogKoledarja {
    Q_OBJECT
public:
    FBrisiVeljavnost(const Veljavnost &veljavnost, QWidget *parent = nullptr);

protected:
    IzidUrejanja Izvedi(bool potrjeno) override;

private:
    qint64 m_id;
};

} // namespace zentrel::calendar

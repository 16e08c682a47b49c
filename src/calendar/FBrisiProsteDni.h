#pragma once

#include "DanUrnika.h"
#include "FDialogKoledarja.h"

namespace zentrel::calendar {

// "Briši proste dni": shows a free-day period with its reason and deletes it.
class FBrisiProsteDni : public FDialogKoledarja {
    Q_OBJECT
public:
    FBrisiProsteDni(const ProstiDnevi &prosto, QWidget *parent = nullptr);

protected:
    IzidUrejanja Izvedi(bool potrjeno) override;

private:
    qint64 m_id;
};

} // namespace zentrel::calendar

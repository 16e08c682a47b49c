#pragma once

#include "FPageWindow.h"

namespace zentrel::basicdata {

class FPredmetiVPredmetnikuPage;
class FPredmetnikiPage;

// The programmes of page set 3: "Predmetniki" with "Predmeti v predmetniku". The tabs share
// the current programme.
class FPredmetniki : public FPageWindow {
    Q_OBJECT
public:
    explicit FPredmetniki(QWidget *parent = nullptr);

    FPredmetnikiPage *PredmetnikiPage = nullptr;
    FPredmetiVPredmetnikuPage *PredmetiPage = nullptr;
};

} // namespace zentrel::basicdata

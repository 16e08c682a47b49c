#pragma once

#include "FPageWindow.h"

namespace zentrel::basicdata {

class FImeSolePage;
class FProstoriPage;
class FSkupineProstorovPage;
class FStavbePage;

// Page set 0 "Infrastruktura": "Ime šole" (with the infrastructure import), "Stavbe",
// "Prostori" and "Skupine prostorov".
class FInfrastruktura : public FPageWindow {
    Q_OBJECT
public:
    explicit FInfrastruktura(QWidget *parent = nullptr);

    FImeSolePage *ImeSolePage = nullptr;
    FStavbePage *StavbePage = nullptr;
    FProstoriPage *ProstoriPage = nullptr;
    FSkupineProstorovPage *SkupinePage = nullptr;
};

} // namespace zentrel::basicdata

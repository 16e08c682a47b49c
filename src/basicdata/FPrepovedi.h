#pragma once

#include "FPageWindow.h"

namespace zentrel::basicdata {

class FPrepovediPage;

// The forbidden periods of page set "Osnovni podatki": the tabs "Prepovedi učiteljev",
// "Prepovedi enot" and "Prepovedi prostorov", one page each.
class FPrepovedi : public FPageWindow {
    Q_OBJECT
public:
    explicit FPrepovedi(QWidget *parent = nullptr);

    FPrepovediPage *UciteljiPage = nullptr;
    FPrepovediPage *EnotePage = nullptr;
    FPrepovediPage *ProstoriPage = nullptr;
};

} // namespace zentrel::basicdata

#pragma once

#include "FPageWindow.h"

namespace zentrel::basicdata {

class FRazporedIzbiraPage;

// "Izbira razporeda": the curricula of the project, the tab "Izbira" of page set "Razporedi".
class FRazporedIzbira : public FPageWindow {
    Q_OBJECT
public:
    explicit FRazporedIzbira(QWidget *parent = nullptr);

    FRazporedIzbiraPage *IzbiraPage = nullptr;
};

} // namespace zentrel::basicdata

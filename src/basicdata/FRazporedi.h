#pragma once

#include "FPageWindow.h"

namespace zentrel::basicdata {

class FRazporedEnotePage;
class FRazporedUciteljaPage;

// The teaching assignments of the current curriculum in two views: "Razpored enote" (by class)
// and "Razpored učitelja" (by teacher).
class FRazporedi : public FPageWindow {
    Q_OBJECT
public:
    explicit FRazporedi(QWidget *parent = nullptr);

    FRazporedEnotePage *EnotePage = nullptr;
    FRazporedUciteljaPage *UciteljPage = nullptr;
};

} // namespace zentrel::basicdata

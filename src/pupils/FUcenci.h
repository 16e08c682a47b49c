#pragma once

#include "basicdata/FPageWindow.h"

namespace zentrel::pupils {

class FUcenciPage;
class FUcenciOddelkiPage;
class FUcenciSkupinPage;

// The pupils window: the register ("Učenci"), the pupils of the units ("Učenci enote") and the
// pupils of the subject groups ("Učenci skupin"), one page per tab.
class FUcenci : public basicdata::FPageWindow {
    Q_OBJECT
public:
    explicit FUcenci(QWidget *parent = nullptr);

    FUcenciPage *UcenciPage = nullptr;
    FUcenciOddelkiPage *UcenciOddelkiPage = nullptr;
    FUcenciSkupinPage *RazporedUcencevPage = nullptr;
};

} // namespace zentrel::pupils

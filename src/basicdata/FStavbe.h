#pragma once

#include "FPageWindow.h"

namespace zentrel::basicdata {

class FStavbePage;

// The buildings of the basic-data page set, for viewing and searching only.
class FStavbe : public FPageWindow {
    Q_OBJECT
public:
    explicit FStavbe(QWidget *parent = nullptr);

    FStavbePage *StavbePage = nullptr;
};

} // namespace zentrel::basicdata

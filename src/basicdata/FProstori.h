#pragma once

#include "FPageWindow.h"

namespace zentrel::basicdata {

class FProstoriPage;
class FSkupineProstorovList;

// The rooms of the basic-data page set: "Prostori", where only the cabinet flag is changed,
// and "Skupine prostorov", the named groups with their rooms.
class FProstori : public FPageWindow {
    Q_OBJECT
public:
    explicit FProstori(QWidget *parent = nullptr);

    FProstoriPage *ProstoriPage = nullptr;
    FSkupineProstorovList *SkupinePage = nullptr;
};

} // namespace zentrel::basicdata

#pragma once

#include "FPageWindow.h"
#include "OddelekProstori.h"
#include "Oddelki.h"

namespace zentrel::basicdata {

class FLinkPage;
class FOddelkiPage;

// The classes of page set 2: "Enote" with "Prostori enote". The tabs share the current class.
class FOddelki : public FPageWindow {
    Q_OBJECT
public:
    explicit FOddelki(QWidget *parent = nullptr);

    FOddelkiPage *OddelkiPage = nullptr;
    FLinkPage *ProstoriEnotePage = nullptr;

private:
    Oddelki m_roomsOwner;
    OddelekProstori m_rooms;
};

} // namespace zentrel::basicdata

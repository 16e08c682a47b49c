#pragma once

#include "FPageWindow.h"
#include "PredmetProstori.h"
#include "PredmetUcitelji.h"
#include "Predmeti.h"

namespace zentrel::basicdata {

class FLinkPage;
class FPredmetiPage;
class FSkupinePage;

// The subjects of page set 2: "Predmeti" with "Predmeti in prostori" and "Učitelji predmetov".
// The tabs share the current subject.
class FPredmeti : public FPageWindow {
    Q_OBJECT
public:
    explicit FPredmeti(QWidget *parent = nullptr);

    FPredmetiPage *PredmetiPage = nullptr;
    FLinkPage *ProstoriPage = nullptr;
    FLinkPage *UciteljiPage = nullptr;
    FSkupinePage *SkupinePage = nullptr; // "Skupine" of page set "Razporedi"

private:
    Predmeti m_roomsOwner;
    PredmetProstori m_rooms;
    Predmeti m_teachersOwner;
    PredmetUcitelji m_teachers;
};

} // namespace zentrel::basicdata

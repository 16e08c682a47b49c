#pragma once

#include "FPageWindow.h"
#include "UciteljPredmeti.h"
#include "UciteljProstori.h"
#include "Ucitelji.h"

namespace zentrel::basicdata {

class FLinkPage;
class FUciteljiPage;

// The teachers of page set 2: "Učitelji" with "Želi prostore" and "Uči predmete". The tabs
// share the current teacher.
class FUcitelji : public FPageWindow {
    Q_OBJECT
public:
    explicit FUcitelji(QWidget *parent = nullptr);

    FUciteljiPage *UciteljiPage = nullptr;
    FLinkPage *ZeliProstorePage = nullptr;
    FLinkPage *UciPredmetePage = nullptr;

private:
    Ucitelji m_roomsOwner;
    UciteljProstori m_rooms;
    Ucitelji m_subjectsOwner;
    UciteljPredmeti m_subjects;
};

} // namespace zentrel::basicdata

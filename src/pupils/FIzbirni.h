#pragma once

#include "basicdata/FPageWindow.h"

#include <memory>

namespace zentrel::basicdata {
class FLinkPage;
}

namespace zentrel::pupils {

class FAvtomatskoPage;
class FIzbiraUcencevPage;
class FIzbirneSkupinePage;
class FIzbirniNaboriPage;
class FIzbirniPostopekPage;
class FIzbirniPredmetiPage;
class FPredmetiUcencevPage;
class FUcenciSkupinPage;

// The electives window: the process overview, and the tabs of its two stages (sets, their
// electives and units, the pupils' choices; the automatic assignment, the elective groups,
// their pupils, the electives of each pupil and the unfinished pupils), one page per tab.
class FIzbirni : public basicdata::FPageWindow {
    Q_OBJECT
public:
    explicit FIzbirni(QWidget *parent = nullptr);

    FIzbirniPostopekPage *PostopekPage = nullptr;
    FIzbirniNaboriPage *NaboriPage = nullptr;
    FIzbirniPredmetiPage *PredmetiPage = nullptr;
    basicdata::FLinkPage *EnotePage = nullptr;
    FIzbiraUcencevPage *IzbiraPage = nullptr;
    FAvtomatskoPage *AvtomatskoPage = nullptr;
    FIzbirneSkupinePage *SkupinePage = nullptr;
    FUcenciSkupinPage *UcenciSkupinPage = nullptr;
    FPredmetiUcencevPage *PredmetiUcencevPage = nullptr;
    FPredmetiUcencevPage *NedokoncaniPage = nullptr;

private:
    class Lists;
    std::shared_ptr<Lists> m_lists;
};

} // namespace zentrel::pupils

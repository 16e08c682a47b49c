#pragma once

#include "FPageWindow.h"
#include "Predmetniki.h"
#include "PredmetnikiOddelki.h"

namespace zentrel::basicdata {

class FLinkPage;

// "Enote predmetnika": the class groups that follow each programme of the current curriculum.
// A group that shares a class with a chosen one is not offered; taking a group out is checked
// at once (timetables with validity, assignments).
class FPredmetnikiOddelki : public FPageWindow {
    Q_OBJECT
public:
    explicit FPredmetnikiOddelki(QWidget *parent = nullptr);

    FLinkPage *EnotePage = nullptr;

private:
    Predmetniki m_owner;
    PredmetnikiOddelki m_enote;
};

} // namespace zentrel::basicdata

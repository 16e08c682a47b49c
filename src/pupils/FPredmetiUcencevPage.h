#pragma once

#include "PredmetiUcencev.h"
#include "basicdata/FRecordPage.h"

namespace zentrel::controls {
class UrDataGrid;
}

namespace zentrel::pupils {

// The tabs "Predmeti učencev" and "Nedokončani" (RazporedIzbirniUcenciDG with
// RazporedIzbirniPredmetiDG): the pupils with their numbers of chosen and given electives and,
// for the current pupil, each elective with its choice, its group and the groups still open to
// him. Changes are made in "Učenci izbirnih skupin".
class FPredmetiUcencevPage : public basicdata::FRecordPage {
    Q_OBJECT
public:
    explicit FPredmetiUcencevPage(bool onlyUnfinished, QWidget *parent = nullptr);

    controls::UrDataGrid *RazporedIzbirniPredmetiDG;

protected:
    basicdata::RecordLogic &logic() override { return m_pupils; }
    bool reopen() override { return m_pupils.open(); }
    void moved(int row) override { m_pupils.moveTo(row); }
    void showRecord() override;
    QString headerText() const override { return m_pupils.frameHeader(); }

private:
    PredmetiUcencev m_pupils;
};

} // namespace zentrel::pupils

#pragma once

#include "basicdata/RecordLogic.h"
#include "db/RowSet.h"

namespace zentrel::pupils {

// The tabs "Predmeti učencev" and "Nedokončani": the pupils of the units offered sets with the
// number of electives they chose ("Izb") and were given ("Dod"), and for the current pupil every
// elective of his sets: how he chose it ("I", "R" or none), the group he has it in
// ("Dodeljen") and the groups of blocks where he is still free ("Možno"). "Nedokončani" lists
// only pupils whose number given differs from the number chosen.
class PredmetiUcencev : public basicdata::RecordLogic {
public:
    explicit PredmetiUcencev(bool onlyUnfinished) : m_onlyUnfinished(onlyUnfinished) {}

    bool open();
    bool moveTo(int row) { return m_list.moveTo(row); }

    // The electives of the current pupil (PREDMET, TIP, DODELJEN, MOZNO).
    db::RowSet electives() const;
    QString frameHeader() const;

private:
    bool m_onlyUnfinished;
    qint64 m_curriculum = -1;
};

} // namespace zentrel::pupils

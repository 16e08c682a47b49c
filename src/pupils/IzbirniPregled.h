#pragma once

#include "basicdata/RecordLogic.h"

namespace zentrel::pupils {

// The tab "Izbirni postopek": the sets of the current curriculum with what the process has
// reached in each (electives, units offered the set, pupils who chose, groups), and the stage.
class IzbirniPregled : public basicdata::RecordLogic {
public:
    IzbirniPregled() = default;

    bool open();
    bool moveTo(int row) { return m_list.moveTo(row); }

    // "Izbira predmetov" or "Dodeljevanje izbirnih skupin", with the groups and placed pupils.
    QString stageText(bool automatic) const;
};

} // namespace zentrel::pupils

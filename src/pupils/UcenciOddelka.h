#pragma once

#include "FilterUcencev.h"
#include "basicdata/RecordLogic.h"

#include <QList>

namespace zentrel::pupils {

// The tab "Učenci enote": the units of the current curriculum with their number of pupils,
// and for the current unit the pupils in it ("v enoti") and those that may join ("na voljo").
// Lists of pupils have the columns ID and UCENEC (unit code, " - " and name).
class UcenciOddelka : public basicdata::RecordLogic {
public:
    UcenciOddelka();

    // Re-reads the units of the current curriculum and keeps the current one.
    bool open();
    bool moveTo(int row) { return m_list.moveTo(row); }

    // The pupils of the current unit.
    db::RowSet chosen() const;
    // The pupils offered besides those in `chosen`: without widen only pupils without a unit in
    // the curriculum, with widen also those of other units (they move when saved).
    db::RowSet available(const FilterUcencev &filter, bool widen, const QList<qint64> &chosen) const;

    // Stores the unit's pupils: pupils taken out leave the unit, pupils put in leave any other
    // unit of the curriculum; subject memberships left without a unit behind them are removed.
    // Pupils who stay keep their membership row and with it their elective choices.
    bool save(const QList<qint64> &pupils);

    // "Učenci enote" and the unit's code.
    QString moverCaption() const;
    QString frameHeader() const;

    // The question asked before the available side shows pupils of other units.
    static QString widenQuestion();

private:
    qint64 m_curriculum = -1;
};

} // namespace zentrel::pupils

#pragma once

#include "FilterUcencev.h"
#include "basicdata/RecordLogic.h"

#include <QList>

namespace zentrel::pupils {

// The pupils of the subjects of subject groups: one row per (class group, programme, subject
// of the group, turnus) of the current curriculum, with its pupils' group name and number of
// pupils, and for the current row the pupils who attend it ("poslušajo predmet") and those
// who may. Ordinary groups are the tab "Učenci skupin" (the curriculum's own groups and groups of
// several subjects); elective groups the tab "Učenci izbirnih skupin", where a pupil
// placed by hand gets the type "R" and pupils placed by the automatic assignment keep "A".
class UcenciSkupin : public basicdata::RecordLogic {
public:
    enum class Vrsta { Navadne, Izbirne };
    // Who the elective page offers: those who chose the elective, also its reserves, or all.
    enum class Izbira { Izbrani, IzbraniInRezervni, Vsi };

    explicit UcenciSkupin(Vrsta vrsta);

    bool open();
    bool moveTo(int row) { return m_list.moveTo(row); }
    Vrsta vrsta() const { return m_vrsta; }

    // Pupils of the current row (ID, UCENEC).
    db::RowSet chosen() const;
    // Pupils of the units of the row's class group besides `chosen`. Without widen, ordinary
    // groups leave out pupils of other subjects of the same subject group, elective groups
    // pupils who already have as many electives as they chose. aboveMinimum (electives) leaves
    // out pupils whose present group is not above its minimum.
    db::RowSet available(const FilterUcencev &filter, bool widen, const QList<qint64> &chosen,
                         Izbira izbira = Izbira::Vsi, bool aboveMinimum = false) const;

    // Stores the pupils' group name and the pupils of the row; a pupil put in leaves the other
    // subjects of the same subject group (ordinary) or the other groups of the same block and
    // of the same elective (elective). All in one transaction.
    bool save(const QString &groupName, const QList<qint64> &pupils);

    QString moverCaption() const;
    QString frameHeader() const;
    static QString widenQuestion(Vrsta vrsta);

private:
    QString rowKeyCondition(const QString &alias) const;

    Vrsta m_vrsta;
    qint64 m_curriculum = -1;
};

} // namespace zentrel::pupils

#pragma once

#include "basicdata/RecordLogic.h"
#include "db/RowSet.h"

#include <QList>

namespace zentrel::pupils {

// The tab "Izbira učencev": the pupils of the units that are offered sets, with the number of
// electives each chose ("Izb") and named as reserves ("Rez"), and for the current pupil the
// electives of his unit's sets: chosen ("I"), reserves ("R") and the rest.
// Elective lists have the columns ID and PREDMET (prefix, "-", code and the subject's type).
class IzbiraUcencev : public basicdata::RecordLogic {
public:
    enum class Urejanje { Priimek, SteviloIzbir, SteviloRezerv };

    IzbiraUcencev() = default;

    bool open(Urejanje order = Urejanje::Priimek);
    bool moveTo(int row) { return m_list.moveTo(row); }

    db::RowSet chosen() const { return electives(QStringLiteral("= 'I'")); }
    db::RowSet reserves() const { return electives(QStringLiteral("= 'R'")); }
    // The electives of the unit's sets that are in neither given list.
    db::RowSet available(const QList<qint64> &chosen, const QList<qint64> &reserves) const;

    // Replaces the pupil's choices; an elective in both lists counts as chosen.
    bool save(const QList<qint64> &chosen, const QList<qint64> &reserves);
    // Asks "Ali želiš res izbrisati vse izbire učencev v razporedu #." and deletes every choice
    // of the curriculum's pupils.
    bool deleteAll();

    QString frameHeader() const;

private:
    db::RowSet electives(const QString &typeCondition) const;

    qint64 m_curriculum = -1;
};

} // namespace zentrel::pupils

#pragma once

#include "db/RowSet.h"

#include <QList>
#include <QString>

namespace zentrel::basicdata {

// The tab "Enote predmetnika": which class groups follow a programme in the current curriculum.
// Lists have the columns ID_SKUPINE_ODDELKOV and SKUPINA.
class PredmetnikiOddelki {
public:
    // Reads both lists for a programme of a curriculum (none when either is below 0).
    bool load(qint64 curriculum, qint64 programme);
    qint64 curriculum() const { return m_curriculum; }
    qint64 programme() const { return m_programme; }

    // The class groups of the programme.
    const db::RowSet &chosen() const { return m_chosen; }
    QList<qint64> chosenIds() const;
    // The own class groups of the curriculum's classes that share no class with a group in
    // `chosen` (the groups currently in the mover's right list).
    db::RowSet available(const QList<qint64> &chosen) const;
    const db::RowSet &available() const { return m_available; }

    // Checked when a group is moved out of the programme: refuses a group with lessons of this
    // programme in a timetable with validity; asks when it has assignments of this programme.
    bool mayRemove(qint64 group);

    // Stores the new list into PROGRAM_SKUPINE and removes the assignments (and lessons) of
    // the removed groups in this programme and curriculum, in one transaction.
    bool save(const QList<qint64> &chosenIds);

    static QString moverCaption() { return QStringLiteral("Enote predmetnika"); }

private:
    qint64 m_curriculum = -1;
    qint64 m_programme = -1;
    db::RowSet m_chosen;
    db::RowSet m_available;
};

} // namespace zentrel::basicdata

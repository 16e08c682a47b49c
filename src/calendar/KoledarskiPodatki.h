#pragma once

#include "DanUrnika.h"

#include <optional>

namespace zentrel::calendar {

// The school calendar of a project held in memory: the turnus list, the validities with their
// timetables' names, the free days and the changed days. The tables are small (a few rows a
// year), so they are read whole; a whole school year is then resolved without further queries.
class KoledarskiPodatki {
public:
    // Reads the four tables; reports a database error and gives nothing.
    static std::optional<KoledarskiPodatki> Preberi(db::Connection &connection = db::ProjectDb());

    // The day resolution of one date (see DanUrnika).
    DanUrnika dan(const QDate &date) const;

    // The row covering the date, or nullptr. Stored rows do not overlap; should a damaged
    // file hold overlapping rows, the one that begins first counts.
    const ProstiDnevi *prostoNa(const QDate &date) const;
    const Veljavnost *veljavnostNa(const QDate &date) const;
    const SpremenjenDan *spremembaNa(const QDate &date) const;
    // Label of a turnus of the list; empty when it is not there.
    QString oznakaTurnusa(qint64 id) const;

    const QVector<Turnus> &turnusi() const { return m_turnusi; }
    const QVector<Veljavnost> &veljavnosti() const { return m_veljavnosti; }
    const QVector<ProstiDnevi> &prostiDnevi() const { return m_prosti; }
    const QVector<SpremenjenDan> &spremenjeniDnevi() const { return m_spremenjeni; }

private:
    QVector<Turnus> m_turnusi;
    QVector<Veljavnost> m_veljavnosti; // by first day
    QVector<ProstiDnevi> m_prosti;     // by first day
    QVector<SpremenjenDan> m_spremenjeni;
};

} // namespace zentrel::calendar

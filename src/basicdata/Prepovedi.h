#pragma once

#include "SharedRecordLogic.h"

#include <QVector>
#include <array>

namespace zentrel::basicdata {

// The days and periods of the week in which a teacher, class or room must not be used: one
// row per period of URE (its URA, in order, at most 16) by the five days Monday to Friday.
// True marks a forbidden period.
using PrepovediCells = QVector<std::array<bool, 5>>;

// The tabs "Prepovedi učiteljev", "Prepovedi enot" and "Prepovedi prostorov": the teachers,
// classes or rooms with the mark "P" (column SWITCH) for those with a forbidden period, and the
// forbidden periods of the current one. The current teacher, class or room is shared with the
// other tabs of its kind.
class Prepovedi : public SharedRecordLogic {
public:
    enum Kind { Ucitelji, Oddelki, Prostori };
    explicit Prepovedi(Kind kind);

    // Re-reads the list and the periods and returns to the shared record.
    bool open();
    Kind kind() const { return m_kind; }

    // "Učitelji", "Enote", "Prostori".
    QString listCaption() const;
    // "Prepovedi za učitelja", "Prepovedi za oddelek" or "Prepovedi za prostor", ":  " and the
    // teacher's name or the label of the class or room.
    QString frameHeader() const;

    // The periods (URA, OZNAKA, IME) that give the rows of the grid.
    const db::RowSet &periods() const { return m_periods.rows(); }
    // The name of each period (its code when it has none).
    QStringList periodCaptions() const;
    // "PON", "TOR", "SRE", "ČET", "PET".
    static QStringList dayCaptions();

    // The stored forbidden periods of the current record (all free without one).
    PrepovediCells stored() const;
    // Writes the cells of the current record that differ from the stored ones, in one
    // transaction; periods outside the grid stay as they are. The list is re-read so that "P"
    // follows, and stays on the record.
    bool acceptEdit(const PrepovediCells &cells);
    // "Briši vse": every forbidden period of this kind, after "Potrdi brisanje vseh prepovedi
    // vseh učiteljev." (enot, prostorov).
    bool deleteAll();

private:
    QString table() const;
    QString idColumn() const;

    Kind m_kind;
    RecordList m_periods;
};

} // namespace zentrel::basicdata

#pragma once

#include "db/RowSet.h"

#include <QString>
#include <array>

namespace zentrel::timetable {

// The tab "Prve ure": the first period of each class on each day in the current timetable and
// turnus (ODDELKI_OKVIR), from which the construction builds the class frames.
class UrnikPrveUre {
public:
    // Reads the classes ("Enote", by code) and the periods.
    bool odpri();
    const db::RowSet &oddelki() const { return m_oddelki; }
    const db::RowSet &ure() const { return m_ure; }

    // The codes of a class's first periods for days 1..5 (index 0 unused); empty where the class
    // has no row (its frame then starts at period 1).
    std::array<QString, 6> prveUre(qint64 oddelek) const;

    // Sets a class's first period on a day by the period's code: an empty code is refused with
    // "Oznaka ne sme biti prazna.", an unknown one with "Ura # ne obstaja.". The row of that
    // timetable, turnus and day is updated, or inserted when there is none. True when written.
    bool nastavi(qint64 oddelek, int dan, const QString &oznakaUre);

private:
    db::RowSet m_oddelki;
    db::RowSet m_ure;
};

} // namespace zentrel::timetable

#pragma once

#include <QString>
#include <QStringList>

namespace zentrel::timetable {

// An independent check of a saved timetable, read straight from the project database with its
// own queries and none of the construction's code, so that a fault in the construction's rules
// cannot hide itself:
//  - no class, class group, teacher or room used by two lessons in one cell;
//  - no lesson on a forbidden period of its class, teacher or room;
//  - automatically placed periods ("a") of a unit form one contiguous block per day and lie in
//    the frames of the unit's classes (first periods from ODDELKI_OKVIR, frames filled as the
//    construction fills them, with `dodatneUre` extra periods per day);
//  - no unit placed more often than its weekly periods;
//  - every placed period on days 1..5 and periods 0..15.
// Returns one line per violation; an empty list when the timetable is sound.
class PreverjanjeUrnika {
public:
    PreverjanjeUrnika(qint64 predmetnik, qint64 urnik, qint64 turnus, int dodatneUre = 0)
        : m_predmetnik(predmetnik), m_urnik(urnik), m_turnus(turnus), m_dodatneUre(dodatneUre) {}

    QStringList preveri();

private:
    qint64 m_predmetnik, m_urnik, m_turnus;
    int m_dodatneUre;
};

} // namespace zentrel::timetable

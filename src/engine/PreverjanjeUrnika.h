#pragma once

#include <QString>
#include <QStringList>

namespace zentrel::engine {

// An independent check of a saved timetable, read straight from the project database with its
// own queries: it trusts none of the construction's state, only the small rule functions it shares
// with the cell test (teacher span, block length, frame filling), so that a rule lives in one place:
//  - no class, class group, teacher or room used by two lessons in one cell (entries of one
//    lesson share a room only when both name that single room; a teacher never holds two
//    entries at once);
//  - every entry whose assignment names a room group has a room, a member of that group (or, as
//    the second round allows for an ordinary room, another ordinary classroom);
//  - no lesson on a forbidden period of its class, teacher or room;
//  - automatically placed periods ("a") of a unit form one contiguous block per day, no longer
//    than the unit's longest block (one period a day for five or fewer single periods a week),
//    lie in the frames of the unit's classes (first periods from ODDELKI_OKVIR, frames filled as
//    the construction fills them, with `dodatneUre` extra periods per day), and never belong to a
//    unit placed only by hand (difficulty 0);
//  - no teacher's day with an automatically placed period spans more than 7 periods;
//  - no unit placed more often than its weekly periods, and no weekly periods a week cannot hold;
//  - every placed period on days 1..5 and periods 0..15;
//  - with `selitev`, no class changes buildings between two consecutive periods.
class PreverjanjeUrnika {
public:
    PreverjanjeUrnika(qint64 predmetnik, qint64 urnik, qint64 turnus, int dodatneUre = 0, bool selitev = false)
        : m_predmetnik(predmetnik), m_urnik(urnik), m_turnus(turnus), m_dodatneUre(dodatneUre), m_selitev(selitev) {}

    // One line per violation; an empty list when the timetable is sound. A table that cannot be
    // read makes the check fail: napaka() is true and the list holds that error as its one line,
    // so that no caller takes an unread timetable for a sound one.
    QStringList preveri();
    bool napaka() const { return m_napaka; }

private:
    qint64 m_predmetnik, m_urnik, m_turnus;
    int m_dodatneUre;
    bool m_selitev;
    bool m_napaka = false;
};

} // namespace zentrel::engine

#pragma once

#include "db/Connection.h"

#include <QStringList>

namespace zentrel::sample {

// What the stored rows of a curriculum and timetable demand against what the frames offer.
struct FeasibilityReport {
    QStringList problems;  // one Slovenian line per overload; empty when the school is feasible
    int units = 0;         // lesson units (class group, subject group, turnus)
    int maxClassLoad = 0;  // largest weekly periods of a class in one turnus
    int maxTeacherLoad = 0;
    double maxRoomUse = 0; // largest demand / capacity of a room group
};

// Checks, for every turnus other than 0, that no class and no teacher has more weekly periods
// than its frame holds, and that every room group asked for by an assignment has enough room
// periods for all assignments that can only use its rooms. Everything is read from the tables:
// the frames from ODDELKI_OKVIR (a class day holds `periodsPerDay` periods from its first
// period), a teacher's day is the union of the days of the teacher's classes, a room's day the
// union of all class days; forbidden periods are taken off.
FeasibilityReport CheckFeasibility(db::Connection &connection, qint64 curriculum, qint64 timetable,
                                   int periodsPerDay);

} // namespace zentrel::sample

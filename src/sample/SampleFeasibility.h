#pragma once

#include "db/Connection.h"

#include <QStringList>
#include <array>

namespace zentrel::sample {

// What the stored rows of a curriculum and timetable demand against what the frames offer.
struct FeasibilityReport {
    QStringList problems; // one Slovenian line per overload; empty when the school is feasible
    int units = 0;        // lesson units (class group, subject group, turnus)
    int maxClassLoad = 0; // largest weekly periods of a class in one turnus
    int maxTeacherLoad = 0;
    double maxRoomUse = 0;    // largest demand / capacity of a room group
    double maxCabinetUse = 0; // the same over groups of specialist rooms only
};

// Cells of the week (day 1..5, period 0..15); true = in use.
using WeekCells = std::array<std::array<bool, 16>, 6>;

// The frame in which the automatic construction places a class's lessons: `weekly` cells
// filled round-robin over the days from each day's first period (offset 0 on days 1..5, then
// offset 1, ...), passing over forbidden cells and periods past 15 without using up a step; then
// the days after the last filled one are completed at its offset.
WeekCells ClassFrame(const std::array<int, 6> &firstPeriods, const WeekCells &forbidden, int weekly);

// Days the construction needs for a unit: it places at most one block of a unit a day, blocks
// of the lesson length when that is 2 or more, otherwise single periods, or for more than five
// periods a week one block every day.
int DaysNeeded(int periods, int length);

// Checks, for every turnus other than 0, that no class and no teacher has more weekly periods
// than its frame holds, and that every room group asked for by an assignment has enough room
// periods for all assignments that can only use its rooms. Everything is read from the tables:
// the frames from ODDELKI_OKVIR (a class day holds `periodsPerDay` periods from its first
// period), a teacher's day is the union of the days of the teacher's classes, a room's day the
// union of all class days; forbidden periods are taken off. Beyond that it checks what the
// construction's frames (ClassFrame) demand: the lessons of a class group fit the cells common
// to its classes, a teacher's lessons fit the union of the frames of the teacher's classes
// and a room group's lessons fit its rooms within the union of the frames of their classes;
// and every unit finds DaysNeeded days on which its frame has a period free for all its teachers.
FeasibilityReport CheckFeasibility(db::Connection &connection, qint64 curriculum, qint64 timetable, int periodsPerDay);

} // namespace zentrel::sample

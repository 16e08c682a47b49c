#pragma once

#include "db/Connection.h"

#include <QString>

namespace zentrel::fet {

struct FetExportOptions {
    qint64 timetable = 0;
    qint64 turnus = 0;
    // The placed lessons go along as activities locked at their time and room.
    bool withTimetable = false;
};

// Writes the curriculum of a timetable, for one turnus (its lessons and those of every week),
// as a FET file that FET solves under the project's own hard rules:
// - every class is a year of its own; a class group's lessons name all its classes;
// - a lesson unit is an activity group of blocks of its lesson length, with one day between
//   its blocks; its first teacher's activities carry the students, every further teacher's
//   activities start at the same time as them (taught together, each in its own room);
// - an entry's room group becomes the activity's preferred rooms;
// - forbidden periods become not-available times; a class is also not available outside its
//   frame: from its first period of the day for as many periods as its week needs, spread
//   over the days.
// Reports through ShowMessage and returns false when the timetable or turnus does not exist or
// the file cannot be written (an existing file is then left as it was).
bool ExportFetFile(db::Connection &project, const FetExportOptions &options, const QString &outPath);

} // namespace zentrel::fet

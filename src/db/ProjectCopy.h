#pragma once

#include "CopyRows.h"

// The copy of one project's data into a new project file (a fresh copy of the defaults
// database): a new school year made from the last one, and the upgrade of a project made by
// an older version, which copies everything. The steps run inside the caller's transaction.
namespace zentrel::db {

// The parts the user chooses from, in the order the import window lists them.
enum CopyPart { CopyBasic = 0, CopyCurricula = 1, CopyTimetable = 2 };

// A curriculum or timetable argument meaning every one of them, and a timetable argument
// meaning none.
inline constexpr qint64 kCopyAll = -1;
inline constexpr qint64 kCopyNone = -2;

// The project's INI rows (school name, settings), buildings, rooms, room groups, periods,
// turnusi, shifts and first periods, each target table emptied first; "Verzija" becomes the
// version of this program.
bool CopySettingsAndInfrastructure(CopyContext &copy);

// Classes, subjects, teachers, the groups shared by all curricula, and the links and forbidden
// periods of classes, subjects, rooms and teachers. Pupils come with their curriculum.
bool CopyBasicData(CopyContext &copy);

// One curriculum (or kCopyAll) with its classes, programmes, local groups, sets of electives,
// pupils and assignments, and its timetables: one (an identifier), kCopyAll or kCopyNone. One
// timetable comes with its frames, lessons and validity and the free and changed days on it;
// all of them bring the whole calendar, absences and substitutions too.
bool CopyCurriculaAndTimetables(CopyContext &copy, qint64 curriculum, qint64 timetables);

} // namespace zentrel::db

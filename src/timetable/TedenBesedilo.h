#pragma once

#include <QString>

namespace zentrel::timetable {

// Whose week a text grid shows.
enum class VrstaTedna { Oddelek, Ucitelj, Prostor };

// The week of one class, teacher or room in a timetable and turnus as a text grid: a column
// per day, a row per period from the first to the last one used, each cell the subject and,
// one line each, the teachers (for a class) or the class groups (for a teacher or room) and the
// rooms (for a room: the teachers). Read straight from the stored rows; nothing is changed.
// `kdo` is the ID of the class, teacher or room.
QString BesediloTedna(qint64 predmetnik, qint64 urnik, qint64 turnus, VrstaTedna vrsta, qint64 kdo);

} // namespace zentrel::timetable

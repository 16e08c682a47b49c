#pragma once

#include <QStringList>

namespace zentrel::timetable {

// zentrel-cli show PROJECT [--timetable ID|NAME] [--turnus ID|CODE] (--class CODE | --teacher
// CODE | --room CODE): prints that week as a text grid. Exit code 0, or 1 with a message.
int RunShowCommand(const QStringList &args);

// zentrel-cli copy-timetable PROJECT --timetable ID --name NEW: copies a timetable.
int RunCopyTimetableCommand(const QStringList &args);

// zentrel-cli copy-turnus PROJECT --timetable ID --from ID --to ID [--yes]: copies the placed
// periods of one turnus into another and prints each period left out.
int RunCopyTurnusCommand(const QStringList &args);

} // namespace zentrel::timetable

#pragma once

#include <QStringList>

namespace zentrel::timetable {

// zentrel-cli construct PROJECT [--curriculum ID|NAME] [--timetable ID|NAME] [--turnus ID|CODE]
//   [--second-round] [--third-round] [--extra-periods K] [--seed N] [--time-limit SECONDS]
//   [--idle-limit SECONDS] [--selitev] [--complete] [--complete-limit SECONDS]
// --idle-limit ends the third round after that long without a change (10 s without it);
// --selitev keeps a free period where a class changes buildings; --complete runs the completion
// step after the rounds (10 s at most without --complete-limit) and prints the idle periods and
// same-day repeats before and after it.
// Opens the project, sets the current selections, constructs and saves the timetable, prints
// "Sestavljeno: xx.xx%", the seed, the time of each round and the units left unplaced. On a
// terminal a progress bar runs on standard error. Exit code 0 when the result was saved (or
// there was nothing to place), 1 otherwise.
int RunConstructCommand(const QStringList &args);

} // namespace zentrel::timetable

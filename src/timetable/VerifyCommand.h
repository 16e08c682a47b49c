#pragma once

#include <QStringList>

namespace zentrel::timetable {

// zentrel-cli verify PROJECT [--curriculum ID|NAME] [--timetable ID|NAME] [--turnus ID|CODE]
//   [--extra-periods K] [--selitev]
// Checks a saved timetable independently of the construction (PreverjanjeUrnika), in the turnus
// given or else in every turnus, and lists each violation with a summary line per turnus. Exit
// code 0 when the timetable is sound, 1 with violations or when it cannot be read (never a pass).
int RunVerifyCommand(const QStringList &args);

} // namespace zentrel::timetable

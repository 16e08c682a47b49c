#pragma once

#include <QStringList>

namespace zentrel::timetable {

// zentrel-cli verify PROJECT [--curriculum ID|NAME] [--timetable ID|NAME] [--turnus ID|CODE]
//   [--extra-periods K]
// Checks a saved timetable independently of the construction (PreverjanjeUrnika) and lists each
// violation. Exit code 0 when the timetable is sound, 1 with violations or when it cannot be read.
int RunVerifyCommand(const QStringList &args);

} // namespace zentrel::timetable

#pragma once

#include <QStringList>

namespace zentrel::timetable {

// zentrel-cli readiness PROJECT [--curriculum ID|NAME] [--timetable ID|NAME] [--turnus ID|CODE]
//   [--extra-periods K] [--second-round]
// "Pregled pred sestavljanjem" (PreglejPredSestavljanjem): lists, before a construction, what
// will keep lessons out and where it is mended, then a summary line. Exit code 0 when nothing is
// listed, 1 when something is or the project cannot be read.
int RunReadinessCommand(const QStringList &args);

} // namespace zentrel::timetable

#pragma once

#include <QStringList>

namespace zentrel::basicdata {

// zentrel-cli load PROJECT [--curriculum ID|NAME] [--timetable ID|NAME] [--csv]
// Prints the weekly load of every teacher and class of the curriculum (the current one, else the
// one with the lowest ID): hours per rotation week and, for the timetable (the current one when
// it belongs to the curriculum, else the curriculum's with the lowest ID), the periods it holds
// and those it does not hold yet. Aligned text, or with --csv a table separated by ";". Exit
// code 0 when printed, 1 on a wrong option, a missing curriculum or timetable, or a project
// that cannot be opened.
int RunLoadCommand(const QStringList &args);

} // namespace zentrel::basicdata

#pragma once

#include <QStringList>

namespace zentrel::print {

// zentrel-cli export PROJECT --kind classes|teachers|rooms|pupils [--objects CODE,...]
//   --format pdf|html|csv|xml|ics [--timetable ID|NAME] [--turnus ID|CODE] OUT
// Writes the weeks of the chosen objects (all of the kind without --objects) of the timetable
// (the current one, else the curriculum's first) as the printout window does: a PDF, CSV or
// XML file at OUT, the HTML site into the folder OUT (index.html), or one iCalendar file per
// object into the folder OUT (a single object into OUT when it ends in ".ics"). Exit code 0 on
// success.
int RunExportCommand(const QStringList &args);

} // namespace zentrel::print

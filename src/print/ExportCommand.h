#pragma once

#include <QStringList>

namespace zentrel::print {

// zentrel-cli export PROJECT --kind classes|teachers|rooms|pupils [--objects CODE,...]
//   --format pdf|html|csv|xml [--timetable ID|NAME] [--turnus ID|CODE] OUT
// Writes the weeks of the chosen objects (all of the kind without --objects) of the timetable
// (the current one, else the curriculum's first) as the printout window does: a PDF, CSV or
// XML file at OUT, or the HTML site into the folder OUT (index.html). Exit code 0 on success.
int RunExportCommand(const QStringList &args);

} // namespace zentrel::print

#pragma once

#include "KoledarskiPodatki.h"

#include <QStringList>

namespace zentrel::calendar {

// zentrel-cli day PROJECT DATE
// zentrel-cli day PROJECT --from DATE --to DATE
// Prints the day resolution of a date (weekday taught, timetable, rotation week, free or changed
// day, and why), or one line a day for a period. Dates as "d. m. yyyy" or "yyyy-mm-dd".
// Exit code 0; 1 with a message on standard error for bad arguments or a project that cannot
// be opened.
int RunDayCommand(const QStringList &args);

// The lines printed for one date.
QStringList PorociloDneva(const KoledarskiPodatki &koledar, const QDate &date);
// The one line printed for a date of a period.
QString VrsticaDneva(const DanUrnika &dan);

} // namespace zentrel::calendar

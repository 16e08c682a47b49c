#pragma once

#include "DanUrnika.h"

#include <QVariantMap>

namespace zentrel::calendar {

// The bound parameters of the stored day queries for a resolved day: :Datum, :IzbranDan,
// :IzbranUrnik, :IzbranTurnus and :IzbranOddelek. On a day without lessons (free, or no
// timetable in force) the lesson queries match nothing; the absences and substitutions of the
// date are still found.
QVariantMap DnevniParametri(const DanUrnika &dan, qint64 oddelek = -1);

} // namespace zentrel::calendar

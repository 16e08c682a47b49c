#pragma once

#include "engine/SestavljanjeUrnika.h"

#include <QString>

// What the construction window needs besides the construction job itself.
namespace zentrel::timetable::avtomatsko {

// A time span as the third round's window shows it: "h:mm:ss".
QString Cas(qint64 ms);

// "Sestavljeno: " with the placed periods of the total and the percentage ("0.00%").
QString Sestavljeno(const engine::PodatkiTretjegaKroga &p);

} // namespace zentrel::timetable::avtomatsko

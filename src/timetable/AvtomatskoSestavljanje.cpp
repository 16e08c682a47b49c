#include "AvtomatskoSestavljanje.h"

using namespace zentrel::engine;

namespace zentrel::timetable::avtomatsko {

QString Cas(qint64 ms) {
    const qint64 s = std::max<qint64>(0, ms) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString Sestavljeno(const PodatkiTretjegaKroga &p) {
    return QStringLiteral("Sestavljeno: %1 / %2  %3").arg(p.razporejeno).arg(p.skupaj).arg(p.odstotek);
}

} // namespace zentrel::timetable::avtomatsko

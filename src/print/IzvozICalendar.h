#pragma once

#include "UrnikiObjektov.h"
#include "calendar/KoledarskiPodatki.h"

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QTime>

namespace zentrel::print {

// Start and end of a period on the clock.
struct CasUre {
    QTime od;
    QTime do_;
};

// When the periods are held: the time range a period's name gives ("8.20-9.05", "8:20 – 9:05"),
// else the usual school day (period 0 at 7.30, 45 minutes each, 5-minute breaks and a
// 20-minute break after period 2).
QMap<int, CasUre> CasiUr(db::Connection &connection);
// The default time of a period.
CasUre PrivzetiCasUre(int ura);

// One object's week as an iCalendar file (RFC 5545): a weekly recurring event per lesson over
// the validity of the timetable, whose dates are exactly those the calendar resolves to the
// lesson's weekday, timetable and turnus. Free days and weeks of another turnus are excluded
// (EXDATE); dates that teach the lesson's weekday on another day are added (RDATE). Times are
// local to Europe/Ljubljana. An object without lessons in the validity gives a calendar
// without events.
QByteArray IzvoziICalendar(const calendar::KoledarskiPodatki &koledar, qint64 idUrnika, VrstaObjekta vrsta,
                           const Objekt &objekt, const QList<UraUrnika> &ure, const QMap<int, CasUre> &casi,
                           const QDateTime &zig = QDateTime::currentDateTimeUtc());

// iCalendar text: backslash, ";", "," and line breaks escaped.
QString IcsText(const QString &text);

} // namespace zentrel::print

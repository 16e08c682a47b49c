#pragma once

#include <QDate>
#include <QString>
#include <QVector>

namespace zentrel::sample {

struct FreeDays {
    QDate from;
    QDate to;
    QString reason;
};

// First year of the Slovenian school year (1 September to 31 August) that contains the date.
int SchoolYearStart(const QDate &date);

// Easter Sunday of the year (Gregorian calendar).
QDate EasterSunday(int year);

// The holidays and school holidays of the school year that begins on 1 September of
// `startYear`, in date order and without overlaps.
QVector<FreeDays> SchoolHolidays(int startYear);

} // namespace zentrel::sample

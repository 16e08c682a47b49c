#include "SampleCalendar.h"

#include <algorithm>

namespace zentrel::sample {

int SchoolYearStart(const QDate &date) {
    return date.month() >= 9 ? date.year() : date.year() - 1;
}

QDate EasterSunday(int year) {
    // Anonymous Gregorian algorithm.
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

namespace {
// Monday of the week that contains the date.
QDate mondayOf(const QDate &date) {
    return date.addDays(1 - date.dayOfWeek());
}
} // namespace

QVector<FreeDays> SchoolHolidays(int startYear) {
    const int y = startYear, n = startYear + 1;
    QVector<FreeDays> days;
    // Autumn holidays: the school week of Reformation Day, through All Saints' Day.
    const QDate autumnStart = mondayOf(QDate(y, 10, 31));
    days.append(
        {autumnStart, QDate(y, 11, 1), QStringLiteral("Jesenske počitnice (dan reformacije, dan spomina na mrtve)")});
    days.append({QDate(y, 12, 25), QDate(n, 1, 2),
                 QStringLiteral("Novoletne počitnice (božič, dan samostojnosti in enotnosti, novo leto)")});
    days.append({QDate(n, 2, 8), QDate(n, 2, 8), QStringLiteral("Prešernov dan, slovenski kulturni praznik")});
    // Winter holidays: the week that contains 18 February.
    const QDate winter = mondayOf(QDate(n, 2, 18));
    days.append({winter, winter.addDays(4), QStringLiteral("Zimske počitnice")});
    const QDate easterMonday = EasterSunday(n).addDays(1);
    days.append({easterMonday, easterMonday, QStringLiteral("Velikonočni ponedeljek")});
    days.append({QDate(n, 4, 27), QDate(n, 5, 2),
                 QStringLiteral("Prvomajske počitnice (dan upora proti okupatorju, praznik dela)")});
    days.append({QDate(n, 6, 25), QDate(n, 8, 31), QStringLiteral("Poletne počitnice (dan državnosti)")});
    std::sort(days.begin(), days.end(), [](const FreeDays &a, const FreeDays &b) { return a.from < b.from; });
    return days;
}

} // namespace zentrel::sample

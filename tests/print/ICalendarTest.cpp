#include "core/AppState.h"
#include "db/MBaza.h"
#include "print/IzvozICalendar.h"
#include "support/SampleProject.h"

#include <QDate>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

using namespace zentrel;
using namespace zentrel::print;

namespace {

// A reader of what the export writes: unfolds lines and expands each event's weekly rule with
// its exceptions and additions into the set of dates the lesson is held on.
struct Event {
    QMap<QString, QString> fields; // name without parameters -> value
    std::set<QDate> dates;
};

QDate dateOf(const QString &value) {
    return QDate::fromString(value.left(8), QStringLiteral("yyyyMMdd"));
}

std::set<QDate> dateList(const QString &value) {
    std::set<QDate> out;
    for (const QString &item : value.split(u','))
        out.insert(dateOf(item));
    return out;
}

QList<Event> ReadCalendar(const QByteArray &bytes) {
    QString text = QString::fromUtf8(bytes);
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n")))); // CR LF only
    text.replace(QStringLiteral("\r\n "), QString());
    QList<Event> events;
    Event *current = nullptr;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        EXPECT_LE(line.size(), 2000);
        const qsizetype colon = line.indexOf(u':');
        const QString name = line.left(colon).section(u';', 0, 0);
        const QString value = line.mid(colon + 1);
        if (line == QLatin1String("BEGIN:VEVENT")) {
            events.append(Event());
            current = &events.last();
        } else if (line == QLatin1String("END:VEVENT")) {
            const QDate start = dateOf(current->fields.value(QStringLiteral("DTSTART")));
            QMap<QString, QString> rule;
            for (const QString &part : current->fields.value(QStringLiteral("RRULE")).split(u';'))
                rule.insert(part.section(u'=', 0, 0), part.section(u'=', 1));
            EXPECT_EQ(rule.value(QStringLiteral("FREQ")), QStringLiteral("WEEKLY"));
            const QDate until = dateOf(rule.value(QStringLiteral("UNTIL")));
            for (QDate d = start; d <= until; d = d.addDays(7 * rule.value(QStringLiteral("INTERVAL")).toInt()))
                current->dates.insert(d);
            for (const QDate &d : dateList(current->fields.value(QStringLiteral("EXDATE"))))
                current->dates.erase(d);
            if (current->fields.contains(QStringLiteral("RDATE")))
                for (const QDate &d : dateList(current->fields.value(QStringLiteral("RDATE"))))
                    current->dates.insert(d);
            current = nullptr;
        } else if (current) {
            current->fields.insert(name, value);
        }
    }
    return events;
}

} // namespace

TEST(ICalendar, LessonsRecurOnTheDatesTheCalendarTeachesThem) {
    test::SampleProject sample;
    db::Connection &db = db::ProjectDb();
    // 16 September 2026, a Wednesday, teaches Monday's lessons.
    ASSERT_TRUE(db.exec(QStringLiteral("INSERT INTO URNIK_DAN (ID, DATUM, DAN) VALUES (1, '2026-09-16', 1)")));
    // Period p from (7 + p).00 to (7 + p).45.
    ASSERT_TRUE(
        db.exec(QStringLiteral("UPDATE URE SET IME = (7 + URA) || '.00 - ' || (7 + URA) || '.45' WHERE URA < 10")));
    UrnikiObjektov urniki(db, 1);
    QStringList unknown;
    const QList<Objekt> teacher = urniki.PoOznakah(VrstaObjekta::Ucitelji, {QStringLiteral("KošJ")}, &unknown);
    ASSERT_EQ(teacher.size(), 1);
    const std::optional<calendar::KoledarskiPodatki> koledar = calendar::KoledarskiPodatki::Preberi(db);
    ASSERT_TRUE(koledar);
    const QByteArray ics = IzvoziICalendar(*koledar, 1, VrstaObjekta::Ucitelji, teacher.first(),
                                           urniki.Ure(VrstaObjekta::Ucitelji, {teacher.first().id}), CasiUr(db),
                                           QDateTime(QDate(2026, 8, 20), QTime(10, 0), Qt::UTC));
    const QList<Event> events = ReadCalendar(ics);
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    EXPECT_TRUE(ics.contains("X-WR-CALNAME:Učitelj KošJ - Košir Jelka\r\n"));
    EXPECT_EQ(events.size(), urniki.Ure(VrstaObjekta::Ucitelji, {teacher.first().id}).size()); // none alike here

    // A lesson on the first Monday of turnus I (weeks from 14 September, every other week).
    const Event *monday = nullptr;
    for (const Event &e : events)
        if (e.fields.value(QStringLiteral("DTSTART")).startsWith(QStringLiteral("20260914T")))
            monday = &e;
    ASSERT_NE(monday, nullptr);
    const QTime start =
        QTime::fromString(monday->fields.value(QStringLiteral("DTSTART")).mid(9), QStringLiteral("HHmmss"));
    EXPECT_EQ(start.minute(), 0);
    EXPECT_EQ(monday->fields.value(QStringLiteral("DTEND")),
              QStringLiteral("20260914T") + start.addSecs(45 * 60).toString(QStringLiteral("HHmmss")));
    const std::set<QDate> &d = monday->dates;
    EXPECT_TRUE(d.count(QDate(2026, 9, 14)) && d.count(QDate(2026, 9, 28)) && d.count(QDate(2026, 10, 12)));
    EXPECT_FALSE(d.count(QDate(2026, 9, 7)) || d.count(QDate(2026, 9, 21))); // turnus II weeks
    EXPECT_FALSE(d.count(QDate(2026, 10, 26)));                              // autumn holidays
    EXPECT_TRUE(d.count(QDate(2026, 9, 16)));                                // Wednesday teaching Monday
    EXPECT_EQ(*d.rbegin(), QDate(2027, 6, 21)); // the last Monday of turnus I in the validity
    // Exceptions and additions name the lesson's start exactly: a calendar program matches them
    // to the recurrences by date and time, so any other time would leave the lesson in place.
    const QString at = u'T' + start.toString(QStringLiteral("HHmmss"));
    EXPECT_TRUE(monday->fields.value(QStringLiteral("EXDATE")).split(u',').contains(QStringLiteral("20261026") + at));
    EXPECT_TRUE(monday->fields.value(QStringLiteral("RDATE")).split(u',').contains(QStringLiteral("20260916") + at));
    int lists = 0;
    for (const Event &e : events) {
        const QString time = e.fields.value(QStringLiteral("DTSTART")).mid(8);
        for (const QString &name : {QStringLiteral("EXDATE"), QStringLiteral("RDATE")}) {
            if (!e.fields.contains(name))
                continue;
            ++lists;
            QStringList expected;
            for (const QDate &date : dateList(e.fields.value(name)))
                expected << date.toString(QStringLiteral("yyyyMMdd")) + time;
            EXPECT_EQ(e.fields.value(name), expected.join(u',')) << qPrintable(name);
        }
    }
    EXPECT_GT(lists, 1);

    // Every date of every event is a date the calendar teaches that weekday in that turnus.
    for (const Event &e : events)
        for (const QDate &date : e.dates) {
            const calendar::DanUrnika dan = koledar->dan(date);
            ASSERT_TRUE(dan.imaPouk()) << qPrintable(date.toString());
            EXPECT_EQ(dan.izbranUrnik, 1);
        }
    // The Wednesday lessons of that week give way to Monday's.
    int wednesdays = 0;
    for (const Event &e : events)
        if (dateOf(e.fields.value(QStringLiteral("DTSTART")).section(u':', -1)).dayOfWeek() == 3) {
            ++wednesdays;
            EXPECT_FALSE(e.dates.count(QDate(2026, 9, 16)));
            EXPECT_TRUE(e.dates.count(QDate(2026, 9, 2)) || e.dates.count(QDate(2026, 9, 9)));
        }
    EXPECT_GT(wednesdays, 0);
}

TEST(ICalendar, TextsAndPeriodTimes) {
    EXPECT_EQ(IcsText(QStringLiteral("a;b,c\\d\ne")), QStringLiteral("a\\;b\\,c\\\\d\\ne"));
    EXPECT_EQ(PrivzetiCasUre(0).od, QTime(7, 30));
    EXPECT_EQ(PrivzetiCasUre(2).do_, QTime(9, 55));
    EXPECT_EQ(PrivzetiCasUre(3).od, QTime(10, 15)); // after the long break
}

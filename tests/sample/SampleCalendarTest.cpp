#include "sample/SampleCalendar.h"

#include <gtest/gtest.h>

using namespace zentrel::sample;

TEST(SampleCalendar, TheSchoolYearRunsFromSeptemberToAugust) {
    EXPECT_EQ(SchoolYearStart(QDate(2026, 9, 1)), 2026);
    EXPECT_EQ(SchoolYearStart(QDate(2026, 12, 6)), 2026);
    EXPECT_EQ(SchoolYearStart(QDate(2027, 8, 31)), 2026);
    EXPECT_EQ(SchoolYearStart(QDate(2027, 1, 1)), 2026);
}

TEST(SampleCalendar, EasterSundays) {
    EXPECT_EQ(EasterSunday(2024), QDate(2024, 3, 31));
    EXPECT_EQ(EasterSunday(2025), QDate(2025, 4, 20));
    EXPECT_EQ(EasterSunday(2027), QDate(2027, 3, 28));
    EXPECT_EQ(EasterSunday(2038), QDate(2038, 4, 25));
    EXPECT_EQ(EasterSunday(2008), QDate(2008, 3, 23));
}

TEST(SampleCalendar, HolidaysLieInTheSchoolYearInOrderWithoutOverlaps) {
    for (int year = 2020; year <= 2040; ++year) {
        SCOPED_TRACE(year);
        const auto days = SchoolHolidays(year);
        ASSERT_EQ(days.size(), 7);
        for (int i = 0; i < days.size(); ++i) {
            EXPECT_GE(days[i].from, QDate(year, 9, 1));
            EXPECT_LE(days[i].to, QDate(year + 1, 8, 31));
            EXPECT_LE(days[i].from, days[i].to);
            EXPECT_FALSE(days[i].reason.isEmpty());
            if (i > 0) {
                EXPECT_GT(days[i].from, days[i - 1].to);
            }
        }
        // Autumn holidays start on a Monday and include Reformation Day.
        EXPECT_EQ(days[0].from.dayOfWeek(), 1);
        EXPECT_LE(days[0].from, QDate(year, 10, 31));
        EXPECT_EQ(days[0].to, QDate(year, 11, 1));
        EXPECT_EQ(days[4].from, EasterSunday(year + 1).addDays(1));
        EXPECT_EQ(days[4].from.dayOfWeek(), 1);
    }
    const auto days = SchoolHolidays(2026);
    EXPECT_EQ(days[0].from, QDate(2026, 10, 26));
    EXPECT_EQ(days[3].from, QDate(2027, 2, 15));
    EXPECT_EQ(days[3].to, QDate(2027, 2, 19));
}

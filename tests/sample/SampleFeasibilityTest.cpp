#include "sample/SampleFeasibility.h"
#include "db/Connection.h"
#include "sample/SampleIntegrity.h"
#include "sample/SampleSchool.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zentrel;

namespace {

// A one-class-per-grade school to break on purpose.
class Broken : public ::testing::Test {
protected:
    void SetUp() override {
        sample::SampleOptions o;
        o.classesPerGrade = 1;
        o.referenceDate = QDate(2026, 12, 6);
        const QString path = folder.file(QStringLiteral("s.znt"));
        ASSERT_TRUE(sample::GenerateSampleSchool(path, o));
        ASSERT_TRUE(c.open(path));
        ASSERT_TRUE(sample::CheckFeasibility(c, 1, 1, 7).problems.isEmpty());
    }
    QStringList problems() { return sample::CheckFeasibility(c, 1, 1, 7).problems; }

    test::TempFolder folder;
    db::Connection c;
};

} // namespace

TEST_F(Broken, AClassWithMorePeriodsThanItsFrameIsReported) {
    // 1.a has 20 periods in a frame of 5 x 7; 16 more Slovenian periods make 36.
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE PREDMETI_V_PROGRAMU SET STEVILO_UR = 22 WHERE ID_PROGRAMA = 1 AND "
                                      "ID_SKUPINE_PREDMETOV = (SELECT ID FROM PREDMETI WHERE OZNAKA = 'SLJ')")));
    const QStringList p = problems();
    ASSERT_FALSE(p.isEmpty());
    EXPECT_EQ(p.first(), QStringLiteral("Turnus I: enota 1.a ima 36 ur, v okvirju je prostora za 35."));
    // The same class in turnus II.
    EXPECT_TRUE(p.contains(QStringLiteral("Turnus II: enota 1.a ima 36 ur, v okvirju je prostora za 35.")));
}

TEST_F(Broken, ClassForbiddenPeriodsAndLaterFirstPeriodsShrinkTheFrame) {
    // 1.a keeps its 20 periods; starting at period 10 leaves periods 10..15 (6 a day, 30).
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE ODDELKI_OKVIR SET PRVA_URA = 10 WHERE ID_ODDELKA = 1")));
    EXPECT_TRUE(problems().isEmpty());
    for (int day = 1; day <= 5; ++day)
        for (int period = 10; period <= 12; ++period)
            ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREPOVEDI_ODDELKOV VALUES (1, ?, ?)"), {day, period}));
    EXPECT_TRUE(problems().contains(QStringLiteral("Turnus I: enota 1.a ima 20 ur, v okvirju je prostora za 15.")));
}

TEST_F(Broken, ATeacherWhoseForbiddenPeriodsLeaveNoRoomIsReported) {
    const qint64 teacher =
        c.scalar(QStringLiteral("SELECT ID_RAZREDNIKA FROM ODDELKI_V_PREDMETNIKU WHERE ID_ODDELKA = 1")).toLongLong();
    for (int day = 1; day <= 4; ++day)
        for (int period = 0; period <= 15; ++period)
            ASSERT_TRUE(
                c.exec(QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV VALUES (?, ?, ?)"), {teacher, day, period}));
    const QStringList p = problems();
    ASSERT_FALSE(p.isEmpty());
    EXPECT_TRUE(p.first().startsWith(QStringLiteral("Turnus I: učitelj %1 ima ").arg(teacher)));
    // 1.a's frame holds periods 1 to 4 on Friday, the only day left to its class teacher.
    EXPECT_TRUE(p.first().endsWith(QStringLiteral(", prostih je le 4."))) << p.first().toStdString();
}

TEST_F(Broken, AUnitNeedingEveryDayCannotHaveATeacherWithAFreeDay) {
    // Slovenian of 6.a, five periods a week, is placed on all five days; its teacher takes
    // Wednesday off. The teacher's load alone still fits.
    const qint64 teacher = c.scalar(QStringLiteral("SELECT ID_UCITELJA FROM RAZPORED WHERE ID_SKUPINE_ODDELKOV = 6 "
                                                   "AND ID_SKUPINE_PREDMETOV = 1 AND ID_TURNUSA = 0"))
                               .toLongLong();
    for (int period = 0; period <= 15; ++period)
        ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV VALUES (?, 3, ?)"), {teacher, period}));
    const QStringList p = problems();
    EXPECT_TRUE(p.filter(QStringLiteral("učitelj")).isEmpty());
    EXPECT_TRUE(p.contains(
        QStringLiteral("Turnus I: skupina enot 6 s skupino predmetov 1 potrebuje 5 dni, na voljo jih je 4.")))
        << p.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(sample::DaysNeeded(6, 1), 5);
    EXPECT_EQ(sample::DaysNeeded(4, 1), 4);
    EXPECT_EQ(sample::DaysNeeded(2, 2), 1);
    EXPECT_EQ(sample::DaysNeeded(3, 2), 2);
}

TEST_F(Broken, ARoomAskedForByTooManyLessonsIsReportedAlsoThroughItsGroups) {
    // Every lesson of the upper grades into the kitchen.
    const qint64 kitchen = c.scalar(QStringLiteral("SELECT ID FROM PROSTORI WHERE OZNAKA = 'KUH'")).toLongLong();
    ASSERT_TRUE(
        c.exec(QStringLiteral("UPDATE RAZPORED SET ID_SKUPINE_PROSTOROV = ? WHERE ID_PROGRAMA >= 6"), {kitchen}));
    QStringList p = problems();
    ASSERT_FALSE(p.isEmpty());
    EXPECT_TRUE(p.first().startsWith(QStringLiteral("Turnus I: skupina prostorov %1 ima ").arg(kitchen)));

    // A named group is charged with the lessons of its members too: two gyms hold 70 periods.
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE RAZPORED SET ID_SKUPINE_PROSTOROV = NULL")));
    EXPECT_TRUE(problems().isEmpty());
    const qint64 gym = c.scalar(QStringLiteral("SELECT ID FROM PROSTORI WHERE OZNAKA = 'TV1'")).toLongLong();
    const qint64 gyms =
        c.scalar(QStringLiteral("SELECT ID FROM SKUPINE_PROSTOROV WHERE OZNAKA = '$TELOV'")).toLongLong();
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE RAZPORED SET ID_SKUPINE_PROSTOROV = ? WHERE ID % 2 = 0"), {gym}));
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE RAZPORED SET ID_SKUPINE_PROSTOROV = ? WHERE ID % 2 = 1"), {gyms}));
    p = problems();
    EXPECT_TRUE(p.filter(QStringLiteral("skupina prostorov %1 ").arg(gym)).size() == 2);
    EXPECT_TRUE(p.filter(QStringLiteral("skupina prostorov %1 ").arg(gyms)).size() == 2);
}

TEST_F(Broken, AssignmentsOffTheChainAndUncoveredLessonsAreFound) {
    EXPECT_TRUE(sample::AssignmentsOffChain(c).isEmpty());
    // 1.a: 1-2 Slovenian and 3-4 mathematics with two teachers each, 5 art, 6 music. Wrong
    // subject-in-group row (mathematics with the Slovenian row), wrong turnus, and a programme
    // the class group does not follow.
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE RAZPORED SET ID_PREDMETI_V_SKUPINI = 1 WHERE ID = 3")));
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE RAZPORED SET ID_TURNUSA = 2 WHERE ID = 5")));
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE RAZPORED SET ID_PROGRAMA = 2 WHERE ID = 6")));
    EXPECT_EQ(sample::AssignmentsOffChain(c), (QList<qint64>{3, 5, 6}));
    // Mathematics keeps its second teacher; art and music are left without a teacher.
    EXPECT_EQ(sample::LessonsWithoutAssignment(c, 1), (QStringList{QStringLiteral("1;4;0"), QStringLiteral("1;5;0")}));
}

TEST_F(Broken, MissingOwnGroupsAndNamedGroupsWithoutDollarAreFound) {
    EXPECT_TRUE(sample::OwnGroupProblems(c).isEmpty());
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE SKUPINE_PROSTOROV SET OZNAKA = 'X' WHERE ID = 1")));
    ASSERT_TRUE(c.exec(QStringLiteral("DELETE FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE = 2 AND ID_ODDELKA = 2")));
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE SKUPINE_PROSTOROV SET OZNAKA = 'TELOV' WHERE OZNAKA = '$TELOV'")));
    const QStringList p = sample::OwnGroupProblems(c);
    EXPECT_TRUE(p.contains(QStringLiteral("PROSTORI U01")));
    EXPECT_TRUE(p.contains(QStringLiteral("ODDELKI 2.a")));
    EXPECT_TRUE(p.contains(QStringLiteral("SKUPINE_PROSTOROV TELOV")));
}

TEST(ClassFrame, FillsRoundRobinFromTheFirstPeriodsAndCompletesTheLastRow) {
    const std::array<int, 6> ones{1, 1, 1, 1, 1, 1};
    sample::WeekCells none{};
    auto cells = [](const sample::WeekCells &frame) {
        QStringList days;
        for (int d = 1; d <= 5; ++d) {
            QString day;
            for (int p = 0; p < 16; ++p)
                if (frame[d][p])
                    day += QString::number(p, 16);
            days << day;
        }
        return days.join(QLatin1Char(' '));
    };
    // 23 periods: four rounds and three cells of the fifth; the completion fills days 4 and 5.
    EXPECT_EQ(cells(sample::ClassFrame(ones, none, 23)), QStringLiteral("12345 12345 12345 12345 12345"));
    EXPECT_EQ(cells(sample::ClassFrame(ones, none, 20)), QStringLiteral("1234 1234 1234 1234 1234"));
    // Early starts on Monday and Wednesday.
    EXPECT_EQ(cells(sample::ClassFrame({0, 0, 1, 0, 1, 1}, none, 26)),
              QStringLiteral("012345 123456 012345 123456 123456"));
    // A forbidden cell is skipped; the walk goes on with the next day.
    sample::WeekCells banned{};
    banned[2][2] = true;
    EXPECT_EQ(cells(sample::ClassFrame(ones, banned, 20)), QStringLiteral("12345 1345 12345 12345 12345"));
    // Periods past 15 are never in the frame.
    EXPECT_EQ(cells(sample::ClassFrame({14, 14, 14, 14, 14, 14}, none, 12)), QStringLiteral("ef ef ef ef ef"));
}

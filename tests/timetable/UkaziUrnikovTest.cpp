#include "RocnaSola.h"
#include "support/CliProcess.h"

#include <gtest/gtest.h>

using namespace zentrel;

namespace {

// Runs the built zentrel-cli on the school's project file with a throw-away settings folder.
test::CliResult Cli(test::RocnaSola &sola, QStringList args) {
    args.insert(1, sola.project->path());
    return test::RunCli(sola.project->folder().file(QStringLiteral("home")), args);
}

} // namespace

TEST(UkaziUrnikov, ShowPrintsTheWeekOfAClassATeacherAndARoom) {
    test::RocnaSola sola;
    test::CliResult r = Cli(sola, {QStringLiteral("show"), QStringLiteral("--turnus"), QStringLiteral("0"),
                                   QStringLiteral("--class"), QStringLiteral("1A")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Urnik \"Urnik\", turnus 0, enota 1a\n"
                                    "Ura | ponedeljek | torek | sreda | četrtek | petek\n"
                                    "----+------------+-------+-------+---------+------\n"
                                    "1   | MAT        | MAT   | LUM   | SLO     |\n"
                                    "    | T1         | T1    | T3    | T2      |\n"
                                    "    | U1         | U1    | U1    | U1      |\n"
                                    "----+------------+-------+-------+---------+------\n"
                                    "2   | SLO        | SLO   | LUM   |         | ZGO\n"
                                    "    | T2         | T2    | T3    |         | T3\n"
                                    "    | U1         | U1    | U1    |         | U1\n"
                                    "----+------------+-------+-------+---------+------\n"
                                    "3   |            |       |       |         |\n"
                                    "----+------------+-------+-------+---------+------\n"
                                    "4   |            |       |       |         |\n"
                                    "----+------------+-------+-------+---------+------\n"
                                    "5   |            |       | ŠPO   |         |\n"
                                    "    |            |       | T3    |         |\n"
                                    "    |            |       | TEL1  |         |\n"));
    r = Cli(sola, {QStringLiteral("show"), QStringLiteral("--teacher"), QStringLiteral("T1")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("3   | ANG        |       |       |         |\n"
                                              "    | 1b         |       |       |         |\n"
                                              "    | U2         |       |       |         |\n")))
        << r.out.toStdString();
    r = Cli(sola, {QStringLiteral("show"), QStringLiteral("--room"), QStringLiteral("TEL2")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("5   |            |       | ŠPO   |         |\n"
                                              "    |            |       | 1c    |         |\n"
                                              "    |            |       | T5    |         |\n")))
        << r.out.toStdString();

    r = Cli(sola, {QStringLiteral("show"), QStringLiteral("--class"), QStringLiteral("9z")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Enote 9z ni.\n"));
    r = Cli(sola, {QStringLiteral("show"), QStringLiteral("--class"), QStringLiteral("1a"), QStringLiteral("--room"),
                   QStringLiteral("U1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Navedite eno od možnosti --class, --teacher, --room.\n")));
    r = Cli(sola, {QStringLiteral("show"), QStringLiteral("--timetable"), QStringLiteral("Ni"),
                   QStringLiteral("--class"), QStringLiteral("1a")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Urnika Ni ni.\n"));
}

TEST(UkaziUrnikov, CopiesOfATimetableAndOfATurnus) {
    test::RocnaSola sola;
    db::Connection &c = sola.db();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO TURNUSI (ID, OZNAKA) VALUES (2, 'II')")));
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE TERMINI SET ID_TURNUSA = 1")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) "
                                      "VALUES (1, %1, 5, 5, 'r', 2)")
                           .arg(sola.zgo)));
    ASSERT_TRUE(
        c.exec(QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV SELECT ID, 1, 1 FROM UCITELJI WHERE OZNAKA = 'T1'")));

    test::CliResult r =
        Cli(sola, {QStringLiteral("copy-turnus"), QStringLiteral("--timetable"), QStringLiteral("1"),
                   QStringLiteral("--from"), QStringLiteral("1"), QStringLiteral("--to"), QStringLiteral("2")});
    EXPECT_EQ(r.exitCode, 1) << "the target's periods are kept without --yes";
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_TURNUSA = 2")).toInt(), 1);
    r = Cli(sola, {QStringLiteral("copy-turnus"), QStringLiteral("--timetable"), QStringLiteral("1"),
                   QStringLiteral("--from"), QStringLiteral("1"), QStringLiteral("--to"), QStringLiteral("2"),
                   QStringLiteral("--yes")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Kopiranih ur: 11, izpuščenih ur: 1.\n"
                                    "Izpuščeno: 1a MAT, ponedeljek 1. ura: prepovedano\n"));
    r = Cli(sola, {QStringLiteral("copy-turnus"), QStringLiteral("--timetable"), QStringLiteral("1"),
                   QStringLiteral("--from"), QStringLiteral("-1"), QStringLiteral("--to"), QStringLiteral("2")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("--from mora biti celo število, najmanj 0.\n")));

    r = Cli(sola, {QStringLiteral("copy-timetable"), QStringLiteral("--timetable"), QStringLiteral("1"),
                   QStringLiteral("--name"), QStringLiteral("Kopija d'Or")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Nov urnik \"Kopija d'Or\": ID 2\n"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA = 2")).toInt(),
              c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA = 1")).toInt());
    r = Cli(sola, {QStringLiteral("copy-timetable"), QStringLiteral("--timetable"), QStringLiteral("1"),
                   QStringLiteral("--name"), QStringLiteral("kopija D'OR")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Urnik kopija D'OR že obstaja.\n"));
    r = Cli(sola, {QStringLiteral("copy-timetable"), QStringLiteral("--timetable"), QStringLiteral("0"),
                   QStringLiteral("--name"), QStringLiteral("X")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("--timetable mora biti celo število, najmanj 1.\n")));
}

TEST(UkaziUrnikov, ShowWithoutATurnusShowsTheTurnusiTheTimetableHasLessonsIn) {
    test::RocnaSola sola;
    ASSERT_TRUE(sola.db().exec(QStringLiteral("INSERT OR IGNORE INTO TURNUSI (ID, OZNAKA) VALUES (1, 'I'), (2, 'II');"
                                              "UPDATE TERMINI SET ID_TURNUSA = iif(DAN = 3, 2, 1)")));
    const test::CliResult r = Cli(sola, {QStringLiteral("show"), QStringLiteral("--class"), QStringLiteral("1A")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList blocks = r.out.split(QStringLiteral("\n\n"));
    ASSERT_EQ(blocks.size(), 2) << r.out.toStdString();
    EXPECT_TRUE(blocks.at(0).startsWith(QStringLiteral("Urnik \"Urnik\", turnus I, enota 1a\n")))
        << r.out.toStdString();
    EXPECT_TRUE(blocks.at(0).contains(QStringLiteral("1   | MAT        | MAT   |       | SLO     |\n")));
    EXPECT_TRUE(blocks.at(1).startsWith(QStringLiteral("Urnik \"Urnik\", turnus II, enota 1a\n")));
    EXPECT_TRUE(blocks.at(1).contains(QStringLiteral("1   |            |       | LUM   |         |\n")));
}

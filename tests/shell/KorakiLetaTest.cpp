#include "shell/KorakiLeta.h"
#include "db/MBaza.h"
#include "support/SampleProject.h"
#include "support/TempProject.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::shell;

namespace {

QStringList states(const QList<KorakLeta> &steps) {
    QStringList out;
    for (const KorakLeta &s : steps)
        out << (s.done ? QStringLiteral("+ ") : QStringLiteral("- ")) + s.caption + QStringLiteral(": ") + s.state;
    return out;
}

QStringList tabs(const QList<KorakLeta> &steps) {
    QStringList out;
    for (const KorakLeta &s : steps)
        out << QStringLiteral("%1 %2/%3").arg(s.set).arg(s.top, s.second);
    return out;
}

} // namespace

TEST(KorakiLeta, AnEmptyProjectMissesEveryStepAndLeadsToItsFirstTab) {
    test::TempProject project;
    project.db().exec(QStringLiteral("DELETE FROM PROSTORI"));
    const QList<KorakLeta> steps = KorakiLeta::Preberi(project.db());
    EXPECT_EQ(
        states(steps),
        (QStringList{"- Osnovni podatki: manjka: prostori, predmeti, enote, učitelji",
                     "- Predmetniki: manjka: razpored", "- Razpored ur: manjka: razpored (kdo uči kaj v kateri enoti)",
                     "- Urnik: manjka: urnik", "- Veljavnost v koledarju: manjka: obdobje, v katerem urnik velja"}));
    EXPECT_EQ(tabs(steps),
              (QStringList{"2 Prostori/", "3 Izbira/", "3 Razpored/", "4 Izbira/", "5 Koledar/Veljavnost urnika"}));
    EXPECT_FALSE(KorakiLeta::VseNarejeno(steps));
}

TEST(KorakiLeta, AHalfDoneProjectCountsWhatItHoldsAndNamesWhatIsMissing) {
    test::TempProject project;
    db::Connection &c = project.db();
    ASSERT_TRUE(c.exec(QStringLiteral("DELETE FROM PROSTORI")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (91, 'S', 'Stavba')")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PROSTORI (ID, OZNAKA, IME, ID_STAVBE) VALUES (1, 'P1', 'x', 91), "
                                      "(2, 'P2', 'y', 91)")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREDMETI (ID, OZNAKA, IME) VALUES (1, 'MAT', 'Matematika')")));
    ASSERT_TRUE(
        c.exec(QStringLiteral("INSERT INTO ODDELKI (ID, OZNAKA, IME) VALUES (1, '1.a', '1.a'), (2, '1.b', '')")));
    // Teachers still missing: the step leads to their tab.
    QList<KorakLeta> steps = KorakiLeta::Preberi(c);
    EXPECT_EQ(states(steps).first(),
              QStringLiteral("- Osnovni podatki: prostori: 2, predmeti: 1, enote: 2; manjka: učitelji"));
    EXPECT_EQ(tabs(steps).first(), QStringLiteral("2 Učitelji/"));

    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA, PRIIMEK) VALUES (1, 'NOV', 'Novak')")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'Redni')")));
    steps = KorakiLeta::Preberi(c);
    EXPECT_EQ(states(steps).mid(0, 3),
              (QStringList{"+ Osnovni podatki: prostori: 2, predmeti: 1, enote: 2, učitelji: 1",
                           "- Predmetniki: razporedi: 1; manjka: predmetnik",
                           "- Razpored ur: manjka: razpored (kdo uči kaj v kateri enoti)"}));
    EXPECT_EQ(tabs(steps).at(1), QStringLiteral("3 Predmetniki/"));
    ASSERT_TRUE(
        c.exec(QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (1, 'P', 'P', 1)")));
    steps = KorakiLeta::Preberi(c);
    EXPECT_EQ(states(steps).at(1), QStringLiteral("- Predmetniki: predmetniki: 1; manjka: predmeti v predmetniku"));
    EXPECT_EQ(tabs(steps).at(1), QStringLiteral("3 Predmetniki/Predmeti v predmetniku"));

    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU (ID_PROGRAMA, STEVILO_UR) VALUES (1, 4)")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_PREDMETA, ID_UCITELJA) VALUES "
                                      "(1, 1, 1, 1)")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'Prvi', 1)")));
    steps = KorakiLeta::Preberi(c);
    EXPECT_EQ(states(steps).mid(1),
              (QStringList{"+ Predmetniki: predmetniki: 1, predmeti v predmetnikih: 1",
                           "+ Razpored ur: vrstice razporeda: 1", "- Urnik: urniki: 1; manjka: razporejene ure",
                           "- Veljavnost v koledarju: manjka: obdobje, v katerem urnik velja"}));
    // With a timetable the step leads to its construction.
    EXPECT_EQ(tabs(steps).at(3), QStringLiteral("4 Avtomatsko/"));
    EXPECT_FALSE(KorakiLeta::VseNarejeno(steps));
}

TEST(KorakiLeta, TheSampleSchoolHasDoneEveryStepAndAForeignFileNone) {
    test::SampleProject sample;
    const QList<KorakLeta> steps = KorakiLeta::Preberi(db::ProjectDb());
    ASSERT_EQ(steps.size(), 5);
    for (const KorakLeta &s : steps)
        EXPECT_TRUE(s.done) << s.caption.toStdString() << ": " << s.state.toStdString();
    EXPECT_TRUE(KorakiLeta::VseNarejeno(steps));

    // A database without one of the project's tables has no steps to show.
    test::TempFolder dir;
    const QString path = dir.file(QStringLiteral("tuja.db"));
    ASSERT_TRUE(QFile::copy(test::ProgramFolder() + QStringLiteral("/zn.opp"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    db::Connection foreign;
    ASSERT_TRUE(foreign.open(path));
    ASSERT_TRUE(foreign.exec(QStringLiteral("DROP TABLE VELJAVNOST_URNIKA")));
    EXPECT_TRUE(KorakiLeta::Preberi(foreign).isEmpty());
    EXPECT_FALSE(KorakiLeta::VseNarejeno({}));
}

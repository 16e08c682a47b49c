#include "timetable/PreverjanjeUrnika.h"
#include "MalaSola.h"
#include "db/MBaza.h"
#include "support/TempProject.h"
#include "timetable/ConstructCommand.h"
#include "timetable/IzbiraUrnika.h"
#include "timetable/VerifyCommand.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::timetable;

TEST(PreverjanjeUrnika, ListsEveryKindOfViolation) {
    test::TempProject project;
    test::MalaSola s(project.db());
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 b = s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 u1 = s.prostor(QStringLiteral("U1"));
    const qint64 mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, u1}}).first();
    const qint64 slo = s.predavanje(a, s.predmet(QStringLiteral("SLO")), 1, 1, {{t2, 0}}).first();
    const qint64 ang = s.predavanje(b, s.predmet(QStringLiteral("ANG")), 5, 1, {{t1, u1}}).first();
    s.prepovedOddelka(b, 5, 1);
    s.termin(mat, 1, 1, QStringLiteral("a"), u1);
    s.termin(slo, 1, 1, QStringLiteral("r"));     // class 1a twice
    s.termin(slo, 2, 1, QStringLiteral("r"));     // SLO placed twice a week, once allowed
    s.termin(ang, 1, 1, QStringLiteral("a"), u1); // teacher T1 and room U1 twice
    s.termin(mat, 3, 1, QStringLiteral("a"), u1); // not contiguous with (3,3)
    s.termin(mat, 3, 3, QStringLiteral("a"), u1); // and outside the frame of 1a
    s.termin(ang, 5, 1, QStringLiteral("r"));     // forbidden for 1b
    const QStringList krsitve = PreverjanjeUrnika(1, 1, 0).preveri();
    EXPECT_EQ(krsitve, (QStringList{
                           "Skupina 1a: dan 1, ura 1 zaseden dvakrat (1a MAT, 1a SLO).",
                           "Oddelek 1a: dan 1, ura 1 zaseden dvakrat (1a MAT, 1a SLO).",
                           "Učitelj T1: dan 1, ura 1 zaseden dvakrat (1a MAT, 1b ANG).",
                           "Prostor U1: dan 1, ura 1 zaseden dvakrat (1a MAT, 1b ANG).",
                           "Oddelek 1b: pouk v prepovedani uri, dan 5, ura 1.",
                           "1a SLO: razporejenih ur 2, tedenskih ur 1.",
                           "1a MAT: samodejno razporejene ure dne 3 niso strnjene.",
                           "1a MAT: dan 3, ura 3 zunaj okvirja oddelka 1a.",
                       }));
}

TEST(PreverjanjeUrnika, SoundTimetableHasNoViolationsAndEntriesMayShareTheirRoom) {
    test::TempProject project;
    test::MalaSola s(project.db());
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 tel = s.prostor(QStringLiteral("TEL"));
    const auto spo = s.predavanje(a, s.predmet(QStringLiteral("ŠPO")), 2, 2, {{t1, tel}, {t2, tel}});
    s.predavanje(a, s.predmet(QStringLiteral("MAT")), 8, 1, {{t1, 0}}); // frame: periods 1 and 2
    for (int ura : {1, 2})
        for (qint64 r : spo)
            s.termin(r, 4, ura, QStringLiteral("a"), tel);
    EXPECT_EQ(PreverjanjeUrnika(1, 1, 0).preveri(), QStringList{});
}

TEST(ZentrelCli, ConstructThenVerifyTheSavedTimetable) {
    test::TempProject project;
    test::MalaSola s(project.db());
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 b = s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    s.predavanje(a, s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, 0}});
    s.predavanje(b, s.predmet(QStringLiteral("SLO")), 4, 2, {{t2, 0}});
    s.predavanje(b, s.predmet(QStringLiteral("ANG")), 3, 1, {{t2, 0}});
    s.predavanje(b, s.predmet(QStringLiteral("GUM")), 3, 1, {{t2, 0}});
    project.db().close();
    EXPECT_EQ(RunConstructCommand({project.path(), QStringLiteral("--timetable"), QStringLiteral("Urnik"),
                                   QStringLiteral("--seed"), QStringLiteral("8")}),
              0);
    EXPECT_EQ(RunVerifyCommand({project.path()}), 0);
    db::Connection &c = db::ProjectDb();
    ASSERT_TRUE(c.isOpen());
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE TIP = 'a'")).toInt(), 14);
    // A period moved by hand onto another lesson of 1a is a violation verify reports.
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE TERMINI SET DAN = (SELECT DAN FROM TERMINI T JOIN RAZPORED R ON "
                                      "R.ID = T.ID_RAZPOREDA WHERE R.ID_UCITELJA = %1 LIMIT 1), URA = (SELECT URA "
                                      "FROM TERMINI T JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA WHERE R.ID_UCITELJA = "
                                      "%1 LIMIT 1) WHERE ID = (SELECT T.ID FROM TERMINI T JOIN RAZPORED R ON R.ID = "
                                      "T.ID_RAZPOREDA WHERE R.ID_UCITELJA = %1 ORDER BY T.ID DESC LIMIT 1)")
                           .arg(t1)));
    c.close();
    EXPECT_EQ(RunVerifyCommand({project.path()}), 1);
    EXPECT_EQ(RunConstructCommand({project.path(), QStringLiteral("--seed")}), 1) << "a missing value is refused";
    EXPECT_EQ(RunConstructCommand({project.path(), QStringLiteral("--curriculum"), QStringLiteral("Ni ga")}), 1);
}

TEST(ZentrelCli, SelectionsByIdNameOrCodeAndTheirErrors) {
    test::TempProject project;
    test::MalaSola s(project.db());
    db::Connection &c = project.db();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (2, 'Drugi razpored')")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (5, 'Jesen''s', 2)")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (6, 'Pomlad', 2)")));
    auto &app = core::App();
    EXPECT_EQ(NastaviIzbiro({}, QStringLiteral("Jesen's"), QStringLiteral("I")), QString());
    EXPECT_EQ(app.trenutniPredmetnik, 2) << "a timetable brings its curriculum";
    EXPECT_EQ(app.trenutniUrnik, 5);
    EXPECT_EQ(app.trenutniTurnus, 1);
    EXPECT_EQ(NastaviIzbiro(QStringLiteral("2"), QStringLiteral("6"), QStringLiteral("0")), QString());
    EXPECT_EQ(app.trenutniUrnik, 6);
    EXPECT_EQ(app.trenutniTurnus, 0);
    EXPECT_EQ(NastaviIzbiro(QStringLiteral("1"), {}, {}), QString());
    EXPECT_EQ(app.trenutniUrnik, 1) << "the current timetable of another curriculum gives way to the first";
    EXPECT_EQ(NastaviIzbiro(QStringLiteral("1"), QStringLiteral("Pomlad"), {}),
              QStringLiteral("Urnika Pomlad v razporedu Razpored ni."));
    EXPECT_EQ(NastaviIzbiro({}, {}, QStringLiteral("Z")), QStringLiteral("Turnusa Z ni."));
    const MoznostiUkaza m = RazcleniUkaz(
        {QStringLiteral("p.znt"), QStringLiteral("--seed"), QStringLiteral("4"), QStringLiteral("--third-round")},
        {QStringLiteral("--seed")}, {QStringLiteral("--third-round")});
    EXPECT_EQ(m.polozajni, QStringList{QStringLiteral("p.znt")});
    EXPECT_EQ(m.vrednosti.value(QStringLiteral("--seed")), QStringLiteral("4"));
    EXPECT_EQ(m.stikala, QStringList{QStringLiteral("--third-round")});
    EXPECT_EQ(RazcleniUkaz({QStringLiteral("--fast")}, {}, {}).napaka, QStringLiteral("Neznana možnost --fast."));
}

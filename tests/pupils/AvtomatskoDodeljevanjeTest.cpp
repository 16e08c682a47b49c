#include "pupils/AvtomatskoDodeljevanje.h"
#include "PupilsFixture.h"
#include "pupils/IzbirneSkupine.h"

using namespace zentrel;
using namespace zentrel::pupils;
using zentrel::core::Answer;
using zentrel::test::PupilsFixture;

class AvtomatskoDodeljevanjeTest : public PupilsFixture {
protected:
    void SetUp() override {
        PupilsFixture::SetUp();
        set(1, QStringLiteral("Nabor 7"), QStringLiteral("S"));
        setUnits(1, {1, 2});
        elective(1, 1, QStringLiteral("AST"), 12, 3, 2);
        elective(2, 1, QStringLiteral("FVZ"), 12, 3, 3);
        elective(3, 1, QStringLiteral("OGL"), 0, 0); // a largest group of 0: left out
        // Twelve pupils chose AST and FVZ, with OGL as a reserve; 7.a and 7.b take part.
        pupils(1, 6, 1);
        pupils(7, 12, 2);
        for (qint64 m = 1; m <= 12; ++m) {
            choice(m, 1);
            choice(m, 2);
            choice(m, 3, QStringLiteral("R"));
        }
    }
    AvtomatskoDodeljevanje::Options options() { return {1, -1, false}; }
    QStringList places() {
        return column(QStringLiteral(
            "SELECT SO.OZNAKA || ':' || G.ID_IZBIRNEGA_PREDMETA || ':' || count(*) || ':' || "
            "group_concat(DISTINCT E.TIP) FROM ERD_UCENCI_PREDMETA E INNER JOIN "
            "SKUPINE_ODDELKOV SO ON SO.ID = E.ID_SKUPINE_ODDELKOV INNER JOIN PREDMETI_V_SKUPINI "
            "G ON G.ID = E.ID_PREDMETI_V_SKUPINI GROUP BY SO.OZNAKA, G.ID_IZBIRNEGA_PREDMETA ORDER BY 1"));
    }
};

TEST_F(AvtomatskoDodeljevanjeTest, TheResultIsShownAndWrittenOnlyWhenAccepted) {
    const QString before = dump();
    answer({Answer::No});
    AvtomatskoDodeljevanje rejected(options());
    ASSERT_TRUE(rejected.prepare());
    EXPECT_FALSE(rejected.write());
    EXPECT_EQ(messages(),
              (QStringList{"Izbirni predmeti brez pravilnega največjega in najmanjšega števila učencev so izpuščeni: "
                           "S-OGL.",
                           "Rezultat avtomatskega dodeljevanja\n\nŠtevilo dodeljenih izbranih: 24\nŠtevilo dodeljenih "
                           "rezerv: 0\nŠtevilo nedodeljenih predmetov: 0\nŠtevilo prostih terminov učencev: 0"}));
    EXPECT_EQ(dump(), before); // rejected: every table as it was

    answer({Answer::Yes});
    AvtomatskoDodeljevanje accepted(options());
    ASSERT_TRUE(accepted.prepare());
    ASSERT_TRUE(accepted.write());
    // Two blocks: AST in one, FVZ in the other (everybody chose both), each pupil in both.
    EXPECT_EQ(places(), (QStringList{"$IZB1:1:12:A", "$IZB2:2:12:A"}));
    EXPECT_EQ(column(QStringLiteral("SELECT P.OZNAKA || ':' || P.ID_IZBIRNEGA_NABORA || ':' || V.STEVILO_UR || '/' || "
                                    "V.DOLZINA_TERMINA || '/' || V.ZAHTEVNOST FROM PROGRAMI P INNER JOIN "
                                    "PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = P.ID ORDER BY P.OZNAKA, V.STEVILO_UR "
                                    "DESC")),
              (QStringList{"$IZB1:-1:2/1/2", "$IZB2:-1:3/1/2"}));
    EXPECT_EQ(column(QStringLiteral("SELECT group_concat(OS.ID_ODDELKA) FROM ODDELKI_V_SKUPINI OS INNER JOIN "
                                    "SKUPINE_ODDELKOV SO ON SO.ID = OS.ID_SKUPINE WHERE SO.IME = 'Izbirna' GROUP BY "
                                    "SO.ID")),
              (QStringList{"1,2", "1,2"}));
}

TEST_F(AvtomatskoDodeljevanjeTest, PlacesGivenByHandKeepTheirTypeAndSurviveDeletingTheAutomaticGroups) {
    answer({Answer::Yes});
    AvtomatskoDodeljevanje first(options());
    ASSERT_TRUE(first.prepare());
    ASSERT_TRUE(first.write());
    run(QStringLiteral("UPDATE ERD_UCENCI_PREDMETA SET TIP = 'R' WHERE ID_UCENCA = 1"));
    // A second run keeps the groups and their pupils; the hand places stay "R".
    answer({Answer::Yes});
    AvtomatskoDodeljevanje second(options());
    ASSERT_TRUE(second.prepare());
    ASSERT_TRUE(second.write());
    EXPECT_EQ(column(QStringLiteral("SELECT TIP || count(*) FROM ERD_UCENCI_PREDMETA GROUP BY TIP ORDER BY TIP")),
              (QStringList{"A22", "R2"}));
    IzbirneSkupine groups;
    ASSERT_TRUE(groups.open());
    answer({Answer::Yes});
    ASSERT_TRUE(groups.deleteAll(true));
    EXPECT_EQ(places(), (QStringList{"$IZB1:1:1:R", "$IZB2:2:1:R"}));
    EXPECT_EQ(messages().last(), QStringLiteral("Potrdi brisanje avtomatsko tvorjenih izbirnih skupin\nIzbirne skupine "
                                                "bodo brisane tudi iz razporeda in pripdaočih urnikov!"));
}

TEST_F(AvtomatskoDodeljevanjeTest, ExistingAssignmentsAreOnlyDroppedAfterTheQuestion) {
    answer({Answer::Yes});
    AvtomatskoDodeljevanje first(options());
    ASSERT_TRUE(first.prepare());
    ASSERT_TRUE(first.write());
    teacher(1, QStringLiteral("T1"));
    run(QStringLiteral(
        "INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
        "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) SELECT 1, 1, "
        "E.ID_SKUPINE_ODDELKOV, E.ID_PROGRAMA, G.ID_SKUPINE, G.ID_PREDMETA, 1, 0, G.ID FROM "
        "ERD_UCENCI_PREDMETA E INNER JOIN PREDMETI_V_SKUPINI G ON G.ID = E.ID_PREDMETI_V_SKUPINI LIMIT "
        "1"));
    project.messages().clear();
    const QString before = dump();
    answer({Answer::No});
    EXPECT_FALSE(AvtomatskoDodeljevanje(options()).prepare());
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Že obstoječe izbirne skupine bodo brisane iz razporeda in "
                                                     "pripdaočih urnikov!\nAli res želite nadaljevati?")});
    EXPECT_EQ(dump(), before);
    // Only one set's electives take part: the others keep their groups as they are.
    answer({Answer::Yes, Answer::Yes});
    AvtomatskoDodeljevanje again({1, 2, false});
    ASSERT_TRUE(again.prepare());
    EXPECT_EQ(again.figures().placedChosen, 24);
    ASSERT_TRUE(again.write());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
    EXPECT_EQ(places(), (QStringList{"$IZB1:1:12:A", "$IZB2:2:12:A"}));
}

#include "SolaZaUrnik.h"
#include "engine/MapaId.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;

TEST(MapaId, BinarySearchFindsEveryKeyOfEverySizeAndNothingElse) {
    for (int n = 0; n <= 40; ++n) {
        MapaId mapa;
        for (int i = 1; i <= n; ++i)
            mapa.dodaj(i * 10, i);
        for (int i = 1; i <= n; ++i)
            EXPECT_EQ(mapa.najdi(i * 10), i) << "n=" << n << " i=" << i;
        EXPECT_EQ(mapa.najdi(5), -1);
        EXPECT_EQ(mapa.najdi(n * 10 + 5), -1);
        EXPECT_EQ(mapa.najdi(0), -1) << "the sentinel is never a match";
        if (n >= 2) {
            EXPECT_EQ(mapa.najdi(15), -1);
        }
    }
}

namespace {

// A fresh project and the small-school builder; each test loads the model itself.
class BranjeModela : public ::testing::Test, public test::SolaZaUrnik {};

} // namespace

TEST_F(BranjeModela, EmptyTimetableLoadsUnitsWithAllPeriodsRemaining) {
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 b = s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 r1 = s.prostor(QStringLiteral("U1"));
    const qint64 mat = s.predmet(QStringLiteral("MAT"));
    const qint64 slo = s.predmet(QStringLiteral("SLO"));
    s.predavanje(a, mat, 4, 1, {{t1, r1}, {t2, 0}});
    s.predavanje(b, slo, 5, 2, {{t2, 0}}, 3);
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    ASSERT_EQ(m.steviloPredavanj(), 2);
    const int um = predavanje(QStringLiteral("MAT"), QStringLiteral("1a"));
    const int us = predavanje(QStringLiteral("SLO"), QStringLiteral("1b"));
    ASSERT_GT(um, 0);
    ASSERT_GT(us, 0);
    EXPECT_EQ(m.predavanja[size_t(um)].preostalo, 4);
    EXPECT_EQ(m.predavanja[size_t(um)].tedenskeUre, 4);
    EXPECT_EQ(m.predavanja[size_t(um)].steviloIzvajalcev(), 2) << "two teachers taught together form one unit";
    EXPECT_EQ(m.predavanja[size_t(us)].dolzinaBloka, 2);
    EXPECT_EQ(m.predavanja[size_t(us)].zahtevnost, 3);
    EXPECT_TRUE(m.predavanja[size_t(us)].vsiTurnusi);
    EXPECT_EQ(m.steviloTerminov(), 0);
    // Teacher T2 teaches in both units: one lesson pair per entry.
    int t2i = 0;
    for (int t = 1; t <= m.steviloUciteljev(); ++t)
        if (m.ucitelji[size_t(t)].oznaka == QLatin1String("T2"))
            t2i = t;
    ASSERT_GT(t2i, 0);
    EXPECT_EQ(m.ucitelji[size_t(t2i)].predavanja.size(), 3u);
    EXPECT_EQ(m.prostori[size_t(m.prosteUcilnice)].oznaka, QStringLiteral("--U--"));
    EXPECT_TRUE(project.messages().texts().isEmpty());
}

TEST_F(BranjeModela, RoomsGroupsCabinetsAndFreeClassrooms) {
    const qint64 stavba = s.stavba(QStringLiteral("S1"));
    const qint64 u1 = s.prostor(QStringLiteral("U1"), false, stavba);
    const qint64 u2 = s.prostor(QStringLiteral("U2"));
    const qint64 kab = s.prostor(QStringLiteral("KAB"), true);
    const qint64 nul = s.prostor(QStringLiteral("NUL"));
    ASSERT_TRUE(project.db().exec(QStringLiteral("UPDATE PROSTORI SET KABINET = Null WHERE ID = %1").arg(nul)));
    s.skupinaProstorov(QStringLiteral("$VSE"), {u1, kab});
    s.skupinaProstorov(QStringLiteral("$PRAZNA"), {});
    ASSERT_TRUE(PreberiModelUrnika(m, true));
    auto najdi = [&](const QString &oznaka) {
        for (int i = 1; i <= m.steviloProstorov(); ++i)
            if (m.prostori[size_t(i)].oznaka == oznaka)
                return i;
        return 0;
    };
    const int iu1 = najdi(QStringLiteral("U1")), iu2 = najdi(QStringLiteral("U2"));
    const int ikab = najdi(QStringLiteral("KAB")), inul = najdi(QStringLiteral("NUL"));
    EXPECT_EQ(m.prostori[size_t(iu1)].stavba, stavba);
    EXPECT_EQ(m.prostori[size_t(iu2)].stavba, 0);
    EXPECT_TRUE(m.prostori[size_t(ikab)].kabinet);
    EXPECT_TRUE(m.prostori[size_t(inul)].kabinet) << "a null cabinet flag counts as a cabinet";
    EXPECT_EQ(m.prostori[size_t(iu1)].clani, (std::vector<int>{0, iu1}));
    const ProstorUrnika &vse = m.prostori[size_t(najdi(QStringLiteral("$VSE")))];
    EXPECT_TRUE(vse.isGroup);
    EXPECT_EQ(vse.clani, (std::vector<int>{0, iu1, ikab}));
    EXPECT_EQ(m.prostori[size_t(najdi(QStringLiteral("$PRAZNA")))].steviloClanov(), 0);
    EXPECT_EQ(m.prosteUcilnice, m.steviloProstorov());
    EXPECT_EQ(m.prostori[size_t(m.prosteUcilnice)].clani, (std::vector<int>{0, iu1, iu2}));
    Q_UNUSED(u2);

    // The lists the windows show run in Slovenian alphabetical order (č between c and d).
    for (const char *oznaka : {"DVO", "ČIT", "CIR"})
        s.prostor(QString::fromUtf8(oznaka));
    ASSERT_TRUE(PreberiModelUrnika(m, true));
    QStringList prostori;
    for (int i : m.prostoriPoOznaki)
        prostori << m.prostori[size_t(i)].oznaka;
    EXPECT_EQ(prostori, (QStringList{"--U--", "$PRAZNA", "$VSE", "CIR", "ČIT", "DVO", "KAB", "NUL", "U1", "U2"}));
}

TEST_F(BranjeModela, ClassCollisionDeletesTheLaterPeriodAndReportsIt) {
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 mat = s.predmet(QStringLiteral("MAT"));
    const qint64 slo = s.predmet(QStringLiteral("SLO"));
    const qint64 rm = s.predavanje(a, mat, 3, 1, {{t1, 0}}).first();
    const qint64 rs = s.predavanje(a, slo, 3, 1, {{t2, 0}}).first();
    const qint64 keep = s.termin(rm, 1, 2);
    s.termin(rs, 1, 2);
    s.termin(rs, 2, 4);
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    EXPECT_EQ(project.messages().texts(),
              QStringList{QStringLiteral("Odkrita so bila prekrivanja:\n\n1a  --  1  2. uro\n\nPrekrivanja so bila "
                                         "zbrisana.")});
    EXPECT_EQ(stevilo(QStringLiteral("SELECT count(*) FROM TERMINI")), 2);
    EXPECT_EQ(stevilo(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID = %1").arg(keep)), 1);
    // The clean pass holds both surviving periods, entered in every grid.
    ASSERT_EQ(m.steviloTerminov(), 2);
    const int us = predavanje(QStringLiteral("SLO"), QStringLiteral("1a"));
    EXPECT_EQ(m.predavanja[size_t(us)].preostalo, 2);
    EXPECT_EQ(m.oddelki[1].zasedenost(1, 2), 1);
    EXPECT_EQ(m.oddelki[1].zasedenost(2, 4), 2);
}

TEST_F(BranjeModela, TeacherCollisionDeletesTheWholePlacedPeriod) {
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 b = s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 t3 = s.ucitelj(QStringLiteral("T3"));
    const qint64 r1 = s.prostor(QStringLiteral("U1"));
    const qint64 mat = s.predmet(QStringLiteral("MAT"));
    const qint64 fiz = s.predmet(QStringLiteral("FIZ"));
    const auto ra = s.predavanje(a, mat, 2, 1, {{t1, 0}, {t2, 0}});
    const auto rb = s.predavanje(b, fiz, 2, 1, {{t3, r1}, {t2, 0}});
    s.termin(ra[0], 2, 3);
    s.termin(ra[1], 2, 3);
    s.termin(rb[0], 2, 3, QStringLiteral("r"), r1);
    s.termin(rb[1], 2, 3);
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    EXPECT_EQ(project.messages().texts(),
              QStringList{QStringLiteral("Odkrita so bila prekrivanja:\n\n1b  --  2  3. uro\n\nPrekrivanja so bila "
                                         "zbrisana.")});
    EXPECT_EQ(stevilo(QStringLiteral("SELECT count(*) FROM TERMINI")), 2);
    EXPECT_EQ(
        stevilo(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_RAZPOREDA IN (%1, %2)").arg(rb[0]).arg(rb[1])), 0)
        << "the row of T3 goes with the colliding row of T2";
    EXPECT_EQ(m.steviloTerminov(), 1);
}

TEST_F(BranjeModela, OnlyRatedIgnoresUnitsOfDifficultyZeroAndOtherTimetablesAreNotRead) {
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 r1 = s.prostor(QStringLiteral("U1"));
    const qint64 sport = s.predmet(QStringLiteral("ŠPO"));
    const qint64 r = s.predavanje(a, sport, 3, 1, {{t1, r1}}, 0).first();
    s.termin(r, 1, 1, QStringLiteral("r"), r1);
    s.termin(r, 2, 1);
    ASSERT_TRUE(
        project.db().exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (2, 'Drugi', 1)")));
    ASSERT_TRUE(project.db().exec(
        QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) VALUES (2, %1, 3, 3, "
                       "'r', 0)")
            .arg(r)));
    ASSERT_TRUE(PreberiModelUrnika(m, true));
    ASSERT_EQ(m.steviloPredavanj(), 1);
    EXPECT_EQ(m.predavanja[1].preostalo, 0);
    EXPECT_EQ(m.predavanja[1].tedenskeUre, 0);
    EXPECT_EQ(m.steviloTerminov(), 2) << "placed periods still occupy their cells";
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    EXPECT_EQ(m.predavanja[1].preostalo, 1);
    EXPECT_EQ(m.predavanja[1].tedenskeUre, 3);
    // Period (1,1) has its room, period (2,1) has none.
    EXPECT_GE(m.termini[1].zasedbe[1].prostor, 1);
    EXPECT_EQ(m.termini[2].zasedbe[1].prostor, 0);
    EXPECT_EQ(m.prostori[size_t(m.termini[1].zasedbe[1].prostor)].zasedenost(1, 1).termin, 1);
    EXPECT_EQ(m.ucitelji[1].zasedeneUre[1], 1 << 1);
    EXPECT_TRUE(project.messages().texts().isEmpty());
}

TEST_F(BranjeModela, OverlapLinesAreSortedAndHashInLabelsIsKept) {
    const qint64 a = s.oddelek(QStringLiteral("#2b"));
    const qint64 b = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 mat = s.predmet(QStringLiteral("MAT"));
    const qint64 slo = s.predmet(QStringLiteral("SLO"));
    const qint64 am = s.predavanje(a, mat, 3, 1, {{t1, 0}}).first();
    const qint64 as = s.predavanje(a, slo, 3, 1, {{t2, 0}}).first();
    const qint64 bm = s.predavanje(b, mat, 3, 1, {{t1, 0}}).first();
    s.termin(am, 3, 1);
    s.termin(as, 3, 1);
    s.termin(bm, 3, 1); // collides with T1 of #2b
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    EXPECT_EQ(project.messages().texts(),
              QStringList{QStringLiteral("Odkrita so bila prekrivanja:\n\n#2b  --  3  1. uro\n1a  --  3  1. uro\n\n"
                                         "Prekrivanja so bila zbrisana.")});
    EXPECT_EQ(stevilo(QStringLiteral("SELECT count(*) FROM TERMINI")), 1);
}

TEST_F(BranjeModela, CollisionThatCannotBeDeletedStopsTheLoadWithAnError) {
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 3, 1, {{t1, 0}}).first();
    const qint64 slo = s.predavanje(a, s.predmet(QStringLiteral("SLO")), 3, 1, {{t1, 0}}).first();
    s.termin(mat, 1, 2);
    s.termin(slo, 1, 2);
    ASSERT_TRUE(project.db().exec(
        QStringLiteral("CREATE TRIGGER ZAKLEP BEFORE DELETE ON TERMINI BEGIN SELECT RAISE(ABORT, 'zaklenjeno'); END")));
    EXPECT_FALSE(PreberiModelUrnika(m, false)) << "the load must not repeat forever";
    EXPECT_EQ(project.messages().texts(), QStringList{QStringLiteral("Napaka pri branju urnika.\nzaklenjeno (1)")});
    EXPECT_EQ(stevilo(QStringLiteral("SELECT count(*) FROM TERMINI")), 2);
}

TEST_F(BranjeModela, EveryWeekAssignmentReadsOnlyThePeriodsOfTheCurrentTurnus) {
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 r = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, 0}}).first();
    s.termin(r, 1, 1); // turnus 0
    ASSERT_TRUE(project.db().exec(
        QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) VALUES (1, %1, 2, 2, "
                       "'r', 1)")
            .arg(r)));
    core::App().trenutniTurnus = 1;
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    ASSERT_EQ(m.steviloPredavanj(), 1) << "an assignment of turnus 0 belongs to every turnus";
    ASSERT_EQ(m.steviloTerminov(), 1);
    EXPECT_EQ(m.termini[1].dan, 2);
    EXPECT_EQ(m.predavanja[1].preostalo, 3);
}

TEST_F(BranjeModela, TwoEntriesOfOnePeriodSharingTheirRoomAreNoCollision) {
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 tel = s.prostor(QStringLiteral("TEL"));
    const auto spo = s.predavanje(a, s.predmet(QStringLiteral("ŠPO")), 3, 1, {{t1, tel}, {t2, tel}});
    s.termin(spo[0], 2, 2, QStringLiteral("a"), tel);
    s.termin(spo[1], 2, 2, QStringLiteral("a"), tel);
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    EXPECT_TRUE(project.messages().texts().isEmpty()) << "the construction places such periods itself";
    EXPECT_TRUE(m.prekrivanja.empty());
    EXPECT_EQ(stevilo(QStringLiteral("SELECT count(*) FROM TERMINI")), 2);
    ASSERT_EQ(m.steviloTerminov(), 1);
    EXPECT_EQ(m.termini[1].zasedbe.size(), 3u);
}

TEST_F(BranjeModela, OverlapsInsideOnePlacedPeriodAreDeletedLikeAnyOther) {
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 u1 = s.prostor(QStringLiteral("U1"));
    const qint64 u2 = s.prostor(QStringLiteral("U2"));
    const qint64 g = s.skupinaProstorov(QStringLiteral("$G"), {u1, u2});
    const qint64 mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 3, 1, {{t1, u1}}).first();
    const auto tja = s.predavanje(a, s.predmet(QStringLiteral("TJA")), 3, 1, {{t1, g}, {t2, g}});
    const auto nem = s.predavanje(a, s.predmet(QStringLiteral("NEM")), 3, 1, {{t2, 0}, {t2, 0}});
    const qint64 prvi = s.termin(mat, 1, 1, QStringLiteral("r"), u1);
    s.termin(mat, 1, 1, QStringLiteral("r"), u1); // the same row twice: only the second goes
    s.termin(tja[0], 2, 1, QStringLiteral("r"), u1);
    s.termin(tja[1], 2, 1, QStringLiteral("r"), u1); // a group's two entries in one room
    s.termin(nem[0], 3, 1);
    s.termin(nem[1], 3, 1); // one teacher holding both entries
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    EXPECT_EQ(
        project.messages().texts(),
        QStringList{QStringLiteral("Odkrita so bila prekrivanja:\n\n1a  --  1  1. uro\n1a  --  2  1. uro\n1a  --  "
                                   "3  1. uro\n\nPrekrivanja so bila zbrisana.")});
    EXPECT_EQ(stevilo(QStringLiteral("SELECT group_concat(ID) FROM TERMINI")), prvi);
    ASSERT_EQ(m.steviloTerminov(), 1);
    EXPECT_EQ(m.termini[1].zasedbe.size(), 2u);
}

TEST_F(BranjeModela, ClassOfNoCurriculumGetsItsForbiddenPeriodsAndNumbersOutOfRangeAreListed) {
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    s.predavanje(a, s.predmet(QStringLiteral("MAT")), 2147483647, 1, {{t1, 0}});
    s.predavanje(a, s.predmet(QStringLiteral("SLO")), 4, 99, {{t1, 0}}, 7);
    s.prepovedOddelka(a, 3, 2);
    ASSERT_TRUE(project.db().exec(QStringLiteral("DELETE FROM ODDELKI_V_PREDMETNIKU WHERE ID_ODDELKA = %1").arg(a)));
    ASSERT_TRUE(PreberiModelUrnika(m, true));
    ASSERT_EQ(m.steviloOddelkov(), 1) << "a class of no curriculum is loaded";
    EXPECT_TRUE(m.oddelki[1].prepovedano(3, 2)) << "and so are its forbidden periods";
    EXPECT_EQ(m.neveljavniPodatki, (QStringList{"1a MAT: število ur 2147483647 (dovoljeno od 0 do 80)",
                                                "1a SLO: zahtevnost 7 (dovoljeno od 0 do 3)",
                                                "1a SLO: dolžina termina 99 (dovoljeno od 0 do 16)"}));
    const int mat = predavanje(QStringLiteral("MAT"));
    EXPECT_EQ(m.predavanja[size_t(mat)].tedenskeUre, 80);
    EXPECT_EQ(m.predavanja[size_t(predavanje(QStringLiteral("SLO")))].dolzinaBloka, 16);
}

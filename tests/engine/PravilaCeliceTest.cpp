// Each conflict rule of construction on a school of three to five lessons, with the exact cells
// at which the rule fails.

#include "engine/PravilaCelice.h"
#include "SolaZaUrnik.h"
#include "engine/Sestavljalnik.h"

#include <array>

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::engine::pravila;

namespace {

struct Sola : test::SolaZaUrnik {
    void nalozi() { SolaZaUrnik::nalozi(false); }
};

// The cells "day.period" at which a rule fails.
template <class F> QStringList Zavrnjene(F rule) {
    QStringList cells;
    for (int d = 1; d <= 5; ++d)
        for (int p = 0; p < StUr; ++p)
            if (!rule(d, p))
                cells << QStringLiteral("%1.%2").arg(d).arg(p);
    return cells;
}

template <class F> QStringList Sprejete(F rule) {
    return Zavrnjene([&](int d, int p) { return !rule(d, p); });
}

} // namespace

TEST(PravilaCelice, FrameAllowsOnlyTheClassGroupFrame) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t = x.s.ucitelj(QStringLiteral("T1"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 3, 1, {{t, 0}});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("SLO")), 2, 1, {{t, 0}});
    x.s.predavanje(x.s.skupinaOddelkov(QStringLiteral("nič"), {}), x.s.predmet(QStringLiteral("X")), 1, 1, {{t, 0}});
    x.nalozi();
    const int u = x.predavanje(QStringLiteral("MAT"), QStringLiteral("1a"));
    EXPECT_EQ(Sprejete([&](int d, int p) { return VOkvirju(x.m, x.p, u, d, p); }),
              (QStringList{"1.1", "2.1", "3.1", "4.1", "5.1"}));
    // A unit whose class group is not in the model has no frame at all.
    int brez = 0;
    for (int i = 1; i <= x.m.steviloPredavanj(); ++i)
        if (x.m.predavanja[size_t(i)].skupinaOddelkov < 1)
            brez = i;
    ASSERT_GT(brez, 0);
    EXPECT_TRUE(Sprejete([&](int d, int p) { return VOkvirju(x.m, x.p, brez, d, p); }).isEmpty());
}

TEST(PravilaCelice, ClassBusyInAnotherGroupBlocksTheCell) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 pol = x.s.skupinaOddelkov(QStringLiteral("1a/1"), {a});
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 mat = x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, 0}}).first();
    x.s.predavanje(pol, x.s.predmet(QStringLiteral("FIZ")), 2, 1, {{t2, 0}});
    x.s.termin(mat, 1, 1);
    x.s.termin(mat, 3, 5);
    x.nalozi();
    const int fiz = x.predavanje(QStringLiteral("FIZ"), QStringLiteral("1a/1"));
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return OddelkiProsti(x.m, fiz, d, p); }), (QStringList{"1.1", "3.5"}));
}

TEST(PravilaCelice, TeacherBusyWithAnotherClassBlocksTheCell) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 mat = x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, 0}}).first();
    x.s.predavanje(b, x.s.predmet(QStringLiteral("SLO")), 4, 1, {{t2, 0}, {t1, 0}});
    x.s.predavanje(b, x.s.predmet(QStringLiteral("ANG")), 4, 1, {{t2, 0}});
    x.s.termin(mat, 2, 3);
    x.nalozi();
    const int slo = x.predavanje(QStringLiteral("SLO"), QStringLiteral("1b"));
    const int ang = x.predavanje(QStringLiteral("ANG"), QStringLiteral("1b"));
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return UciteljiProsti(x.m, slo, d, p); }), QStringList{"2.3"});
    EXPECT_TRUE(Zavrnjene([&](int d, int p) { return UciteljiProsti(x.m, ang, d, p); }).isEmpty());
}

TEST(PravilaCelice, TeacherDaySpansAtMostSevenPeriods) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 mat = x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, 0}}).first();
    x.s.predavanje(b, x.s.predmet(QStringLiteral("SLO")), 4, 1, {{t1, 0}});
    x.s.termin(mat, 1, 1);
    x.s.termin(mat, 4, 14);
    x.nalozi();
    const int slo = x.predavanje(QStringLiteral("SLO"), QStringLiteral("1b"));
    // A lesson at period 1 rules out periods 8 to 15; one at period 14 rules out periods 0 to 7.
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return RazponUciteljev(x.m, slo, d, p); }),
              (QStringList{"1.8", "1.9", "1.10", "1.11", "1.12", "1.13", "1.14", "1.15", "4.0", "4.1", "4.2", "4.3",
                           "4.4", "4.5", "4.6", "4.7"}));
}

TEST(PravilaCelice, ForbiddenPeriodsOfClassesAndTeachers) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, 0}});
    x.s.predavanje(b, x.s.predmet(QStringLiteral("SLO")), 4, 1, {{t2, 0}});
    x.s.prepovedOddelka(a, 1, 0);
    x.s.prepovedUcitelja(t1, 3, 4);
    x.s.prepovedUcitelja(t2, 5, 5);
    x.nalozi();
    const int mat = x.predavanje(QStringLiteral("MAT"), QStringLiteral("1a"));
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return NiPrepovedano(x.m, mat, d, p); }), (QStringList{"1.0", "3.4"}));
}

TEST(PravilaCelice, TwoEntriesOfAGroupGetDifferentRoomsAndShareASingleRoom) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 t3 = x.s.ucitelj(QStringLiteral("T3"));
    const qint64 u1 = x.s.prostor(QStringLiteral("U1"));
    const qint64 u2 = x.s.prostor(QStringLiteral("U2"));
    const qint64 u3 = x.s.prostor(QStringLiteral("U3"));
    const qint64 u4 = x.s.prostor(QStringLiteral("U4"));
    const qint64 g3 = x.s.skupinaProstorov(QStringLiteral("$G3"), {u1, u2, u3});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("TJA")), 3, 1, {{t1, g3}, {t2, g3}});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("ŠPO")), 3, 1, {{t1, u4}, {t2, u4}});
    const qint64 drugi = x.s.predavanje(b, x.s.predmet(QStringLiteral("MAT")), 3, 1, {{t3, u1}}).first();
    const qint64 tretji = x.s.predavanje(b, x.s.predmet(QStringLiteral("FIZ")), 3, 1, {{t3, u2}}).first();
    x.s.termin(drugi, 1, 1, QStringLiteral("r"), u1);
    x.s.termin(drugi, 2, 1, QStringLiteral("r"), u1);
    x.s.termin(tretji, 2, 2, QStringLiteral("r"), u2);
    x.s.prepovedProstora(u3, 2, 1);
    x.nalozi();
    const int tja = x.predavanje(QStringLiteral("TJA"), QStringLiteral("1a"));
    const int spo = x.predavanje(QStringLiteral("ŠPO"), QStringLiteral("1a"));
    const int i1 = x.prostor(QStringLiteral("U1")), i2 = x.prostor(QStringLiteral("U2"));
    const int i3 = x.prostor(QStringLiteral("U3")), i4 = x.prostor(QStringLiteral("U4"));
    int izbrane[NajvecIzvajalcev + 1] = {};
    ASSERT_TRUE(ProstoriNaVoljo(x.m, x.p, tja, 3, 3, izbrane));
    EXPECT_NE(izbrane[1], izbrane[2]);
    EXPECT_TRUE(QList<int>({i1, i2, i3}).contains(izbrane[1]) && QList<int>({i1, i2, i3}).contains(izbrane[2]));
    ASSERT_TRUE(ProstoriNaVoljo(x.m, x.p, tja, 1, 1, izbrane)) << "U1 is taken, U2 and U3 are left";
    EXPECT_EQ(QList<int>({izbrane[1], izbrane[2]}) == QList<int>({i2, i3}) ||
                  QList<int>({izbrane[1], izbrane[2]}) == QList<int>({i3, i2}),
              true);
    ASSERT_TRUE(ProstoriNaVoljo(x.m, x.p, spo, 3, 3, izbrane));
    EXPECT_EQ(izbrane[1], i4);
    EXPECT_EQ(izbrane[2], i4);
    // (2,1): U1 taken, U3 forbidden: one room for two entries.
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, x.p, tja, d, p, izbrane); }),
              QStringList{"2.1"});
}

TEST(PravilaCelice, OverlappingGroupsGetTheAssignmentTheTestFoundAndThePlacementUsesIt) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 r1 = x.s.prostor(QStringLiteral("R1"));
    const qint64 r2 = x.s.prostor(QStringLiteral("R2"));
    const qint64 r3 = x.s.prostor(QStringLiteral("R3"));
    const qint64 ga = x.s.skupinaProstorov(QStringLiteral("$A"), {r1, r2});
    const qint64 gb = x.s.skupinaProstorov(QStringLiteral("$B"), {r2, r3});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("TJA")), 1, 1, {{t1, ga}, {t2, gb}});
    x.s.prepovedProstora(r3, 1, 1);
    x.nalozi();
    const int tja = x.predavanje(QStringLiteral("TJA"));
    const int i1 = x.prostor(QStringLiteral("R1")), i2 = x.prostor(QStringLiteral("R2"));
    // R2 is the least wanted room of $A, yet the only one left for $B.
    x.p.povprasevanja[size_t(i1)].povprasevanje(1, 1) = 0.9f;
    x.p.povprasevanja[size_t(i2)].povprasevanje(1, 1) = 0.1f;
    int izbrane[NajvecIzvajalcev + 1] = {};
    ASSERT_TRUE(ProstoriNaVoljo(x.m, x.p, tja, 1, 1, izbrane));
    EXPECT_EQ(QList<int>({izbrane[1], izbrane[2]}), QList<int>({i1, i2}));
    Sestavljalnik sestavljalnik(x.m, x.p, 1);
    ASSERT_TRUE(sestavljalnik.Postavi(tja, 1, 1, 1));
    const Termin &t = x.m.termini.back();
    EXPECT_EQ(QList<int>({t.zasedbe[1].prostor, t.zasedbe[2].prostor}), QList<int>({i1, i2}))
        << "every entry that needs a room is placed with one";
    EXPECT_EQ(x.m.prostori[size_t(i1)].zasedenost(1, 1).termin, x.m.steviloTerminov());
    EXPECT_EQ(x.m.prostori[size_t(i2)].zasedenost(1, 1).termin, x.m.steviloTerminov());
    // Two entries of $A: no cell offers two usable rooms when one of them is taken.
    ASSERT_TRUE(ProstoriNaVoljo(x.m, x.p, tja, 2, 1, izbrane));
    EXPECT_FALSE(ProstoriNaVoljo(x.m, x.p, tja, 1, 1, izbrane));
}

TEST(PravilaCelice, TeacherNamedByTwoEntriesOfOneUnitNeverFits) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("TJA")), 2, 1, {{t1, 0}, {t1, 0}});
    x.nalozi();
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return UciteljiProsti(x.m, 1, d, p); }).size(), 80);
}

TEST(PravilaCelice, WithBuildingChangesAClassMovesBuildingsOnlyAfterAFreePeriod) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 s1 = x.s.stavba(QStringLiteral("S1"));
    const qint64 s2 = x.s.stavba(QStringLiteral("S2"));
    const qint64 a1 = x.s.prostor(QStringLiteral("A1"), false, s1);
    const qint64 b1 = x.s.prostor(QStringLiteral("B1"), false, s2);
    const qint64 brez = x.s.prostor(QStringLiteral("N"));
    const qint64 mat = x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 1, 1, {{t1, a1}}).first();
    x.s.predavanje(a, x.s.predmet(QStringLiteral("SLO")), 2, 2, {{t2, b1}});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("GUM")), 1, 1, {{t2, brez}});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("DRU")), 21, 1, {{x.s.ucitelj(QStringLiteral("T3")), 0}});
    x.s.termin(mat, 1, 2, QStringLiteral("r"), a1);
    x.nalozi();
    const int slo = x.predavanje(QStringLiteral("SLO"));
    const int gum = x.predavanje(QStringLiteral("GUM"));
    const int ib1 = x.prostor(QStringLiteral("B1"));
    int izbrane[NajvecIzvajalcev + 1] = {};
    EXPECT_TRUE(ProstoriNaVoljo(x.m, x.p, slo, 1, 3, izbrane)) << "without the option a move is allowed";
    x.p.selitev = true;
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, x.p, slo, d, p, izbrane); }),
              (QStringList{"1.1", "1.3"}));
    EXPECT_TRUE(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, x.p, gum, d, p, izbrane); }).isEmpty())
        << "a room without a building never counts as a change";
    // Inside a block the period before is the block's own: its rooms decide.
    EXPECT_FALSE(
        StavbaUstreza(x.m, x.p, slo, 2, 2, ib1, std::array<int, 2>{0, x.prostor(QStringLiteral("A1"))}.data()));
    EXPECT_TRUE(StavbaUstreza(x.m, x.p, slo, 1, 0, ib1, nullptr, true)) << "the block's next period comes later";
    SobeBloka sobe;
    EXPECT_FALSE(BlokUstreza(x.m, x.p, slo, 1, 3, 2, sobe));
    EXPECT_TRUE(BlokUstreza(x.m, x.p, slo, 1, 4, 2, sobe));
    EXPECT_EQ(sobe.soba[0][1], ib1);
    EXPECT_EQ(sobe.soba[1][1], ib1);
}

TEST(PravilaCelice, SingleEntryNeedsOneFreeMemberAndAnEmptyGroupNeverHasOne) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 u5 = x.s.prostor(QStringLiteral("U5"));
    const qint64 prazna = x.s.skupinaProstorov(QStringLiteral("$PRAZNA"), {});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("KEM")), 2, 1, {{t1, u5}});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("BIO")), 2, 1, {{t2, prazna}});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("DRU")), 2, 1, {{t2, 0}});
    x.s.prepovedProstora(u5, 4, 4);
    x.nalozi();
    int izbrane[NajvecIzvajalcev + 1] = {};
    const int kem = x.predavanje(QStringLiteral("KEM"), QStringLiteral("1a"));
    const int bio = x.predavanje(QStringLiteral("BIO"), QStringLiteral("1a"));
    const int dru = x.predavanje(QStringLiteral("DRU"), QStringLiteral("1a"));
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, x.p, kem, d, p, izbrane); }),
              QStringList{"4.4"});
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, x.p, bio, d, p, izbrane); }).size(), 80);
    EXPECT_TRUE(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, x.p, dru, d, p, izbrane); }).isEmpty());
}

TEST(PravilaCelice, BlockMustFitInTheDayAndPassEveryCell) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 10, 2, {{t1, 0}});
    x.s.prepovedOddelka(a, 2, 2);
    x.nalozi();
    SobeBloka izbrane;
    // Frame: periods 1 to 3, on day 2 without the forbidden period 2, so no double period fits there.
    EXPECT_EQ(Sprejete([&](int d, int p) { return BlokUstreza(x.m, x.p, 1, d, p, 2, izbrane); }),
              (QStringList{"1.1", "1.2", "3.1", "3.2", "4.1", "4.2", "5.1", "5.2"}));
    EXPECT_FALSE(BlokUstreza(x.m, x.p, 1, 1, 15, 2, izbrane));
}

TEST(PravilaCelice, ABlockMayEndInTheLastPeriodOfTheDay) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 10, 2, {{x.s.ucitelj(QStringLiteral("T1")), 0}});
    // Monday's first period is 14: its frame is periods 14 and 15, the day's last two.
    x.s.prvaUra(a, 1, 14);
    x.nalozi();
    SobeBloka izbrane;
    EXPECT_EQ(Sprejete([&](int d, int p) { return BlokUstreza(x.m, x.p, 1, d, p, 2, izbrane); }),
              (QStringList{"1.14", "2.1", "3.1", "4.1", "5.1"}));
}

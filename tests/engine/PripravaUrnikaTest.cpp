#include "engine/PripravaUrnika.h"
#include "SolaZaUrnik.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;

namespace {

// The allowed periods of each day of a frame, as "day:periods" lines.
QStringList Celice(const MrezaDni<int> &okvir) {
    QStringList dni;
    for (int d = 1; d <= 5; ++d) {
        QStringList ure;
        for (int p = 0; p < StUr; ++p)
            if (okvir(d, p) == 1)
                ure << QString::number(p);
        dni << QStringLiteral("%1:%2").arg(d).arg(ure.join(u','));
    }
    return dni;
}

struct Sola : test::SolaZaUrnik {
    qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    qint64 predmet = s.predmet(QStringLiteral("P"));
};

} // namespace

TEST(OkvirOddelka, TwentyThreePeriodsFillFivePeriodsEveryDayFromPeriodOne) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    x.s.predavanje(a, x.predmet, 23, 1, {{x.t1, 0}});
    x.nalozi();
    PripravaUrnika &p = x.p;
    EXPECT_EQ(Celice(p.okvirjiOddelkov[1].okvir),
              (QStringList{"1:1,2,3,4,5", "2:1,2,3,4,5", "3:1,2,3,4,5", "4:1,2,3,4,5", "5:1,2,3,4,5"}));
    EXPECT_EQ(p.okvirjiSkupin[1].dovoljeneCelice, 25);
}

TEST(OkvirOddelka, ForbiddenCellIsSkippedAndThatDayReachesOnePeriodFurther) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    x.s.predavanje(a, x.predmet, 10, 1, {{x.t1, 0}});
    x.s.prepovedOddelka(a, 1, 2);
    x.nalozi();
    PripravaUrnika &p = x.p;
    EXPECT_EQ(Celice(p.okvirjiOddelkov[1].okvir), (QStringList{"1:1,3", "2:1,2,3", "3:1,2,3", "4:1,2,3", "5:1,2,3"}));
    EXPECT_EQ(p.okvirjiOddelkov[1].okvir(1, 2), OkvirOddelka::Prepovedano);
    EXPECT_EQ(p.okvirjiOddelkov[1].okvir(1, 0), OkvirOddelka::Zunaj) << "period 0 is outside without a first period 0";
}

TEST(OkvirOddelka, ClassGroupKeepsOnlyTheCommonCellsOfDifferentFirstPeriods) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 ab = x.s.skupinaOddelkov(QStringLiteral("1ab"), {a, b});
    x.s.predavanje(a, x.predmet, 5, 1, {{x.t1, 0}});
    x.s.predavanje(b, x.predmet, 5, 1, {{x.t1, 0}});
    x.s.predavanje(ab, x.s.predmet(QStringLiteral("Š")), 5, 1, {{x.t1, 0}});
    for (int d = 1; d <= 5; ++d) {
        x.s.prvaUra(a, d, 0);
        x.s.prvaUra(b, d, 1);
    }
    x.nalozi();
    PripravaUrnika &p = x.p;
    // Each class has 10 periods: 1a periods 0-1, 1b periods 1-2; the group only period 1.
    int skupina = 0;
    for (int i = 1; i <= x.m.steviloSkupinOddelkov(); ++i)
        if (x.m.skupineOddelkov[size_t(i)].oznaka == QLatin1String("1ab"))
            skupina = i;
    EXPECT_EQ(Celice(p.okvirjiSkupin[size_t(skupina)].okvir), (QStringList{"1:1", "2:1", "3:1", "4:1", "5:1"}));
    EXPECT_EQ(p.okvirjiSkupin[size_t(skupina)].dovoljeneCelice, 5);
    // Teacher profile: first periods 0 and 1, so weight 1; end = first + 10 / 5 + 1 = 4 at most.
    EXPECT_EQ(p.profili[1].utez, 1.0);
    EXPECT_EQ(p.profili[1].najkasnejsiKonecTedna, 4);
    EXPECT_EQ(p.profili[1].sredina, 2.0);
}

TEST(OkvirOddelka, ExtraPeriodsAddFiveCellsPerPeriod) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    x.s.predavanje(a, x.predmet, 10, 1, {{x.t1, 0}});
    x.nalozi();
    PripravaUrnika &p = x.p;
    EXPECT_EQ(p.okvirjiSkupin[1].dovoljeneCelice, 10);
    ASSERT_TRUE(p.zgradiOkvirje(x.m, 2));
    EXPECT_EQ(p.okvirjiSkupin[1].dovoljeneCelice, 20);
    EXPECT_EQ(Celice(p.okvirjiOddelkov[1].okvir),
              (QStringList{"1:1,2,3,4", "2:1,2,3,4", "3:1,2,3,4", "4:1,2,3,4", "5:1,2,3,4"}));
}

TEST(PovprasevanjeProstora, DemandSpreadsOverTheFrameAndOverloadedRoomsAreListed) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 u1 = x.s.prostor(QStringLiteral("U1"));
    const qint64 u2 = x.s.prostor(QStringLiteral("U2"));
    const qint64 grupa = x.s.skupinaProstorov(QStringLiteral("$G"), {u1, u2});
    x.s.predavanje(a, x.predmet, 10, 1, {{x.t1, u1}});                                                // share 1.0 on U1
    x.s.predavanje(b, x.predmet, 5, 1, {{x.t1, grupa}});                                              // share 0.5 on U2
    x.s.predavanje(b, x.s.predmet(QStringLiteral("Q")), 5, 1, {{x.t1, 0}});                           // 1b has 10 cells
    x.s.predavanje(x.s.skupinaOddelkov(QStringLiteral("prazna"), {}), x.predmet, 3, 1, {{x.t1, u2}}); // no frame
    x.nalozi();
    PripravaUrnika &p = x.p;
    const int i1 = x.prostor(QStringLiteral("U1")), i2 = x.prostor(QStringLiteral("U2"));
    EXPECT_FLOAT_EQ(p.povprasevanja[size_t(i1)].maksimalno, 1.0f);
    EXPECT_FLOAT_EQ(p.povprasevanja[size_t(i1)].povprasevanje(1, 1), 1.0f);
    EXPECT_FLOAT_EQ(p.povprasevanja[size_t(i1)].povprasevanje(1, 0), 0.0f);
    EXPECT_FLOAT_EQ(p.povprasevanja[size_t(i2)].maksimalno, 0.5f) << "the group picks its least wanted room";
    EXPECT_EQ(p.preobremenjeniProstori(x.m), QStringList{QStringLiteral("U1")});
}

TEST(OkvirOddelka, ABreakForbiddenOnEveryDayCostsNoCellAndHandPlacedLessonsCount) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    x.s.predavanje(a, x.predmet, 31, 1, {{x.t1, 0}});
    for (int d = 1; d <= 5; ++d)
        x.s.prepovedOddelka(a, d, 5);
    // 1b: five periods placed only by hand and five for the construction: a frame of ten cells.
    x.s.predavanje(b, x.predmet, 5, 1, {{x.t1, 0}});
    x.s.predavanje(b, x.s.predmet(QStringLiteral("R")), 5, 1, {{x.t1, 0}}, 0);
    x.nalozi();
    EXPECT_EQ(
        Celice(x.p.okvirjiOddelkov[1].okvir),
        (QStringList{"1:1,2,3,4,6,7,8", "2:1,2,3,4,6,7,8", "3:1,2,3,4,6,7,8", "4:1,2,3,4,6,7,8", "5:1,2,3,4,6,7,8"}));
    EXPECT_EQ(x.p.okvirjiSkupin[1].dovoljeneCelice, 35) << "31 weekly periods fit, the last row completed";
    EXPECT_EQ(x.p.okvirjiSkupin[2].dovoljeneCelice, 10);
}

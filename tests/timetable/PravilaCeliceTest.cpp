// Each conflict rule of construction on a school of three to five lessons, with the exact cells
// at which the rule fails.

#include "timetable/PravilaCelice.h"
#include "MalaSola.h"
#include "support/TempProject.h"
#include "timetable/PreberiModelUrnika.h"
#include "timetable/PripravaUrnika.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::timetable;
using namespace zentrel::timetable::pravila;

namespace {

struct Sola {
    test::TempProject project;
    test::MalaSola s{project.db()};
    ModelUrnika m;
    PripravaUrnika p;

    void nalozi() {
        ASSERT_TRUE(PreberiModelUrnika(m, false));
        ASSERT_TRUE(p.zgradiOkvirje(m, 0));
        p.zgradiPovprasevanje(m);
    }
    int predavanje(const QString &skupina, const QString &predmet) const {
        for (int u = 1; u <= m.steviloPredavanj(); ++u) {
            const Predavanje &pr = m.predavanja[size_t(u)];
            if (pr.skupinaOddelkov >= 1 && m.skupineOddelkov[size_t(pr.skupinaOddelkov)].oznaka == skupina &&
                m.skupinePredmetov[size_t(pr.skupinaPredmetov)].oznaka == predmet)
                return u;
        }
        return 0;
    }
    int prostor(const QString &oznaka) const {
        for (int i = 1; i <= m.steviloProstorov(); ++i)
            if (m.prostori[size_t(i)].oznaka == oznaka)
                return i;
        return 0;
    }
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
    const int u = x.predavanje(QStringLiteral("1a"), QStringLiteral("MAT"));
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
    const int fiz = x.predavanje(QStringLiteral("1a/1"), QStringLiteral("FIZ"));
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
    const int slo = x.predavanje(QStringLiteral("1b"), QStringLiteral("SLO"));
    const int ang = x.predavanje(QStringLiteral("1b"), QStringLiteral("ANG"));
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
    const int slo = x.predavanje(QStringLiteral("1b"), QStringLiteral("SLO"));
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
    const int mat = x.predavanje(QStringLiteral("1a"), QStringLiteral("MAT"));
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
    const int tja = x.predavanje(QStringLiteral("1a"), QStringLiteral("TJA"));
    const int spo = x.predavanje(QStringLiteral("1a"), QStringLiteral("ŠPO"));
    const int i1 = x.prostor(QStringLiteral("U1")), i2 = x.prostor(QStringLiteral("U2"));
    const int i3 = x.prostor(QStringLiteral("U3")), i4 = x.prostor(QStringLiteral("U4"));
    int izbrane[3] = {};
    ASSERT_TRUE(ProstoriNaVoljo(x.m, tja, 3, 3, izbrane));
    EXPECT_EQ(izbrane[1], i1);
    EXPECT_EQ(izbrane[2], i2);
    ASSERT_TRUE(ProstoriNaVoljo(x.m, tja, 1, 1, izbrane)) << "U1 is taken, U2 and U3 are left";
    EXPECT_EQ(izbrane[1], i2);
    EXPECT_EQ(izbrane[2], i3);
    ASSERT_TRUE(ProstoriNaVoljo(x.m, spo, 3, 3, izbrane));
    EXPECT_EQ(izbrane[1], i4);
    EXPECT_EQ(izbrane[2], i4);
    // (2,1): U1 taken, U3 forbidden: one room for two entries.
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, tja, d, p, izbrane); }), QStringList{"2.1"});
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
    int izbrane[2] = {};
    const int kem = x.predavanje(QStringLiteral("1a"), QStringLiteral("KEM"));
    const int bio = x.predavanje(QStringLiteral("1a"), QStringLiteral("BIO"));
    const int dru = x.predavanje(QStringLiteral("1a"), QStringLiteral("DRU"));
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, kem, d, p, izbrane); }), QStringList{"4.4"});
    EXPECT_EQ(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, bio, d, p, izbrane); }).size(), 80);
    EXPECT_TRUE(Zavrnjene([&](int d, int p) { return ProstoriNaVoljo(x.m, dru, d, p, izbrane); }).isEmpty());
}

TEST(PravilaCelice, BlockMustFitInTheDayAndPassEveryCell) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 10, 2, {{t1, 0}});
    x.s.prepovedOddelka(a, 2, 2);
    x.nalozi();
    int izbrane[2] = {};
    // Frame: periods 1 to 3, on day 2 without the forbidden period 2, so no double period fits there.
    EXPECT_EQ(Sprejete([&](int d, int p) { return BlokUstreza(x.m, x.p, 1, d, p, 2, izbrane); }),
              (QStringList{"1.1", "1.2", "3.1", "3.2", "4.1", "4.2", "5.1", "5.2"}));
    EXPECT_FALSE(BlokUstreza(x.m, x.p, 1, 1, 15, 2, izbrane));
}

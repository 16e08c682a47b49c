// Proofs that lessons cannot be placed come from the data alone: where the construction happened
// to put lessons never makes a lesson impossible, and every proof counts the periods it keeps out.

#include "SolaZaUrnik.h"
#include "engine/AnalizaNerazporejenih.h"
#include "engine/DokaziNemogocosti.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;

namespace {

// 1a: six single periods placed by an earlier construction once on every day (the sixth needs a
// day shared with another); 1b: two periods of FIZ, whose teacher T2 teaches 1c's SLO, placed as
// `tip`, in four of the five cells of FIZ's frame.
struct Postavljeno : test::SolaZaUrnik {
    explicit Postavljeno(const QString &tip) {
        const qint64 mat = s.predavanje(s.oddelek(QStringLiteral("1a")), s.predmet(QStringLiteral("MAT")), 6, 1,
                                        {{s.ucitelj(QStringLiteral("T1")), 0}})
                               .first();
        const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
        s.predavanje(s.oddelek(QStringLiteral("1b")), s.predmet(QStringLiteral("FIZ")), 2, 1, {{t2, 0}});
        const qint64 c = s.oddelek(QStringLiteral("1c"));
        const qint64 slo = s.predavanje(c, s.predmet(QStringLiteral("SLO")), 4, 1, {{t2, 0}}).first();
        s.predavanje(c, s.predmet(QStringLiteral("LUM")), 6, 1, {{s.ucitelj(QStringLiteral("T5")), 0}});
        for (int dan = 1; dan <= 5; ++dan) {
            s.termin(mat, dan, 1, QStringLiteral("a"));
            if (dan <= 4)
                s.termin(slo, dan, 1, tip);
        }
        nalozi();
    }
};

} // namespace

TEST(DokaziNemogocosti, LessonsTheConstructionPlacedNeverProveAnything) {
    Postavljeno x(QStringLiteral("a"));
    EXPECT_EQ(DokazPredavanja(x.m, x.p, x.predavanje(QStringLiteral("MAT"))).ur, 0);
    EXPECT_EQ(DokazPredavanja(x.m, x.p, x.predavanje(QStringLiteral("FIZ"))).ur, 0);
    EXPECT_TRUE(DokaziNemogocosti(x.m, x.p, false).empty());
    for (const NerazporejenoPredavanje &n : AnalizirajNerazporejene(x.m, x.p))
        EXPECT_FALSE(n.nemogoce) << n.opis.toStdString();
    EXPECT_EQ(Neizogibno(x.m, x.p).ur, 0);

    // Lessons fixed by hand are data.
    Postavljeno s(QStringLiteral("s"));
    const DokazNemogocosti d = DokazPredavanja(s.m, s.p, s.predavanje(QStringLiteral("FIZ")));
    EXPECT_EQ(d.ur, 1);
    EXPECT_EQ(d.opis, QStringLiteral("Ni mogoče razporediti: dni na voljo 1, potrebnih 2 (okvir, prepovedane ure in "
                                     "stalni predmeti); ostane nerazporejenih ur: 1."));
    EXPECT_EQ(Neizogibno(s.m, s.p).ur, 1);
}

TEST(DokaziNemogocosti, EveryProofCountsThePeriodsItKeepsOut) {
    test::SolaZaUrnik x;
    // Two single periods of a teacher who may never teach, one of them placed against the rules:
    // both need a day.
    const qint64 t3 = x.s.ucitelj(QStringLiteral("T3"));
    const qint64 kem =
        x.s.predavanje(x.s.oddelek(QStringLiteral("1a")), x.s.predmet(QStringLiteral("KEM")), 2, 1, {{t3, 0}}).first();
    x.s.termin(kem, 1, 1, QStringLiteral("a"));
    for (int dan = 1; dan <= 5; ++dan)
        for (int ura = 0; ura < 16; ++ura)
            x.s.prepovedUcitelja(t3, dan, ura);
    // Five single periods of a teacher free on four days, two of them unplaced.
    const qint64 t4 = x.s.ucitelj(QStringLiteral("T4"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 mat = x.s.predavanje(b, x.s.predmet(QStringLiteral("MAT")), 5, 1, {{t4, 0}}).first();
    for (int ura = 0; ura < 16; ++ura)
        x.s.prepovedUcitelja(t4, 5, ura);
    for (int dan : {1, 2, 3})
        x.s.termin(mat, dan, 1, QStringLiteral("a"));
    // Seven single periods (at most two a day) of a teacher free at period 1 only: one a day.
    const qint64 t5 = x.s.ucitelj(QStringLiteral("T5"));
    x.s.predavanje(x.s.oddelek(QStringLiteral("1c")), x.s.predmet(QStringLiteral("SLO")), 7, 1, {{t5, 0}});
    for (int dan = 1; dan <= 5; ++dan)
        x.s.prepovedUcitelja(t5, dan, 2);
    x.nalozi();

    const DokazNemogocosti k = DokazPredavanja(x.m, x.p, x.predavanje(QStringLiteral("KEM")));
    EXPECT_EQ(k.ur, 2);
    EXPECT_EQ(k.opis, QStringLiteral("Ni mogoče razporediti: dni na voljo 0, potrebnih 2 (prepovedane ure učitelja "
                                     "T3); ostane nerazporejenih ur: 2."));
    const int u = x.predavanje(QStringLiteral("MAT"));
    const DokazNemogocosti m = DokazPredavanja(x.m, x.p, u);
    EXPECT_EQ(m.ur, 1);
    EXPECT_EQ(m.opis, QStringLiteral("Ni mogoče razporediti: dni na voljo 4, potrebnih 5 (prepovedane ure učitelja "
                                     "T4); ostane nerazporejenih ur: 1."));
    // The period the proof does not account for stays to be placed, with its obstacles named.
    const NerazporejenoPredavanje n = AnalizirajPredavanje(x.m, x.p, u);
    EXPECT_EQ(n.ur, 2);
    EXPECT_FALSE(n.nemogoce);
    EXPECT_EQ(n.opis, m.opis + QStringLiteral(" V okvirju je prosto mesto; uro lahko postavite vanj."));
    const DokazNemogocosti s = DokazPredavanja(x.m, x.p, x.predavanje(QStringLiteral("SLO")));
    EXPECT_EQ(s.ur, 2);
    EXPECT_EQ(s.opis, QStringLiteral("Ni mogoče razporediti: v 5 dneh je zaporednih prostih ur le za 5 od 7 ur "
                                     "(prepovedane ure učitelja T5); ostane nerazporejenih ur: 2."));

    const NeizogibnoNerazporejeno neizogibno = Neizogibno(x.m, x.p);
    EXPECT_EQ(neizogibno.predavanja, std::vector<int>{x.predavanje(QStringLiteral("KEM"))})
        << "units with a period that fits stay in the search";
    EXPECT_EQ(neizogibno.ur, 1 + 1 + 2) << "KEM has one period left to place, MAT one proven, SLO two";
}

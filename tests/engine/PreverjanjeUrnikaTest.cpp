#include "engine/PreverjanjeUrnika.h"
#include "SolaZaUrnik.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;

TEST(PreverjanjeUrnika, ListsEveryKindOfViolation) {
    test::SolaZaUrnik x;
    test::MalaSola &s = x.s;
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 b = s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 t3 = s.ucitelj(QStringLiteral("T3"));
    const qint64 u1 = s.prostor(QStringLiteral("U1"));
    const qint64 u2 = s.prostor(QStringLiteral("U2"));
    const qint64 kab = s.prostor(QStringLiteral("KAB"), true);
    const qint64 r1 = s.prostor(QStringLiteral("R1"));
    const qint64 g = s.skupinaProstorov(QStringLiteral("$G"), {r1, s.prostor(QStringLiteral("R2"))});
    const qint64 mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, u1}}).first();
    const qint64 slo = s.predavanje(a, s.predmet(QStringLiteral("SLO")), 1, 1, {{t2, 0}}).first();
    const qint64 ang = s.predavanje(b, s.predmet(QStringLiteral("ANG")), 5, 1, {{t1, u1}}).first();
    const auto tja = s.predavanje(b, s.predmet(QStringLiteral("TJA")), 2, 1, {{t2, g}, {t3, g}});
    const auto nem = s.predavanje(b, s.predmet(QStringLiteral("NEM")), 2, 1, {{t3, 0}, {t3, 0}});
    const qint64 kem = s.predavanje(b, s.predmet(QStringLiteral("KEM")), 3, 1, {{t2, kab}}).first();
    const qint64 fiz = s.predavanje(b, s.predmet(QStringLiteral("FIZ")), 3, 1, {{t2, g}}).first();
    const qint64 ru = s.predavanje(b, s.predmet(QStringLiteral("RU")), 1, 1, {{t3, 0}}, 0).first();
    const qint64 geo = s.predavanje(b, s.predmet(QStringLiteral("GEO")), 2, 1, {{s.ucitelj(QStringLiteral("T4")), 0}})
                           .first();
    const qint64 t5 = s.ucitelj(QStringLiteral("T5"));
    const qint64 bio = s.predavanje(a, s.predmet(QStringLiteral("BIO")), 1, 1, {{t5, 0}}).first();
    const qint64 lum = s.predavanje(b, s.predmet(QStringLiteral("LUM")), 1, 1, {{t5, 0}}).first();
    s.predavanje(s.skupinaOddelkov(QStringLiteral("2x"), {}), s.predmet(QStringLiteral("X")), 2147483647, 1, {{t3, 0}});
    s.prepovedOddelka(b, 5, 1);
    s.prepovedProstora(u2, 4, 2);
    s.prepovedUcitelja(t5, 5, 1);
    s.termin(mat, 1, 1, QStringLiteral("a"), u1);
    s.termin(slo, 1, 1, QStringLiteral("r"));     // class 1a twice
    s.termin(slo, 2, 1, QStringLiteral("r"));     // SLO placed twice a week, once allowed
    s.termin(ang, 1, 1, QStringLiteral("a"), u1); // teacher T1 and room U1 twice
    s.termin(mat, 3, 1, QStringLiteral("a"), u1); // not contiguous with (3,3)
    s.termin(mat, 3, 3, QStringLiteral("a"), u1); // and outside the frame of 1a
    s.termin(ang, 5, 1, QStringLiteral("r"));     // forbidden for 1b, and without its room
    s.termin(tja[0], 2, 2, QStringLiteral("r"), r1);
    s.termin(tja[1], 2, 2, QStringLiteral("r"), r1); // two entries of a group in one room
    s.termin(nem[0], 2, 3);
    s.termin(nem[1], 2, 3);                        // one teacher for both entries
    s.termin(ang, 4, 1, QStringLiteral("r"), u2);  // another ordinary classroom: allowed
    s.termin(kem, 4, 2, QStringLiteral("r"), u2);  // a cabinet's lesson elsewhere, in a forbidden period
    s.termin(fiz, 4, 3, QStringLiteral("r"), kab); // not a member of $G
    s.termin(ru, 4, 4, QStringLiteral("a"));       // placed by the construction although "Ni avtomatsko"
    s.termin(geo, 3, 1, QStringLiteral("a"));
    s.termin(geo, 3, 2, QStringLiteral("a"));      // two single periods of a unit on one day
    s.termin(bio, 5, 1, QStringLiteral("a"));
    s.termin(lum, 5, 8, QStringLiteral("r"));      // T5's day from period 1 to 8
    const qint64 zunaj = s.termin(ang, 6, 1, QStringLiteral("r")); // off the week
    EXPECT_EQ(x.verify(), (QStringList{
                              QStringLiteral("1b ANG: dan 5, ura 1 brez prostora (U1)."),
                              "1b KEM: dan 4, ura 2 v prostoru U2, ki ni v KAB.",
                              "1b FIZ: dan 4, ura 3 v prostoru KAB, ki ni v $G.",
                              "1b RU: dan 4, ura 4 razporejena samodejno, predmet pa je \"Ni avtomatsko\".",
                              QStringLiteral("Termin %1 (1b ANG) leži zunaj tedna: dan/ura 6/1.").arg(zunaj),
                              "Skupina 1a: dan 1, ura 1 zaseden dvakrat (1a MAT, 1a SLO).",
                              "Oddelek 1a: dan 1, ura 1 zaseden dvakrat (1a MAT, 1a SLO).",
                              "Učitelj T1: dan 1, ura 1 zaseden dvakrat (1a MAT, 1b ANG).",
                              "Učitelj T3: dan 2, ura 3 zaseden dvakrat (1b NEM, 1b NEM).",
                              "Prostor U1: dan 1, ura 1 zaseden dvakrat (1a MAT, 1b ANG).",
                              "Prostor R1: dan 2, ura 2 zaseden dvakrat (1b TJA, 1b TJA).",
                              "Oddelek 1b: pouk v prepovedani uri, dan 5, ura 1.",
                              "Učitelj T5: pouk v prepovedani uri, dan 5, ura 1.",
                              "Prostor U2: pouk v prepovedani uri, dan 4, ura 2.",
                              "2x X: število ur 2147483647 je zunaj meja od 0 do 80.",
                              "1a SLO: razporejenih ur 2, tedenskih ur 1.",
                              "1a MAT: samodejno razporejene ure dne 3 niso strnjene.",
                              "1a MAT: dan 3, ura 3 zunaj okvirja oddelka 1a.",
                              "1a MAT: dan 3 samodejno razporejenih ur 2, v enem dnevu največ 1.",
                              "1b GEO: dan 3 samodejno razporejenih ur 2, v enem dnevu največ 1.",
                              "Učitelj T5: dan 5 pouk od 1. do 8. ure, več kot 7 zaporednih ur.",
                          }));
}

TEST(PreverjanjeUrnika, ALessonEnteredTwiceInOneCellIsReportedAsSuch) {
    // Two rows of one assignment in one cell: the class holds one lesson, the teacher two rows.
    test::SolaZaUrnik x;
    const qint64 mat = x.s.predavanje(x.s.oddelek(QStringLiteral("1a")), x.s.predmet(QStringLiteral("MAT")), 2, 1,
                                      {{x.s.ucitelj(QStringLiteral("T1")), 0}})
                           .first();
    x.s.termin(mat, 1, 1);
    x.s.termin(mat, 1, 1);
    x.s.termin(mat, 2, 1);
    EXPECT_EQ(x.verify(), (QStringList{"1a MAT: dan 1, ura 1 vpisan dvakrat.",
                                       "Učitelj T1: dan 1, ura 1 zaseden dvakrat (1a MAT, 1a MAT)."}));
}

TEST(PreverjanjeUrnika, BuildingChangesWithoutAFreePeriodWhenAsked) {
    test::SolaZaUrnik x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 a1 = x.s.prostor(QStringLiteral("A1"), false, x.s.stavba(QStringLiteral("S1")));
    const qint64 b1 = x.s.prostor(QStringLiteral("B1"), false, x.s.stavba(QStringLiteral("S2")));
    const qint64 n = x.s.prostor(QStringLiteral("N"));
    const qint64 mat = x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 5, 1, {{t1, 0}}).first();
    for (const auto &[dan, ura, soba] : {std::tuple{1, 1, a1}, {1, 2, b1}, {2, 1, a1}, {2, 2, n}, {3, 1, a1}})
        x.s.termin(mat, dan, ura, QStringLiteral("r"), soba);
    EXPECT_EQ(x.verify(), QStringList{});
    EXPECT_EQ(test::PreverjanjeUrnika(1, 1, 0, 0, true).preveri(),
              QStringList{QStringLiteral("Oddelek 1a: menjava stavbe brez odmora, dan 1, med urama 1 in 2.")});
}

TEST(PreverjanjeUrnika, ATableThatCannotBeReadFailsTheCheck) {
    test::SolaZaUrnik x;
    ASSERT_TRUE(x.project.db().exec(QStringLiteral(
        "DROP TABLE PREPOVEDI_PROSTOROV; CREATE VIEW PREPOVEDI_PROSTOROV AS SELECT 1 AS ID_PROSTORA, 1 AS DAN, "
        "abs(-9223372036854775807 - 1) AS URA")));
    PreverjanjeUrnika preverjanje(1, 1, 0);
    EXPECT_EQ(preverjanje.preveri(), QStringList{QStringLiteral("Urnika ni bilo mogoče prebrati: integer overflow")});
    EXPECT_TRUE(preverjanje.napaka());
}

TEST(PreverjanjeUrnika, SoundTimetableHasNoViolationsAndEntriesMayShareTheirRoom) {
    test::SolaZaUrnik x;
    test::MalaSola &s = x.s;
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 tel = s.prostor(QStringLiteral("TEL"));
    const auto spo = s.predavanje(a, s.predmet(QStringLiteral("ŠPO")), 2, 2, {{t1, tel}, {t2, tel}});
    s.predavanje(a, s.predmet(QStringLiteral("MAT")), 8, 1, {{t1, 0}}); // frame: periods 1 and 2
    for (int ura : {1, 2})
        for (qint64 r : spo)
            s.termin(r, 4, ura, QStringLiteral("a"), tel);
    EXPECT_EQ(x.verify(), QStringList{});
}

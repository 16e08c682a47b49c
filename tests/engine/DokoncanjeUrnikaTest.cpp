#include "engine/DokoncanjeUrnika.h"
#include "GeneriranaSola.h"
#include "Invariante.h"
#include "SolaZaUrnik.h"
#include "engine/SestavljanjeUrnika.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using core::App;
using test::Termini;

namespace {

// The completion step alone, on the state as loaded.
void Dokoncaj(test::SolaZaUrnik &x) {
    Sestavljalnik s(x.m, x.p, 3);
    DokoncanjeUrnika dokoncanje(x.m, x.p, s, 3);
    dokoncanje.casovnaOmejitev = 5;
    dokoncanje.zazeni();
}

// 1a (a frame of periods 1 and 2): MAT (T1, free only on Monday at period 1), DRU, and SLO (T2),
// double periods of which one is placed by hand on Monday at periods 1 and 2 as `tip`, of
// difficulty `zahtevnost`. Rounds one and two cannot place MAT; the third round never moves a
// double period.
struct Dvojna : test::SolaZaUrnik {
    qint64 slo = 0;
    Dvojna(const QString &tip, int zahtevnost) {
        const qint64 a = s.oddelek(QStringLiteral("1a"));
        const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
        s.predavanje(a, s.predmet(QStringLiteral("MAT")), 1, 1, {{t1, 0}});
        slo =
            s.predavanje(a, s.predmet(QStringLiteral("SLO")), 4, 2, {{s.ucitelj(QStringLiteral("T2")), 0}}, zahtevnost)
                .first();
        s.predavanje(a, s.predmet(QStringLiteral("DRU")), 3, 1, {{s.ucitelj(QStringLiteral("T3")), 0}});
        s.uciteljProstSamo(t1, {{1, 1}});
        s.termin(slo, 1, 1, tip);
        s.termin(slo, 1, 2, tip);
    }
    RezultatSestavljanja sestavi() {
        MoznostiSestavljanja moznosti;
        moznosti.seme = 4;
        moznosti.tretjiKrog = true;
        moznosti.dokoncaj = true;
        return SestavljanjeUrnika(m).zazeni(moznosti);
    }
};

// 1a, a frame of periods 1 to 3 (one extra period a day): ANG, five single periods of T1, who is
// forbidden all Friday, so that one of them can never be placed; `ang` of them placed on Monday,
// Tuesday, ... at period 1 as the rounds might have left them. With `geo`, GEO too: one period of
// T2, who is free only on Monday at period 1.
struct Anglescina : test::SolaZaUrnik {
    Anglescina(int ang, bool geo) {
        const qint64 a = s.oddelek(QStringLiteral("1a"));
        const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
        const qint64 enota = s.predavanje(a, s.predmet(QStringLiteral("ANG")), 5, 1, {{t1, 0}}).first();
        for (int p = 0; p < 16; ++p)
            s.prepovedUcitelja(t1, 5, p);
        if (geo) {
            const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
            s.predavanje(a, s.predmet(QStringLiteral("GEO")), 1, 1, {{t2, 0}});
            s.uciteljProstSamo(t2, {{1, 1}});
        }
        for (int d = 1; d <= ang; ++d)
            s.termin(enota, d, 1);
        nalozi(true, 1);
    }
    void dokoncaj() { Dokoncaj(*this); }
    // Days with the unit's periods; a day with two of them reads "1:2,3".
    QStringList ang() const { return dnevi(predavanje(QStringLiteral("ANG"))); }
};

} // namespace

TEST(DokoncanjeUrnika, ABlockTakenOutGoesBackAsItWasNeverTwoSinglePeriodsOnADay) {
    Anglescina x(4, true);
    x.dokoncaj();
    EXPECT_EQ(x.dnevi(x.predavanje(QStringLiteral("GEO"))), QStringList{QStringLiteral("1:1")});
    const QStringList ang = x.ang();
    EXPECT_EQ(ang.size(), 4) << ang.join(u' ').toStdString();
    for (const QString &dan : ang)
        EXPECT_FALSE(dan.contains(u',')) << dan.toStdString();
}

TEST(DokoncanjeUrnika, PlacesEveryPeriodThatFitsAlsoOfAUnitThatCannotBePlacedWhole) {
    Anglescina x(3, false);
    x.dokoncaj();
    // Which period of a day each one takes is the quality measures' choice; every day gets one.
    const QStringList ang = x.ang();
    ASSERT_EQ(ang.size(), 4) << ang.join(u' ').toStdString();
    for (int d = 0; d < 4; ++d) {
        EXPECT_TRUE(ang[d].startsWith(QString::number(d + 1) + u':')) << ang.join(u' ').toStdString();
        EXPECT_FALSE(ang[d].contains(u',')) << ang[d].toStdString();
    }
}

TEST(DokoncanjeUrnika, TakesOutATeachersLessonThatWouldMakeHisDaySpanEightPeriods) {
    // MAT of 1a fits only Monday period 1. Its teacher T1 has FIZ of 1b on Monday period 8, which
    // would stretch his Monday to eight periods: FIZ has to go, to period 7 of another day (1b's
    // frame). 1b's fixed GEO and ZGO around it keep the improving from moving it away on its own.
    test::SolaZaUrnik x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 1, 1, {{t1, 0}});
    const auto enaUra = [&](const char *predmet, qint64 ucitelj) {
        return x.s.predavanje(b, x.s.predmet(QString::fromLatin1(predmet)), 1, 1, {{ucitelj, 0}}).first();
    };
    const qint64 geo = enaUra("GEO", x.s.ucitelj(QStringLiteral("T2")));
    const qint64 fiz = enaUra("FIZ", t1);
    const qint64 zgo = enaUra("ZGO", x.s.ucitelj(QStringLiteral("T3")));
    for (int d = 1; d <= 5; ++d) {
        if (d > 1)
            x.s.prepovedOddelka(a, d, 1);
        x.s.prvaUra(b, d, 7);
    }
    x.s.termin(geo, 1, 7, QStringLiteral("s"));
    x.s.termin(fiz, 1, 8);
    x.s.termin(zgo, 1, 9, QStringLiteral("s"));
    x.nalozi();
    Dokoncaj(x);
    EXPECT_EQ(x.dnevi(x.predavanje(QStringLiteral("MAT"))), QStringList{QStringLiteral("1:1")});
    const QStringList fizika = x.dnevi(x.predavanje(QStringLiteral("FIZ")));
    ASSERT_EQ(fizika.size(), 1);
    EXPECT_TRUE(fizika.front().endsWith(QStringLiteral(":7")) && !fizika.front().startsWith(u'1'))
        << fizika.front().toStdString();
}

TEST(DokoncanjeUrnika, TakesOutABlockTheRoundsMayNotMoveAndPlacesIt) {
    Dvojna x(QStringLiteral("r"), 2);
    const RezultatSestavljanja rez = x.sestavi();
    EXPECT_EQ(rez.poTretjem, 1);
    EXPECT_EQ(rez.besedilo, QStringLiteral("Sestavljeno: 100.00%"));
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI WHERE TIP = 'r'")), 0)
        << "the double period moved as a whole";
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI WHERE TIP = 'a'")), 8);
    EXPECT_EQ(x.verify(), QStringList{});
}

TEST(DokoncanjeUrnika, SaysAtOnceWhatFixedLessonsKeepOutAndMovesNoneOfThem) {
    for (const auto &[tip, zahtevnost] : {std::pair{QStringLiteral("s"), 2}, std::pair{QStringLiteral("r"), 0}}) {
        Dvojna x(tip, zahtevnost);
        const QStringList prej = Termini(x.project.db());
        const RezultatSestavljanja rez = x.sestavi();
        EXPECT_EQ(rez.nerazporejene, 1) << tip.toStdString() << zahtevnost;
        EXPECT_TRUE(
            x.project.messages().texts(core::MsgStatus).contains(QStringLiteral("Ni mogoče razporediti: 1a MAT.")));
        ASSERT_EQ(rez.nerazporejena.size(), 1u);
        EXPECT_TRUE(rez.nerazporejena.front().nemogoce);
        QStringList potem = Termini(x.project.db());
        potem.removeIf([](const QString &t) { return t.endsWith(QStringLiteral(":a:0")); }); // SLO's other periods
        EXPECT_EQ(potem, prej);
    }
}

TEST(DokoncanjeUrnika, LeavesALessonPlacedOnlyByHandWhereItIsAlthoughItWouldBeCheapestToMove) {
    // MAT (T1) may go only to Monday period 1, held by HOD, a single period of difficulty 0
    // placed by hand, or to Tuesday periods 1 and 2's first, held by the double period of DRU:
    // taking one period out costs less than taking two. Only DRU may make room.
    test::SolaZaUrnik x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 1, 1, {{t1, 0}});
    const qint64 hod =
        x.s.predavanje(a, x.s.predmet(QStringLiteral("HOD")), 1, 1, {{x.s.ucitelj(QStringLiteral("T2")), 0}}, 0)
            .first();
    const qint64 dru =
        x.s.predavanje(a, x.s.predmet(QStringLiteral("DRU")), 2, 2, {{x.s.ucitelj(QStringLiteral("T3")), 0}}).first();
    x.s.predavanje(a, x.s.predmet(QStringLiteral("ANG")), 4, 1, {{x.s.ucitelj(QStringLiteral("T4")), 0}});
    x.s.uciteljProstSamo(t1, {{1, 1}, {2, 1}});
    x.s.termin(hod, 1, 1);
    x.s.termin(dru, 2, 1);
    x.s.termin(dru, 2, 2);
    const QString hodPrej = x.project.db()
                                .scalar(QStringLiteral("SELECT group_concat(ID || ':' || DAN || '.' || URA "
                                                       "|| TIP) FROM TERMINI WHERE ID_RAZPOREDA = %1")
                                            .arg(hod))
                                .toString();
    MoznostiSestavljanja moznosti;
    moznosti.seme = 4;
    moznosti.tretjiKrog = true;
    moznosti.dokoncaj = true;
    const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
    EXPECT_EQ(rez.poTretjem, 1) << "the rounds leave MAT to the completion";
    EXPECT_EQ(rez.besedilo, QStringLiteral("Sestavljeno: 100.00%"));
    EXPECT_EQ(x.project.db()
                  .scalar(QStringLiteral("SELECT group_concat(ID || ':' || DAN || '.' || URA || TIP) FROM TERMINI "
                                         "WHERE ID_RAZPOREDA = %1")
                              .arg(hod))
                  .toString(),
              hodPrej);
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI T JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA "
                                       "JOIN PREDMETI P ON P.ID = R.ID_PREDMETA WHERE P.OZNAKA = 'MAT' AND DAN = 2 "
                                       "AND URA = 1")),
              1);
    EXPECT_EQ(x.verify(), QStringList{});
}

TEST(DokoncanjeUrnika, TakesASubjectOffADayThatHasItTwiceAndMakesNothingWorse) {
    test::SolaZaUrnik x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 mat = x.s.predmet(QStringLiteral("MAT"));
    const qint64 vsak = x.s.predavanje(a, mat, 3, 1, {{t1, 0}}).first();
    x.s.predavanje(a, x.s.predmet(QStringLiteral("GUM")), 2, 1, {{x.s.ucitelj(QStringLiteral("T3")), 0}});
    x.s.turnus = 1;
    const qint64 izmenicni = x.s.predavanje(a, mat, 1, 1, {{t1, 0}}).first();
    for (int d = 1; d <= 3; ++d)
        x.s.termin(vsak, d, 1);
    x.s.termin(izmenicni, 1, 2); // MAT every week and MAT every other week, both on Monday
    App().trenutniTurnus = 1;
    MoznostiSestavljanja moznosti;
    moznosti.seme = 2;
    moznosti.dokoncaj = true;
    const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
    EXPECT_EQ(rez.nerazporejene, 0);
    EXPECT_EQ(rez.kakovostPrej.ponovitve, 1);
    EXPECT_EQ(rez.kakovost.ponovitve, 0);
    EXPECT_LE(rez.kakovost.luknjeUciteljev, rez.kakovostPrej.luknjeUciteljev);
    EXPECT_LE(rez.kakovost.luknjeOddelkov, rez.kakovostPrej.luknjeOddelkov);
    EXPECT_EQ(x.verify(), QStringList{});
}

namespace {

// 1a (periods 1 and 2 a day with the extra period): MAT of the whole class fixed on Monday at
// period 1, and MAT of half the class (T2) to place, T2 being free only on Monday and Friday at
// period 2. T2 teaches 1b on Monday at period 1 and on Friday at period 4. Monday would teach 1a
// MAT twice; Friday costs T2 an idle period, which improving alone never trades for a repeat.
// With `dru`, Friday at period 2 holds DRU of 1a (T3, free only there and on Tuesday at period
// 1, teaching 1b on Tuesday at period 3): Friday's cell then costs taking DRU out and putting it
// on Tuesday, which gives T3 an idle period.
struct PolovicaRazreda : test::SolaZaUrnik {
    explicit PolovicaRazreda(bool dru) {
        const qint64 a = s.oddelek(QStringLiteral("1a"));
        const qint64 b = s.oddelek(QStringLiteral("1b"));
        const qint64 mat = s.predmet(QStringLiteral("MAT"));
        const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
        s.termin(s.predavanje(a, mat, 1, 1, {{s.ucitelj(QStringLiteral("T1")), 0}}).first(), 1, 1, QStringLiteral("s"));
        s.predavanje(s.skupinaOddelkov(QStringLiteral("1a-1"), {a}), mat, 1, 1, {{t2, 0}});
        const qint64 gum = s.predavanje(b, s.predmet(QStringLiteral("GUM")), 2, 1, {{t2, 0}}).first();
        s.termin(gum, 1, 1, QStringLiteral("s"));
        s.termin(gum, 5, 4, QStringLiteral("s"));
        s.uciteljProstSamo(t2, {{1, 1}, {1, 2}, {5, 2}, {5, 4}});
        if (dru) {
            const qint64 t3 = s.ucitelj(QStringLiteral("T3"));
            s.termin(s.predavanje(a, s.predmet(QStringLiteral("DRU")), 1, 1, {{t3, 0}}).first(), 5, 2);
            s.termin(s.predavanje(b, s.predmet(QStringLiteral("LUM")), 1, 1, {{t3, 0}}).first(), 2, 3,
                     QStringLiteral("s"));
            s.uciteljProstSamo(t3, {{2, 1}, {2, 3}, {5, 2}});
        }
        nalozi(true, 1);
    }
    // Completes with the seed and returns the repeats it leaves.
    int dokoncaj(quint32 seme) {
        Sestavljalnik sestavljalnik(m, p, seme);
        DokoncanjeUrnika dokoncanje(m, p, sestavljalnik, seme);
        dokoncanje.casovnaOmejitev = 5;
        dokoncanje.zazeni();
        return dokoncanje.kakovost().ponovitve;
    }
    QStringList polovica() const { return dnevi(predavanje(QStringLiteral("MAT"), QStringLiteral("1a-1"))); }
};

} // namespace

TEST(DokoncanjeUrnika, PlacesALessonOnADayWithoutItsSubjectWhereOneTakesIt) {
    // Only the choice of the cell keeps the repeat out.
    for (quint32 seme = 1; seme <= 12; ++seme) {
        PolovicaRazreda x(false);
        EXPECT_EQ(x.dokoncaj(seme), 0) << seme;
        EXPECT_EQ(x.polovica(), QStringList{QStringLiteral("5:2")}) << seme;
    }
}

TEST(DokoncanjeUrnika, TakesOutALessonRatherThanPutASubjectTwiceOnADay) {
    // Monday's cell is free. Improving could not undo a repeat there (DRU moved alone makes
    // things worse, T3 cannot take Monday), so only the search's choice keeps it out.
    for (quint32 seme = 1; seme <= 12; ++seme) {
        PolovicaRazreda x(true);
        EXPECT_EQ(x.dokoncaj(seme), 0) << seme;
        EXPECT_EQ(x.polovica(), QStringList{QStringLiteral("5:2")}) << seme;
        EXPECT_EQ(x.dnevi(x.predavanje(QStringLiteral("DRU"))), QStringList{QStringLiteral("2:1")}) << seme;
        EXPECT_EQ(test::RazlikeZasedenosti(x.m), QStringList{});
    }
}

TEST(DokoncanjeUrnika, ExchangesTwoLessonsOfAFullWeekToTakeASubjectOffADay) {
    // 1a's frame (periods 1 and 2) is full: MAT of the whole class and MAT of half the class on
    // Monday, GUM and DRU on Tuesday to Friday. No lesson can move alone; an exchange of the
    // half class's MAT with a lesson of another day teaches MAT once a day.
    test::SolaZaUrnik x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 mat = x.s.predmet(QStringLiteral("MAT"));
    const qint64 cel = x.s.predavanje(a, mat, 1, 1, {{x.s.ucitelj(QStringLiteral("T1")), 0}}).first();
    const qint64 pol = x.s.predavanje(x.s.skupinaOddelkov(QStringLiteral("1a-1"), {a}), mat, 1, 1,
                                      {{x.s.ucitelj(QStringLiteral("T2")), 0}})
                           .first();
    const qint64 gum =
        x.s.predavanje(a, x.s.predmet(QStringLiteral("GUM")), 4, 1, {{x.s.ucitelj(QStringLiteral("T3")), 0}}).first();
    const qint64 dru =
        x.s.predavanje(a, x.s.predmet(QStringLiteral("DRU")), 4, 1, {{x.s.ucitelj(QStringLiteral("T4")), 0}}).first();
    x.s.termin(cel, 1, 1);
    x.s.termin(pol, 1, 2);
    for (int d = 2; d <= 5; ++d) {
        x.s.termin(gum, d, 1);
        x.s.termin(dru, d, 2);
    }
    x.nalozi();
    Sestavljalnik s(x.m, x.p, 3);
    DokoncanjeUrnika dokoncanje(x.m, x.p, s, 3);
    dokoncanje.casovnaOmejitev = 5;
    dokoncanje.zazeni();
    EXPECT_EQ(Kakovost(x.m).ponovitve, 0);
    EXPECT_EQ(dokoncanje.kakovost().ponovitve, 0);
    EXPECT_EQ(x.dnevi(x.predavanje(QStringLiteral("MAT"), QStringLiteral("1a"))), QStringList{QStringLiteral("1:1")});
    EXPECT_EQ(x.dnevi(x.predavanje(QStringLiteral("GUM"))).size(), 4);
    EXPECT_EQ(x.dnevi(x.predavanje(QStringLiteral("DRU"))).size(), 4);
    EXPECT_EQ(test::RazlikeZasedenosti(x.m), QStringList{});
}

TEST(DokoncanjeUrnika, AStopKeepsTheBestStateFoundAndSavesIt) {
    test::SolaZaUrnik x;
    test::GenerirajSolo(x.s, 12, 3); // twelve classes share one cabinet: not everything fits
    SestavljanjeUrnika job(x.m);
    int korakov = 0;
    job.korak = [&] {
        if (job.dokoncanjeTece() && ++korakov == 20)
            job.ustavi();
    };
    MoznostiSestavljanja moznosti;
    moznosti.seme = 21;
    moznosti.kabineti = true;
    moznosti.dokoncaj = true;
    const RezultatSestavljanja rez = job.zazeni(moznosti);
    ASSERT_TRUE(rez.shranjeno);
    EXPECT_EQ(korakov, 20);
    EXPECT_FALSE(App().runFlag);
    EXPECT_GT(rez.nerazporejene, 0);
    EXPECT_LE(rez.nerazporejene, rez.poTretjem) << "never worse than the rounds";
    EXPECT_EQ(test::RazlikeZasedenosti(x.m), QStringList{});
    EXPECT_EQ(x.verify(), QStringList{});
}

TEST(DokoncanjeUrnika, TheSearchNeverLeavesMoreThanTwoPeriodsBeyondItsBestUnplaced) {
    test::SolaZaUrnik x;
    test::GenerirajSolo(x.s, 12, 3); // twelve classes share one cabinet: not everything fits
    x.nalozi();
    Sestavljalnik s(x.m, x.p, 3);
    s.PrviKrog();
    DokoncanjeUrnika dokoncanje(x.m, x.p, s, 3);
    dokoncanje.casovnaOmejitev = 1;
    // Seen every few steps: the best seen is no better than the search's best, so the bound holds
    // against it too.
    int najmanj = s.nerazporejeneUre(), odmik = 0, videnih = 0;
    dokoncanje.korak = [&] {
        if (dokoncanje.izboljsuje())
            return;
        ++videnih;
        najmanj = std::min(najmanj, s.nerazporejeneUre());
        odmik = std::max(odmik, s.nerazporejeneUre() - najmanj);
    };
    dokoncanje.zazeni();
    EXPECT_GT(videnih, 20);
    EXPECT_GT(s.nerazporejeneUre(), 0);
    EXPECT_LE(odmik, 2);
    EXPECT_EQ(test::RazlikeZasedenosti(x.m), QStringList{});
}

TEST(DokoncanjeUrnika, SameSeedSameTimetable) {
    QStringList prvic;
    for (int ponovitev = 0; ponovitev < 2; ++ponovitev) {
        test::SolaZaUrnik x;
        test::GenerirajSolo(x.s, 6, 1);
        MoznostiSestavljanja moznosti;
        moznosti.seme = 5;
        moznosti.kabineti = true;
        moznosti.dokoncaj = true;
        const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
        ASSERT_LT(rez.msDokoncanje, 9000) << "a run cut by the time limit may stop anywhere";
        EXPECT_EQ(x.verify(), QStringList{});
        if (ponovitev == 0)
            prvic = Termini(x.project.db());
        else
            EXPECT_EQ(Termini(x.project.db()), prvic);
    }
}

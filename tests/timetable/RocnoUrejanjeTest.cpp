#include "timetable/RocnoUrejanje.h"
#include "RocnaSola.h"
#include "engine/Invariante.h"
#include "engine/PreberiModelUrnika.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;
using Izid = zentrel::timetable::IzidSpusta;
using Stanje = zentrel::timetable::RocnoUrejanje::Stanje;

namespace {

const QString Prepovedan = QStringLiteral("Termin je prepovedan.\nAli želite vseeno nadaljevati?");

class Rocno : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ed.nalozi()); }

    int t(const char *skupina, const char *predmet, int dan, int ura) {
        return test::TerminEnote(model, QString::fromUtf8(skupina), QString::fromUtf8(predmet), dan, ura);
    }
    int u(const char *skupina, const char *predmet) {
        return test::Enota(model, QString::fromUtf8(skupina), QString::fromUtf8(predmet));
    }
    QString v(int dan, int ura, const char *tip, qint64 soba) {
        return QStringLiteral("%1 %2 %3 %4").arg(dan).arg(ura).arg(QString::fromLatin1(tip)).arg(soba);
    }
    QStringList sporocila() { return sola.messages().texts(); }
    // The grids name exactly the placed periods (checked while nothing is carried).
    void preveriMreze() { EXPECT_EQ(test::RazlikeZasedenosti(model), QStringList()); }

    test::RocnaSola sola;
    ModelUrnika model;
    RocnoUrejanje ed{model};
};

} // namespace

TEST_F(Rocno, PlainMovesAreWrittenAtOnceWithThePlacementMode) {
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 1, 1), false));
    EXPECT_EQ(ed.stanje(), Stanje::Nosi);
    EXPECT_TRUE(ed.vNapoto(1, 1).prosto()) << "the carried lesson's own cell counts as free";
    EXPECT_EQ(ed.spusti(5, 3), Izid::Zapisano);
    EXPECT_EQ(ed.stanje(), Stanje::Prosto);
    EXPECT_EQ(sola.vrstice(sola.mat), QStringList({v(2, 1, "a", sola.u1), v(5, 3, "r", sola.u1)}));

    ed.preklopiNacin();
    EXPECT_EQ(ed.nacin(), QStringLiteral("s"));
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 2, 1), false));
    EXPECT_EQ(ed.spusti(5, 4), Izid::Zapisano);
    EXPECT_EQ(sola.vrstice(sola.mat), QStringList({v(5, 3, "r", sola.u1), v(5, 4, "s", sola.u1)}));

    // Dropped where it came from: nothing is written, nothing is carried.
    ASSERT_TRUE(ed.poberi(t("1a", "ZGO", 5, 2), false));
    EXPECT_EQ(ed.spusti(5, 2), Izid::Preklicano);
    EXPECT_EQ(ed.stanje(), Stanje::Prosto);
    EXPECT_EQ(sola.vrstice(sola.zgo), QStringList({v(5, 2, "a", sola.u1)}));
    EXPECT_EQ(sporocila(), QStringList());
    preveriMreze();
}

TEST_F(Rocno, BlocksFitTheDayAndMoveWhole) {
    ASSERT_TRUE(ed.poberi(t("1a", "LUM", 3, 2), true));
    EXPECT_EQ(ed.prenos().ur, 2) << "Ctrl takes the whole double period";
    EXPECT_EQ(ed.spusti(5, 15), Izid::Zavrnjeno);
    EXPECT_EQ(ed.spusti(1, 0), Izid::Zavrnjeno) << "period 1 of Monday is taken";
    EXPECT_EQ(sporocila(), QStringList({QStringLiteral("Tu ni mogoče razporediti predmeta v bloku."),
                                        QStringLiteral("Tu ni mogoče razporediti predmeta v bloku.")}));
    EXPECT_EQ(ed.stanje(), Stanje::Nosi);
    EXPECT_TRUE(ed.spusti(3, 2) == Izid::Zapisano) << "overlapping its own cells";
    EXPECT_EQ(sola.vrstice(sola.lum), QStringList({v(3, 2, "r", sola.u1), v(3, 3, "r", sola.u1)}));
    ASSERT_TRUE(ed.poberi(t("1a", "LUM", 3, 3), true));
    EXPECT_EQ(ed.spusti(5, 14), Izid::Zapisano);
    EXPECT_EQ(sola.vrstice(sola.lum), QStringList({v(5, 14, "r", sola.u1), v(5, 15, "r", sola.u1)}));
    preveriMreze();
}

TEST_F(Rocno, WhatIsInTheWayIsNamedAndFixedPeriodsAreNeverExchanged) {
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 1, 1), false));
    EXPECT_EQ(ed.spusti(4, 1), Izid::Zavrnjeno) << "the fixed SLO period is in the way";
    ed.prekliciVse();
    ASSERT_TRUE(ed.poberi(t("1b", "ANG", 1, 3), false));
    EXPECT_EQ(ed.vNapoto(1, 1).termini.size(), 2u);
    EXPECT_EQ(ed.spusti(1, 1), Izid::Zavrnjeno) << "1b's sport and its teacher's 1a lesson";
    ed.prekliciVse();
    // A single period of a double period stays with its block.
    ASSERT_TRUE(ed.poberi(t("1a", "SLO", 2, 2), false));
    EXPECT_EQ(ed.spusti(3, 1), Izid::Zavrnjeno);
    ed.prekliciVse();
    EXPECT_EQ(sporocila(), QStringList({QStringLiteral("Enote in skupine v napoto: (1a)"),
                                        QStringLiteral("Enote in skupine v napoto: (1b), (1a)"),
                                        QStringLiteral("Enote in skupine v napoto: (1a)")}));
    EXPECT_EQ(sola.vrstice(sola.slo),
              QStringList({v(1, 2, "r", sola.u1), v(2, 2, "r", sola.u1), v(4, 1, "s", sola.u1)}));
    preveriMreze();
}

TEST_F(Rocno, AForbiddenFreeCellAsksAndNoKeepsTheLessonCarried) {
    sola.s.prepovedOddelka(sola.a, 5, 7);
    ASSERT_TRUE(ed.nalozi());
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 1, 1), false));
    EXPECT_TRUE(ed.zastavice(5, 7).oddelekPrepovedan);
    sola.messages().queueAnswers({core::Answer::No, core::Answer::Yes});
    EXPECT_EQ(ed.spusti(5, 7), Izid::Preklicano);
    EXPECT_EQ(ed.stanje(), Stanje::Nosi);
    EXPECT_EQ(ed.spusti(5, 7), Izid::Zapisano);
    EXPECT_EQ(sporocila(), QStringList({Prepovedan, Prepovedan}));
    EXPECT_EQ(sola.vrstice(sola.mat), QStringList({v(2, 1, "a", sola.u1), v(5, 7, "r", sola.u1)}));
}

TEST_F(Rocno, AnExchangeChainConfirmedIsWrittenInOne) {
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 1, 1), false));
    EXPECT_EQ(ed.spusti(1, 2), Izid::Zamenjano);
    EXPECT_EQ(ed.stanje(), Stanje::Nosi);
    EXPECT_EQ(ed.prenos().predavanje, u("1a", "SLO"));
    // The displaced lesson may not go back onto the lesson that displaced it.
    EXPECT_EQ(ed.spusti(1, 2), Izid::Zavrnjeno);
    EXPECT_EQ(ed.spusti(2, 1), Izid::Zavrnjeno);
    EXPECT_EQ(ed.spusti(1, 1), Izid::CakaPotrditev);
    EXPECT_EQ(ed.stanje(), Stanje::Potrditev);
    EXPECT_EQ(ed.steviloPremikov(), 2);
    EXPECT_EQ(sola.vrstice(sola.mat), QStringList({v(1, 1, "a", sola.u1), v(2, 1, "a", sola.u1)}))
        << "nothing is written before the confirmation";
    ASSERT_TRUE(ed.potrdi());
    EXPECT_EQ(sola.vrstice(sola.mat), QStringList({v(1, 2, "r", sola.u1), v(2, 1, "a", sola.u1)}));
    EXPECT_EQ(sola.vrstice(sola.slo),
              QStringList({v(1, 1, "r", sola.u1), v(2, 2, "r", sola.u1), v(4, 1, "s", sola.u1)}));
    EXPECT_EQ(ed.stanje(), Stanje::Prosto);
    EXPECT_EQ(sporocila(), QStringList({QStringLiteral("Enote in skupine v napoto: (1a)"),
                                        QStringLiteral("Enote in skupine v napoto: (1a)")}));
    preveriMreze();
}

TEST_F(Rocno, AChainCancelledOrSteppedBackRestoresEverything) {
    const ModelUrnika prej = model;
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 1, 1), false));
    ASSERT_EQ(ed.spusti(1, 2), Izid::Zamenjano);
    ASSERT_EQ(ed.spusti(1, 1), Izid::CakaPotrditev);
    ed.novaMenjava();
    EXPECT_EQ(ed.stanje(), Stanje::Prosto);
    ASSERT_TRUE(ed.poberi(t("1b", "ANG", 1, 3), false));
    ASSERT_EQ(ed.spusti(2, 4), Izid::CakaPotrditev) << "a further move of an open chain waits too";
    EXPECT_EQ(ed.zgodovina().size(), 3u);
    ed.prekliciVse();
    EXPECT_EQ(ed.stanje(), Stanje::Prosto);
    EXPECT_FALSE(ed.verigaOdprta());
    preveriMreze();
    for (int t = 1; t < int(prej.termini.size()); ++t) {
        EXPECT_EQ(model.termini[size_t(t)].dan, prej.termini[size_t(t)].dan);
        EXPECT_EQ(model.termini[size_t(t)].ura, prej.termini[size_t(t)].ura);
        EXPECT_EQ(model.termini[size_t(t)].tip, prej.termini[size_t(t)].tip);
    }
    EXPECT_EQ(model.termini.size(), prej.termini.size());

    // Step by step: the exchange undone gives back the first carried lesson, then nothing.
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 1, 1), false));
    ASSERT_EQ(ed.spusti(1, 2), Izid::Zamenjano);
    ASSERT_TRUE(ed.korakNazaj());
    EXPECT_EQ(ed.prenos().predavanje, u("1a", "MAT"));
    EXPECT_EQ(model.oddelki[size_t(model.oddelkiPoOznaki[0])].zasedenost(1, 2), t("1a", "SLO", 1, 2));
    ASSERT_TRUE(ed.korakNazaj());
    EXPECT_EQ(ed.stanje(), Stanje::Prosto);
    EXPECT_FALSE(ed.korakNazaj());
    preveriMreze();
    EXPECT_EQ(sola.vrstice(sola.mat), QStringList({v(1, 1, "a", sola.u1), v(2, 1, "a", sola.u1)}));
    EXPECT_EQ(sporocila(), QStringList());
}

TEST_F(Rocno, NajdiMenjavoPerformsTheFirstValidExchangeAfterTheLastStop) {
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 1, 1), false));
    ASSERT_TRUE(ed.najdiMenjavo());
    EXPECT_EQ(ed.stanje(), Stanje::Potrditev);
    EXPECT_EQ(model.termini[size_t(t("1a", "SLO", 1, 1))].predavanje, u("1a", "SLO"));
    EXPECT_GT(t("1a", "MAT", 1, 2), 0);
    ed.prekliciVse();
    preveriMreze();
    // The next search starts after Monday's period 2: 1b's lesson of Monday 3 is of another
    // group, Tuesday holds MAT already, Wednesday's first periods are a block; Wednesday's
    // sport can go to Monday 1, in the other gym.
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 1, 1), false));
    ASSERT_TRUE(ed.najdiMenjavo());
    EXPECT_GT(t("1a", "MAT", 3, 5), 0);
    EXPECT_GT(t("1a", "ŠPO", 1, 1), 0);
    ASSERT_TRUE(ed.potrdi());
    EXPECT_EQ(sola.vrstice(sola.spoA), QStringList({v(1, 1, "r", sola.tel2)}));
    // A lesson taken from the list has no cell to exchange with.
    ASSERT_TRUE(ed.poberiNerazporejenega(u("1a", "MAT"), false));
    EXPECT_FALSE(ed.najdiMenjavo());
    EXPECT_EQ(sporocila(), QStringList({QStringLiteral("Zamenjavo je mogoče iskati le za posamezno uro iz urnika.")}));
    preveriMreze();
}

TEST(RocnoUrejanjeMenjava, NajdiMenjavoSkipsAnExchangeThatPutsTheDisplacedLessonIntoAForbiddenPeriod) {
    // SLO of Monday period 2 would go to MAT's Monday period 1, forbidden there for its teacher
    // T2 in one school and for its room U1 in the other; the next exchange is Wednesday's sport.
    const auto v = [](int dan, int ura, const char *tip, qint64 soba) {
        return QStringLiteral("%1 %2 %3 %4").arg(dan).arg(ura).arg(QString::fromLatin1(tip)).arg(soba);
    };
    for (const bool ucitelj : {true, false}) {
        test::RocnaSola s;
        if (ucitelj)
            s.s.prepovedUcitelja(
                s.db().scalar(QStringLiteral("SELECT ID FROM UCITELJI WHERE OZNAKA = 'T2'")).toLongLong(), 1, 1);
        else
            s.s.prepovedProstora(s.u1, 1, 1);
        ModelUrnika m;
        RocnoUrejanje ed{m};
        ASSERT_TRUE(ed.nalozi());
        ASSERT_TRUE(ed.poberi(test::TerminEnote(m, QStringLiteral("1a"), QStringLiteral("MAT"), 1, 1), false));
        ASSERT_TRUE(ed.najdiMenjavo()) << ucitelj;
        ASSERT_TRUE(ed.potrdi());
        EXPECT_EQ(s.vrstice(s.slo), QStringList({v(1, 2, "r", s.u1), v(2, 2, "r", s.u1), v(4, 1, "s", s.u1)}))
            << ucitelj;
        EXPECT_EQ(s.vrstice(s.mat), QStringList({v(2, 1, "a", s.u1), v(3, 5, "r", s.u1)})) << ucitelj;
        EXPECT_EQ(s.vrstice(s.spoA), QStringList({v(1, 1, "r", s.tel2)})) << ucitelj;
        EXPECT_EQ(s.messages().texts(), QStringList()) << ucitelj;
    }
}

TEST(RocnoUrejanjeMenjava, NajdiMenjavoExchangesOnlyWithALessonOfTheSameClass) {
    // MAT on Monday period 1 and ANG on Monday period 2 share their teacher T1: the two may
    // change places when both are lessons of 1a, never when ANG is 1b's.
    for (const bool istiOddelek : {true, false}) {
        test::TempProject project;
        test::MalaSola s(project.db());
        const qint64 a = s.oddelek(QStringLiteral("1a"));
        const qint64 b = s.oddelek(QStringLiteral("1b"));
        const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
        const qint64 mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 1, 1, {{t1, 0}}).front();
        const qint64 ang =
            s.predavanje(istiOddelek ? a : b, s.predmet(QStringLiteral("ANG")), 1, 1, {{t1, 0}}).front();
        s.termin(mat, 1, 1, QStringLiteral("a"));
        s.termin(ang, 1, 2, QStringLiteral("a"));
        ModelUrnika m;
        RocnoUrejanje ed{m};
        ASSERT_TRUE(ed.nalozi());
        ASSERT_TRUE(ed.poberi(test::TerminEnote(m, QStringLiteral("1a"), QStringLiteral("MAT"), 1, 1), false));
        EXPECT_EQ(ed.najdiMenjavo(), istiOddelek);
        if (istiOddelek) {
            EXPECT_GT(test::TerminEnote(m, QStringLiteral("1a"), QStringLiteral("MAT"), 1, 2), 0);
            EXPECT_GT(test::TerminEnote(m, QStringLiteral("1a"), QStringLiteral("ANG"), 1, 1), 0);
            EXPECT_EQ(project.messages().texts(), QStringList());
        } else {
            EXPECT_GT(test::TerminEnote(m, QStringLiteral("1b"), QStringLiteral("ANG"), 1, 2), 0);
            EXPECT_EQ(project.messages().texts(), QStringList{QStringLiteral("Zamenjave ni bilo mogoče najti.")});
        }
    }
}

TEST_F(Rocno, LessonsOfDifficultyZeroAreTakenFromTheListAndOffTheTimetable) {
    const int gum = u("1b", "GUM");
    ASSERT_GT(gum, 0) << "difficulty 0 is loaded for manual work";
    EXPECT_EQ(model.predavanja[size_t(gum)].preostalo, 1);
    ed.preklopiNacin();
    ASSERT_TRUE(ed.poberiNerazporejenega(gum, false));
    EXPECT_EQ(ed.spusti(2, 3), Izid::Zapisano);
    EXPECT_EQ(sola.vrstice(sola.gum), QStringList({v(2, 3, "s", sola.u2)}));
    EXPECT_EQ(model.predavanja[size_t(gum)].preostalo, 0);
    EXPECT_FALSE(ed.poberiNerazporejenega(gum, false)) << "nothing left to place";
    EXPECT_GT(model.termini[size_t(t("1b", "GUM", 2, 3))].zasedbe[1].idTermina, 0) << "the new row's ID is kept";

    const int ang = u("1b", "ANG");
    ASSERT_TRUE(ed.poberi(t("1b", "ANG", 1, 3), false));
    EXPECT_EQ(ed.odstrani(), Izid::Zapisano);
    EXPECT_EQ(sola.vrstice(sola.ang), QStringList());
    EXPECT_EQ(model.predavanja[size_t(ang)].preostalo, 3);
    ASSERT_TRUE(ed.poberiNerazporejenega(ang, false));
    EXPECT_EQ(ed.odstrani(), Izid::Preklicano) << "back on the list it came from";
    EXPECT_EQ(ed.stanje(), Stanje::Prosto);
    preveriMreze();

    // What was written reads back the same.
    ModelUrnika znova;
    ASSERT_TRUE(PreberiModelUrnika(znova, false));
    EXPECT_EQ(znova.predavanja[size_t(test::Enota(znova, QStringLiteral("1b"), QStringLiteral("GUM")))].preostalo, 0);
    EXPECT_EQ(znova.predavanja[size_t(test::Enota(znova, QStringLiteral("1b"), QStringLiteral("ANG")))].preostalo, 3);
    EXPECT_EQ(sporocila(), QStringList());
}

TEST_F(Rocno, RoomsOfAGroupAreChosenAndAFullGroupRefuses) {
    const int spoB = u("1b", "ŠPO");
    ASSERT_TRUE(ed.poberi(t("1b", "ŠPO", 1, 1), false));
    EXPECT_TRUE(ed.zastavice(3, 5).prostorZaseden);
    EXPECT_EQ(ed.spusti(3, 5), Izid::Zavrnjeno);
    EXPECT_EQ(sporocila(), QStringList({QStringLiteral("Vsi prostori v skupini so zasedeni!")}));
    sola.messages().clear();

    // Its own room is kept where it is free; the user is not asked.
    int vprasan = 0;
    ed.izbiraProstora = [&](const ZahtevaProstora &z) {
        ++vprasan;
        EXPECT_EQ(z.predavanje, spoB);
        EXPECT_EQ(z.prostori.size(), 2u);
        return z.prostori.back();
    };
    EXPECT_EQ(ed.spusti(2, 5), Izid::Zapisano);
    EXPECT_EQ(vprasan, 0);
    // A new period of it has no room yet: the user chooses among the free rooms.
    ASSERT_TRUE(ed.poberiNerazporejenega(spoB, false));
    EXPECT_EQ(ed.spusti(2, 6), Izid::Zapisano);
    EXPECT_EQ(vprasan, 1);
    EXPECT_EQ(sola.vrstice(sola.spoB), QStringList({v(2, 5, "r", sola.tel1), v(2, 6, "r", sola.tel2)}));

    // Room flags: none while one member is free and allowed; forbidden when every member is.
    sola.s.prepovedProstora(sola.tel1, 4, 7);
    sola.s.prepovedProstora(sola.tel2, 4, 7);
    sola.s.prepovedProstora(sola.tel1, 4, 8);
    ASSERT_TRUE(ed.nalozi());
    ed.izbiraProstora = {};
    ASSERT_TRUE(ed.poberi(t("1b", "ŠPO", 2, 5), false));
    EXPECT_TRUE(ed.zastavice(4, 7).prostorPrepovedan);
    EXPECT_FALSE(ed.zastavice(4, 7).prostorZaseden);
    EXPECT_FALSE(ed.zastavice(4, 8).prostorPrepovedan);
    EXPECT_FALSE(ed.zastavice(4, 8).prostorZaseden);
    EXPECT_TRUE(ed.zastavice(1, 3).oddelekZaseden);
    EXPECT_FALSE(ed.zastavice(1, 3).uciteljZaseden);
    // A forbidden room is not taken while the group has an allowed one.
    EXPECT_EQ(ed.spusti(4, 8), Izid::Zapisano);
    EXPECT_EQ(sola.vrstice(sola.spoB), QStringList({v(2, 6, "r", sola.tel2), v(4, 8, "r", sola.tel2)}));
    EXPECT_EQ(sporocila(), QStringList());
}

TEST_F(Rocno, AWriteThatFindsTheTimetableChangedWritesNothingAndReadsItAgain) {
    // Another window moved Monday's MAT after this model was read.
    ASSERT_TRUE(sola.db().exec(
        QStringLiteral("UPDATE TERMINI SET DAN = 5, URA = 9 WHERE ID_RAZPOREDA = %1 AND DAN = 1").arg(sola.mat)));
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 1, 1), false));
    EXPECT_EQ(ed.spusti(1, 2), Izid::Zamenjano);
    EXPECT_EQ(ed.spusti(1, 1), Izid::CakaPotrditev);
    EXPECT_FALSE(ed.potrdi());
    EXPECT_EQ(sporocila(),
              QStringList({QStringLiteral("Urnik je medtem spremenil drug program, zato sprememb ni mogoče shraniti. "
                                          "Naložite ga znova.")}));
    EXPECT_EQ(sola.vrstice(sola.slo),
              QStringList({v(1, 2, "r", sola.u1), v(2, 2, "r", sola.u1), v(4, 1, "s", sola.u1)}))
        << "the exchanged SLO row was rolled back";
    EXPECT_EQ(ed.stanje(), Stanje::Prosto);
    EXPECT_GT(t("1a", "MAT", 5, 9), 0) << "the model shows what is stored";
    EXPECT_EQ(t("1a", "MAT", 1, 2), 0);
    preveriMreze();
}

TEST_F(Rocno, ANewRoomFromTheGroupIsWrittenAndOnlyWhenNoChainIsOpen) {
    const int spo = t("1b", "ŠPO", 1, 1);
    std::vector<int> ponujeni;
    ed.izbiraProstora = [&](const ZahtevaProstora &z) {
        ponujeni = z.prostori;
        return z.prostori.back();
    };
    ASSERT_TRUE(ed.novProstor(spo));
    EXPECT_EQ(ponujeni.size(), 2u) << "its own room first, then the free one";
    EXPECT_EQ(sola.vrstice(sola.spoB), QStringList({v(1, 1, "a", sola.tel2)}));
    EXPECT_FALSE(ed.novProstor(t("1a", "MAT", 1, 1))) << "a single room offers no choice";
    preveriMreze();
    ASSERT_TRUE(ed.poberi(t("1a", "MAT", 2, 1), false));
    EXPECT_FALSE(ed.novProstor(spo));
    ed.prekliciVse();
    ed.izbiraProstora = [](const ZahtevaProstora &) { return 0; };
    EXPECT_FALSE(ed.novProstor(spo)) << "cancelled";
    EXPECT_EQ(sola.vrstice(sola.spoB), QStringList({v(1, 1, "a", sola.tel2)}));
}

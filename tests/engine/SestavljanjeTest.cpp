#include "GeneriranaSola.h"
#include "Invariante.h"
#include "SolaZaUrnik.h"
#include "engine/OdtisUrnika.h"
#include "engine/Sestavljalnik.h"
#include "engine/SestavljanjeUrnika.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using core::App;

using Sola = test::SolaZaUrnik;
using test::Termini;

TEST(DolzinaBloka, SevenSinglePeriodsGoAsTwoTwoOneOneOneOnFiveDays) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t = x.s.ucitelj(QStringLiteral("T1"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("SLO")), 7, 1, {{t, 0}});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 3, 2, {{t, 0}});
    x.nalozi(true, 1);
    Sestavljalnik s(x.m, x.p, 1);
    const int slo = x.predavanje(QStringLiteral("SLO"));
    const int mat = x.predavanje(QStringLiteral("MAT"));
    std::vector<int> bloki;
    for (int preostalo : {7, 5, 3, 2, 1}) {
        x.m.predavanja[size_t(slo)].preostalo = preostalo;
        bloki.push_back(s.DolzinaBloka(slo));
    }
    EXPECT_EQ(bloki, (std::vector<int>{2, 2, 1, 1, 1}));
    x.m.predavanja[size_t(slo)].preostalo = 7;
    x.m.predavanja[size_t(mat)].preostalo = 1;
    EXPECT_EQ(s.DolzinaBloka(mat), 1) << "a double period with one period left is placed as a single one";
    x.m.predavanja[size_t(mat)].preostalo = 3;
    s.zacniNapredek();
    s.PrviKrog();
    EXPECT_EQ(s.nerazporejeneUre(), 0);
    QList<int> poDnevih;
    for (const QString &dan : x.dnevi(slo))
        poDnevih << int(dan.section(u':', 1).split(u',').size());
    std::sort(poDnevih.begin(), poDnevih.end());
    EXPECT_EQ(poDnevih, (QList<int>{1, 1, 1, 2, 2})) << x.dnevi(slo).join(u' ').toStdString();
    // The double period: one block of 2 and one of 1 on two days.
    EXPECT_EQ(x.dnevi(mat).size(), 2);
}

TEST(PrviKrog, UnitWithoutFeasiblePositionIsGivenUpBlockByBlockFirst) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 t = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 4, 1, {{t, 0}});
    x.s.predavanje(b, x.s.predmet(QStringLiteral("SLO")), 4, 2, {{t2, 0}});
    for (int d = 1; d <= 5; ++d)
        for (int p = 0; p < 16; ++p)
            x.s.prepovedOddelka(b, d, p);
    x.nalozi();
    Sestavljalnik s(x.m, x.p, 1);
    const int slo = x.predavanje(QStringLiteral("SLO"));
    EXPECT_EQ(s.PrednostPredavanja(slo), -1);
    std::vector<int> postavljeni;
    s.korak = [&] { postavljeni.push_back(x.m.steviloTerminov()); };
    s.zacniNapredek();
    s.PrviKrog();
    // Two blocks of 2 given up (nothing placed yet), then the four single periods of MAT.
    EXPECT_EQ(postavljeni, (std::vector<int>{0, 0, 1, 2, 3, 4}));
    EXPECT_EQ(x.m.predavanja[size_t(slo)].nerazporejeno, 4);
    EXPECT_EQ(x.m.predavanja[size_t(slo)].preostalo, 0);
    EXPECT_EQ(s.nerazporejeneUre(), 4) << "given-up periods stay counted as unplaced";
    EXPECT_EQ(s.napredek(), 8);
    EXPECT_EQ(s.maksimumNapredka(), 8); // 8 * 44.1 / 43 = 8.2
}

TEST(PrviKrog, CachedPrioritiesGiveTheSameTimetableAsFullRecomputation) {
    auto run = [](bool brez) {
        Sola x;
        test::GenerirajSolo(x.s, 6, 11);
        x.nalozi();
        Sestavljalnik s(x.m, x.p, 42);
        s.brezPredpomnilnika(brez);
        s.PrviKrog();
        QStringList out;
        for (size_t t = 1; t < x.m.termini.size(); ++t)
            out << QStringLiteral("%1@%2.%3")
                       .arg(x.m.termini[t].predavanje)
                       .arg(x.m.termini[t].dan)
                       .arg(x.m.termini[t].ura);
        return out;
    };
    const QStringList cached = run(false);
    EXPECT_GT(cached.size(), 100);
    EXPECT_EQ(cached, run(true));
}

TEST(Sestavljanje, RunPlacesSavesAsTypeAAndKeepsExistingRows) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 u1 = x.s.prostor(QStringLiteral("U1"));
    const qint64 u2 = x.s.prostor(QStringLiteral("U2"));
    const qint64 mat = x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, u1}}).first();
    x.s.predavanje(a, x.s.predmet(QStringLiteral("SLO")), 3, 1, {{t2, u1}});
    const qint64 t3 = x.s.ucitelj(QStringLiteral("T3"));
    x.s.predavanje(b, x.s.predmet(QStringLiteral("ANG")), 4, 2, {{t3, u2}});
    x.s.predavanje(b, x.s.predmet(QStringLiteral("ŠPO")), 2, 1, {{t2, 0}});
    const qint64 rocni = x.s.termin(mat, 3, 1, QStringLiteral("r"), u1);
    SestavljanjeUrnika job(x.m);
    std::vector<int> stanja;
    int maksimum = 0;
    job.korak = [&] {
        stanja.push_back(job.stanje());
        maksimum = job.maksimumNapredka();
    };
    MoznostiSestavljanja moznosti;
    moznosti.seme = 5;
    const RezultatSestavljanja rez = job.zazeni(moznosti);
    EXPECT_TRUE(rez.zagnano);
    EXPECT_TRUE(rez.shranjeno);
    EXPECT_EQ(rez.besedilo, QStringLiteral("Sestavljeno: 100.00%"));
    EXPECT_EQ(rez.skupaj, 13);
    EXPECT_EQ(rez.nerazporejene, 0);
    EXPECT_TRUE(rez.nerazporejena.empty());
    EXPECT_EQ(maksimum, 12); // 12 periods to place * 44.1 / 43 = 12.3
    EXPECT_EQ(stanja.front(), 2);
    EXPECT_EQ(job.stanje(), 0);
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI WHERE TIP = 'a'")), 12);
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID = %1 AND TIP = 'r'").arg(rocni)), 1);
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_PROSTORA IS NULL")), 2);
    EXPECT_EQ(x.project.messages().texts(), QStringList{QStringLiteral("Shranjujem podatke ...")});
    EXPECT_EQ(x.verify(), QStringList{});
    // A second run finds nothing left to place and changes nothing.
    const QStringList prej = Termini(x.project.db());
    x.project.messages().clear();
    const RezultatSestavljanja drugic = job.zazeni(moznosti);
    EXPECT_EQ(drugic.sporocilo, QStringLiteral("V urniku ni nerazporejenih ur"));
    EXPECT_EQ(x.project.messages().texts(), QStringList{QStringLiteral("V urniku ni nerazporejenih ur")});
    EXPECT_EQ(Termini(x.project.db()), prej);
}

TEST(Sestavljanje, StoppingChecksAndOverloadedRooms) {
    {
        Sola x;
        x.s.oddelek(QStringLiteral("1a"));
        const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni({});
        EXPECT_FALSE(rez.shranjeno);
        EXPECT_EQ(x.project.messages().texts(),
                  QStringList{QStringLiteral("V razporedih ni vnesenih dovolj podatkov za sestavljanje urnika.")});
    }
    {
        Sola x;
        App().trenutniUrnik = 77;
        SestavljanjeUrnika(x.m).zazeni({});
        EXPECT_EQ(x.project.messages().texts(),
                  QStringList{QStringLiteral("Niste izbrali nobenega urnika. Najprej pojdite na zavihek \"Izbira\"")});
    }
    {
        Sola x;
        ASSERT_TRUE(x.project.db().exec(QStringLiteral(
            "INSERT INTO VELJAVNOST_URNIKA (ID_URNIKA, VELJA_OD, VELJA_DO) VALUES (1, '2026-09-01', '2027-06-24')")));
        SestavljanjeUrnika(x.m).zazeni({});
        EXPECT_EQ(x.project.messages().texts(),
                  QStringList{QStringLiteral("Urnik je že veljaven. Sestavljanje je zato onemogočeno.")});
    }
    {
        Sola x;
        const qint64 a = x.s.oddelek(QStringLiteral("1a"));
        x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 2147483647, 1, {{x.s.ucitelj(QStringLiteral("T1")), 0}});
        const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni({});
        EXPECT_FALSE(rez.shranjeno);
        EXPECT_EQ(x.project.messages().texts(),
                  QStringList{QStringLiteral("Sestavljanje ni mogoče, ker so v predmetnikih vrednosti zunaj meja:\n1a "
                                             "MAT: število ur 2147483647 (dovoljeno od 0 do 80)")});
        EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    }
    {
        Sola x;
        const qint64 a = x.s.oddelek(QStringLiteral("1a"));
        const qint64 t = x.s.ucitelj(QStringLiteral("T1"));
        const qint64 lab = x.s.prostor(QStringLiteral("LAB's"));
        x.s.predavanje(a, x.s.predmet(QStringLiteral("KEM")), 5, 1, {{t, lab}});
        MoznostiSestavljanja moznosti;
        moznosti.seme = 1;
        const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
        EXPECT_EQ(rez.preobremenjeni, QStringList{QStringLiteral("LAB's")});
        EXPECT_EQ(x.project.messages().texts(), (QStringList{QStringLiteral("Preobremenjeni prostori: LAB's"),
                                                             QStringLiteral("Shranjujem podatke ...")}));
        EXPECT_TRUE(rez.shranjeno) << "an overloaded room is a warning, construction goes on";
    }
}

TEST(DrugiKrog, OrdinaryRoomGivesWayToAFreeClassroomButACabinetStays) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 b = x.s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 u1 = x.s.prostor(QStringLiteral("U1"));
    const qint64 kab = x.s.prostor(QStringLiteral("KAB"), true);
    x.s.prostor(QStringLiteral("U2"));
    // Both classes want U1 and the cabinet at the only period of their frame.
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 5, 1, {{t1, u1}});
    x.s.predavanje(b, x.s.predmet(QStringLiteral("SLO")), 5, 1, {{t2, u1}});
    const qint64 c = x.s.oddelek(QStringLiteral("2a"));
    const qint64 d = x.s.oddelek(QStringLiteral("2b"));
    x.s.predavanje(c, x.s.predmet(QStringLiteral("KEM")), 5, 1, {{t1, kab}});
    x.s.predavanje(d, x.s.predmet(QStringLiteral("BIO")), 5, 1, {{t2, kab}});
    for (qint64 o : {c, d})
        for (int dan = 1; dan <= 5; ++dan)
            x.s.prvaUra(o, dan, 3);
    MoznostiSestavljanja moznosti;
    moznosti.seme = 3;
    moznosti.kabineti = true;
    const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
    // MAT and SLO both get all five periods (one of them in U2); one cabinet unit stays unplaced.
    EXPECT_EQ(rez.nerazporejene, 5);
    int ur = 0;
    for (const NerazporejenoPredavanje &n : rez.nerazporejena) {
        EXPECT_TRUE(n.predmet == QLatin1String("KEM") || n.predmet == QLatin1String("BIO")) << n.predmet.toStdString();
        EXPECT_EQ(n.razlog, QStringLiteral("prostor"));
        ur += n.ur;
    }
    EXPECT_EQ(ur, 5);
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI T JOIN PROSTORI P ON P.ID = T.ID_PROSTORA "
                                       "WHERE P.OZNAKA = 'U2'")),
              5);
    EXPECT_EQ(rez.besedilo, QStringLiteral("Sestavljeno: 75.00%"));
    EXPECT_EQ(x.verify(), QStringList{});
}

TEST(Sestavljanje, RestartWhileRunningIsIgnored) {
    Sola x;
    test::GenerirajSolo(x.s, 2, 1);
    SestavljanjeUrnika job(x.m);
    int ignorirani = 0;
    job.korak = [&] {
        const RezultatSestavljanja vmes = job.zazeni({});
        ignorirani += vmes.zagnano ? 0 : 1;
        EXPECT_EQ(job.stanje(), 2);
        EXPECT_TRUE(App().busy);
    };
    MoznostiSestavljanja moznosti;
    moznosti.seme = 2;
    const RezultatSestavljanja rez = job.zazeni(moznosti);
    EXPECT_TRUE(rez.zagnano);
    EXPECT_GT(ignorirani, 0);
    EXPECT_EQ(job.stanje(), 0);
    EXPECT_FALSE(App().busy);
}

TEST(Sestavljanje, FailedSaveWritesNothingAndIsReported) {
    Sola x;
    test::GenerirajSolo(x.s, 2, 1);
    ASSERT_TRUE(x.project.db().exec(QStringLiteral("CREATE TRIGGER POLNO BEFORE INSERT ON TERMINI WHEN NEW.DAN = 5 "
                                                   "BEGIN SELECT RAISE(ABORT, 'disk je poln'); END")));
    MoznostiSestavljanja moznosti;
    moznosti.seme = 1;
    const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
    EXPECT_FALSE(rez.shranjeno);
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    EXPECT_EQ(x.project.messages().texts(),
              (QStringList{QStringLiteral("Shranjujem podatke ..."),
                           QStringLiteral("Urnika ni bilo mogoče shraniti.\ndisk je poln (1)")}));
}

TEST(OcenaPolozaja, EveryTermOfTheScore) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 u1 = x.s.prostor(QStringLiteral("U1"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, u1}}, 2);
    const qint64 slo = x.s.predavanje(a, x.s.predmet(QStringLiteral("SLO")), 1, 1, {{t1, 0}}, 2).first();
    x.s.predavanje(a, x.s.predmet(QStringLiteral("FIZ")), 1, 1, {{t2, 0}}, 3);
    x.s.predavanje(a, x.s.predmet(QStringLiteral("GUM")), 1, 1, {{t2, 0}}, 1);
    const qint64 geo =
        x.s.predavanje(a, x.s.predmet(QStringLiteral("GEO")), 1, 1, {{x.s.ucitelj(QStringLiteral("T3")), 0}}, 2)
            .first();
    x.s.termin(slo, 1, 3);
    x.s.termin(geo, 3, 0); // period 0 is a real period: it weighs on Wednesday
    x.nalozi();
    Sestavljalnik s(x.m, x.p, 99);
    const int mat = x.predavanje(QStringLiteral("MAT"));
    const int fiz = x.predavanje(QStringLiteral("FIZ"));
    const int gum = x.predavanje(QStringLiteral("GUM"));
    ASSERT_EQ(x.p.profili[1].utez, 0.0) << "one class: the teacher's centre term is 0";
    // The random part 5 x (R + 1.1) is replayed from the same seed, one draw per score.
    std::mt19937 rng(99);
    auto osnova = [&] { return 100000 + 5 * (double(rng()) / 4294967296.0 + 1.1); };
    // Frame of 1a (8 periods, completed to whole rows): periods 1 and 2 every day; U1 is wanted
    // 4 / 10 in each of them, so its room term is 10 / (0.4 + 0.8) there and 10 / 0.8 elsewhere.
    const double wantedU1 = 10 / (0.4 + 0.8);
    struct Primer {
        int u, dan, ura;
        double pricakovano;
    } primeri[] = {
        {mat, 2, 1, wantedU1},                  // at the first period, nothing around
        {mat, 1, 4, -150 + 100 + 40 + 12.5},    // 3 periods late, next to SLO, teacher adjacent
        {mat, 1, 5, -200 + 20 + 12.5},          // one free period for the teacher
        {mat, 1, 6, -250 + 0 + 12.5},           // two free periods cost nothing
        {mat, 1, 7, -300 - 20 + 12.5},          // three free periods cost 20
        {mat, 1, 2, -50 + 100 + 40 + wantedU1}, // before SLO: class and teacher adjacent
        {fiz, 1, 5, -200 + 30 * (10000 - 2)},   // hard unit: Monday carries SLO (difficulty 2)
        {fiz, 2, 5, -200 + 30 * 10000},
        {fiz, 3, 5, -200 + 30 * (10000 - 2)},
        {gum, 1, 5, -200 + 30 * 2}, // easy unit prefers the heavier day
        {gum, 2, 5, -200},
        {gum, 3, 5, -200 + 30 * 2},
    };
    for (const Primer &p : primeri)
        EXPECT_NEAR(s.OcenaPolozaja(p.u, p.dan, p.ura, 1), osnova() + p.pricakovano, 1e-6)
            << "unit " << p.u << " at " << p.dan << "." << p.ura;
    // A block of two: the class neighbour is looked for after the block.
    EXPECT_NEAR(s.OcenaPolozaja(mat, 1, 1, 2), osnova() + 100 + 40 + wantedU1 + wantedU1, 1e-6);
}

TEST(Sestavljanje, RepetitionsWithWiderFramesTakeUpWhatWasGivenUpAndHandPlacedLessonsWidenTheFrame) {
    {
        // T1 may not teach at period 1, the only row of the frame without extra periods.
        Sola x;
        const qint64 a = x.s.oddelek(QStringLiteral("1a"));
        const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
        x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 5, 1, {{t1, 0}});
        for (int d = 1; d <= 5; ++d)
            x.s.prepovedUcitelja(t1, d, 1);
        MoznostiSestavljanja moznosti;
        moznosti.seme = 1;
        moznosti.dodatneUre = 1;
        const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
        EXPECT_EQ(rez.besedilo, QStringLiteral("Sestavljeno: 100.00%"));
        EXPECT_EQ(rez.poPrvem, 0);
        EXPECT_EQ(x.verify(1), QStringList{});
    }
    {
        // Five lessons placed only by hand fill period 1; the frame holds the other five too.
        Sola x;
        const qint64 a = x.s.oddelek(QStringLiteral("1a"));
        const qint64 r =
            x.s.predavanje(a, x.s.predmet(QStringLiteral("RU")), 5, 1, {{x.s.ucitelj(QStringLiteral("T1")), 0}}, 0)
                .first();
        x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 5, 1, {{x.s.ucitelj(QStringLiteral("T2")), 0}});
        for (int d = 1; d <= 5; ++d)
            x.s.termin(r, d, 1);
        MoznostiSestavljanja moznosti;
        moznosti.seme = 1;
        const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
        EXPECT_EQ(rez.besedilo, QStringLiteral("Sestavljeno: 100.00%"));
        EXPECT_EQ(x.verify(), QStringList{});
    }
}

TEST(DrugiKrog, ASingleRoomTwoEntriesShareStaysShared) {
    Sola x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = x.s.ucitelj(QStringLiteral("T2"));
    const qint64 tel = x.s.prostor(QStringLiteral("TEL"));
    x.s.prostor(QStringLiteral("U1"));
    x.s.prostor(QStringLiteral("U2"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("ŠPO")), 2, 1, {{t1, tel}, {t2, tel}});
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 3, 1, {{x.s.ucitelj(QStringLiteral("T3")), 0}});
    for (int d = 1; d <= 5; ++d)
        x.s.prepovedProstora(tel, d, 1);
    MoznostiSestavljanja moznosti;
    moznosti.seme = 1;
    moznosti.kabineti = true;
    const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
    EXPECT_EQ(rez.nerazporejene, 2) << "the two halves are never split over two free classrooms";
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI")), 3);
    EXPECT_EQ(x.verify(), QStringList{});
}

TEST(Sestavljanje, WithBuildingChangesAClassStaysInItsBuildingBetweenTwoLessons) {
    for (bool selitev : {false, true}) {
        Sola x;
        const qint64 a = x.s.oddelek(QStringLiteral("1a"));
        const qint64 b = x.s.oddelek(QStringLiteral("1b"));
        const qint64 s1 = x.s.stavba(QStringLiteral("S1"));
        const qint64 s2 = x.s.stavba(QStringLiteral("S2"));
        const qint64 a1 = x.s.prostor(QStringLiteral("A1"), false, s1);
        const qint64 a2 = x.s.prostor(QStringLiteral("A2"), false, s1);
        const qint64 b2 = x.s.prostor(QStringLiteral("B2"), false, s2);
        const qint64 g = x.s.skupinaProstorov(QStringLiteral("$G"), {a2, b2});
        x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 5, 1, {{x.s.ucitelj(QStringLiteral("T1")), a1}});
        x.s.predavanje(a, x.s.predmet(QStringLiteral("SLO")), 5, 1, {{x.s.ucitelj(QStringLiteral("T2")), g}});
        // 1b keeps A2 at period 2 every day: a lesson of SLO there would be in the other building.
        x.s.predavanje(b, x.s.predmet(QStringLiteral("GUM")), 5, 1, {{x.s.ucitelj(QStringLiteral("T3")), a2}});
        for (int d = 1; d <= 5; ++d)
            x.s.prvaUra(b, d, 2);
        MoznostiSestavljanja moznosti;
        moznosti.seme = 3;
        moznosti.selitev = selitev;
        moznosti.tretjiKrog = true;
        const RezultatSestavljanja rez = SestavljanjeUrnika(x.m).zazeni(moznosti);
        EXPECT_EQ(rez.nerazporejene, 0);
        const QStringList krsitve = PreverjanjeUrnika(1, 1, 0, 0, true).preveri();
        if (selitev)
            EXPECT_EQ(krsitve, QStringList{});
        else
            EXPECT_FALSE(krsitve.isEmpty()) << "without the option the least wanted room is taken";
    }
}

TEST(Sestavljanje, ASaveRefusesWhenAnotherProgramChangedTheTimetableSinceItWasLoaded) {
    Sola x;
    test::GenerirajSolo(x.s, 2, 1);
    SestavljanjeUrnika job(x.m);
    bool drugi = false;
    job.korak = [&] {
        if (drugi)
            return;
        // Another program saves its own construction of the same timetable meanwhile.
        db::Connection c;
        ASSERT_TRUE(c.open(x.project.path()));
        ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) "
                                          "SELECT 1, min(ID), 1, 1, 'a', 0 FROM RAZPORED")));
        drugi = true;
    };
    MoznostiSestavljanja moznosti;
    moznosti.seme = 1;
    const RezultatSestavljanja rez = job.zazeni(moznosti);
    EXPECT_FALSE(rez.shranjeno);
    EXPECT_EQ(x.project.messages().texts(),
              (QStringList{QStringLiteral("Shranjujem podatke ..."),
                           QStringLiteral("Urnik je medtem spremenil drug program, zato sprememb ni mogoče shraniti. "
                                          "Naložite ga znova.")}));
    EXPECT_EQ(x.stevilo(QStringLiteral("SELECT count(*) FROM TERMINI")), 1) << "only the other program's row";
}

TEST(Sestavljanje, AWriteHoldsTheLockSoThatASecondWriteWaitsOrFails) {
    Sola x;
    test::GenerirajSolo(x.s, 1, 1);
    x.nalozi();
    db::Connection drug;
    ASSERT_TRUE(drug.open(x.project.path()));
    db::Transaction tx(drug);
    ASSERT_TRUE(UrnikNespremenjen(drug, 1, 0, x.m.odtis)) << "nothing changed since the load";
    sqlite3_busy_timeout(x.project.db().handle(), 0);
    db::Transaction moj(x.project.db());
    EXPECT_FALSE(UrnikNespremenjen(x.project.db(), 1, 0, x.m.odtis));
    EXPECT_EQ(x.project.messages().texts(),
              QStringList{QStringLiteral("Urnika ni bilo mogoče shraniti.\n"
                                          "Podatke ima zaklenjene drug program. Poskusite znova pozneje.")});
}

#include "timetable/PregledUrnikov.h"
#include "RocnaSola.h"
#include "engine/PreberiModelUrnika.h"
#include "timetable/PrikazUrnika.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;

TEST(PregledUrnikov, GapsAndTheWeekOfEveryClassOnAHandMadeWeek) {
    test::TempProject project;
    test::MalaSola s(project.db());
    const qint64 a = s.oddelek(QStringLiteral("1a")), b = s.oddelek(QStringLiteral("1b"));
    s.oddelek(QStringLiteral("1d"));
    s.oddelek(QStringLiteral("1č"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1")), t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 3, 1, {{t1, 0}}).front();
    const qint64 slo = s.predavanje(a, s.predmet(QStringLiteral("SLO")), 2, 1, {{t2, 0}}).front();
    const qint64 ang = s.predavanje(b, s.predmet(QStringLiteral("ANG")), 1, 1, {{t1, 0}}).front();
    s.termin(mat, 1, 1);
    s.termin(mat, 1, 5);
    s.termin(mat, 2, 0);
    s.termin(slo, 1, 2);
    s.termin(slo, 2, 3);
    s.termin(ang, 1, 3);
    ModelUrnika m;
    ASSERT_TRUE(PreberiModelUrnika(m, false));

    const Luknje l = PrestejLuknje(m);
    auto vrstica = [](const LuknjeVrstica &v) {
        return QStringLiteral("%1 %2 %3 %4 %5 %6 = %7")
            .arg(v.oznaka)
            .arg(v.poDnevih[1])
            .arg(v.poDnevih[2])
            .arg(v.poDnevih[3])
            .arg(v.poDnevih[4])
            .arg(v.poDnevih[5])
            .arg(v.skupaj);
    };
    QStringList oddelki, ucitelji;
    for (const LuknjeVrstica &v : l.oddelki)
        oddelki << vrstica(v);
    for (const LuknjeVrstica &v : l.ucitelji)
        ucitelji << vrstica(v);
    EXPECT_EQ(oddelki, QStringList({QStringLiteral("1a 2 2 0 0 0 = 4"), QStringLiteral("1b 0 0 0 0 0 = 0"),
                                    QStringLiteral("1č 0 0 0 0 0 = 0"), QStringLiteral("1d 0 0 0 0 0 = 0")}));
    EXPECT_EQ(ucitelji, QStringList({QStringLiteral("T1 2 0 0 0 0 = 2"), QStringLiteral("T2 0 0 0 0 0 = 0")}));
    EXPECT_EQ(l.skupajOddelki, 4);
    EXPECT_EQ(l.skupajUcitelji, 2);

    const VsiUrniki v = PreglejVseUrnike(m);
    EXPECT_EQ(v.prvaUra, 0);
    EXPECT_EQ(v.zadnjaUra, 5);
    ASSERT_EQ(v.vrstice.size(), 4u);
    EXPECT_EQ(v.vrstice[0].oddelek, QStringLiteral("1a"));
    EXPECT_EQ(v.vrstice[0].celice[size_t(IndeksCelice(1, 2))], QStringLiteral("SLO"));
    EXPECT_EQ(v.vrstice[0].celice[size_t(IndeksCelice(2, 0))], QStringLiteral("MAT"));
    EXPECT_EQ(v.vrstice[1].celice[size_t(IndeksCelice(1, 3))], QStringLiteral("ANG"));
    EXPECT_EQ(v.vrstice[2].oddelek, QStringLiteral("1č"));
    EXPECT_TRUE(v.vrstice[2].celice[size_t(IndeksCelice(1, 3))].isEmpty());
}

TEST(PrikazUrnika, CellsOfAClassAndATeacherCarryTheirMarks) {
    test::RocnaSola sola;
    sola.s.prepovedOddelka(sola.a, 5, 0);
    ModelUrnika m;
    RocnoUrejanje ed(m);
    ASSERT_TRUE(ed.nalozi());
    const int a = OddelkiPoAbecedi(m)[0];
    PogledUrnika razred{false, a, false, 0};
    auto celice = CeliceUrnika(ed, razred);
    const CelicaUrnika &mat = celice[size_t(IndeksCelice(1, 1))];
    EXPECT_EQ(mat.oznaka, QStringLiteral("MAT\nT1\nU1"));
    EXPECT_FALSE(mat.stalenPredmet);
    EXPECT_TRUE(celice[size_t(IndeksCelice(4, 1))].stalenPredmet);
    EXPECT_TRUE(celice[size_t(IndeksCelice(3, 1))].dvojniPredmet);
    EXPECT_TRUE(celice[size_t(IndeksCelice(5, 0))].prepoved);
    EXPECT_FALSE(celice[size_t(IndeksCelice(5, 1))].prepoved);
    EXPECT_TRUE(celice[size_t(IndeksCelice(1, 0))].oznaka.isEmpty());

    // Carrying MAT: its cell is emptied, its lessons chosen, the teacher's other class shows busy.
    ASSERT_TRUE(ed.poberi(celice[size_t(IndeksCelice(1, 1))].termin, false));
    celice = CeliceUrnika(ed, razred);
    EXPECT_TRUE(celice[size_t(IndeksCelice(1, 1))].izpraznjenTermin);
    EXPECT_TRUE(celice[size_t(IndeksCelice(2, 1))].izbranPredmet);
    EXPECT_TRUE(celice[size_t(IndeksCelice(1, 3))].prenos.uciteljZaseden) << "T1 teaches 1b then";
    EXPECT_TRUE(celice[size_t(IndeksCelice(1, 2))].prenos.oddelekZaseden);
    EXPECT_TRUE(celice[size_t(IndeksCelice(1, 2))].prenos.prostorZaseden) << "U1 holds SLO then";
    EXPECT_FALSE(celice[size_t(IndeksCelice(1, 4))].prenos.oddelekZaseden);
    ed.prekliciVse();

    // The teacher's week names the classes; the unplaced list names what is left.
    int t1 = 0;
    for (int t = 1; t <= m.steviloUciteljev(); ++t)
        if (m.ucitelji[size_t(t)].oznaka == QLatin1String("T1"))
            t1 = t;
    celice = CeliceUrnika(ed, {true, t1, false, 0});
    EXPECT_EQ(celice[size_t(IndeksCelice(1, 3))].oznaka, QStringLiteral("ANG\n1b\nU2"));
    QStringList seznam;
    for (const NerazporejenPredmet &n : NerazporejeniPredmeti(m, {true, t1, false, 0}))
        seznam << n.besedilo;
    EXPECT_EQ(seznam, QStringList({QStringLiteral("ANG - 1b (2)"), QStringLiteral("MAT - 1a (2)")}));
    seznam.clear();
    for (const NerazporejenPredmet &n : NerazporejeniPredmeti(m, {false, a, true, 0}))
        seznam << n.besedilo;
    EXPECT_EQ(seznam, QStringList({QStringLiteral("MAT - 1a (2)"), QStringLiteral("SLO - 1a (1)"),
                                   QStringLiteral("ŠPO - 1a (1)"), QStringLiteral("ZGO - 1a (1)")}))
        << "the other texts: the units";
}

TEST(PregledUrnikov, UnplacedLessonsWithTheirReasonAndLessonsPlacedOnlyByHand) {
    test::RocnaSola sola;
    ModelUrnika m;
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    QStringList vrstice;
    for (const NerazporejenoPredavanje &n : PreglejNerazporejene(m))
        vrstice << QStringLiteral("%1 %2 %3").arg(n.skupina, n.predmet).arg(n.ur);
    EXPECT_EQ(vrstice, QStringList({QStringLiteral("1a MAT 2"), QStringLiteral("1a SLO 1"), QStringLiteral("1a ŠPO 1"),
                                    QStringLiteral("1a ZGO 1"), QStringLiteral("1b ANG 2"), QStringLiteral("1b GUM 1"),
                                    QStringLiteral("1b ŠPO 1"), QStringLiteral("1c ŠPO 1")}));
    const std::vector<NerazporejenoPredavanje> seznam = PreglejNerazporejene(m);
    EXPECT_EQ(seznam[5].opis, QStringLiteral("Ni avtomatsko: predmet se razporeja ročno.")) << "GUM, difficulty 0";
    EXPECT_FALSE(seznam[0].opis.isEmpty());
}

#include "pupils/IzbirneSkupine.h"
#include "PupilsFixture.h"
#include "pupils/AvtomatskoDodeljevanje.h"
#include "pupils/IzbirnaSkupinaZapis.h"
#include "pupils/IzbirniNabori.h"
#include "pupils/IzbirniPredmeti.h"
#include "pupils/UcenciSkupin.h"

using namespace zentrel;
using namespace zentrel::pupils;
using zentrel::core::Answer;
using zentrel::test::PupilsFixture;

class IzbirneSkupineTest : public PupilsFixture {
protected:
    void SetUp() override {
        PupilsFixture::SetUp();
        set(1, QStringLiteral("Nabor"), QStringLiteral("N"));
        setUnits(1, {1, 2});
        elective(1, 1, QStringLiteral("AST"), 10, 2, 2);
        elective(2, 1, QStringLiteral("FVZ"), 10, 2, 3);
        pupils(1, 3, 1);
        pupils(4, 6, 2);
    }
    IzbirnaSkupinaFields group(const QString &code, QList<qint64> units, QList<qint64> electives) {
        IzbirnaSkupinaFields f;
        f.oznaka = code;
        f.nabor = 1;
        f.turnus = 0;
        f.dolzina = QStringLiteral("2");
        f.enote = units;
        f.predmeti = electives;
        return f;
    }
    QStringList structure() {
        return column(QStringLiteral(
            "SELECT SP.OZNAKA || ':' || V.STEVILO_UR || '/' || V.DOLZINA_TERMINA || ':' || group_concat(G.ID_PREDMETA "
            "|| coalesce('^' || P1.ID_PREDMETA, ''), ',') FROM SKUPINE_PREDMETOV SP INNER JOIN PREDMETI_V_PROGRAMU V "
            "ON "
            "V.ID_SKUPINE_PREDMETOV = SP.ID INNER JOIN PREDMETI_V_SKUPINI G ON G.ID_SKUPINE = SP.ID LEFT JOIN "
            "PREDMETI_V_SKUPINI P1 ON P1.ID = G.ID_NADREJENEGA_PREDMETA_V_SKUPINI WHERE SP.ID_IZBIRNEGA_PROGRAMA IS "
            "NOT NULL GROUP BY SP.ID ORDER BY SP.ID"));
    }
};

TEST_F(IzbirneSkupineTest, AGroupOfTwoAndThreeHourElectivesIsWrittenInTwoPassesLinkedToTheFirst) {
    IzbirneSkupine groups;
    ASSERT_TRUE(groups.open());
    EXPECT_FALSE(groups.acceptAddNew(group(QString(), {1}, {1, 2})));
    EXPECT_FALSE(groups.acceptAddNew(group(QStringLiteral("A"), {}, {1, 2})));
    EXPECT_FALSE(groups.acceptAddNew(group(QStringLiteral("A"), {1}, {})));
    ASSERT_TRUE(groups.acceptAddNew(group(QStringLiteral("A"), {1, 2}, {1, 2})));
    EXPECT_FALSE(groups.acceptAddNew(group(QStringLiteral("a"), {1}, {1})));
    EXPECT_EQ(messages(), (QStringList{"Oznaka ne sme biti prazna.", "Izbirna skupina mora imeti vsaj eno enoto.",
                                       "Izbirna skupina mora imeti vsaj en predmet.", "Ta oznaka je že uporabljena"}));
    // One programme; the first subject group carries both electives for 2 hours, the second the
    // three-hour one for 1 hour (its block length cut to it), pointing at its first row.
    EXPECT_EQ(structure(), (QStringList{"A:2/2:101,102", "A:1/1:102^102"}));
    EXPECT_EQ(column(QStringLiteral("SELECT OZNAKA || IME || ID_IZBIRNEGA_NABORA FROM PROGRAMI")),
              QStringList{"AIzbirna1"});
    EXPECT_EQ(column(QStringLiteral("SELECT ID_ODDELKA FROM ODDELKI_V_SKUPINI OS INNER JOIN SKUPINE_ODDELKOV SO ON "
                                    "SO.ID = OS.ID_SKUPINE WHERE SO.IME = 'Izbirna' ORDER BY 1")),
              (QStringList{"1", "2"}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE PS INNER JOIN SKUPINE_ODDELKOV SO ON SO.ID = "
                                   "PS.ID_SKUPINE_ODDELKOV WHERE SO.ID_IZBIRNEGA_PROGRAMA = PS.ID_PROGRAMA")),
              1);
    EXPECT_EQ(groups.frameHeader(false), QStringLiteral("Izbirna skupina:  A"));
    EXPECT_EQ(groups.current().predmeti, (QList<qint64>{1, 2}));
}

TEST_F(IzbirneSkupineTest, ChangingAGroupKeepsItsPupilsAndRefusesWhileItIsInAValidTimetable) {
    IzbirneSkupine groups;
    ASSERT_TRUE(groups.open());
    ASSERT_TRUE(groups.acceptAddNew(group(QStringLiteral("A"), {1, 2}, {1, 2})));
    // Pupils 1 (7.a) and 4 (7.b) in the first elective by hand.
    UcenciSkupin places(UcenciSkupin::Vrsta::Izbirne);
    ASSERT_TRUE(places.open());
    ASSERT_EQ(places.list().count(), 2);
    ASSERT_EQ(places.list().text(QStringLiteral("PREDMETI")), QStringLiteral("N-AST"));
    ASSERT_TRUE(places.save(QString(), {1, 4}));
    EXPECT_EQ(column(QStringLiteral("SELECT ID_UCENCA || TIP FROM ERD_UCENCI_PREDMETA ORDER BY 1")),
              (QStringList{"1R", "4R"}));

    // Only 7.a stays, the second elective leaves: pupil 1 keeps his place, pupil 4 loses it.
    ASSERT_TRUE(groups.acceptEdit(group(QStringLiteral("B"), {1}, {1})));
    EXPECT_EQ(structure(), QStringList{"B:2/2:101"});
    EXPECT_EQ(column(QStringLiteral("SELECT ID_UCENCA || TIP FROM ERD_UCENCI_PREDMETA")), QStringList{"1R"});
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ERD_UCENCI_PREDMETA E INNER JOIN PREDMETI_V_SKUPINI G ON G.ID "
                                   "= E.ID_PREDMETI_V_SKUPINI")),
              1);

    // An assignment with a lesson in a timetable with validity.
    teacher(1, QStringLiteral("T1"));
    run(QStringLiteral(
        "INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
        "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) SELECT 1, 1, "
        "SO.ID, P.ID, G.ID_SKUPINE, G.ID_PREDMETA, 1, 0, G.ID FROM PROGRAMI P INNER JOIN SKUPINE_ODDELKOV "
        "SO ON SO.ID_IZBIRNEGA_PROGRAMA = P.ID INNER JOIN SKUPINE_PREDMETOV SP ON "
        "SP.ID_IZBIRNEGA_PROGRAMA = P.ID INNER JOIN PREDMETI_V_SKUPINI G ON G.ID_SKUPINE = SP.ID"));
    lesson(1, 1, 1, true);
    project.messages().clear();
    EXPECT_FALSE(groups.acceptEdit(group(QStringLiteral("B"), {1, 2}, {1})));
    EXPECT_FALSE(groups.acceptEdit(group(QStringLiteral("B"), {1}, {1, 2})));
    EXPECT_FALSE(groups.deleteCurrent());
    EXPECT_FALSE(groups.deleteAll(false));
    answer({Answer::Yes});
    EXPECT_FALSE(AvtomatskoDodeljevanje({1, -1, false}).prepare());
    EXPECT_EQ(messages(),
              (QStringList{"Skupine enot ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku.",
                           "Skupine predmetov ni dovoljeno spreminajti, ker nastopa v veljavnem urniku.",
                           "Izbirne skupine ni mogoče brisati, ker nastopa v veljavnem urniku.",
                           "Izbirnih skupin ni mogoče brisati, ker nekatere že nastopajo v veljavnem urniku.",
                           "Avtomatsko dodeljevanje ni mogoče, ker nekatere izbirne skupine že nastopajo v "
                           "veljavnem urniku."}));
    // A new code alone keeps rows, assignments and lessons.
    ASSERT_TRUE(groups.acceptEdit(group(QStringLiteral("C"), {1}, {1})));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 1);
    EXPECT_EQ(column(QStringLiteral("SELECT OZNAKA FROM SKUPINE_ODDELKOV WHERE IME = 'Izbirna'")), QStringList{"C"});

    // Without validity the group goes after the question, with its assignment and lesson.
    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    project.messages().clear();
    answer({Answer::Yes});
    ASSERT_TRUE(groups.deleteCurrent());
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Potrdi brisanje izbirne skupine C.\nIzbirna skupina  bo brisana "
                                                     "tudi iz vseh razporedov in urnikov!")});
    for (const char *table : {"PROGRAMI", "SKUPINE_PREDMETOV WHERE ID_IZBIRNEGA_PROGRAMA IS NOT NULL",
                              "SKUPINE_ODDELKOV WHERE IME = 'Izbirna'", "RAZPORED", "TERMINI", "ERD_UCENCI_PREDMETA"})
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ") + QString::fromLatin1(table)), 0) << table;
}

TEST_F(IzbirneSkupineTest, ChangingAnElectivesHoursOrASetsTurnusTakesItOutOfItsGroups) {
    IzbirneSkupine groups;
    ASSERT_TRUE(groups.open());
    ASSERT_TRUE(groups.acceptAddNew(group(QStringLiteral("A"), {1}, {1, 2})));
    teacher(1, QStringLiteral("T1"));
    run(QStringLiteral("INSERT INTO UCITELJ_PREDMET VALUES (1, 101), (1, 102)"));
    IzbirniPredmeti electives;
    ASSERT_TRUE(electives.load(1));
    ASSERT_EQ(electives.list().text(QStringLiteral("OZNAKA")), QStringLiteral("AST"));
    IzbirniPredmetFields f = electives.current();
    f.normativMax = QStringLiteral("12"); // group sizes alone change nothing in the groups
    ASSERT_TRUE(electives.acceptEdit(f));
    EXPECT_EQ(structure(), (QStringList{"A:2/2:101,102", "A:1/1:102^102"}));
    f.steviloUr = QStringLiteral("3");
    answer({Answer::No, Answer::Yes});
    EXPECT_FALSE(electives.acceptEdit(f));
    ASSERT_TRUE(electives.acceptEdit(f));
    EXPECT_EQ(structure(), (QStringList{"A:2/2:102", "A:1/1:102^102"}));

    IzbirniNabori sets;
    ASSERT_TRUE(sets.open());
    answer({Answer::Yes});
    ASSERT_TRUE(sets.acceptEdit({QStringLiteral("Nabor"), QStringLiteral("N"), 1}));
    EXPECT_EQ(messages(),
              (QStringList{"Predmet bo izbrisan iz izbirnih skupin.", "Predmet bo izbrisan iz izbirnih skupin.",
                           "Ob spremembi turnusa bodo iz izbirnih skupin izbrisani vsi predmeti tega "
                           "nabora."}));
    // The group lost its last elective and went whole.
    EXPECT_TRUE(structure().isEmpty());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAMI")), 0);
}

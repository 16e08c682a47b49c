#include "AssignmentFixture.h"
#include "basicdata/RazporedEnote.h"
#include "basicdata/RazporedUcitelja.h"
#include "basicdata/RoomChoice.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::AssignmentFixture;

using RazporedUciteljaT = AssignmentFixture;
using RazporedEnoteT = AssignmentFixture;

namespace {

QStringList column(const db::RowSet &rows, const QString &name) {
    QStringList out;
    for (int r = 0; r < rows.rowCount(); ++r)
        out << rows.text(r, name);
    return out;
}

} // namespace

TEST_F(RazporedUciteljaT, OffersWhatStillLacksATeacherAndAddsAssignments) {
    RazporedUcitelja razpored;
    ASSERT_TRUE(razpored.openLists());
    ASSERT_TRUE(razpored.load(1, 20));
    EXPECT_EQ(column(razpored.subjects(), QStringLiteral("PREDMET")),
              QStringList({QStringLiteral("MAT"), QStringLiteral("TIT $TIT1ab-1. skupina"),
                           QStringLiteral("TIT $TIT1ab-2. skupina")}));
    const db::RowSet groups = razpored.classGroups(10);
    EXPECT_EQ(column(groups, QStringLiteral("ENOTA")), QStringList({QStringLiteral("1.a / 0"), QStringLiteral("1.b / 0")}));
    EXPECT_EQ(column(groups, QStringLiteral("KLJUC")),
              QStringList({QStringLiteral("1;40;0"), QStringLiteral("2;40;0")}));

    EXPECT_FALSE(razpored.acceptAddNew({}));
    EXPECT_FALSE(razpored.acceptAddNew({10, QString(), -1}));
    EXPECT_EQ(razpored.invalidField(), QStringLiteral("ID_SKUPINE_ODDELKOV"));
    EXPECT_FALSE(razpored.acceptAddNew({10, QStringLiteral("1;40;0"), 999}));
    EXPECT_FALSE(razpored.acceptAddNew({11, QStringLiteral("1;40;0"), -1})); // ŠPO: not the teacher's subject
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Predmet je obvezen."), QStringLiteral("Oddelek je obvezen."),
                                       QStringLiteral("Prostor ne obstaja."), QStringLiteral("Predmet je obvezen.")}));

    ASSERT_TRUE(razpored.acceptAddNew({10, QStringLiteral("1;40;0"), 30}));
    ASSERT_TRUE(razpored.acceptAddNew({51, QStringLiteral("60;41;0"), -1}));
    EXPECT_EQ(column(razpored.list().rows(), QStringLiteral("ODDELEK")),
              QStringList({QStringLiteral("$1ab"), QStringLiteral("1.a")}));
    EXPECT_EQ(razpored.list().text(QStringLiteral("SKUPINA")), QStringLiteral("$TIT1ab-1. skupina"));
    ASSERT_TRUE(razpored.list().moveTo(1));
    EXPECT_EQ(razpored.list().text(QStringLiteral("PREDMET")), QStringLiteral("MAT"));
    EXPECT_EQ(razpored.list().text(QStringLiteral("SKUPINA")), QString());
    EXPECT_EQ(razpored.list().text(QStringLiteral("PROSTOR")), QStringLiteral("U1"));
    EXPECT_EQ(razpored.list().text(QStringLiteral("OBOJE")), QStringLiteral("4/1"));
    EXPECT_EQ(razpored.list().text(QStringLiteral("TURNUS")), QStringLiteral("0"));
    EXPECT_EQ(razpored.totalHours(), 6);
    EXPECT_EQ(razpored.hoursInTurnus(1), 6);
    // 1.a has its teacher of MAT: only 1.b is offered, and the subject goes once 1.b has one.
    EXPECT_EQ(column(razpored.classGroups(10), QStringLiteral("ENOTA")), QStringList({QStringLiteral("1.b / 0")}));
    ASSERT_TRUE(razpored.acceptAddNew({10, QStringLiteral("2;40;0"), -1}));
    EXPECT_EQ(column(razpored.subjects(), QStringLiteral("PREDMET")),
              QStringList({QStringLiteral("TIT $TIT1ab-2. skupina")}));

    answer({Answer::Yes});
    ASSERT_TRUE(razpored.deleteCurrent());
    EXPECT_EQ(messages().last(), QStringLiteral("Potrdi brisanje predmeta iz razporeda učitelja."));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_UCITELJA = 20")), 2);
}

TEST_F(RazporedUciteljaT, ASecondTeacherOfAPlacedGroupRemovesItsLessonsAfterConfirmation) {
    groupAssignment(70, 51, 22);
    lesson(5, 1, 70, true);
    RazporedUcitelja razpored;
    ASSERT_TRUE(razpored.load(1, 20));
    const RazporedUciteljaFields second{52, QStringLiteral("60;41;0"), -1};
    EXPECT_FALSE(razpored.acceptAddNew(second));
    EXPECT_EQ(
        messages(),
        QStringList({QStringLiteral("Podatki že nastopajo v veljavnem urniku, zato jih ni mogoče spreminjati.")}));

    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    answer({Answer::No});
    EXPECT_FALSE(razpored.acceptAddNew(second));
    EXPECT_EQ(messages().last(), QStringLiteral("Potrdi dodajanje novega učitelja v skupino predmetov.\nSkupina bo "
                                                "izbrisana iz urnikov tega razporeda!"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 1);
    answer({Answer::Yes});
    ASSERT_TRUE(razpored.acceptAddNew(second));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_UCITELJA = 20 AND ID_PREDMETI_V_SKUPINI = "
                                   "52 AND ID_SKUPINE_PROSTOROV IS NULL")),
              1);

    // An assignment with lessons in a timetable with validity stays.
    lesson(6, 1, razpored.list().id(), true);
    EXPECT_FALSE(razpored.deleteCurrent());
    EXPECT_EQ(messages().last(), QStringLiteral("Predmeta TIT ni mogoče brisati, ker nastopa v veljavnem urniku."));
    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    answer({Answer::Yes});
    ASSERT_TRUE(razpored.deleteCurrent());
    EXPECT_EQ(messages().last(),
              QStringLiteral("Potrdi brisanje predmeta iz razporeda učitelja.\nPredmet bo brisan tudi iz urnikov tega "
                             "razporeda!"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
}

TEST_F(RazporedUciteljaT, RoomsThatSuitComeFirstThenTheLeastLoaded) {
    room(34, QStringLiteral("U3"), 1);
    run(QStringLiteral("INSERT INTO UCITELJ_PROSTOR VALUES (20, 32)"));
    run(QStringLiteral("INSERT INTO PREDMET_PROSTOR VALUES (10, 32)"));
    run(QStringLiteral("INSERT INTO ODDELEK_PROSTOR VALUES (1, 31)"));
    assignment(70, 1, 2, 40, 10, 21, 30);
    run(QStringLiteral("INSERT INTO TURNUSI (ID, OZNAKA) VALUES (2, 'II')"));
    subjectInProgramme(40, 12, 2, 5);
    assignment(71, 1, 2, 40, 12, 22, 34, 2);
    const db::RowSet rooms = RoomList(1, 20, 1, 10, 1);
    EXPECT_EQ(column(rooms, QStringLiteral("OZNAKA")),
              QStringList({QStringLiteral("U2"), QStringLiteral("TEL"), QStringLiteral("U3"), QStringLiteral("U1"),
                           QStringLiteral("$ŠPORT")}));
    EXPECT_EQ(column(rooms, QStringLiteral("USTR")),
              QStringList({QStringLiteral("UP"), QStringLiteral("E"), QString(), QString(), QString()}));
    EXPECT_EQ(column(rooms, QStringLiteral("OBR")), QStringList({"0", "0", "0", "4", "0"}));
    // In turnus II the room of the turnus-II lesson carries its five hours.
    EXPECT_EQ(column(RoomList(1, 20, 1, 10, 2), QStringLiteral("OZNAKA")).mid(2),
              QStringList({QStringLiteral("U1"), QStringLiteral("U3"), QStringLiteral("$ŠPORT")}));
}

TEST_F(RazporedEnoteT, ShowsEverySubjectRowWithItsTeacherAndHours) {
    RazporedEnote razpored;
    ASSERT_TRUE(razpored.openLists());
    ASSERT_TRUE(razpored.load(1, 1));
    EXPECT_EQ(
        column(razpored.list().rows(), QStringLiteral("OZNAKA")),
        QStringList({QStringLiteral("MAT"), QStringLiteral("ŠPO"), QStringLiteral("TIT"), QStringLiteral("TIT")}));
    EXPECT_EQ(column(razpored.list().rows(), QStringLiteral("SKUPINA")),
              QStringList(
                  {QString(), QString(), QStringLiteral("$TIT1ab-1. skupina"), QStringLiteral("$TIT1ab-2. skupina")}));
    EXPECT_EQ(column(razpored.list().rows(), QStringLiteral("TipI")), QStringList({"N", "N", "N", "N"}));
    EXPECT_EQ(razpored.hours(1).inTurnus, 9);
    EXPECT_EQ(razpored.hours(1).unassigned, 9);

    // MAT: a room without a teacher is refused; the teacher list offers those who teach it.
    EXPECT_FALSE(razpored.acceptEdit({-1, 30}));
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Prostor mora biti prazen")}));
    EXPECT_EQ(column(razpored.teachers(), QStringLiteral("OZNAKA")),
              QStringList({QStringLiteral("D'Arc"), QStringLiteral("Nov")}));
    EXPECT_EQ(razpored.teachers().text(0, QStringLiteral("UCITELJ")), QStringLiteral("D'Arc Ivana"));
    EXPECT_FALSE(razpored.acceptEdit({22, -1}));
    EXPECT_EQ(messages().last(), QStringLiteral("Učitelj ne uči tega predmeta."));
    ASSERT_TRUE(razpored.acceptEdit({21, 30}));
    EXPECT_EQ(razpored.list().text(QStringLiteral("OZNAKA_UCITELJA")), QStringLiteral("D'Arc"));
    EXPECT_EQ(razpored.list().text(QStringLiteral("PROSTOR")), QStringLiteral("U1"));
    EXPECT_EQ(razpored.hours(1).assigned, 4);

    // One teacher cannot teach two pupils' groups of one lesson.
    ASSERT_TRUE(razpored.list().moveToValue(QStringLiteral("SKUPINA"), QStringLiteral("$TIT1ab-1. skupina")));
    ASSERT_TRUE(razpored.acceptEdit({20, -1}));
    ASSERT_TRUE(razpored.list().moveToValue(QStringLiteral("SKUPINA"), QStringLiteral("$TIT1ab-2. skupina")));
    EXPECT_EQ(column(razpored.teachers(), QStringLiteral("OZNAKA")), QStringList({QStringLiteral("Žag")}));
    EXPECT_FALSE(razpored.acceptEdit({20, -1}));
    EXPECT_EQ(messages().last(), QStringLiteral("Učitelj že poučuje v tej skupini."));
    EXPECT_EQ(razpored.hours(1).assigned, 4); // TIT still lacks the teacher of its second group
    ASSERT_TRUE(razpored.acceptEdit({22, -1}));
    EXPECT_EQ(razpored.hours(1).assigned, 6);
    EXPECT_EQ(razpored.hours(1).unassigned, 3);
    // Assigned rows follow the unassigned ones.
    EXPECT_EQ(razpored.list().rows().text(0, QStringLiteral("OZNAKA")), QStringLiteral("ŠPO"));
}

TEST_F(RazporedEnoteT, ClearingAndChangingATeacherFollowTheRulesOfTheTeacherView) {
    assignment(70, 1, 1, 40, 10, 20);
    assignment(71, 1, 1, 40, 10, 21); // two teachers teach MAT to 1.a
    lesson(5, 1, 70, true);
    lesson(5, 1, 71, true);
    teacher(23, QStringLiteral("Zor"));
    teaches(23, 10);
    RazporedEnote razpored;
    ASSERT_TRUE(razpored.load(1, 1));
    ASSERT_TRUE(razpored.list().moveToValue(QStringLiteral("ID"), 71));
    EXPECT_EQ(razpored.list().text(QStringLiteral("Dod")), QString());
    ASSERT_TRUE(razpored.list().moveToValue(QStringLiteral("ID"), 70));
    EXPECT_EQ(razpored.list().text(QStringLiteral("Dod")), QStringLiteral("+"));

    // With validity neither clearing nor changing the teacher goes through.
    EXPECT_FALSE(razpored.acceptEdit({-1, -1}));
    EXPECT_FALSE(razpored.acceptEdit({23, -1}));
    EXPECT_FALSE(razpored.deleteCurrent());
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("Predmeta MAT ni mogoče brisati, ker nastopa v veljavnem urniku."),
                           QStringLiteral("Podatki že nastopajo v veljavnem urniku, zato jih ni mogoče spreminjati."),
                           QStringLiteral("Predmeta MAT ni mogoče brisati, ker nastopa v veljavnem urniku.")}));

    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    answer({Answer::No});
    EXPECT_FALSE(razpored.acceptEdit({23, -1}));
    EXPECT_EQ(messages().last(),
              QStringLiteral("Potrdi spremembo učitelja v razporedu.\nBrisani bodo tudi njegovi podatki v urniku!"));
    EXPECT_EQ(count(QStringLiteral("SELECT ID_UCITELJA FROM RAZPORED WHERE ID = 70")), 20);
    answer({Answer::Yes});
    ASSERT_TRUE(razpored.acceptEdit({23, 32}));
    EXPECT_EQ(count(QStringLiteral("SELECT ID_UCITELJA FROM RAZPORED WHERE ID = 70")), 23);
    EXPECT_EQ(count(QStringLiteral("SELECT ID_SKUPINE_PROSTOROV FROM RAZPORED WHERE ID = 70")), 32);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_RAZPOREDA = 70")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_RAZPOREDA = 71")), 1);

    // Clearing the other teacher removes that assignment only, after the question.
    ASSERT_TRUE(razpored.list().moveToValue(QStringLiteral("ID"), 71));
    answer({Answer::Yes});
    ASSERT_TRUE(razpored.acceptEdit({-1, -1}));
    EXPECT_EQ(messages().last(), QStringLiteral("Potrdi brisanje predmeta iz razporeda enote.\nPredmet bo izbrisan "
                                                "tudi iz urnikov tega razporeda!"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    // An unassigned row has nothing to remove.
    ASSERT_TRUE(razpored.list().moveTo(0));
    EXPECT_FALSE(razpored.hasAssignment());
    EXPECT_FALSE(razpored.deleteCurrent());
}

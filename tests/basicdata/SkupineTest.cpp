#include "basicdata/Skupine.h"
#include "AssignmentFixture.h"
#include "support/PrintQString.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::AssignmentFixture;

using SkupineT = AssignmentFixture;

namespace {

SkupinaFields sport() {
    SkupinaFields f;
    f.oznakaPredmetov = QStringLiteral("ŠPO1ab");
    f.ime = QStringLiteral("Šport 1.a in 1.b, d'Arc");
    f.steviloUr = QStringLiteral("3");
    f.idTurnusa = 0;
    f.predmeti = {11};
    f.oddelki = {1, 2};
    return f;
}

} // namespace

TEST_F(SkupineT, NewGroupsAreCheckedInOrderAndGetTheirOwnRows) {
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    ASSERT_EQ(skupine.list().count(), 1);
    EXPECT_EQ(skupine.list().text(QStringLiteral("OznakaSkupineEnot")), QStringLiteral("$1ab"));
    EXPECT_EQ(skupine.current().predmeti, QList<qint64>({12}));
    EXPECT_EQ(skupine.current().oddelki, QList<qint64>({1, 2}));
    EXPECT_EQ(skupine.frameHeader(false), QStringLiteral("Skupina:  $TIT1ab"));

    SkupinaFields f = skupine.newRecord();
    EXPECT_EQ(f.idTurnusa, 0);
    f.oznakaPredmetov = QStringLiteral("ŠPO1ab");
    Skupine::afterCode(f);
    EXPECT_EQ(f.ime, QStringLiteral("ŠPO1ab"));
    EXPECT_EQ(f.oznakaEnot, QStringLiteral("ŠPO1ab"));

    const auto refused = [&](SkupinaFields g, const QString &field) {
        EXPECT_FALSE(skupine.acceptAddNew(g));
        EXPECT_EQ(skupine.invalidField(), field);
    };
    SkupinaFields g = sport();
    g.oznakaPredmetov.clear();
    refused(g, QStringLiteral("OZNAKA"));
    g = sport();
    refused(g, QStringLiteral("OznakaSkupineEnot"));
    g.oznakaEnot = QStringLiteral("$tit1AB"); // the existing class group's code in other letters: free
    g.oznakaPredmetov = QStringLiteral("tit1AB");
    refused(g, QStringLiteral("OZNAKA"));
    g = sport();
    g.oznakaEnot = QStringLiteral("1AB");
    refused(g, QStringLiteral("OznakaSkupineEnot"));
    g = sport();
    g.oznakaEnot = QStringLiteral("ŠPO1ab");
    g.steviloUr = QStringLiteral("0");
    refused(g, QStringLiteral("STEVILO_UR"));
    g.steviloUr = QStringLiteral("3");
    g.idTurnusa = 9;
    refused(g, QStringLiteral("ID_TURNUSA"));
    g.idTurnusa = 0;
    g.dolzinaTermina = QStringLiteral("4");
    refused(g, QStringLiteral("DOLZINA_TERMINA"));
    g.dolzinaTermina = QStringLiteral("0");
    refused(g, QStringLiteral("DOLZINA_TERMINA"));
    g.dolzinaTermina = QStringLiteral("3");
    g.predmeti.clear();
    refused(g, QStringLiteral("PREDMETI"));
    g.predmeti = {11};
    g.oddelki.clear();
    refused(g, QStringLiteral("ENOTE"));
    EXPECT_EQ(
        messages(),
        QStringList({QStringLiteral("Oznaka ne sme biti prazna."), QStringLiteral("Oznaka ne sme biti prazna."),
                     QStringLiteral("Ta oznaka je že uporabljena"), QStringLiteral("Ta oznaka je že uporabljena"),
                     QStringLiteral("Število ur mora biti večje od 0."), QStringLiteral("Vnos turnusa je obvezen."),
                     QStringLiteral("Dolžina termina mora biti manjša od števila ur."),
                     QStringLiteral("Dolžina termina mora biti vsaj 1."),
                     QStringLiteral("V skupini mora biti vsaj en predmet."),
                     QStringLiteral("V skupini mora biti vsaj ena enota.")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAMI")), 2);

    g.oddelki = {2, 1};
    ASSERT_TRUE(skupine.acceptAddNew(g));
    EXPECT_EQ(skupine.list().text(QStringLiteral("OZNAKA")), QStringLiteral("$ŠPO1ab"));
    EXPECT_EQ(skupine.list().text(QStringLiteral("OznakaSkupineEnot")), QStringLiteral("$ŠPO1ab"));
    EXPECT_EQ(skupine.list().text(QStringLiteral("IME")), QStringLiteral("Šport 1.a in 1.b, d'Arc"));
    const qint64 p = skupine.list().integer(QStringLiteral("ID_PROGRAMA"));
    const qint64 s = skupine.list().integer(QStringLiteral("ID_SkuPre"));
    const qint64 c = skupine.list().integer(QStringLiteral("ID_SkuOdd"));
    EXPECT_EQ(s, 51); // above every subject and subject group
    EXPECT_EQ(c, 61); // above every class and class group
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE ID=%1 AND OZNAKA='$ŠPO1ab' AND "
                                   "ID_RAZ_PREDMETNIKA=1")
                        .arg(p)),
              1);
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE=%1 AND ID_PREDMETA=11").arg(s)),
        1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE=%1").arg(c)), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT STEVILO_UR * 10 + DOLZINA_TERMINA FROM PREDMETI_V_PROGRAMU WHERE "
                                   "ID_PROGRAMA=%1 AND ID_SKUPINE_PREDMETOV=%2 AND ID_TURNUSA=0")
                        .arg(p)
                        .arg(s)),
              33);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PROGRAMA=%1 AND ID_PREDMETNIKA=1 AND "
                                   "ID_SKUPINE_ODDELKOV=%2")
                        .arg(p)
                        .arg(c)),
              1);
}

TEST_F(SkupineT, AGroupInAValidTimetableKeepsItsMembersAndHours) {
    groupAssignment(70, 51, 20);
    lesson(5, 1, 70, true);
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    EXPECT_FALSE(skupine.mayChangeMembers(true));
    EXPECT_FALSE(skupine.mayChangeMembers(false));
    SkupinaFields f = skupine.current();
    f.steviloUr = QStringLiteral("3");
    EXPECT_FALSE(skupine.acceptEdit(f));
    EXPECT_EQ(f.steviloUr, QStringLiteral("2")); // put back
    f.oddelki = {1};
    EXPECT_FALSE(skupine.acceptEdit(f));
    EXPECT_FALSE(skupine.deleteCurrent());
    EXPECT_EQ(
        messages(),
        QStringList({QStringLiteral("Skupine predmetov ni dovoljeno spreminajti, ker nastopa v veljavnem urniku."),
                     QStringLiteral("Skupine enot ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."),
                     QStringLiteral("Skupine enot ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."),
                     QStringLiteral("Skupine enot ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."),
                     QStringLiteral("Skupine predmetov ni mogoče brisati, ker nastopa v veljavnem urniku.")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE=60")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 1);
}

TEST_F(SkupineT, ChangingMembersAsksOnceAndRemovesTheAssignments) {
    groupAssignment(70, 51, 20);
    groupAssignment(71, 52, 22);
    lesson(5, 1, 70, false);
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    skupine.beginEdit();
    answer({Answer::No});
    EXPECT_FALSE(skupine.mayChangeMembers(false));
    answer({Answer::Yes});
    EXPECT_TRUE(skupine.mayChangeMembers(false));
    EXPECT_TRUE(skupine.mayChangeMembers(true)); // once per edit
    EXPECT_EQ(messages(),
              QStringList(2, QStringLiteral("Sprememba  skupine povzroči skupine brisanje iz razporeda in urnikov.")));
    SkupinaFields f = skupine.current();
    f.oddelki = {1};
    f.predmeti = {12, 10};
    ASSERT_TRUE(skupine.acceptEdit(f));
    EXPECT_EQ(messages().size(), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    EXPECT_EQ(skupine.current().oddelki, QList<qint64>({1}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE=50")), 3);

    // Without the question in the mover, the save asks it (a new edit).
    groupAssignment(72, 51, 20);
    skupine.beginEdit();
    f = skupine.current();
    f.predmeti = {12};
    answer({Answer::No});
    EXPECT_FALSE(skupine.acceptEdit(f));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE=50")), 3);
}

TEST_F(SkupineT, HoursAndTurnusChangeOnlyTheirOwnProgrammeRow) {
    run(QStringLiteral("INSERT INTO TURNUSI (ID, OZNAKA) VALUES (2, 'II')"));
    subjectInProgramme(41, 50, 1, 1);
    groupAssignment(70, 51, 20);
    run(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                       "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) VALUES (71, "
                       "1, 60, 41, 50, 12, 22, 1, 51)"));
    lesson(5, 1, 70, false);
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    ASSERT_EQ(skupine.list().count(), 2);
    // Fewer hours: the placed lessons go after the question.
    SkupinaFields f = skupine.current();
    ASSERT_EQ(f.idTurnusa, 0);
    f.steviloUr = QStringLiteral("1");
    f.dolzinaTermina = QStringLiteral("1");
    answer({Answer::No});
    EXPECT_FALSE(skupine.acceptEdit(f));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 1);
    answer({Answer::Yes});
    ASSERT_TRUE(skupine.acceptEdit(f));
    EXPECT_EQ(messages(),
              QStringList(2, QStringLiteral("Zmanjšanje števila ur bo povzročil brisanje skupine iz urnikov.")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 2);

    // The turnus of the row of turnus I becomes II: the row of every week stays as it was.
    ASSERT_TRUE(skupine.list().moveToValue(QStringLiteral("ID_TURNUSA"), 1));
    f = skupine.current();
    f.idTurnusa = 0;
    EXPECT_FALSE(skupine.acceptEdit(f));
    EXPECT_EQ(messages().last(), QStringLiteral("Skupina s tem turnusom že obstaja."));
    f.idTurnusa = 2;
    answer({Answer::Yes});
    ASSERT_TRUE(skupine.acceptEdit(f));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_TURNUSA || ':' || STEVILO_UR) FROM (SELECT * FROM "
                                  "PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA=41 ORDER BY ID_TURNUSA)")),
              QStringLiteral("0:1,2:1"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM RAZPORED")), QStringLiteral("70"));
    EXPECT_EQ(skupine.list().integer(QStringLiteral("ID_TURNUSA")), 2);
}

TEST_F(SkupineT, EditsOfSharedRowsGiveTheGroupRowsOfItsOwn) {
    // Group 42: the subjects' own group ŠPO (shared by every curriculum) with the local class
    // group 61; group 43: MAT with the same class group 61.
    classGroup(61, QStringLiteral("$ŠPO1ab"), {1, 2}, QStringLiteral("1"));
    programme(42, QStringLiteral("$ŠPO1ab"), 1);
    subjectInProgramme(42, 11, 0, 3);
    classGroupInProgramme(61, 1, 42);
    programme(43, QStringLiteral("$MAT1ab"), 1);
    subjectInProgramme(43, 10, 0, 1);
    classGroupInProgramme(61, 1, 43);
    run(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                       "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) VALUES (70, "
                       "1, 61, 42, 11, 11, 21, 0, 11)"));
    lesson(5, 1, 70, false);
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    ASSERT_TRUE(skupine.list().moveToValue(QStringLiteral("ID_PROGRAMA"), 42));

    // A new name: the subject group and the class group are shared, so both are copied; the
    // assignment and its lesson follow the copies.
    SkupinaFields f = skupine.current();
    EXPECT_EQ(f.oznakaPredmetov, QStringLiteral("ŠPO"));
    f.oznakaPredmetov = QStringLiteral("$ŠPOab");
    f.oznakaEnot = QStringLiteral("$ŠPOab");
    f.ime = QStringLiteral("Šport skupaj");
    ASSERT_TRUE(skupine.acceptEdit(f));
    const qint64 s = skupine.list().integer(QStringLiteral("ID_SkuPre"));
    const qint64 c = skupine.list().integer(QStringLiteral("ID_SkuOdd"));
    EXPECT_EQ(skupine.list().integer(QStringLiteral("ID_PROGRAMA")), 42);
    EXPECT_NE(s, 11);
    EXPECT_NE(c, 61);
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA || '/' || IME FROM SKUPINE_PREDMETOV WHERE ID=11")),
              QStringLiteral("ŠPO/ŠPO"));
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA FROM SKUPINE_ODDELKOV WHERE ID=61")), QStringLiteral("$ŠPO1ab"));
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA || '/' || IME || '/' || ID_RAZ_PREDMETNIKA FROM SKUPINE_PREDMETOV "
                                  "WHERE ID=%1")
                       .arg(s)),
              QStringLiteral("$ŠPOab/Šport skupaj/1"));
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PROGRAMA=43 AND ID_SKUPINE_ODDELKOV=61")),
        1);
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PROGRAMA=42 AND ID_SKUPINE_ODDELKOV=%1")
                  .arg(c)),
        1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED R JOIN PREDMETI_V_SKUPINI V ON "
                                   "V.ID=R.ID_PREDMETI_V_SKUPINI WHERE R.ID=70 AND R.ID_SKUPINE_PREDMETOV=%1 AND "
                                   "V.ID_SKUPINE=%1 AND R.ID_SKUPINE_ODDELKOV=%2")
                        .arg(s)
                        .arg(c)),
              1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 1);

    // Programme 43 followed by a second class group: its hours change in a programme of its own.
    classGroupInProgramme(2, 1, 43);
    ASSERT_TRUE(skupine.open());
    ASSERT_TRUE(skupine.list().moveToValue(QStringLiteral("ID_PROGRAMA"), 43));
    f = skupine.current();
    f.oznakaPredmetov = QStringLiteral("MAT");
    f.steviloUr = QStringLiteral("2");
    ASSERT_TRUE(skupine.acceptEdit(f));
    const qint64 p = skupine.list().integer(QStringLiteral("ID_PROGRAMA"));
    EXPECT_NE(p, 43);
    EXPECT_EQ(count(QStringLiteral("SELECT STEVILO_UR FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA=43")), 1);
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PROGRAMA=43 AND ID_SKUPINE_ODDELKOV=2")),
        1);
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PROGRAMA=43 AND ID_SKUPINE_ODDELKOV=61")),
        0);
    EXPECT_EQ(count(QStringLiteral("SELECT STEVILO_UR FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA=%1").arg(p)), 2);
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA FROM PROGRAMI WHERE ID=43")), QStringLiteral("$MAT1ab"));
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA FROM PROGRAMI WHERE ID=%1").arg(p)), QStringLiteral("$MAT"));
    // The subjects' own group MAT is as it was.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE=10")), 1);
}

TEST_F(SkupineT, DeletingAGroupRemovesWhatOnlyItUsed) {
    groupAssignment(70, 51, 20);
    lesson(5, 1, 70, false);
    classGroup(61, QStringLiteral("$ŠPO1ab"), {1, 2}, QStringLiteral("1"));
    programme(42, QStringLiteral("$ŠPO1ab"), 1);
    subjectInProgramme(42, 11, 0, 3);
    classGroupInProgramme(61, 1, 42);
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    ASSERT_TRUE(skupine.list().moveToValue(QStringLiteral("ID_PROGRAMA"), 41));
    answer({Answer::Yes});
    ASSERT_TRUE(skupine.deleteCurrent());
    EXPECT_EQ(messages().last(),
              QStringLiteral("Potrdi brisanje skupine predmetov $TIT1ab.\nSkupina bo brisana tudi iz "
                             "vseh predmetnikov, razporedov in urnikov!"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE ID=41")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_PREDMETOV WHERE ID=50")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_ODDELKOV WHERE ID=60")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    // A group on a subject's own group leaves that group (and the subject) alone.
    ASSERT_TRUE(skupine.list().moveToValue(QStringLiteral("ID_PROGRAMA"), 42));
    answer({Answer::Yes});
    ASSERT_TRUE(skupine.deleteCurrent());
    EXPECT_EQ(messages().last(), QStringLiteral("Potrdi brisanje skupine predmetov ŠPO."));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_PREDMETOV WHERE ID=11")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU WHERE ID_SKUPINE_PREDMETOV=11")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_ODDELKOV WHERE ID=61")), 0);
    EXPECT_EQ(skupine.list().count(), 0);
}

namespace {

// The subject rows a class group of curriculum 1 follows: group:turnus:hours, sorted.
QString followedRows(qint64 classGroup) {
    return db::ProjectDb()
        .scalar(QStringLiteral("SELECT group_concat(x) FROM (SELECT V.ID_SKUPINE_PREDMETOV || ':' || V.ID_TURNUSA || "
                               "':' || V.STEVILO_UR AS x FROM PROGRAM_SKUPINE PS JOIN PREDMETI_V_PROGRAMU V ON "
                               "V.ID_PROGRAMA = PS.ID_PROGRAMA WHERE PS.ID_PREDMETNIKA = 1 AND "
                               "PS.ID_SKUPINE_ODDELKOV = %1 ORDER BY 1)")
                    .arg(classGroup))
        .toString();
}

// Makes the list row of the subject group and class group current.
bool moveToGroup(Skupine &skupine, qint64 subjectGroup, qint64 classGroup) {
    const db::RowSet &rows = skupine.list().rows();
    for (int r = 0; r < rows.rowCount(); ++r)
        if (rows.integer(r, QStringLiteral("ID_SkuPre")) == subjectGroup &&
            rows.integer(r, QStringLiteral("ID_SkuOdd")) == classGroup)
            return skupine.list().moveTo(r);
    return false;
}

// The combined group $TIT1ab/$1ab (assignment 70, its lesson in timetable 6 without validity),
// whose programme 41 1.a's own class group (1) follows too (assignment 72 of TIT's second
// pupils' group, its lesson in the valid timetable 5).
class SharedProgrammeT : public AssignmentFixture {
protected:
    void SetUp() override {
        AssignmentFixture::SetUp();
        classGroupInProgramme(1, 1, 41);
        groupAssignment(70, 51, 20);
        run(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                           "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) VALUES "
                           "(72, 1, 1, 41, 50, 12, 22, 0, 52)"));
        lesson(5, 1, 72, true);
        lesson(6, 1, 70, false);
    }
};

} // namespace

// Programme 41 also holds ŠPO and is also followed by 1.a's own class group (1), whose TIT
// lesson is in a valid timetable: an edit of the group $TIT1ab/$1ab must leave 1.a's rows and
// the ŠPO row of $1ab exactly as they were, and never give $1ab a row twice.
TEST_F(SharedProgrammeT, AProgrammeSharedWithClassAndSubjectGroupsIsLeftToTheOthers) {
    // One name for all three, as a group made in the window has it: the edit touches the turnus only.
    run(QStringLiteral("UPDATE PROGRAMI SET IME = 'Tehnika 1.a in 1.b' WHERE ID = 41"));
    run(QStringLiteral("UPDATE SKUPINE_ODDELKOV SET IME = 'Tehnika 1.a in 1.b' WHERE ID = 60"));
    subjectInProgramme(41, 11, 0, 3);
    run(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                       "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) VALUES "
                       "(71, 1, 60, 41, 11, 11, 21, 0, 11)"));
    ASSERT_EQ(followedRows(60), QStringLiteral("11:0:3,50:0:2"));
    ASSERT_EQ(followedRows(1), QStringLiteral("10:0:4,11:0:3,11:0:3,50:0:2"));
    ASSERT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU")), 4);
    ASSERT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE")), 4);
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    ASSERT_TRUE(moveToGroup(skupine, 50, 60));

    // Another turnus: $1ab moves to a whole copy of the programme, so it keeps ŠPO once.
    SkupinaFields f = skupine.current();
    f.idTurnusa = 1;
    answer({Answer::Yes});
    ASSERT_TRUE(skupine.acceptEdit(f));
    const qint64 p = skupine.list().integer(QStringLiteral("ID_PROGRAMA"));
    EXPECT_NE(p, 41);
    EXPECT_EQ(followedRows(60), QStringLiteral("11:0:3,50:1:2"));
    EXPECT_EQ(followedRows(1), QStringLiteral("10:0:4,11:0:3,11:0:3,50:0:2"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU")), 6);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE")), 4);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID || ':' || ID_PROGRAMA) FROM (SELECT * FROM RAZPORED ORDER "
                                  "BY ID)")),
              QStringLiteral("71:%1,72:41").arg(p));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 1);
    EXPECT_EQ(messages(),
              QStringList(1, QStringLiteral("Sprememba  skupine povzroči skupine brisanje iz razporeda in urnikov.")));

    // The copy keeps the code of programme 41, and its next edit is not refused for it.
    f = skupine.current();
    f.steviloUr = QStringLiteral("3");
    ASSERT_TRUE(skupine.acceptEdit(f));
    EXPECT_EQ(followedRows(60), QStringLiteral("11:0:3,50:1:3"));
    EXPECT_EQ(followedRows(1), QStringLiteral("10:0:4,11:0:3,11:0:3,50:0:2"));
    EXPECT_EQ(messages().size(), 1);
}

// Programme 41 is also followed by 1.a's own class group (1), whose TIT lesson is in a valid
// timetable: new subjects for $TIT1ab go to a subject group of its own, so 1.a's rows, its
// assignment and its valid lesson stay. Then new classes for $1ab, which also follows ŠPO in its
// programme: ŠPO keeps both classes.
TEST_F(SharedProgrammeT, NewMembersNeverChangeWhatAnotherGroupFollows) {
    ASSERT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI")), 5);
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    ASSERT_TRUE(moveToGroup(skupine, 50, 60));
    SkupinaFields f = skupine.current();
    f.predmeti = {10};
    answer({Answer::Yes});
    ASSERT_TRUE(skupine.acceptEdit(f));
    const qint64 p = skupine.list().integer(QStringLiteral("ID_PROGRAMA"));
    const qint64 s = skupine.list().integer(QStringLiteral("ID_SkuPre"));
    EXPECT_NE(p, 41);
    EXPECT_NE(s, 50);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE=50")),
              QStringLiteral("51,52"));
    EXPECT_EQ(
        text(QStringLiteral("SELECT group_concat(ID_PREDMETA) FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE=%1").arg(s)),
        QStringLiteral("10"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI")), 6);
    EXPECT_EQ(followedRows(1), QStringLiteral("10:0:4,11:0:3,50:0:2"));
    EXPECT_EQ(followedRows(60), QStringLiteral("%1:0:2").arg(s));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM RAZPORED")), QStringLiteral("72"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_URNIKA) FROM TERMINI")), QStringLiteral("5"));

    subjectInProgramme(p, 11, 0, 3);
    run(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                       "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) VALUES "
                       "(71, 1, 60, %1, 11, 11, 21, 0, 11)")
            .arg(p));
    ASSERT_TRUE(skupine.open());
    ASSERT_TRUE(moveToGroup(skupine, s, 60));
    f = skupine.current();
    f.oddelki = {1};
    ASSERT_TRUE(skupine.acceptEdit(f));
    const qint64 g = skupine.list().integer(QStringLiteral("ID_SkuOdd"));
    EXPECT_NE(g, 60);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE=60")), 2);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_ODDELKA) FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE=%1").arg(g)),
              QStringLiteral("1"));
    EXPECT_EQ(followedRows(60), QStringLiteral("11:0:3"));
    EXPECT_EQ(followedRows(g), QStringLiteral("%1:0:2").arg(s));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID || ':' || ID_SKUPINE_ODDELKOV) FROM (SELECT * FROM RAZPORED "
                                  "ORDER BY ID)")),
              QStringLiteral("71:60,72:1"));
    EXPECT_EQ(messages(),
              QStringList(1, QStringLiteral("Sprememba  skupine povzroči skupine brisanje iz razporeda in urnikov.")));
}

// 1.a's own class group (1) also follows programme 41, with a lesson in a valid timetable:
// deleting the group $TIT1ab/$1ab takes only that group's rows.
TEST_F(SharedProgrammeT, DeletingAGroupLeavesAnotherClassGroupItsProgramme) {
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    ASSERT_TRUE(moveToGroup(skupine, 50, 60));
    answer({Answer::Yes});
    ASSERT_TRUE(skupine.deleteCurrent());
    EXPECT_EQ(followedRows(1), QStringLiteral("10:0:4,11:0:3,50:0:2"));
    EXPECT_EQ(followedRows(60), QString());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU")), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE")), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_ODDELKOV WHERE ID=60")), 0);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM RAZPORED")), QStringLiteral("72"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_URNIKA) FROM TERMINI")), QStringLiteral("5"));
    EXPECT_EQ(skupine.list().count(), 1);
}

#include "Fixture.h"
#include "basicdata/Prostori.h"
#include "basicdata/SkupineProstorov.h"
#include "basicdata/Stavbe.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::BasicDataFixture;

using Infrastruktura = BasicDataFixture;

TEST_F(Infrastruktura, BuildingNeedsACodeAndTheOnlyBuildingCannotBeDeleted) {
    Stavbe stavbe;
    ASSERT_TRUE(stavbe.open());
    EXPECT_FALSE(stavbe.acceptAddNew({QStringLiteral(""), QStringLiteral("Glavna")}));
    EXPECT_EQ(stavbe.invalidField(), QStringLiteral("OZNAKA"));
    EXPECT_TRUE(stavbe.acceptAddNew({QStringLiteral("Š'1"), QStringLiteral("Šola d'Or")}));
    ASSERT_EQ(stavbe.list().count(), 1);
    EXPECT_EQ(stavbe.current().ime, QStringLiteral("Šola d'Or"));
    EXPECT_EQ(stavbe.frameHeader(false), QStringLiteral("Stavba:  Š'1 - Šola d'Or"));
    EXPECT_EQ(stavbe.frameHeader(true), QStringLiteral("Nova stavba"));

    // The only building stays, even without rooms; nothing is asked.
    EXPECT_FALSE(stavbe.deleteCurrent());
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Oznaka ne sme biti prazna."),
                                       QStringLiteral("Brisanje edine stavbe ni dovoljeno.")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM STAVBE")), 1);
}

TEST_F(Infrastruktura, DeletingABuildingWarnsAboutItsRoomsAndTakesTheirGroups) {
    building(1, QStringLiteral("A"));
    building(2, QStringLiteral("B"));
    room(10, QStringLiteral("A1"), 1);
    room(11, QStringLiteral("A2"), 1);
    room(20, QStringLiteral("B1"), 2);
    roomGroup(30, QStringLiteral("$AA"), {10, 11}); // only rooms of A: must go
    roomGroup(31, QStringLiteral("$AB"), {10, 20}); // keeps B1
    roomGroup(32, QStringLiteral("$X"), {30, 20});  // loses $AA, keeps B1
    Stavbe stavbe;
    ASSERT_TRUE(stavbe.open());
    ASSERT_EQ(stavbe.current().oznaka, QStringLiteral("A"));

    answer({Answer::No});
    EXPECT_FALSE(stavbe.deleteCurrent());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI")), 3);

    answer({Answer::Yes});
    EXPECT_TRUE(stavbe.deleteCurrent());
    EXPECT_EQ(messages(), QStringList(2, QStringLiteral("Potrdi brisanje stavbe A.\n"
                                                        "Brisani bodo tudi vsi prostori v tej stavbi!")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI WHERE ID_STAVBE=1")), 0);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM (SELECT ID FROM SKUPINE_PROSTOROV ORDER BY ID)")),
              QStringLiteral("20,31,32"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI_V_SKUPINI")), 3);
    EXPECT_EQ(stavbe.list().count(), 1);

    // A building without rooms is asked about without the warning.
    building(3, QStringLiteral("C"));
    stavbe.open();
    stavbe.list().moveToValue(QStringLiteral("ID"), 3);
    project.messages().clear();
    answer({Answer::Yes});
    EXPECT_TRUE(stavbe.deleteCurrent());
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Potrdi brisanje stavbe C.")}));
}

TEST_F(Infrastruktura, NewRoomOwnsItsGroupWithAnIdentifierAboveRoomsAndGroups) {
    building(1, QStringLiteral("A"));
    room(5, QStringLiteral("R5"), 1);
    roomGroup(40, QStringLiteral("$G"), {5, 5});
    Prostori prostori;
    ASSERT_TRUE(prostori.open());
    ProstorFields f = prostori.newRecord();
    EXPECT_EQ(f.idStavbe, 1); // the only building is preset
    EXPECT_TRUE(f.kabinet);
    EXPECT_FALSE(prostori.acceptAddNew(f));
    f.oznaka = QStringLiteral("Učilnica 'ž'");
    f.ime = NameAfterCode(f.oznaka, f.ime);
    f.idStavbe = -1;
    EXPECT_FALSE(prostori.acceptAddNew(f));
    EXPECT_EQ(prostori.invalidField(), QStringLiteral("ID_STAVBE"));
    f.idStavbe = 1;
    ASSERT_TRUE(prostori.acceptAddNew(f));
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Oznaka ne sme biti prazna."),
                                       QStringLiteral("Stavba ne sme biti prazna.")}));
    EXPECT_EQ(prostori.list().id(), 41);
    EXPECT_EQ(prostori.list().text(QStringLiteral("STAVBA")), QStringLiteral("A"));
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA || '|' || IME FROM SKUPINE_PROSTOROV WHERE ID=41")),
              QStringLiteral("Učilnica 'ž'|Učilnica 'ž'"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI_V_SKUPINI WHERE ID_PROSTORA=41 AND ID_SKUPINE=41")),
              1);

    // With two buildings nothing is preset.
    building(2, QStringLiteral("B"));
    prostori.open();
    EXPECT_EQ(prostori.newRecord().idStavbe, -1);
}

TEST_F(Infrastruktura, RenamingARoomRenamesItsGroupAndDeletingItRemovesGroupsLeftEmpty) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    room(2, QStringLiteral("R2"), 1);
    room(3, QStringLiteral("R3"), 1);
    roomGroup(10, QStringLiteral("$P"), {1, 2});
    roomGroup(11, QStringLiteral("$Q"), {10});
    Prostori prostori;
    ASSERT_TRUE(prostori.open());
    ASSERT_TRUE(prostori.list().moveToValue(QStringLiteral("ID"), 1));
    ProstorFields f = prostori.current();
    f.oznaka = QStringLiteral("Kem");
    f.ime = QStringLiteral("Kemija");
    f.kabinet = false;
    ASSERT_TRUE(prostori.acceptEdit(f));
    EXPECT_EQ(prostori.list().id(), 1);
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA || '|' || IME FROM SKUPINE_PROSTOROV WHERE ID=1")),
              QStringLiteral("Kem|Kemija"));
    EXPECT_EQ(count(QStringLiteral("SELECT KABINET FROM PROSTORI WHERE ID=1")), 0);
    EXPECT_FALSE(prostori.current().kabinet);
    EXPECT_TRUE(prostori.acceptEditKabinet(true));
    EXPECT_EQ(count(QStringLiteral("SELECT KABINET FROM PROSTORI WHERE ID=1")), 1);

    answer({Answer::Yes, Answer::Yes});
    ASSERT_TRUE(prostori.deleteCurrent());
    prostori.list().moveToValue(QStringLiteral("ID"), 2);
    ASSERT_TRUE(prostori.deleteCurrent());
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Potrdi brisanje prostora Kem - Kemija."),
                                       QStringLiteral("Potrdi brisanje prostora R2.")}));
    // $P lost both rooms, so $Q lost its only member: both are gone, R3 stays.
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM SKUPINE_PROSTOROV")), QStringLiteral("3"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI_V_SKUPINI")), 1);
}

TEST_F(Infrastruktura, RoomGroupCodeGetsDollarAndNeedsTwoMembers) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    room(2, QStringLiteral("R2"), 1);
    SkupineProstorov skupine;
    ASSERT_TRUE(skupine.open());
    const qint64 id = skupine.beginAdd();
    EXPECT_EQ(id, 3);
    EXPECT_FALSE(skupine.acceptAddNew({QStringLiteral(""), QStringLiteral("")}, {1, 2}));
    EXPECT_FALSE(skupine.acceptAddNew({QStringLiteral("A1"), QStringLiteral("A1")}, {1}));
    EXPECT_EQ(skupine.invalidField(), QStringLiteral("CLANI"));
    EXPECT_FALSE(skupine.acceptAddNew({QStringLiteral("A1"), QStringLiteral("A1")}, {1, 1}));
    ASSERT_TRUE(skupine.acceptAddNew({QStringLiteral("A1"), QStringLiteral("Prva")}, {1, 2}));
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Oznaka ne sme biti prazna."),
                                       QStringLiteral("Skupina mora vsebovati vsaj dva prostora in/ali skupini."),
                                       QStringLiteral("Skupina mora vsebovati vsaj dva prostora in/ali skupini.")}));
    EXPECT_EQ(skupine.current().oznaka, QStringLiteral("$A1"));
    EXPECT_EQ(skupine.list().id(), 3);
    EXPECT_EQ(skupine.frameHeader(false), QStringLiteral("Skupina prostorov:  $A1 - Prva"));

    // A long code is cut to ten characters with the "$".
    skupine.beginAdd();
    ASSERT_TRUE(skupine.acceptAddNew({QStringLiteral("Telovadnice"), QString()}, {1, 3}));
    EXPECT_EQ(skupine.current().oznaka, QStringLiteral("$Telovadni"));
    const qint64 second = skupine.list().id();
    EXPECT_EQ(second, 4);

    // The first group may not take the second, which already contains it; nor itself.
    skupine.list().moveToValue(QStringLiteral("ID"), 3);
    const db::RowSet offer = skupine.available(3);
    QStringList codes;
    for (int r = 0; r < offer.rowCount(); ++r)
        codes << offer.text(r, QStringLiteral("OZNAKA"));
    EXPECT_EQ(codes, QStringList());
    const db::RowSet members = skupine.members(4);
    ASSERT_EQ(members.rowCount(), 2);
    EXPECT_EQ(members.text(0, QStringLiteral("OZNAKA")), QStringLiteral("$A1"));
    EXPECT_EQ(members.integer(0, QStringLiteral("ST")), 2);
    EXPECT_EQ(skupine.roomsOfGroup(4).rowCount(), 1);

    // Editing rewrites the membership.
    skupine.list().moveToValue(QStringLiteral("ID"), 4);
    ASSERT_TRUE(skupine.acceptEdit({QStringLiteral("$T"), QStringLiteral("T")}, {1, 2}));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_PROSTORA) FROM (SELECT ID_PROSTORA FROM PROSTORI_V_SKUPINI "
                                  "WHERE ID_SKUPINE=4 ORDER BY 1)")),
              QStringLiteral("1,2"));
}

TEST_F(Infrastruktura, RoomGroupInAValidTimetableCannotBeDeleted) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    room(2, QStringLiteral("R2"), 1);
    roomGroup(5, QStringLiteral("$G"), {1, 2});
    roomGroup(6, QStringLiteral("$H"), {5, 1});
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("NOV"));
    klass(100, QStringLiteral("1a"));
    subject(200, QStringLiteral("MAT"));
    programme(1, QStringLiteral("P"), 1);
    assignment(1, 1, 100, 1, 200, 1, 5);
    lesson(1, 1, 1, true);
    SkupineProstorov skupine;
    ASSERT_TRUE(skupine.open());
    ASSERT_EQ(skupine.current().oznaka, QStringLiteral("$G"));
    EXPECT_FALSE(skupine.deleteCurrent());
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("Skupine prostorov ni mogoče izbrisati, ker nastopa v veljavnem urniku.")}));

    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    answer({Answer::Yes});
    EXPECT_TRUE(skupine.deleteCurrent());
    // $H kept R1 only, which is still a member: it stays, without the dangling row of $G.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI_V_SKUPINI WHERE ID_SKUPINE=6")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_SKUPINE_PROSTOROV IS NULL")), 1);
}

TEST_F(Infrastruktura, AFailedStepUndoesTheWholeSaveAndIsReported) {
    building(1, QStringLiteral("A"));
    run(QStringLiteral(
        "CREATE TRIGGER NAPAKA BEFORE INSERT ON PROSTORI_V_SKUPINI BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    Prostori prostori;
    ASSERT_TRUE(prostori.open());
    ProstorFields f = prostori.newRecord();
    f.oznaka = QStringLiteral("R1");
    EXPECT_FALSE(prostori.acceptAddNew(f));
    ASSERT_EQ(project.messages().messages().size(), 1);
    EXPECT_EQ(project.messages().messages().first().kind, core::MsgErrorDetails);
    EXPECT_TRUE(messages().first().startsWith(QStringLiteral("Podatkov ni bilo mogoče shraniti.")));
    EXPECT_TRUE(messages().first().contains(QStringLiteral("disk full")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV")), 0);
    EXPECT_EQ(db().transactionDepth(), 0);
}

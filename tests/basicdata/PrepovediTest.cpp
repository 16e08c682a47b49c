#include "basicdata/Prepovedi.h"
#include "AssignmentFixture.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::AssignmentFixture;

using PrepovediT = AssignmentFixture;

TEST_F(PrepovediT, GridRowsAreThePeriodsOfUreAndASaveWritesOnlyDifferences) {
    // Without period 0 the first row of the grid is period 1.
    run(QStringLiteral("DELETE FROM URE WHERE URA = 0"));
    run(QStringLiteral("UPDATE URE SET IME = 'druga' WHERE URA = 2"));
    run(QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) VALUES (21, 1, 1), (21, 6, 1), "
                       "(21, 2, 40)"));
    Trenutni().ucitelj = 20;
    Prepovedi prepovedi(Prepovedi::Ucitelji);
    ASSERT_TRUE(prepovedi.open());
    EXPECT_EQ(prepovedi.listCaption(), QStringLiteral("Učitelji"));
    EXPECT_EQ(prepovedi.frameHeader(), QStringLiteral("Prepovedi za učitelja:  Ana Novak"));
    EXPECT_EQ(prepovedi.periodCaptions().mid(0, 2), QStringList({QStringLiteral("1"), QStringLiteral("druga")}));
    EXPECT_EQ(Prepovedi::dayCaptions(), QStringList({"PON", "TOR", "SRE", "ČET", "PET"}));
    EXPECT_TRUE(prepovedi.list().value(QStringLiteral("SWITCH")).isNull());

    PrepovediCells cells = prepovedi.stored();
    ASSERT_EQ(cells.size(), 15);
    cells[0][0] = true; // Monday, period 1
    cells[2][4] = true; // Friday, period 3
    ASSERT_TRUE(prepovedi.acceptEdit(cells));
    EXPECT_EQ(prepovedi.list().text(QStringLiteral("SWITCH")), QStringLiteral("P"));
    EXPECT_EQ(prepovedi.list().id(), 20);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_UCITELJEV WHERE ID_UCITELJA=20 AND ((DAN=1 AND "
                                   "URA=1) OR (DAN=5 AND URA=3))")),
              2);

    // Another teacher's cells come from the store; periods outside the grid survive a save.
    ASSERT_TRUE(prepovedi.moveTo(prepovedi.list().find(QStringLiteral("ID"), 21)));
    EXPECT_EQ(Trenutni().ucitelj, 21);
    cells = prepovedi.stored();
    EXPECT_TRUE(cells[0][0]);
    cells[0][0] = false;
    ASSERT_TRUE(prepovedi.acceptEdit(cells));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_UCITELJEV WHERE ID_UCITELJA=21")), 2);
    EXPECT_EQ(prepovedi.list().text(QStringLiteral("SWITCH")), QStringLiteral("P"));

    // Clearing every cell of a record removes its rows.
    ASSERT_TRUE(prepovedi.moveTo(prepovedi.list().find(QStringLiteral("ID"), 20)));
    ASSERT_TRUE(prepovedi.acceptEdit(PrepovediCells(15, {false, false, false, false, false})));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_UCITELJEV WHERE ID_UCITELJA=20")), 0);
    EXPECT_TRUE(prepovedi.list().value(QStringLiteral("SWITCH")).isNull());
}

TEST_F(PrepovediT, DeletingAllOfOneKindLeavesTheOthers) {
    run(QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV VALUES (20, 1, 1)"));
    run(QStringLiteral("INSERT INTO PREPOVEDI_ODDELKOV VALUES (1, 1, 1), (2, 3, 3)"));
    run(QStringLiteral("INSERT INTO PREPOVEDI_PROSTOROV VALUES (30, 2, 2)"));
    Prepovedi oddelki(Prepovedi::Oddelki);
    ASSERT_TRUE(oddelki.open());
    EXPECT_EQ(oddelki.frameHeader(), QStringLiteral("Prepovedi za oddelek:  1.a"));
    answer({Answer::No});
    EXPECT_FALSE(oddelki.deleteAll());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_ODDELKOV")), 2);
    answer({Answer::Yes});
    ASSERT_TRUE(oddelki.deleteAll());
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Potrdi brisanje vseh prepovedi vseh enot."),
                                       QStringLiteral("Potrdi brisanje vseh prepovedi vseh enot.")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_ODDELKOV")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_UCITELJEV")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_PROSTOROV")), 1);
    EXPECT_TRUE(oddelki.list().value(QStringLiteral("SWITCH")).isNull());

    Prepovedi prostori(Prepovedi::Prostori);
    ASSERT_TRUE(prostori.open());
    EXPECT_EQ(prostori.list().text(QStringLiteral("OZNAKA")), QStringLiteral("TEL")); // Slovenian order
    ASSERT_TRUE(prostori.moveTo(prostori.list().find(QStringLiteral("ID"), 30)));
    EXPECT_EQ(prostori.frameHeader(), QStringLiteral("Prepovedi za prostor:  U1"));
    EXPECT_TRUE(prostori.stored()[2][1]);
    EXPECT_EQ(Trenutni().prostor, 30);
}

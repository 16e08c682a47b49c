#include "basicdata/Predmeti.h"
#include "Fixture.h"
#include "basicdata/PredmetProstori.h"
#include "basicdata/PredmetUcitelji.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::BasicDataFixture;

using PredmetiT = BasicDataFixture;

TEST_F(PredmetiT, NewSubjectOwnsItsGroupOverTheSharedNumberSpaceAndRenamesIt) {
    subject(3, QStringLiteral("MAT"));
    run(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (8, '$IZB', '$IZB')"));
    run(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID_SKUPINE, ID_PREDMETA) VALUES (8, 3)"));
    Predmeti predmeti;
    ASSERT_TRUE(predmeti.open());
    EXPECT_FALSE(predmeti.acceptAddNew({QString(), QStringLiteral("x"), QString(), false}));
    ASSERT_TRUE(
        predmeti.acceptAddNew({QStringLiteral("ŠPO"), QStringLiteral("Šport d'Arc"), QStringLiteral("obv"), true}));
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Oznaka ne sme biti prazna.")}));
    EXPECT_EQ(predmeti.list().id(), 9);
    EXPECT_EQ(Trenutni().predmet, 9);
    EXPECT_TRUE(predmeti.current().kabinetni);
    EXPECT_EQ(predmeti.current().tip, QStringLiteral("obv"));
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA || '|' || IME || '|' || ifnull(ID_RAZ_PREDMETNIKA,'null') FROM "
                                  "SKUPINE_PREDMETOV WHERE ID=9")),
              QStringLiteral("ŠPO|Šport d'Arc|null"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE=9 AND ID_PREDMETA=9")), 1);
    EXPECT_EQ(predmeti.roomsCaption(), QStringLiteral("Prostori za predmet ŠPO"));
    EXPECT_EQ(predmeti.teachersCaption(), QStringLiteral("Učitelji za predmet ŠPO"));

    ASSERT_TRUE(predmeti.acceptEdit({QStringLiteral("ŠP"), QStringLiteral("Šport"), QString(), false}));
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA || '|' || IME FROM SKUPINE_PREDMETOV WHERE ID=9")),
              QStringLiteral("ŠP|Šport"));
    EXPECT_EQ(predmeti.list().id(), 9);
    EXPECT_FALSE(predmeti.current().kabinetni);
}

TEST_F(PredmetiT, DeletingASubjectRemovesItsGroupsAssignmentsAndProgrammeRows) {
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("T"));
    klass(100, QStringLiteral("1a"));
    subject(1, QStringLiteral("MAT"));
    subject(2, QStringLiteral("FIZ"));
    run(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (8, '$M', '$M')"));
    run(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID_SKUPINE, ID_PREDMETA) VALUES (8, 1)"));
    programme(1, QStringLiteral("P"), 1);
    subjectInProgramme(1, 1, 0, 4);
    subjectInProgramme(1, 8, 0, 1);
    subjectInProgramme(1, 2, 0, 2);
    assignment(1, 1, 100, 1, 1, 1);
    lesson(1, 1, 1, true);
    Predmeti predmeti;
    ASSERT_TRUE(predmeti.open());
    ASSERT_TRUE(predmeti.list().moveToValue(QStringLiteral("ID"), 1));
    EXPECT_FALSE(predmeti.deleteCurrent());
    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    answer({Answer::Yes});
    ASSERT_TRUE(predmeti.deleteCurrent());
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("Predmeta MAT ni mogoče brisati, ker nastopa v veljavnem urniku."),
                           QStringLiteral(
                               "Potrdi brisanje predmeta MAT.\n"
                               "Predmet bo brisan iz vseh predmetnikov, razporedov in urnikov, v katerih nastopa!")}));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM SKUPINE_PREDMETOV")), QStringLiteral("2"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_SKUPINE_PREDMETOV) FROM PREDMETI_V_PROGRAMU")),
              QStringLiteral("2"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    EXPECT_EQ(predmeti.current().oznaka, QStringLiteral("FIZ"));
}

TEST_F(PredmetiT, RoomsAndTeachersOfASubject) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    room(2, QStringLiteral("R2"), 1);
    roomGroup(3, QStringLiteral("$G"), {1, 2});
    teacher(1, QStringLiteral("T1"));
    teacher(2, QStringLiteral("T2"));
    subject(10, QStringLiteral("MAT"));
    PredmetProstori prostori;
    ASSERT_TRUE(prostori.load(10));
    EXPECT_EQ(prostori.available().rowCount(), 2); // named groups are not offered
    ASSERT_TRUE(prostori.save({1}));
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM PREDMET_PROSTOR WHERE ID_PREDMETA=10 AND ID_SKUPINE_PROSTOROV=1")),
        1);
    EXPECT_EQ(prostori.chosenIds(), QList<qint64>({1}));

    PredmetUcitelji ucitelji;
    ASSERT_TRUE(ucitelji.load(10));
    ASSERT_TRUE(ucitelji.save({2, 1}));
    EXPECT_EQ(ucitelji.chosenIds(), QList<qint64>({1, 2}));
    EXPECT_EQ(ucitelji.available().rowCount(), 0);
    ASSERT_TRUE(ucitelji.save({2}));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_UCITELJA) FROM UCITELJ_PREDMET WHERE ID_PREDMETA=10")),
              QStringLiteral("2"));
}

#include "basicdata/Oddelki.h"
#include "Fixture.h"
#include "basicdata/OddelekProstori.h"
#include "basicdata/RazrednikiIzmene.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::BasicDataFixture;

using OddelkiT = BasicDataFixture;

TEST_F(OddelkiT, NewClassOwnsItsGroupAndEntersEveryCurriculumWithShiftOne) {
    curriculum(1, QStringLiteral("2025"));
    curriculum(2, QStringLiteral("2026"));
    klass(5, QStringLiteral("1a"));
    classGroup(9, QStringLiteral("1a-skupina"), {5});
    subject(12, QStringLiteral("MAT")); // another number space: no effect
    Oddelki oddelki;
    ASSERT_TRUE(oddelki.open());
    EXPECT_FALSE(oddelki.acceptAddNew({QString(), QString()}));
    ASSERT_TRUE(oddelki.acceptAddNew({QStringLiteral("2č"), QStringLiteral("2. č'razred")}));
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Oznaka ne sme biti prazna.")}));
    EXPECT_EQ(oddelki.list().id(), 10);
    EXPECT_EQ(Trenutni().oddelek, 10);
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA || '|' || IME || '|' || ifnull(ID_RAZ_PREDMETNIKA, 'null') FROM "
                                  "SKUPINE_ODDELKOV WHERE ID=10")),
              QStringLiteral("2č|2. č'razred|null"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE=10 AND ID_ODDELKA=10")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_ODDELKA=10 AND ID_IZMENE=1 AND "
                                   "ID_RAZREDNIKA IS NULL")),
              2);
    EXPECT_EQ(oddelki.frameHeader(false), QStringLiteral("Enota:  2č - 2. č'razred"));
    EXPECT_EQ(oddelki.frameHeader(true), QStringLiteral("Nov oddelek"));
    EXPECT_EQ(oddelki.roomsCaption(), QStringLiteral("Prostori enote 2č"));

    ASSERT_TRUE(oddelki.acceptEdit({QStringLiteral("2b"), QStringLiteral("2b")}));
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA || '|' || IME FROM SKUPINE_ODDELKOV WHERE ID=10")),
              QStringLiteral("2b|2b"));
    EXPECT_EQ(oddelki.label(), QStringLiteral("2b"));
    EXPECT_EQ(oddelki.list().id(), 10);
}

TEST_F(OddelkiT, DeletingAClassRemovesTheGroupsItLeavesEmptyAndTheirAssignments) {
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("T"));
    subject(200, QStringLiteral("MAT"));
    programme(1, QStringLiteral("P"), 1);
    klass(1, QStringLiteral("1a"));
    klass(2, QStringLiteral("1b"));
    classGroup(10, QStringLiteral("1a-d"), {1}, QStringLiteral("1"));
    classGroup(11, QStringLiteral("1ab"), {1, 2});
    assignment(1, 1, 10, 1, 200, 1);
    assignment(2, 1, 11, 1, 200, 1);
    lesson(1, 1, 1, false);
    Oddelki oddelki;
    ASSERT_TRUE(oddelki.open());
    ASSERT_EQ(oddelki.current().oznaka, QStringLiteral("1a"));

    // A lesson in a timetable with validity keeps the class.
    run(QStringLiteral(
        "INSERT INTO VELJAVNOST_URNIKA (ID_URNIKA, VELJA_OD, VELJA_DO) VALUES (1, '2026-09-01', '2026-12-31')"));
    EXPECT_FALSE(oddelki.deleteCurrent());
    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));

    answer({Answer::Yes});
    ASSERT_TRUE(oddelki.deleteCurrent());
    EXPECT_EQ(
        messages(),
        QStringList({QStringLiteral("Enote ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."),
                     QStringLiteral(
                         "Potrdi brisanje enote 1a.\nEnota bo brisana tudi iz vseh skupin, razporedov in urnikov!")}));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM (SELECT ID FROM SKUPINE_ODDELKOV ORDER BY ID)")),
              QStringLiteral("2,11"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM RAZPORED")), QStringLiteral("2"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    EXPECT_EQ(oddelki.list().count(), 1);

    // Without assignments the question has no warning line.
    project.messages().clear();
    oddelki.acceptAddNew({QStringLiteral("3a"), QStringLiteral("3a")});
    answer({Answer::Yes});
    ASSERT_TRUE(oddelki.deleteCurrent());
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Potrdi brisanje enote 3a.")}));
}

TEST_F(OddelkiT, ClassTeacherIsOptionalAndTheShiftRequired) {
    curriculum(1, QStringLiteral("2026"));
    curriculum(2, QStringLiteral("2027"));
    run(QStringLiteral("INSERT INTO IZMENE VALUES (2, 'B')"));
    teacher(1, QStringLiteral("KOS"), QStringLiteral("Ana"), QStringLiteral("Kos"));
    teacher(2, QStringLiteral("ZZ"));
    klass(1, QStringLiteral("1a"));
    klass(2, QStringLiteral("1b"));
    classInCurriculum(1, 1);
    classInCurriculum(2, 1, 7); // a shift that no longer exists
    classInCurriculum(1, 2);
    core::App().trenutniPredmetnik = 1;
    RazrednikiIzmene razredniki;
    ASSERT_TRUE(razredniki.open());
    ASSERT_EQ(razredniki.list().count(), 2);
    ASSERT_EQ(razredniki.teachers().rowCount(), 2);
    EXPECT_EQ(razredniki.teachers().text(0, QStringLiteral("RAZREDNIK")), QStringLiteral("Kos Ana"));
    EXPECT_EQ(razredniki.teachers().text(1, QStringLiteral("RAZREDNIK")), QStringLiteral("ZZ"));
    EXPECT_EQ(razredniki.frameHeader(), QStringLiteral("Enota:  1a"));

    EXPECT_FALSE(razredniki.acceptEdit(1, -1));
    ASSERT_TRUE(razredniki.acceptEdit(1, 2));
    EXPECT_EQ(razredniki.list().text(QStringLiteral("OZNAKA_RAZREDNIKA")), QStringLiteral("KOS"));
    EXPECT_EQ(razredniki.list().text(QStringLiteral("IZMENA")), QStringLiteral("B"));
    EXPECT_EQ(
        count(QStringLiteral("SELECT ID_IZMENE FROM ODDELKI_V_PREDMETNIKU WHERE ID_ODDELKA=1 AND ID_PREDMETNIKA=2")),
        1);

    ASSERT_TRUE(razredniki.moveTo(1));
    EXPECT_EQ(razredniki.izmena(), 7);
    EXPECT_FALSE(razredniki.acceptEdit(-1, 7));
    ASSERT_TRUE(razredniki.acceptEdit(-1, 1));
    EXPECT_EQ(razredniki.razrednik(), -1);
    EXPECT_EQ(messages(), QStringList(2, QStringLiteral("Izmena je obvezna.")));
    EXPECT_EQ(Trenutni().oddelek, 2);
}

TEST_F(OddelkiT, RoomsOfAClass) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    room(2, QStringLiteral("R2"), 1);
    klass(10, QStringLiteral("1a"));
    OddelekProstori prostori;
    ASSERT_TRUE(prostori.load(10));
    EXPECT_EQ(prostori.available().rowCount(), 2);
    ASSERT_TRUE(prostori.save({2}));
    EXPECT_EQ(prostori.chosenIds(), QList<qint64>({2}));
    EXPECT_EQ(prostori.available().rowCount(), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELEK_PROSTOR WHERE ID_ODDELKA=10 AND ID_PROSTORA=2")), 1);
}

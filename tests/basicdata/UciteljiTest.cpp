#include "basicdata/Ucitelji.h"
#include "Fixture.h"
#include "basicdata/UciteljPredmeti.h"
#include "basicdata/UciteljProstori.h"
#include "shell/ProjectFiles.h"

#include <QFile>

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::BasicDataFixture;

using UciteljiT = BasicDataFixture;

TEST_F(UciteljiT, TeachersAreAddedEditedAndShownByName) {
    Ucitelji ucitelji;
    ASSERT_TRUE(ucitelji.open());
    EXPECT_EQ(ucitelji.frameHeader(false), QStringLiteral("Učitelj"));
    EXPECT_FALSE(ucitelji.acceptAddNew({QString(), QStringLiteral("Ana"), QString(), QString()}));
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Oznaka ne sme biti prazna.")}));
    ASSERT_TRUE(
        ucitelji.acceptAddNew({QStringLiteral("ŽAN"), QStringLiteral("Žan"), QString(), QStringLiteral("O'Čuk")}));
    EXPECT_EQ(ucitelji.label(), QStringLiteral("Žan O'Čuk"));
    EXPECT_EQ(ucitelji.frameHeader(false), QStringLiteral("Učitelj:  Žan O'Čuk"));
    EXPECT_EQ(ucitelji.frameHeader(true), QStringLiteral("Nov učitelj"));
    EXPECT_EQ(ucitelji.roomsCaption(), QStringLiteral("Prostori za:  Žan O'Čuk"));
    EXPECT_EQ(Trenutni().ucitelj, ucitelji.list().id());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM UCITELJI WHERE VMESNOIME IS NULL")), 1);

    ASSERT_TRUE(ucitelji.acceptAddNew({QStringLiteral("AB"), QString(), QString(), QString()}));
    EXPECT_EQ(ucitelji.label(), QStringLiteral("AB")); // no name: the code
    UciteljFields f = ucitelji.current();
    f.vmesnoIme = QStringLiteral("Marija");
    f.ime = QStringLiteral("Ana");
    ASSERT_TRUE(ucitelji.acceptEdit(f));
    EXPECT_EQ(ucitelji.label(), QStringLiteral("Ana Marija"));

    // Another teacher tab positions itself on the shared current teacher.
    Ucitelji drugi;
    ASSERT_TRUE(drugi.open());
    EXPECT_EQ(drugi.current().oznaka, QStringLiteral("AB"));
    ASSERT_TRUE(drugi.moveTo(1));
    Ucitelji tretji;
    tretji.open();
    EXPECT_EQ(tretji.current().oznaka, QStringLiteral("ŽAN"));
}

TEST_F(UciteljiT, DeletingATeacherWithAssignmentsWarnsAndRefusesValidTimetables) {
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("A"), QStringLiteral("Ana"), QStringLiteral("Kos"));
    teacher(2, QStringLiteral("B"));
    teacher(3, QStringLiteral("C"));
    klass(100, QStringLiteral("1a"));
    subject(200, QStringLiteral("MAT"));
    programme(1, QStringLiteral("P"), 1);
    assignment(1, 1, 100, 1, 200, 1);
    assignment(2, 1, 100, 1, 200, 2);
    lesson(1, 1, 1, false);
    lesson(2, 1, 2, true);
    run(QStringLiteral("INSERT INTO UCITELJ_PREDMET VALUES (1, 200)"));
    run(QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (100, 1, 1, Null, 1)"));
    Ucitelji ucitelji;
    ASSERT_TRUE(ucitelji.open());

    ucitelji.list().moveToValue(QStringLiteral("ID"), 2);
    EXPECT_FALSE(ucitelji.deleteCurrent());
    ucitelji.list().moveToValue(QStringLiteral("ID"), 1);
    answer({Answer::No, Answer::Yes});
    EXPECT_FALSE(ucitelji.deleteCurrent());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_UCITELJA=1")), 1);
    EXPECT_TRUE(ucitelji.deleteCurrent());
    ucitelji.list().moveToValue(QStringLiteral("ID"), 3);
    answer({Answer::Yes});
    EXPECT_TRUE(ucitelji.deleteCurrent());
    const QString question =
        QStringLiteral("Potrdi brisanje učitelja Ana Kos.\nUčitelj bo brisan tudi iz vseh razporedov in urnikov!");
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Učitelja ni mogoče brisati, ker nastopa v veljavnem urniku."),
                                       question, question, QStringLiteral("Potrdi brisanje učitelja C.")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_UCITELJA=1")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 1); // the lesson of teacher B
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM UCITELJ_PREDMET")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_RAZREDNIKA IS NULL")), 1);
    EXPECT_EQ(ucitelji.list().count(), 1);
}

TEST_F(UciteljiT, WantedRoomsOfferSingleRoomsOnlyAndSaveTheDifference) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    room(2, QStringLiteral("R2"), 1);
    room(3, QStringLiteral("R3"), 1);
    roomGroup(4, QStringLiteral("$G"), {1, 2});
    teacher(1, QStringLiteral("T"));
    teacher(2, QStringLiteral("U"));
    run(QStringLiteral("INSERT INTO UCITELJ_PROSTOR VALUES (1, 1), (2, 1)"));
    UciteljProstori prostori;
    ASSERT_TRUE(prostori.load(1));
    EXPECT_EQ(prostori.chosenIds(), QList<qint64>({1}));
    ASSERT_EQ(prostori.available().rowCount(), 2);
    EXPECT_EQ(prostori.available().text(0, QStringLiteral("OZNAKA")), QStringLiteral("R2"));
    EXPECT_EQ(prostori.available().text(1, QStringLiteral("OZNAKA")), QStringLiteral("R3"));

    ASSERT_TRUE(prostori.save({3, 2}));
    EXPECT_EQ(prostori.chosenIds(), QList<qint64>({2, 3}));
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM UCITELJ_PROSTOR WHERE ID_UCITELJA=2 AND ID_SKUPINE_PROSTOROV=1")),
        1);

    subject(10, QStringLiteral("MAT"));
    subject(11, QStringLiteral("FIZ"));
    UciteljPredmeti predmeti;
    ASSERT_TRUE(predmeti.load(2));
    EXPECT_EQ(predmeti.available().rowCount(), 2);
    ASSERT_TRUE(predmeti.save({11}));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_PREDMETA) FROM UCITELJ_PREDMET WHERE ID_UCITELJA=2")),
              QStringLiteral("11"));
    ASSERT_TRUE(predmeti.save({}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM UCITELJ_PREDMET")), 0);
}

TEST_F(UciteljiT, CandidatesOfferAnItemMovedBackToTheLeft) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    room(2, QStringLiteral("R2"), 1);
    teacher(1, QStringLiteral("T"));
    run(QStringLiteral("INSERT INTO UCITELJ_PROSTOR VALUES (1, 2)"));
    UciteljProstori prostori;
    ASSERT_TRUE(prostori.load(1));
    const db::RowSet all = prostori.candidates();
    ASSERT_EQ(all.rowCount(), 2);
    EXPECT_EQ(all.text(0, QStringLiteral("OZNAKA")), QStringLiteral("R2"));
    EXPECT_EQ(all.text(1, QStringLiteral("OZNAKA")), QStringLiteral("R1"));
}

TEST_F(UciteljiT, TheSharedTeacherIsForgottenWhenAnotherProjectOpens) {
    teacher(1, QStringLiteral("AB"));
    teacher(7, QStringLiteral("CD"));
    Ucitelji ucitelji;
    ASSERT_TRUE(ucitelji.open());
    ASSERT_TRUE(ucitelji.moveTo(1));
    EXPECT_EQ(Trenutni().ucitelj, 7);
    // Another project whose teacher 7 is someone else.
    const QString other = project.folder().file(QStringLiteral("drugi.znt"));
    ASSERT_TRUE(QFile::copy(test::ProgramFolder() + QStringLiteral("/zn.opp"), other));
    QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner);
    {
        db::Connection c;
        ASSERT_TRUE(c.open(other));
        ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA) VALUES (2, 'EF'), (7, 'GH')")));
    }
    ASSERT_TRUE(shell::OpenProjectFile(other));
    EXPECT_EQ(Trenutni().ucitelj, -1);
    Ucitelji novi; // the windows of the new project start at their first teacher, not at "7"
    ASSERT_TRUE(novi.open());
    EXPECT_EQ(novi.list().id(), 2);
}

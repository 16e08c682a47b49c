#include "basicdata/Predmetniki.h"
#include "Fixture.h"
#include "basicdata/KopirajPredmetnik.h"
#include "basicdata/PredmetiVPredmetniku.h"
#include "basicdata/PredmetnikiOddelki.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::BasicDataFixture;

using PredmetnikiT = BasicDataFixture;

TEST_F(PredmetnikiT, ProgrammeNamesAreUniqueWithinOneCurriculumOnly) {
    curriculum(1, QStringLiteral("2025"));
    curriculum(2, QStringLiteral("2026"));
    programme(1, QStringLiteral("Osnovni"), 1);
    run(QStringLiteral(
        "INSERT INTO PROGRAMI (ID, OZNAKA, ID_RAZ_PREDMETNIKA, ID_IZBIRNEGA_NABORA) VALUES (9, 'Izbirni', 2, 4)"));
    Predmetniki predmetniki;
    ASSERT_TRUE(predmetniki.open());
    EXPECT_EQ(predmetniki.curriculum(), -1); // two curricula, none chosen
    EXPECT_FALSE(predmetniki.acceptAddNew({QStringLiteral("X"), QString()}));

    core::App().trenutniPredmetnik = 2;
    ASSERT_TRUE(predmetniki.open());
    EXPECT_EQ(predmetniki.list().count(), 0); // the elective-set programme is never shown
    EXPECT_FALSE(predmetniki.acceptAddNew({QString(), QStringLiteral("opomba")}));
    ASSERT_TRUE(predmetniki.acceptAddNew({QStringLiteral("Osnovni"), QStringLiteral("d'Arc")}));
    ASSERT_TRUE(predmetniki.acceptAddNew({QStringLiteral("Izbirni"), QString()}));
    EXPECT_FALSE(predmetniki.acceptAddNew({QStringLiteral("OSNOVNI "), QString()})); // one name to a user
    ASSERT_EQ(predmetniki.current().oznaka, QStringLiteral("Izbirni"));
    EXPECT_FALSE(predmetniki.acceptEdit({QStringLiteral("Osnovni"), QString()}));
    EXPECT_TRUE(predmetniki.acceptEdit({QStringLiteral("Izbirni"), QStringLiteral("z opombo")}));
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("Razpored ni izbran."), QStringLiteral("Ime ne sme biti prazno."),
                           QStringLiteral("To ime je že uporabljeno"), QStringLiteral("To ime je že uporabljeno")}));
    EXPECT_EQ(predmetniki.list().count(), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE OZNAKA='Osnovni'")), 2);
    EXPECT_EQ(predmetniki.frameHeader(false), QStringLiteral("Predmetnik:  Izbirni - z opombo"));

    // The only curriculum is used when none is chosen.
    run(QStringLiteral("DELETE FROM PREDMETNIKI WHERE ID=1"));
    core::App().trenutniPredmetnik = -1;
    predmetniki.open();
    EXPECT_EQ(predmetniki.curriculum(), 2);
}

TEST_F(PredmetnikiT, DeletingAProgrammeWarnsAboutLessonsAndRefusesValidTimetables) {
    curriculum(1, QStringLiteral("2026"));
    core::App().trenutniPredmetnik = 1;
    teacher(1, QStringLiteral("T"));
    klass(100, QStringLiteral("1a"));
    subject(200, QStringLiteral("MAT"));
    programme(1, QStringLiteral("A"), 1);
    programme(2, QStringLiteral("B"), 1);
    subjectInProgramme(1, 200, 0, 4);
    classGroupInProgramme(100, 1, 1);
    assignment(1, 1, 100, 1, 200, 1);
    lesson(1, 1, 1, true);
    Predmetniki predmetniki;
    ASSERT_TRUE(predmetniki.open());
    ASSERT_EQ(predmetniki.current().oznaka, QStringLiteral("A"));
    EXPECT_FALSE(predmetniki.deleteCurrent());
    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    answer({Answer::Yes, Answer::Yes});
    ASSERT_TRUE(predmetniki.deleteCurrent());
    ASSERT_TRUE(predmetniki.deleteCurrent());
    EXPECT_EQ(
        messages(),
        QStringList({QStringLiteral("Predmetnika ni mogoče brisati, ker nastopa v veljavnem urniku."),
                     QStringLiteral("Potrdi brisanje predmetnika A.\nBrisan bo tudi iz vseh razporedov in urnikov!"),
                     QStringLiteral("Potrdi brisanje predmetnika B.")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    EXPECT_FALSE(predmetniki.list().hasCurrent());
}

TEST_F(PredmetnikiT, SubjectRowsAreValidatedInOrderAndTotalled) {
    curriculum(1, QStringLiteral("2026"));
    subject(10, QStringLiteral("MAT"));
    subject(11, QStringLiteral("FIZ"));
    programme(1, QStringLiteral("P"), 1);
    PredmetiVPredmetniku vrstice;
    ASSERT_TRUE(vrstice.openLists());
    ASSERT_TRUE(vrstice.load(1, QStringLiteral("P")));
    EXPECT_EQ(vrstice.programmeCaption(), QStringLiteral("Predmetnik: P"));
    EXPECT_EQ(PredmetiVPredmetniku::frameHeader(true), QStringLiteral("Dodajanje predmeta"));
    PredmetVPredmetnikuFields f = vrstice.newRecord();
    EXPECT_EQ(f.idTurnusa, 0);
    EXPECT_FALSE(vrstice.acceptAddNew(f));
    f.idSkupinePredmetov = 10;
    f.steviloUr = QStringLiteral("0");
    EXPECT_FALSE(vrstice.acceptAddNew(f));
    f.steviloUr = QStringLiteral("-2");
    EXPECT_FALSE(vrstice.acceptAddNew(f));
    f.steviloUr = QStringLiteral("3");
    f.idTurnusa = -1;
    EXPECT_FALSE(vrstice.acceptAddNew(f));
    f.idTurnusa = 0;
    f.dolzinaTermina = QStringLiteral("4");
    EXPECT_FALSE(vrstice.acceptAddNew(f));
    EXPECT_EQ(vrstice.invalidField(), QStringLiteral("DOLZINA_TERMINA"));
    f.dolzinaTermina = QStringLiteral("3"); // equal to the hours: accepted
    ASSERT_TRUE(vrstice.acceptAddNew(f));
    EXPECT_FALSE(vrstice.acceptAddNew(f)); // the same group and turnus again
    EXPECT_EQ(
        messages(),
        QStringList({QStringLiteral("Oznaka ne sme biti prazna."), QStringLiteral("Število ur mora biti večje od 0."),
                     QStringLiteral("Število ur mora biti večje od 0."), QStringLiteral("Vnos turnusa je obvezen."),
                     QStringLiteral("Dolžina termina mora biti manjša od števila ur."),
                     QStringLiteral("Predmet s tem turnusom je že v predmetniku.")}));
    EXPECT_EQ(vrstice.list().text(QStringLiteral("UR")), QStringLiteral("3/3"));
    EXPECT_EQ(vrstice.list().text(QStringLiteral("TURNUS")), QStringLiteral("0"));

    f.idSkupinePredmetov = 11;
    f.idTurnusa = 1;
    f.steviloUr = QStringLiteral("2");
    f.dolzinaTermina.clear(); // one period
    f.zahtevnost = 3;
    ASSERT_TRUE(vrstice.acceptAddNew(f));
    EXPECT_EQ(vrstice.list().text(QStringLiteral("UR")), QStringLiteral("2/1"));
    EXPECT_EQ(vrstice.totalHours(), 5);
    EXPECT_EQ(vrstice.hoursInTurnus(1), 5);
    EXPECT_EQ(vrstice.hoursInTurnus(0), 3);

    // Editing the row may keep its own group and turnus, and moves it to another turnus.
    f.steviloUr = QStringLiteral("4");
    ASSERT_TRUE(vrstice.acceptEdit(f));
    EXPECT_EQ(vrstice.totalHours(), 7);
    f.idTurnusa = 0;
    ASSERT_TRUE(vrstice.acceptEdit(f));
    EXPECT_EQ(vrstice.list().text(QStringLiteral("TURNUS")), QStringLiteral("0"));
    EXPECT_EQ(count(QStringLiteral("SELECT ZAHTEVNOST FROM PREDMETI_V_PROGRAMU WHERE ID_SKUPINE_PREDMETOV=11")), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU")), 2);
}

TEST_F(PredmetnikiT, RemovingASubjectRowTakesItsAssignmentsAfterTheWarning) {
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("T"));
    klass(100, QStringLiteral("1a"));
    subject(10, QStringLiteral("MAT"));
    subject(11, QStringLiteral("FIZ"));
    programme(1, QStringLiteral("P"), 1);
    subjectInProgramme(1, 10, 0, 4);
    subjectInProgramme(1, 11, 0, 2);
    assignment(1, 1, 100, 1, 10, 1);
    assignment(2, 1, 100, 1, 11, 1);
    lesson(1, 1, 2, true);
    PredmetiVPredmetniku vrstice;
    vrstice.openLists();
    ASSERT_TRUE(vrstice.load(1, QStringLiteral("P")));
    ASSERT_EQ(vrstice.list().text(QStringLiteral("OZNAKA")), QStringLiteral("FIZ"));
    EXPECT_FALSE(vrstice.deleteCurrent());
    ASSERT_TRUE(vrstice.list().moveTo(1));
    answer({Answer::Yes});
    ASSERT_TRUE(vrstice.deleteCurrent());
    EXPECT_EQ(
        messages(),
        QStringList({QStringLiteral("Predmeta FIZ ni mogoče brisati, ker nastopa v veljavnem urniku."),
                     QStringLiteral("Potrdi brisanje predmeta MAT iz predmetnika.\n"
                                    "Predmet bo brisan bo tudi iz razporedov in urnikov enot s tem predmetnikom!")}));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM RAZPORED")), QStringLiteral("2"));
    EXPECT_EQ(vrstice.list().count(), 1);
}

TEST_F(PredmetnikiT, AChangedSubjectRowTakesItsAssignmentsAlong) {
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("T"));
    klass(100, QStringLiteral("1a"));
    subject(10, QStringLiteral("MAT"));
    subject(11, QStringLiteral("FIZ"));
    run(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (20, '$MF', '$MF')"));
    run(QStringLiteral(
        "INSERT INTO PREDMETI_V_SKUPINI (ID, ID_SKUPINE, ID_PREDMETA) VALUES (30, 20, 10), (31, 20, 11)"));
    programme(1, QStringLiteral("P"), 1);
    subjectInProgramme(1, 10, 0, 4);
    assignment(1, 1, 100, 1, 10, 1);
    lesson(1, 1, 1, false);
    PredmetiVPredmetniku vrstice;
    vrstice.openLists();
    ASSERT_TRUE(vrstice.load(1, QStringLiteral("P")));
    const QString row = QStringLiteral("SELECT ID_SKUPINE_PREDMETOV || '/' || ID_TURNUSA || '/' || "
                                       "ID_PREDMETI_V_SKUPINI FROM RAZPORED WHERE ID=1");

    // Another turnus: the lessons placed for the old one go, after the question.
    const QString question = QStringLiteral("Potrdi spremembo predmeta MAT v predmetniku.\n"
                                            "Njegove ure bodo odstranjene iz urnikov.");
    EXPECT_FALSE(vrstice.acceptEdit({10, QStringLiteral("4"), QString(), 1, 2}));
    EXPECT_EQ(text(row), QStringLiteral("10/0/10"));
    answer({Answer::Yes});
    ASSERT_TRUE(vrstice.acceptEdit({10, QStringLiteral("4"), QString(), 1, 2}));
    EXPECT_EQ(messages(), QStringList({question, question}));
    EXPECT_EQ(text(row), QStringLiteral("10/1/10"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);

    // A group holding the same subject: the assignment follows without a question.
    ASSERT_TRUE(vrstice.acceptEdit({20, QStringLiteral("4"), QString(), 1, 2}));
    EXPECT_EQ(text(row), QStringLiteral("20/1/30"));
    EXPECT_EQ(messages().size(), 2);

    // A group without it: the assignment cannot follow and goes, after the question.
    answer({Answer::Yes});
    ASSERT_TRUE(vrstice.acceptEdit({11, QStringLiteral("4"), QString(), 1, 2}));
    EXPECT_EQ(messages().last(), QStringLiteral("Potrdi spremembo predmeta $MF v predmetniku.\nPredmet bo brisan bo "
                                                "tudi iz razporedov in urnikov enot s tem predmetnikom!"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);

    // Lessons in a valid timetable refuse the change, as they refuse the removal.
    assignment(2, 1, 100, 1, 11, 1, 0, 1);
    lesson(2, 1, 2, true);
    EXPECT_FALSE(vrstice.acceptEdit({11, QStringLiteral("4"), QString(), 0, 2}));
    EXPECT_EQ(messages().last(), QStringLiteral("Predmeta FIZ ni mogoče spreminjati, ker nastopa v veljavnem urniku."));
    EXPECT_EQ(text(QStringLiteral("SELECT ID_TURNUSA FROM PREDMETI_V_PROGRAMU")), QStringLiteral("1"));
    // Hours alone may change.
    ASSERT_TRUE(vrstice.acceptEdit({11, QStringLiteral("5"), QString(), 1, 2}));
    EXPECT_EQ(text(QStringLiteral("SELECT STEVILO_UR FROM PREDMETI_V_PROGRAMU")), QStringLiteral("5"));
}

TEST_F(PredmetnikiT, ClassGroupsSharingAClassWithAChosenGroupAreNotOffered) {
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("T"));
    subject(200, QStringLiteral("MAT"));
    klass(1, QStringLiteral("1a"));
    klass(2, QStringLiteral("1b"));
    klass(3, QStringLiteral("2a"));
    klass(4, QStringLiteral("9x")); // not in the curriculum
    classGroup(20, QStringLiteral("1ab"), {1, 2});
    for (qint64 k : {1, 2, 3})
        classInCurriculum(k, 1);
    programme(1, QStringLiteral("P"), 1);
    PredmetnikiOddelki enote;
    ASSERT_TRUE(enote.load(1, 1));
    QStringList offered;
    for (int r = 0; r < enote.available().rowCount(); ++r)
        offered << enote.available().text(r, QStringLiteral("SKUPINA"));
    EXPECT_EQ(offered, QStringList({QStringLiteral("1a"), QStringLiteral("1b"), QStringLiteral("2a")}));

    // The shared group 1ab in the programme hides 1a and 1b.
    classGroupInProgramme(20, 1, 1);
    ASSERT_TRUE(enote.load(1, 1));
    EXPECT_EQ(enote.chosenIds(), QList<qint64>({20}));
    ASSERT_EQ(enote.available().rowCount(), 1);
    EXPECT_EQ(enote.available().text(0, QStringLiteral("SKUPINA")), QStringLiteral("2a"));
    EXPECT_EQ(enote.available({20, 3}).rowCount(), 0);

    ASSERT_TRUE(enote.save({20, 3}));
    EXPECT_EQ(enote.chosenIds(), QList<qint64>({20, 3}));

    // Taking a group out: refused with lessons in a valid timetable, asked with assignments.
    assignment(1, 1, 3, 1, 200, 1);
    lesson(1, 1, 1, true);
    EXPECT_FALSE(enote.mayRemove(3));
    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    answer({Answer::No, Answer::Yes});
    EXPECT_FALSE(enote.mayRemove(3));
    EXPECT_TRUE(enote.mayRemove(3));
    EXPECT_TRUE(enote.mayRemove(20)); // nothing assigned: no question
    const QString question =
        QStringLiteral("Potrdi brisanje enote iz predmetnika.\n"
                       "Predmeti tega predmetnika bodo brisani tudi iz razporeda in urnikov enote!");
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("Enote ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."),
                           question, question}));
    ASSERT_TRUE(enote.save({20}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
}

TEST_F(PredmetnikiT, CopyingAProgrammeCopiesItsSubjectsButNotItsClasses) {
    curriculum(1, QStringLiteral("2026"));
    curriculum(2, QStringLiteral("2027"));
    subject(10, QStringLiteral("MAT"));
    subject(11, QStringLiteral("FIZ"));
    klass(100, QStringLiteral("1a"));
    programme(1, QStringLiteral("Osnovni"), 1);
    programme(2, QStringLiteral("Drugi"), 2);
    subjectInProgramme(1, 10, 0, 4, 2, 3);
    subjectInProgramme(1, 11, 1, 2);
    classGroupInProgramme(100, 1, 1);
    KopirajPredmetnik kopiraj(1, 1, QStringLiteral("Osnovni"));
    EXPECT_EQ(kopiraj.check(QString()), QStringLiteral("Oznaka ne sme biti prazna."));
    EXPECT_FALSE(kopiraj.copy(QStringLiteral("osnovni"), QString()));
    EXPECT_EQ(kopiraj.status(), QStringLiteral("To ime je že uporabljeno"));
    EXPECT_EQ(kopiraj.check(QStringLiteral("Drugi")), QString()); // another curriculum's name
    ASSERT_TRUE(kopiraj.copy(QStringLiteral("Kopija d'Osnovni"), QString()));
    const qint64 copy = kopiraj.newProgramme();
    EXPECT_EQ(copy, 3);
    EXPECT_EQ(text(QStringLiteral(
                  "SELECT OZNAKA || '|' || ifnull(IME,'null') || '|' || ID_RAZ_PREDMETNIKA FROM PROGRAMI WHERE ID=3")),
              QStringLiteral("Kopija d'Osnovni|null|1"));
    EXPECT_EQ(
        text(QStringLiteral("SELECT group_concat(x) FROM (SELECT ID_SKUPINE_PREDMETOV || ':' || ID_TURNUSA || ':' || "
                            "STEVILO_UR || ':' || DOLZINA_TERMINA || ':' || ZAHTEVNOST AS x FROM PREDMETI_V_PROGRAMU "
                            "WHERE ID_PROGRAMA=3 ORDER BY 1)")),
        QStringLiteral("10:0:4:2:3,11:1:2:1:2"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PROGRAMA=3")), 0);
    EXPECT_TRUE(messages().isEmpty());
}

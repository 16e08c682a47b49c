#include "basicdata/InfrastructureImport.h"
#include "Fixture.h"
#include "support/ProjectContents.h"
#include "support/TempFolder.h"

#include <QFile>

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::BasicDataFixture;

namespace {

const QString kQuestion = QStringLiteral("Ali ste prepričani, da želite uvoziti infrastrukturo šole #.\n\n"
                                         "Trenutna infrastruktura bo nepovratno izbrisana.");

// A copy of a file in the folder, writable, optionally changed by statements.
QString copyOf(test::TempFolder &dir, const QString &from, const QString &name, const QStringList &statements = {}) {
    const QString path = dir.file(name);
    QFile::copy(from, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    db::Connection c;
    EXPECT_TRUE(c.open(path));
    for (const QString &s : statements)
        EXPECT_TRUE(c.exec(s)) << s.toStdString() << " : " << c.lastError().description.toStdString();
    return path;
}

// Another project file with its own school, buildings, rooms, a group and time grid; building 1
// and room 1 are there too, renamed.
QString makeOtherProject(test::TempFolder &dir, bool withSchoolName = true) {
    return copyOf(
        dir, test::ProgramFolder() + QStringLiteral("/zn.opp"), QStringLiteral("druga.znt"),
        {withSchoolName ? QStringLiteral("UPDATE INI SET VREDNOST='OŠ Druga' WHERE ATRIBUT='Ime_Sole'")
                        : QStringLiteral("DELETE FROM INI WHERE ATRIBUT='Ime_Sole'"),
         QStringLiteral("UPDATE INI SET VREDNOST='17' WHERE ATRIBUT='Verzija'"),
         QStringLiteral("INSERT INTO INI VALUES ('Privzet normativ max', '30')"),
         QStringLiteral("INSERT INTO STAVBE VALUES (1, 'A-nova', 'Stara stavba'), (7, 'D1', 'Druga 1')"),
         QStringLiteral("INSERT INTO PROSTORI VALUES (1, 'R1x', 'Učilnica d''Or', 7, 0)"),
         QStringLiteral("INSERT INTO PROSTORI VALUES (70, 'U70', 'U70', 7, 1), (71, 'U71', 'U71', 7, 0)"),
         QStringLiteral("INSERT INTO SKUPINE_PROSTOROV VALUES (1, 'R1x', 'Učilnica d''Or'), (70, 'U70', 'U70'), "
                        "(71, 'U71', 'U71'), (72, '$U', '$U')"),
         QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI VALUES (1, 1), (70, 70), (71, 71), (70, 72), (71, 72)"),
         QStringLiteral("INSERT INTO TURNUSI VALUES (2, 'II')"),
         QStringLiteral("UPDATE TURNUSI SET OZNAKA='Prvi' WHERE ID=1"),
         QStringLiteral("INSERT INTO IZMENE VALUES (2, 'B')"),
         QStringLiteral("UPDATE URE SET OZNAKA='7.30' WHERE URA=1")});
}

} // namespace

using Uvoz = BasicDataFixture;

TEST_F(Uvoz, MergesByIdentifierAndKeepsTheLinksOfSurvivingRows) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    room(2, QStringLiteral("R2"), 1);
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("T"));
    klass(100, QStringLiteral("1a"));
    subject(200, QStringLiteral("MAT"));
    programme(1, QStringLiteral("P"), 1);
    subjectInProgramme(1, 200, 1, 3);
    assignment(1, 1, 100, 1, 200, 1, 1, 1);
    assignment(2, 1, 100, 1, 200, 1, 2, 1);
    run(QStringLiteral("INSERT INTO UCITELJ_PROSTOR VALUES (1, 1), (1, 2)"));
    run(QStringLiteral("INSERT INTO ODDELEK_PROSTOR VALUES (100, 1)"));
    lesson(1, 1, 1, false);
    run(QStringLiteral("UPDATE TERMINI SET ID_PROSTORA=1"));
    test::TempFolder dir;
    const QString other = makeOtherProject(dir);

    InfrastructureImport uvoz;
    answer({Answer::No});
    EXPECT_FALSE(uvoz.run(other));
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA FROM STAVBE WHERE ID=1")), QStringLiteral("A"));

    answer({Answer::Yes});
    ASSERT_TRUE(uvoz.run(other));
    const QString question = core::FormatMessageText(kQuestion, QStringLiteral("OŠ Druga"));
    EXPECT_EQ(messages(), QStringList({question, question, QStringLiteral("Uvoz infrastrukture je zaključen.")}));
    EXPECT_EQ(text(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Verzija'")), QStringLiteral("19"));
    EXPECT_EQ(text(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Privzet normativ max'")),
              QStringLiteral("30"));
    EXPECT_EQ(core::App().schoolName, QStringLiteral("OŠ Druga"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(OZNAKA) FROM (SELECT OZNAKA FROM STAVBE ORDER BY ID)")),
              QStringLiteral("A-nova,D1"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(OZNAKA || ':' || ID_STAVBE) FROM (SELECT * FROM PROSTORI "
                                  "ORDER BY ID)")),
              QStringLiteral("R1x:7,U70:7,U71:7"));
    EXPECT_EQ(text(QStringLiteral("SELECT IME FROM SKUPINE_PROSTOROV WHERE ID=1")), QStringLiteral("Učilnica d'Or"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI_V_SKUPINI WHERE ID_SKUPINE=72")), 2);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(OZNAKA) FROM (SELECT OZNAKA FROM TURNUSI ORDER BY ID)")),
              QStringLiteral("0,Prvi,II"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IZMENA_TURNUS")), 1);
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA FROM URE WHERE URA=1")), QStringLiteral("7.30"));
    // Room 1 survived, renamed: its links, its assignment's room group and its lesson's room stay.
    // Room 2 is gone from the file, and only its own links go.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU")), 1);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_SKUPINE_PROSTOROV, '/') FROM (SELECT * FROM RAZPORED "
                                  "ORDER BY ID)")),
              QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 2);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID_SKUPINE_PROSTOROV) FROM UCITELJ_PROSTOR")),
              QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELEK_PROSTOR WHERE ID_PROSTORA=1")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_PROSTORA=1")), 1);
}

TEST_F(Uvoz, TurnusiAndShiftsTheFileLacksFollowTheSettingsRules) {
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("T"));
    klass(100, QStringLiteral("1a"));
    classInCurriculum(100, 1, 2);
    subject(200, QStringLiteral("MAT"));
    programme(1, QStringLiteral("P"), 1);
    run(QStringLiteral("INSERT INTO TURNUSI VALUES (2, 'II'); INSERT INTO IZMENE VALUES (2, 'B')"));
    subjectInProgramme(1, 200, 2, 3);
    assignment(1, 1, 100, 1, 200, 1, 0, 2);
    lesson(1, 1, 1, true);
    run(QStringLiteral("UPDATE TERMINI SET ID_TURNUSA=2"));
    test::TempFolder dir;
    // The defaults have turnusi 0 and I and shift A only.
    const QString other = copyOf(dir, test::ProgramFolder() + QStringLiteral("/zn.opp"), QStringLiteral("d.znt"),
                                 {QStringLiteral("UPDATE INI SET VREDNOST='OŠ D' WHERE ATRIBUT='Ime_Sole'")});
    InfrastructureImport uvoz;

    // Turnus II has lessons in a valid timetable: the import is refused and nothing changes.
    answer({Answer::Yes});
    EXPECT_FALSE(uvoz.run(other));
    EXPECT_EQ(messages().last(), QStringLiteral("Uvožena datoteka nima turnusa II, ki nastopa v veljavnem urniku.\n"
                                                "Brisanje turnusa ni dovoljeno, zato uvoz ni bil izveden."));
    EXPECT_EQ(text(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Ime_Sole'")), QString());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 1);

    // Without the validity, the user is asked; No still changes nothing.
    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    project.messages().clear();
    answer({Answer::Yes, Answer::No});
    EXPECT_FALSE(uvoz.run(other));
    const QString turnusQuestion =
        QStringLiteral("Uvožena datoteka nima turnusa II.\nIzbrisan bo tudi iz vseh "
                       "predmetnikov, razporedov in urnikov!\n\nAli želiš nadaljevati uvoz?");
    EXPECT_EQ(messages().last(), turnusQuestion);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TURNUSI WHERE ID=2")), 1);

    // Yes to both: turnus II goes with its rows, the class of shift B moves to shift A.
    project.messages().clear();
    answer({Answer::Yes, Answer::Yes, Answer::Yes});
    ASSERT_TRUE(uvoz.run(other));
    EXPECT_EQ(messages().mid(1),
              QStringList({turnusQuestion,
                           QStringLiteral("Uvožena datoteka nima izmene B.\nV vseh razporedih bo ta izmena postavljena "
                                          "na izmeno A!\n\nAli želiš nadaljevati uvoz?"),
                           QStringLiteral("Uvoz infrastrukture je zaključen.")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TURNUSI")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    EXPECT_EQ(text(QStringLiteral("SELECT ID_IZMENE FROM ODDELKI_V_PREDMETNIKU")), QStringLiteral("1"));
    EXPECT_EQ(core::App().turnusCount, 2);
}

TEST_F(Uvoz, RefusesFilesWithoutInfrastructureAndLeavesTheProject) {
    building(1, QStringLiteral("A"));
    test::TempFolder dir;
    const QString noSchool = makeOtherProject(dir, false);
    InfrastructureImport uvoz;
    EXPECT_FALSE(uvoz.run(noSchool));
    const QString text1 = dir.file(QStringLiteral("besedilo.znt"));
    {
        QFile f(text1);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ni baza");
    }
    EXPECT_FALSE(uvoz.run(text1));
    EXPECT_FALSE(uvoz.run(project.path()));
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("Datoteka druga.znt ne vsebuje veljavne infrastrukture"),
                           QStringLiteral("Datoteka %1 ni ustreznega formata ali pa je pokvarjena.").arg(text1),
                           QStringLiteral("Datoteka projekt.znt ne vsebuje veljavne infrastrukture")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM STAVBE")), 1);
}

// The shipped sample school imports a changed copy of its own infrastructure: every link,
// assignment room and lesson room of the rooms that stay is kept.
TEST(UvozNaPrimeru, KeepsEveryRoomOfTheSampleSchool) {
    test::TempProject project;
    test::TempFolder dir;
    const QString sample = test::ProgramFolder() + QStringLiteral("/primer.znt");
    db::ProjectDb().close();
    QFile::remove(project.path());
    test::CopyOfSample(project.path());
    ASSERT_TRUE(db::ProjectDb().open(project.path()));
    db::Connection &c = db::ProjectDb();
    auto count = [&](const QString &sql) { return c.scalar(sql).toLongLong(); };
    const QStringList counts{QStringLiteral("SELECT count(*) FROM UCITELJ_PROSTOR"),
                             QStringLiteral("SELECT count(*) FROM PREDMET_PROSTOR"),
                             QStringLiteral("SELECT count(*) FROM ODDELEK_PROSTOR"),
                             QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_SKUPINE_PROSTOROV IS NOT NULL"),
                             QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_PROSTORA IS NOT NULL"),
                             QStringLiteral("SELECT count(*) FROM RAZPORED"),
                             QStringLiteral("SELECT count(*) FROM TERMINI")};
    QList<qint64> before;
    for (const QString &sql : counts)
        before << count(sql);
    EXPECT_EQ(before, QList<qint64>({31, 27, 18, 209, 928, 228, 1006}));

    const QString other =
        copyOf(dir, sample, QStringLiteral("primer-nova.znt"),
               {QStringLiteral("UPDATE PROSTORI SET IME = IME || ' (prenovljena)'"),
                QStringLiteral("UPDATE SKUPINE_PROSTOROV SET IME = IME || ' (prenovljena)'"),
                QStringLiteral("UPDATE STAVBE SET IME = 'Glavna stavba' WHERE ID = (SELECT min(ID) FROM STAVBE)")});
    project.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(InfrastructureImport().run(other));
    QList<qint64> after;
    for (const QString &sql : counts)
        after << count(sql);
    EXPECT_EQ(after, before);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI WHERE IME LIKE '% (prenovljena)'")),
              count(QStringLiteral("SELECT count(*) FROM PROSTORI")));
}

#include "basicdata/ImeSole.h"
#include "Fixture.h"
#include "basicdata/InfrastructureImport.h"
#include "support/TempFolder.h"

#include <QFile>

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::BasicDataFixture;

using SolaInUvoz = BasicDataFixture;

TEST_F(SolaInUvoz, SchoolNameIsRequiredAndKeptProgramWide) {
    run(QStringLiteral("UPDATE INI SET VREDNOST='OŠ Staro' WHERE ATRIBUT='Ime_Sole'"));
    ImeSole sola;
    ASSERT_TRUE(sola.open());
    EXPECT_EQ(sola.name(), QStringLiteral("OŠ Staro"));
    EXPECT_EQ(core::App().schoolName, QStringLiteral("OŠ Staro"));
    EXPECT_FALSE(sola.acceptEdit(QStringLiteral("  ")));
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Ime šole ne sme biti prazno.")}));
    EXPECT_EQ(text(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Ime_Sole'")), QStringLiteral("OŠ Staro"));

    ASSERT_TRUE(sola.acceptEdit(QStringLiteral("OŠ d'Žiga Čebulj")));
    EXPECT_EQ(text(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Ime_Sole'")),
              QStringLiteral("OŠ d'Žiga Čebulj"));
    EXPECT_EQ(core::App().schoolName, QStringLiteral("OŠ d'Žiga Čebulj"));

    // A project that lost the row gets it back instead of losing the name.
    run(QStringLiteral("DELETE FROM INI WHERE ATRIBUT='Ime_Sole'"));
    ASSERT_TRUE(sola.acceptEdit(QStringLiteral("Nova")));
    EXPECT_EQ(text(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Ime_Sole'")), QStringLiteral("Nova"));
    EXPECT_EQ(sola.name(), QStringLiteral("Nova"));
}

namespace {

// Another project file with its own school, two buildings, rooms, a group and time grid.
QString makeOtherProject(test::TempFolder &dir, bool withSchoolName = true) {
    const QString path = dir.file(QStringLiteral("druga.znt"));
    QFile::copy(test::ProgramFolder() + QStringLiteral("/zn.opp"), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    db::Connection c;
    EXPECT_TRUE(c.open(path));
    const QStringList statements = {
        withSchoolName ? QStringLiteral("UPDATE INI SET VREDNOST='OŠ Druga' WHERE ATRIBUT='Ime_Sole'")
                       : QStringLiteral("DELETE FROM INI WHERE ATRIBUT='Ime_Sole'"),
        QStringLiteral("UPDATE INI SET VREDNOST='17' WHERE ATRIBUT='Verzija'"),
        QStringLiteral("INSERT INTO INI VALUES ('Privzet normativ max', '30')"),
        QStringLiteral("INSERT INTO STAVBE VALUES (7, 'D1', 'Druga 1')"),
        QStringLiteral("INSERT INTO PROSTORI VALUES (70, 'U70', 'U70', 7, 1)"),
        QStringLiteral("INSERT INTO PROSTORI VALUES (71, 'U71', 'U71', 7, 0)"),
        QStringLiteral("INSERT INTO SKUPINE_PROSTOROV VALUES (70, 'U70', 'U70'), (71, 'U71', 'U71'), (72, '$U', '$U')"),
        QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI VALUES (70, 70), (71, 71), (70, 72), (71, 72)"),
        QStringLiteral("INSERT INTO TURNUSI VALUES (2, 'II')"),
        QStringLiteral("UPDATE TURNUSI SET OZNAKA='Prvi' WHERE ID=1"),
        QStringLiteral("INSERT INTO IZMENE VALUES (2, 'B')"),
        QStringLiteral("UPDATE URE SET OZNAKA='7.30' WHERE URA=1"),
    };
    for (const QString &s : statements)
        EXPECT_TRUE(c.exec(s)) << s.toStdString();
    return path;
}

} // namespace

TEST_F(SolaInUvoz, ImportReplacesInfrastructureAndKeepsVersionAndTimetables) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    curriculum(1, QStringLiteral("2026"));
    teacher(1, QStringLiteral("T"));
    klass(100, QStringLiteral("1a"));
    subject(200, QStringLiteral("MAT"));
    programme(1, QStringLiteral("P"), 1);
    subjectInProgramme(1, 200, 1, 3);
    assignment(1, 1, 100, 1, 200, 1, 1, 1);
    test::TempFolder dir;
    const QString other = makeOtherProject(dir);

    InfrastructureImport uvoz;
    answer({Answer::No});
    EXPECT_FALSE(uvoz.run(other));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM STAVBE WHERE ID=1")), 1);

    answer({Answer::Yes});
    ASSERT_TRUE(uvoz.run(other));
    const QString question = QStringLiteral("Ali ste prepričani, da želite uvoziti infrastrukturo šole OŠ Druga.\n\n"
                                            "Trenutna infrastruktura bo nepovratno izbrisana.");
    EXPECT_EQ(messages(), QStringList({question, question, QStringLiteral("Uvoz infrastrukture je zaključen.")}));
    EXPECT_EQ(text(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Verzija'")), QStringLiteral("19"));
    EXPECT_EQ(text(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Privzet normativ max'")),
              QStringLiteral("30"));
    EXPECT_EQ(core::App().schoolName, QStringLiteral("OŠ Druga"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(OZNAKA) FROM STAVBE")), QStringLiteral("D1"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTORI_V_SKUPINI WHERE ID_SKUPINE=72")), 2);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(OZNAKA) FROM (SELECT OZNAKA FROM TURNUSI ORDER BY ID)")),
              QStringLiteral("0,Prvi,II"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IZMENE")), 2);
    EXPECT_EQ(text(QStringLiteral("SELECT OZNAKA FROM URE WHERE URA=1")), QStringLiteral("7.30"));
    // The programme row and assignment on turnus 1 survive; the old room group reference is gone.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_SKUPINE_PROSTOROV IS NULL")), 1);
}

TEST_F(SolaInUvoz, ImportRefusesFilesWithoutInfrastructureAndLeavesTheProject) {
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

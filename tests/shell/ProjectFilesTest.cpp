#include "shell/ProjectFiles.h"
#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zentrel;
using core::App;

namespace {

int count(const QString &table) {
    return db::ProjectDb().scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
}

} // namespace

TEST(OpenProjectFile, RepairsIncompletePeriodsTurnusiAndShifts) {
    test::TempHome home;
    const QString path = home.newProjectFile(QStringLiteral("Šola d'Or.znt"));
    {
        db::Connection c;
        ASSERT_TRUE(c.open(path));
        // The only turnus left carries a programme row: it must survive the repair with its rows.
        ASSERT_TRUE(c.exec(QStringLiteral("DELETE FROM URE WHERE URA >= 10; DELETE FROM TURNUSI WHERE ID=0;"
                                          "UPDATE TURNUSI SET OZNAKA='Prvi' WHERE ID=1;"
                                          "INSERT INTO PREDMETI VALUES (5,'MAT','MAT',NULL,0);"
                                          "INSERT INTO SKUPINE_PREDMETOV (ID,OZNAKA,IME) VALUES (5,'MAT','MAT');"
                                          "INSERT INTO PREDMETI_V_SKUPINI (ID,ID_SKUPINE,ID_PREDMETA) VALUES (5,5,5);"
                                          "INSERT INTO PROGRAMI (ID,OZNAKA) VALUES (1,'P');"
                                          "INSERT INTO PREDMETI_V_PROGRAMU VALUES (1,5,1,3,1,2,NULL);"
                                          "DELETE FROM IZMENE; INSERT INTO UCITELJI VALUES (0,'X','',NULL,'');"
                                          "INSERT INTO INI VALUES ('Ime_Sole', 'OŠ Trnovo d''Or')"
                                          " ON CONFLICT(ATRIBUT) DO UPDATE SET VREDNOST=excluded.VREDNOST;")));
    }
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(count(QStringLiteral("URE")), 16);
    EXPECT_EQ(db::ProjectDb().scalar(QStringLiteral("SELECT OZNAKA FROM URE WHERE URA=15")).toString(),
              QStringLiteral("15"));
    const db::RowSet turnusi = db::ProjectDb().query(QStringLiteral("SELECT * FROM TURNUSI ORDER BY ID"));
    ASSERT_EQ(turnusi.rowCount(), 2);
    EXPECT_EQ(turnusi.text(0, QStringLiteral("OZNAKA")), QStringLiteral("0"));
    EXPECT_EQ(turnusi.text(1, QStringLiteral("OZNAKA")), QStringLiteral("Prvi"));
    EXPECT_EQ(count(QStringLiteral("PREDMETI_V_PROGRAMU WHERE ID_TURNUSA=1")), 1);
    EXPECT_EQ(db::ProjectDb().scalar(QStringLiteral("SELECT OZNAKA FROM IZMENE WHERE ID=1")).toString(),
              QStringLiteral("A"));
    EXPECT_EQ(count(QStringLiteral("IZMENA_TURNUS WHERE ID_TURNUSA=1 AND ID_IZMENE=1 AND PRVA_URA_PON=1")), 1);
    EXPECT_EQ(count(QStringLiteral("UCITELJI")), 0) << "rows with ID below 1 are removed";
    EXPECT_EQ(App().schoolName, QStringLiteral("OŠ Trnovo d'Or"));
    EXPECT_EQ(shell::MainCaption(), QStringLiteral("Zentrel OŠ Trnovo d'Or - Šola d'Or.znt"));
    EXPECT_EQ(App().periodCodes.size(), 16);
    EXPECT_EQ(App().recentFiles.first(), path);
}

TEST(OpenProjectFile, ChecksCurrentChoicesAndDefaultNorms) {
    test::TempHome home;
    const QString path = home.newProjectFile(QStringLiteral("p.znt"));
    {
        db::Connection c;
        ASSERT_TRUE(c.open(path));
        ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID,IME) VALUES (3,'Razpored');"
                                          "INSERT INTO INI VALUES ('Privzet normativ max','30'),"
                                          "('Privzet normativ min','40')")));
    }
    App().trenutniPredmetnik = 3;
    App().trenutniUrnik = 9;
    App().trenutniTurnus = 1;
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(App().trenutniPredmetnikIme, QStringLiteral("Razpored"));
    EXPECT_EQ(App().trenutniUrnik, -7);
    EXPECT_EQ(App().trenutniTurnusOznaka, QStringLiteral("I"));
    EXPECT_EQ(App().normativMax, 30);
    EXPECT_EQ(App().normativMin, 15);

    ASSERT_TRUE(db::WriteIni(QString(), QStringLiteral("Privzet normativ max"), db::ProjectDb()));
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(App().normativMax, 28);
    EXPECT_EQ(App().normativMin, 14);
}

TEST(OpenProjectFile, RefusesForeignDamagedAndIncompleteFilesLeavingThemUnchanged) {
    test::TempHome home;
    const QString text = home.file(QStringLiteral("besedilo.znt"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Ni baza.");
    }
    EXPECT_FALSE(shell::OpenProjectFile(text));
    EXPECT_EQ(test::FileBytes(text), QByteArray("Ni baza."));

    const QString truncated = home.newProjectFile(QStringLiteral("prirezana.znt"));
    {
        QFile f(truncated);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(f.size() / 3));
    }
    const QByteArray truncatedBytes = test::FileBytes(truncated);
    EXPECT_FALSE(shell::OpenProjectFile(truncated));
    EXPECT_EQ(test::FileBytes(truncated), truncatedBytes);

    const QString incomplete = home.newProjectFile(QStringLiteral("brez.znt"));
    {
        db::Connection c;
        ASSERT_TRUE(c.open(incomplete));
        ASSERT_TRUE(c.exec(QStringLiteral("DROP TABLE SUPLENCE")));
    }
    const QByteArray incompleteBytes = test::FileBytes(incomplete);
    EXPECT_FALSE(shell::OpenProjectFile(incomplete));
    EXPECT_EQ(test::FileBytes(incomplete), incompleteBytes)
        << "a refused file is never written, not even by the write test";

    // A newer program's project, with a period this version would repair, is left as it is.
    const QString newer = home.newProjectFile(QStringLiteral("novejši.znt"));
    {
        db::Connection c;
        ASSERT_TRUE(c.open(newer));
        ASSERT_TRUE(db::WriteIni(QStringLiteral("20"), QStringLiteral("Verzija"), c));
        ASSERT_TRUE(c.exec(QStringLiteral("DELETE FROM URE")));
    }
    const QByteArray newerBytes = test::FileBytes(newer);
    EXPECT_FALSE(shell::OpenProjectFile(newer));
    EXPECT_EQ(test::FileBytes(newer), newerBytes);
    EXPECT_EQ(home.messages().texts(),
              (QStringList{QStringLiteral("Datoteka ") + text +
                               QStringLiteral(" ni ustreznega formata ali pa je pokvarjena."),
                           QStringLiteral("Datoteka ") + truncated + QStringLiteral(" je poškodovana."),
                           QStringLiteral("Vhodna datoteka nima ustrezne zgradbe."),
                           QStringLiteral("Projekt novejši.znt je narejen z novejšo verzijo programa, zato ga ta "
                                          "verzija ne more odpreti.")}));
    EXPECT_FALSE(db::ProjectOpen());
    EXPECT_EQ(App().recentFiles, QStringList{QString()});
}

TEST(OpenProjectFile, AReadOnlyProjectIsRefusedWithTheWriteProtectionMessage) {
    test::TempHome home;
    const QString path = home.newProjectFile(QStringLiteral("zaklenjen.znt"));
    const QByteArray before = test::FileBytes(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_FALSE(shell::OpenProjectFile(path));
    EXPECT_EQ(home.messages().texts(),
              QStringList{QStringLiteral("Datoteka ") + path +
                          QStringLiteral(" je zaščitena proti pisanju.\nOdstranite zaščito in poskusite znova.")});
    EXPECT_FALSE(db::ProjectOpen());
    EXPECT_EQ(test::FileBytes(path), before);
}

TEST(CreateProjectAt, AppendsTheExtensionOnceAndOpens) {
    test::TempHome home;
    ASSERT_TRUE(shell::CreateProjectAt(home.file(QStringLiteral("Test"))));
    EXPECT_TRUE(QFileInfo::exists(home.file(QStringLiteral("Test.znt"))));
    EXPECT_EQ(App().projectFileName, QStringLiteral("Test.znt"));
    ASSERT_TRUE(shell::CreateProjectAt(home.file(QStringLiteral("Drugi.ZNT"))));
    EXPECT_EQ(App().projectFileName, QStringLiteral("Drugi.ZNT"));
    EXPECT_EQ(App().recentFiles.size(), 1) << "a first run remembers one project";
    EXPECT_TRUE(shell::ProposedProjectName().startsWith(QStringLiteral("Urnik 20")));

    QFile::remove(App().folders.defaultsDatabase());
    home.messages().clear();
    EXPECT_FALSE(shell::CreateProjectAt(home.file(QStringLiteral("Tretji"))));
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("Ni datoteke zn.opm.")});
    EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("Tretji.znt"))));
}

TEST(CompactProject, KeepsEveryRowAndReplacesTheFile) {
    test::TempHome home;
    const QString path = home.newProjectFile(QStringLiteral("velik.znt"));
    ASSERT_TRUE(shell::OpenProjectFile(path));
    auto &c = db::ProjectDb();
    {
        db::Transaction t(c);
        for (int i = 1; i <= 500; ++i)
            ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO UCITELJI VALUES (?, ?, 'Žan', NULL, 'Čeh')"),
                               {i, QStringLiteral("U%1").arg(i)}));
        ASSERT_TRUE(t.commit());
    }
    ASSERT_TRUE(c.exec(QStringLiteral("DELETE FROM UCITELJI WHERE ID > 250")));
    home.messages().clear();
    ASSERT_TRUE(shell::CompactProject());
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("Projekt velik.znt skrčen.")});
    EXPECT_TRUE(db::ProjectOpen());
    EXPECT_EQ(count(QStringLiteral("UCITELJI")), 250);
    EXPECT_EQ(count(QStringLiteral("UCITELJI WHERE PRIIMEK='Čeh'")), 250);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{QStringLiteral("velik.znt")});
}

TEST(CompactProject, AFailedCompactionLeavesTheOriginalAndNoTemporaryFile) {
    test::TempHome home;
    const QString path = home.newProjectFile(QStringLiteral("p.znt"));
    ASSERT_TRUE(shell::OpenProjectFile(path));
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral("INSERT INTO STAVBE VALUES (1,'A','Stavba A')")));
    // Something already stands where the compacted copy would go.
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral(".skrcitev")));
    const qint64 sizeBefore = QFileInfo(path).size();
    home.messages().clear();
    EXPECT_FALSE(shell::CompactProject());
    // The project was opened again (its repairs touch the header), but no page was rewritten.
    EXPECT_EQ(QFileInfo(path).size(), sizeBefore);
    EXPECT_TRUE(db::ProjectOpen());
    EXPECT_EQ(count(QStringLiteral("STAVBE")), 1);
    ASSERT_EQ(home.messages().messages().size(), 1);
    EXPECT_EQ(home.messages().messages().first().kind, core::MsgErrorDetails);
    EXPECT_TRUE(home.messages().texts().first().startsWith(
        QStringLiteral("Krčenje projekta p.znt ni uspelo; projekt je ostal nespremenjen.\n")));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.znt")});
}

TEST(SaveSettingsAsDefaults, CopiesTheTimeGridIntoTheDefaultsDatabase) {
    test::TempHome home;
    EXPECT_FALSE(shell::SaveSettingsAsDefaults());
    EXPECT_EQ(home.messages().texts(), QStringList{QStringLiteral("Trenutno ni odprt noben projekt")});
    const QString path = home.newProjectFile(QStringLiteral("p.znt"));
    ASSERT_TRUE(shell::OpenProjectFile(path));
    ASSERT_TRUE(
        db::ProjectDb().exec(QStringLiteral("INSERT INTO TURNUSI VALUES (2,'II'); INSERT INTO IZMENE VALUES (2,'B');"
                                            "UPDATE URE SET OZNAKA='1.', IME='Prva ura' WHERE URA=1;"
                                            "INSERT INTO IZMENA_TURNUS VALUES (2,2,3,3,3,3,3)")));
    home.messages().clear();
    ASSERT_TRUE(shell::SaveSettingsAsDefaults());
    EXPECT_EQ(home.messages().texts(),
              (QStringList{QStringLiteral("Shranjevanje nastavitev"), QStringLiteral("Nastavitve shranjene.")}));
    auto &d = db::SettingsDb();
    EXPECT_EQ(d.scalar(QStringLiteral("SELECT count(*) FROM TURNUSI")).toInt(), 3);
    EXPECT_EQ(d.scalar(QStringLiteral("SELECT IME FROM URE WHERE URA=1")).toString(), QStringLiteral("Prva ura"));
    EXPECT_EQ(d.scalar(QStringLiteral("SELECT PRVA_URA_PON FROM IZMENA_TURNUS WHERE ID_TURNUSA=2")).toInt(), 3);
    // A project created now starts with them.
    ASSERT_TRUE(shell::CreateProjectAt(home.file(QStringLiteral("nov"))));
    EXPECT_EQ(count(QStringLiteral("IZMENE")), 2);
}

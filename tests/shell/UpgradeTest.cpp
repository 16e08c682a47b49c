#include "db/Upgrade.h"
#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"
#include "db/Schema.h"
#include "shell/ProjectFiles.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zentrel;
using core::App;

namespace {

// A project as version 12 left it: without the three later columns, with data in many tables.
QString writeVersion12Project(test::TempHome &home, const QString &name) {
    return home.oldProjectFile(
        name, 12,
        QStringLiteral(
            "INSERT INTO INI VALUES ('Ime_Sole', 'OŠ Stara d''Or') ON CONFLICT(ATRIBUT) DO UPDATE SET "
            "VREDNOST=excluded.VREDNOST;"
            "ALTER TABLE IZBIRNI_PREDMETI DROP COLUMN STEVILO_UCITELJEV;"
            "ALTER TABLE PREDMETI_V_SKUPINI DROP COLUMN IME_SKUPINE_UCENCEV;"
            "ALTER TABLE ERD_UCENCI_PREDMETA DROP COLUMN TIP;"
            "INSERT INTO STAVBE VALUES (1,'G','Glavna');"
            "INSERT INTO PROSTORI VALUES (5,'KEM','Kemija',1,1);"
            "INSERT INTO SKUPINE_PROSTOROV VALUES (5,'KEM','Kemija');"
            "INSERT INTO PROSTORI_V_SKUPINI VALUES (5,5);"
            "INSERT INTO UCITELJI VALUES (1,'ŽK','Žiga',NULL,'Kovačič'),(2,'MČ','Mojca',NULL,'Čadež');"
            "INSERT INTO PREDMETI VALUES (1,'KEM','Kemija','',1);"
            "INSERT INTO SKUPINE_PREDMETOV VALUES (1,'KEM','Kemija',NULL,NULL,NULL);"
            "INSERT INTO PREDMETI_V_SKUPINI VALUES (1,1,1,NULL,NULL,NULL);"
            "INSERT INTO UCITELJ_PREDMET VALUES (1,1),(2,1);"
            "INSERT INTO PREDMETNIKI (ID,IME) VALUES (1,'Star');"
            "INSERT INTO IZBIRNI_NABORI (ID,IME,ID_RAZ_PREDMETNIKA) VALUES (1,'Izbirni',1);"
            "INSERT INTO IZBIRNI_PREDMETI (ID,ID_PREDMETA,ID_IZBIRNEGA_NABORA,NORMATIV_MAX,NORMATIV_MIN,STEVILO_UR) "
            "VALUES (1,1,1,20,10,2);"
            "INSERT INTO ERD_UCENEC (ID,OZNAKA,IME,PRIIMEK,SPOL) VALUES (1,'1','  Špela ','Horvat','Ž');"
            "INSERT INTO ERD_UCENCI_PREDMETA (ID,ID_UCENCA) VALUES (1,1);"));
}

} // namespace

TEST(Upgrade, AVersion12KvlProjectBecomesAZntWithEveryRowAndABackup) {
    test::TempHome home;
    const QString kvl = writeVersion12Project(home, QStringLiteral("Stari projekt.kvl"));
    home.messages().queueAnswers({core::Answer::Yes});
    ASSERT_TRUE(shell::OpenProjectFile(kvl));

    const QString znt = home.file(QStringLiteral("Stari projekt.znt"));
    EXPECT_EQ(App().projectPath(), znt);
    EXPECT_FALSE(QFileInfo::exists(kvl));
    EXPECT_TRUE(QFileInfo::exists(kvl + QStringLiteral(".bak")));
    EXPECT_EQ(home.messages().texts(),
              (QStringList{QStringLiteral("Projekt Stari projekt.kvl je narejen s starejšo verzijo programa.\n\n"
                                          "Projekt bo posodobljen. Star format podatkov bo shranjen v Stari "
                                          "projekt.kvl.bak.\n\n Ali  želiš nadajevati?"),
                           QStringLiteral("Posodabljam projekt Stari projekt.kvl"),
                           QStringLiteral("Projekt Stari projekt.znt posodobljen.")}));
    auto &c = db::ProjectDb();
    EXPECT_EQ(db::SchemaVersion(c), 19);
    EXPECT_EQ(App().schoolName, QStringLiteral("OŠ Stara d'Or"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM UCITELJI")).toInt(), 2);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT PRIIMEK FROM UCITELJI WHERE ID=1")).toString(),
              QStringLiteral("Kovačič"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM PROSTORI_V_SKUPINI")).toInt(), 1);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI")).toInt(), 1);
    // The later columns exist, with the values the upgrade gives them.
    EXPECT_TRUE(c.exec(QStringLiteral("SELECT IME_SKUPINE_UCENCEV FROM PREDMETI_V_SKUPINI")));
    EXPECT_TRUE(c.exec(QStringLiteral("SELECT TIP FROM ERD_UCENCI_PREDMETA")));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT STEVILO_UCITELJEV FROM IZBIRNI_PREDMETI")).toInt(), 0);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT IME FROM ERD_UCENEC")).toString(), QStringLiteral("Špela"));

    // The backup still holds the old project as it was.
    db::Connection old;
    ASSERT_TRUE(old.open(kvl + QStringLiteral(".bak")));
    EXPECT_EQ(db::SchemaVersion(old), 12);
    EXPECT_EQ(old.scalar(QStringLiteral("SELECT count(*) FROM UCITELJI")).toInt(), 2);
}

TEST(Upgrade, DecliningLeavesTheFileAndOpeningAddsTheMissingColumns) {
    test::TempHome home;
    const QString path = writeVersion12Project(home, QStringLiteral("star.znt"));
    home.messages().queueAnswers({core::Answer::No});
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(App().projectPath(), path);
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".bak")));
    auto &c = db::ProjectDb();
    EXPECT_EQ(db::SchemaVersion(c), 12);
    // The probe-and-add repairs: the elective starts with the number of teachers of its subject.
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT STEVILO_UCITELJEV FROM IZBIRNI_PREDMETI")).toInt(), 2);
    EXPECT_TRUE(c.exec(QStringLiteral("SELECT IME_SKUPINE_UCENCEV FROM PREDMETI_V_SKUPINI")));
    EXPECT_FALSE(c.tableExists(QStringLiteral("TMPSTEVILO")));
}

TEST(Upgrade, AnExistingZntNameKeepsTheKvlNameAndBackupsAreNumbered) {
    test::TempHome home;
    const QString kvl = writeVersion12Project(home, QStringLiteral("p.kvl"));
    home.newProjectFile(QStringLiteral("p.znt"));
    {
        QFile f(kvl + QStringLiteral(".bak"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    home.messages().queueAnswers({core::Answer::Yes});
    ASSERT_TRUE(shell::OpenProjectFile(kvl));
    EXPECT_EQ(App().projectPath(), kvl);
    EXPECT_TRUE(QFileInfo::exists(kvl + QStringLiteral(".bak1")));
    EXPECT_EQ(db::SchemaVersion(db::ProjectDb()), 19);
}

namespace {

// The sample school as a version-18 project, with permission bits of its own.
QString version18Sample(test::TempHome &home) {
    const QString path = test::CopyOfSample(home.file(QStringLiteral("šola 18.znt")));
    db::Connection c;
    EXPECT_TRUE(c.open(path));
    EXPECT_TRUE(db::WriteIni(QStringLiteral("18"), QStringLiteral("Verzija"), c));
    c.close();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    return path;
}

} // namespace

TEST(Upgrade, EveryRowOfEveryTableArrivesAndTheOldFileIsTheBackup) {
    test::TempHome home;
    const QString path = version18Sample(home);
    const QByteArray old = test::FileBytes(path);
    const QStringList tables = db::SchemaTables().mid(1); // all but INI, whose version changes
    const QStringList before = test::ProjectContents(path, tables);
    ASSERT_TRUE(db::ProjectDb().open(path));
    home.messages().queueAnswers({core::Answer::Yes});
    const db::UpgradeResult result = db::UpgradeProject(path, App().folders.defaultsDatabase());
    ASSERT_TRUE(result.upgraded) << home.messages().texts().join(u'\n').toStdString();
    EXPECT_EQ(result.path, path);
    EXPECT_EQ(test::FileBytes(path + QStringLiteral(".bak")), old);
    EXPECT_EQ(QFile::permissions(path), QFile::permissions(path + QStringLiteral(".bak")));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("šola 18.znt"), QStringLiteral("šola 18.znt.bak")}));

    // Nothing lost, and nothing the opening repairs find to change.
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(db::SchemaVersion(db::ProjectDb()), 19);
    EXPECT_EQ(App().schoolName, QStringLiteral("OŠ Primer"));
    EXPECT_EQ(test::ProjectContents(db::ProjectDb(), tables), before);
}

TEST(Upgrade, AFailureHalfWayLeavesTheProjectAsItWas) {
    test::TempHome home;
    const QString path = version18Sample(home);
    const QByteArray old = test::FileBytes(path);
    ASSERT_TRUE(db::SettingsDb().exec(QStringLiteral(
        "CREATE TRIGGER poln_disk BEFORE INSERT ON TERMINI BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
    ASSERT_TRUE(db::ProjectDb().open(path));
    home.messages().queueAnswers({core::Answer::Yes});
    const db::UpgradeResult result = db::UpgradeProject(path, App().folders.defaultsDatabase());
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(home.messages().texts().mid(1),
              (QStringList{QStringLiteral("Posodabljam projekt šola 18.znt"),
                           QStringLiteral("Projekt ni posodobljen: napaka pri prenosu tabele TERMINI.\ndisk full (1)"),
                           QString()}));
    EXPECT_FALSE(db::ProjectOpen());
    EXPECT_EQ(test::FileBytes(path), old);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{QStringLiteral("šola 18.znt")});
}

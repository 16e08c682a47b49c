#include "shell/Startup.h"
#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"
#include "shell/IniFile.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zentrel;
using core::App;

TEST(DefaultsDatabase, IsRestoredWhenMissingOrDamaged) {
    test::TempHome home(false);
    const QString opm = App().folders.defaultsDatabase();
    ASSERT_TRUE(shell::OpenDefaultsDatabase());
    EXPECT_TRUE(QFileInfo::exists(opm));
    EXPECT_EQ(db::SchemaVersion(db::SettingsDb()), 19);
    db::SettingsDb().close();

    {
        QFile f(opm);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("pokvarjeno");
    }
    ASSERT_TRUE(shell::OpenDefaultsDatabase());
    EXPECT_EQ(db::SettingsDb().scalar(QStringLiteral("SELECT count(*) FROM URE")).toInt(), 16);
    EXPECT_TRUE(QFileInfo::exists(opm + QStringLiteral(".bak"))) << "the damaged file is kept aside";
}

TEST(DefaultsDatabase, AnOlderOneIsReplacedAndItsSettingsCarriedOver) {
    test::TempHome home(false);
    const QString opm = App().folders.defaultsDatabase();
    ASSERT_TRUE(QFile::copy(App().folders.pristineDefaults(), opm));
    QFile::setPermissions(opm, QFile::ReadOwner | QFile::WriteOwner);
    {
        db::Connection c;
        ASSERT_TRUE(c.open(opm));
        ASSERT_TRUE(c.exec(QStringLiteral("UPDATE INI SET VREDNOST='17' WHERE ATRIBUT='Verzija';"
                                          "INSERT INTO INI VALUES ('Ime_Sole','OŠ Kočevje') ON CONFLICT(ATRIBUT) DO "
                                          "UPDATE SET VREDNOST=excluded.VREDNOST;"
                                          "INSERT INTO STAVBE VALUES (1,'Š','Šola');"
                                          "INSERT INTO UCITELJI VALUES (1,'X','',NULL,'');"
                                          "INSERT INTO IZMENE VALUES (2,'B');")));
    }
    ASSERT_TRUE(shell::OpenDefaultsDatabase());
    auto &c = db::SettingsDb();
    EXPECT_EQ(db::SchemaVersion(c), 19);
    EXPECT_EQ(App().startupSchoolName, QStringLiteral("OŠ Kočevje"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM STAVBE")).toInt(), 1);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM IZMENE")).toInt(), 2);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM UCITELJI")).toInt(), 0) << "only the nine tables";
    EXPECT_TRUE(QFileInfo::exists(opm + QStringLiteral(".bak")));
}

TEST(DefaultsDatabase, WithoutThePristineCopyTheProgramEnds) {
    test::TempHome home(false);
    App().folders.program = home.file(QStringLiteral("prazno"));
    QDir().mkpath(App().folders.program);
    EXPECT_FALSE(shell::OpenDefaultsDatabase());
    EXPECT_EQ(home.messages().texts(),
              QStringList{QStringLiteral("Ni datoteke ") + App().folders.program + QStringLiteral("/zn.opp.")});
}

TEST(StartUp, OpensTheSampleWhenTheRecentProjectIsGone) {
    test::TempHome home(false);
    qputenv("ZENTREL_HOME", home.file(QStringLiteral("dom")).toUtf8());
    const QString folder = home.file(QStringLiteral("program"));
    QDir().mkpath(folder);
    ASSERT_TRUE(QFile::copy(test::ProgramFolder() + QStringLiteral("/zn.opp"), folder + QStringLiteral("/zn.opp")));
    ASSERT_TRUE(QFile::copy(test::ProgramFolder() + QStringLiteral("/zn.opp"), folder + QStringLiteral("/primer.znt")));
    QDir().mkpath(home.file(QStringLiteral("dom")));
    shell::WriteIniSection(home.file(QStringLiteral("dom/zn.INI")), QStringLiteral("[recent files]"),
                           {home.file(QStringLiteral("izbrisan.znt"))});

    ASSERT_TRUE(shell::StartUp(folder));
    qunsetenv("ZENTREL_HOME");
    EXPECT_EQ(App().folders.userData, home.file(QStringLiteral("dom")));
    EXPECT_TRUE(db::ProjectOpen());
    EXPECT_EQ(App().projectPath(), home.file(QStringLiteral("dom/Urniki/primer.znt")));
    EXPECT_EQ(App().recentFiles.size(), 2);
    EXPECT_EQ(App().recentFiles.first(), App().projectPath());
}

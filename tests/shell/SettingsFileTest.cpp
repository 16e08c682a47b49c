#include "shell/SettingsFile.h"
#include "core/AppState.h"
#include "shell/IniFile.h"
#include "shell/ProjectFiles.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::core;
using namespace zentrel::shell;

namespace {

QString readAll(const QString &path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

void writeAll(const QString &path, const QString &text) {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
}

} // namespace

TEST(IniFile, SectionsAreReadReplacedAndAppended) {
    test::TempFolder dir;
    const QString ini = dir.file(QStringLiteral("zn.INI"));
    EXPECT_EQ(ReadIniSection(ini, QStringLiteral("[turn]")), QStringList{QString()});
    EXPECT_TRUE(QFile::exists(ini)) << "a missing file is created empty";

    writeAll(ini, QStringLiteral("[open file]\n/dom/urniki\n[arrangement]\n3\n"));
    ASSERT_TRUE(
        WriteIniSection(ini, QStringLiteral("[recent files]"), {QStringLiteral("/a.znt"), QStringLiteral("/b.znt")}));
    EXPECT_EQ(readAll(ini),
              QStringLiteral("[open file]\n/dom/urniki\n[arrangement]\n3\n[recent files]\n/a.znt\n/b.znt\n"));
    ASSERT_TRUE(WriteIniSection(ini, QStringLiteral("[open file]"), {QStringLiteral("/drugje"), QString()}));
    EXPECT_EQ(readAll(ini),
              QStringLiteral("[open file]\n/drugje\n\n[arrangement]\n3\n[recent files]\n/a.znt\n/b.znt\n"));
    EXPECT_EQ(ReadIniSection(ini, QStringLiteral("[recent files]")),
              (QStringList{QStringLiteral("/a.znt"), QStringLiteral("/b.znt"), QString()}));
    EXPECT_EQ(ReadIniSection(ini, QStringLiteral("[open file]")),
              (QStringList{QStringLiteral("/drugje"), QString(), QString()}));
}

TEST(IniFile, ValuesWithCommasAndQuotesRoundTrip) {
    test::TempFolder dir;
    const QString ini = dir.file(QStringLiteral("zn.INI"));
    const QStringList values{QStringLiteral("/dom/Urnik 2026, popravljen.znt"), QStringLiteral("\"narekovaj\" in ,"),
                             QStringLiteral("navadno")};
    ASSERT_TRUE(WriteIniSection(ini, QStringLiteral("[recent files]"), values));
    EXPECT_EQ(ReadIniSection(ini, QStringLiteral("[recent files]")), values + QStringList{QString()});
    // A line written by hand with a comma still gives two values.
    writeAll(ini, QStringLiteral("[magnification]\n120,80\n"));
    EXPECT_EQ(ReadIniSection(ini, QStringLiteral("[magnification]")),
              (QStringList{QStringLiteral("120"), QStringLiteral("80"), QString()}));
}

TEST(Settings, DefaultsMagnificationAndSentinels) {
    test::TempHome home;
    const QString ini = App().folders.settingsFile();
    EXPECT_DOUBLE_EQ(MagnificationFactor(QStringLiteral("150")), 1.5);
    EXPECT_DOUBLE_EQ(MagnificationFactor(QStringLiteral("160")), 1.0);
    EXPECT_DOUBLE_EQ(MagnificationFactor(QStringLiteral("40")), 1.0);
    EXPECT_DOUBLE_EQ(MagnificationFactor(QStringLiteral("x")), 1.0);

    ReadSettings();
    EXPECT_EQ(App().trenutniPredmetnik, -1);
    EXPECT_EQ(App().trenutniUrnik, -4);
    EXPECT_EQ(App().trenutniTurnus, -1);
    EXPECT_TRUE(App().settings.previewOn);
    EXPECT_EQ(App().recentFiles, QStringList{QString()});

    writeAll(ini, QStringLiteral("[timetable]\n\n[arrangement]\n4\n[turn]\n1\n[magnification]\n75\n150\nN\n"
                                 "[print]\nY\nN\n[open file]\n/dom\n"));
    ReadSettings();
    EXPECT_EQ(App().trenutniUrnik, -5);
    EXPECT_EQ(App().trenutniPredmetnik, 4);
    EXPECT_EQ(App().trenutniTurnus, 1);
    EXPECT_DOUBLE_EQ(App().settings.magnificationX, 0.75);
    EXPECT_DOUBLE_EQ(App().settings.magnificationY, 1.5);
    EXPECT_FALSE(App().settings.previewOn);
    EXPECT_EQ(App().settings.folders[6], QStringLiteral("/dom"));
    EXPECT_EQ(CheckBoxStates(QStringLiteral("[print]"), {false, false}), (QList<bool>{true, false}));
    EXPECT_EQ(CheckBoxStates(QStringLiteral("[print]"), {false, true, true}), (QList<bool>{false, true, true}))
        << "a stored count that differs leaves the dialog's defaults";

    App().trenutniUrnik = 12;
    App().settings.magnificationX = 1.2345;
    SetCheckBoxStates(QStringLiteral("[construction]"), {true, true, false});
    ASSERT_TRUE(WriteSettings());
    ReadSettings();
    EXPECT_EQ(App().trenutniUrnik, 12);
    EXPECT_DOUBLE_EQ(App().settings.magnificationX, 1.23);
    EXPECT_EQ(CheckBoxStates(QStringLiteral("[construction]"), {false, false, false}),
              (QList<bool>{true, true, false}));

    // The main window comes back where it was; lines that are no place give the default.
    App().settings.mainWindow = QRect(-40, 30, 1000, 700);
    App().settings.mainWindowMaximized = true;
    ASSERT_TRUE(WriteSettings());
    App().settings.mainWindow = QRect();
    ReadSettings();
    EXPECT_EQ(App().settings.mainWindow, QRect(-40, 30, 1000, 700));
    EXPECT_TRUE(App().settings.mainWindowMaximized);
    EXPECT_FALSE(WindowGeometry({"10", "20", "x", "700"}).isValid());
    EXPECT_FALSE(WindowGeometry({"10", "20", "50", "700"}).isValid());
    EXPECT_FALSE(WindowGeometry({"2147483647", "20", "900", "700"}).isValid());
    EXPECT_FALSE(WindowGeometry({"10", "20", "900"}).isValid());
}

TEST(RecentFiles, TheListGrowsByOneSlotPerRunUpToFive) {
    test::TempHome home;
    ReadSettings();
    AddRecentFile(QStringLiteral("/a.znt"));
    AddRecentFile(QStringLiteral("/b.znt"));
    EXPECT_EQ(App().recentFiles, QStringList{QStringLiteral("/b.znt")}) << "a first run keeps one name";

    ReadSettings();
    EXPECT_EQ(App().recentFiles, (QStringList{QStringLiteral("/b.znt"), QString()}));
    AddRecentFile(QStringLiteral("/c.znt"));
    EXPECT_EQ(App().recentFiles, (QStringList{QStringLiteral("/c.znt"), QStringLiteral("/b.znt")}));

    WriteIniSection(App().folders.settingsFile(), QStringLiteral("[recent files]"),
                    {"/1", "/2", "/3", "/4", "/5", "/6"});
    ReadSettings();
    EXPECT_EQ(App().recentFiles, (QStringList{"/1", "/2", "/3", "/4", "/5"}));
    AddRecentFile(QStringLiteral("/1"));
    EXPECT_EQ(App().recentFiles, (QStringList{"/1", "/2", "/3", "/4", "/5"})) << "the first stays where it is";
    AddRecentFile(QStringLiteral("/3"));
    EXPECT_EQ(App().recentFiles, (QStringList{"/3", "/1", "/2", "/4", "/5"}));
    AddRecentFile(QStringLiteral("/7"));
    EXPECT_EQ(App().recentFiles, (QStringList{"/7", "/3", "/1", "/2", "/4"}));
    AddRecentFile(QStringLiteral("/7.ZNT"));
    EXPECT_EQ(App().recentFiles.first(), QStringLiteral("/7.ZNT")) << "paths compare exactly";
    EXPECT_EQ(ReadIniSection(App().folders.settingsFile(), QStringLiteral("[recent files]")),
              (QStringList{"/7.ZNT", "/7", "/3", "/1", "/2", ""}));
}

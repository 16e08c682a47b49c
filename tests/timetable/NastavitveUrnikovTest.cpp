#include "timetable/NastavitveUrnikov.h"
#include "core/AppState.h"
#include "shell/IniFile.h"
#include "shell/SettingsFile.h"
#include "support/TempHome.h"
#include "timetable/AvtomatskoSestavljanje.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;

TEST(NastavitveUrnikov, TheTimetableWindowsOptionsSurviveTheProgram) {
    test::TempHome home(false);
    const QString ini = core::App().folders.settingsFile();
    nastavitve::NastaviBrisiStalne(true);
    nastavitve::NastaviOpozoriNaNerazporejene(false);
    nastavitve::NastaviSkrijKabinete(true);
    ASSERT_TRUE(shell::WriteSettings());
    EXPECT_EQ(shell::ReadIniSection(ini, QStringLiteral("[unassigned warning]")),
              QStringList({QStringLiteral("N"), QString()}));

    // The next start reads them back; without a stored value each option has its default.
    core::App().settings.checkBoxes.clear();
    EXPECT_TRUE(nastavitve::OpozoriNaNerazporejene());
    EXPECT_FALSE(nastavitve::BrisiStalne());
    shell::ReadSettings();
    EXPECT_TRUE(nastavitve::BrisiStalne());
    EXPECT_FALSE(nastavitve::OpozoriNaNerazporejene());
    EXPECT_TRUE(nastavitve::SkrijKabinete());

    // The figures of the third round's window.
    EXPECT_EQ(avtomatsko::Cas(3723500), QStringLiteral("1:02:03"));
    EXPECT_EQ(avtomatsko::Sestavljeno({0, 0, 0, 425, 427, QStringLiteral("99.53%")}),
              QStringLiteral("Sestavljeno: 425 / 427  99.53%"));
}

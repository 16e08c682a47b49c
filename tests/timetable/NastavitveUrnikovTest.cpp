#include "timetable/NastavitveUrnikov.h"
#include "core/AppState.h"
#include "shell/IniFile.h"
#include "shell/SettingsFile.h"
#include "support/TempHome.h"
#include "timetable/AvtomatskoSestavljanje.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::timetable;

TEST(NastavitveUrnikov, TheConstructionWindowsOptionsSurviveTheProgramAndBecomeARunsOptions) {
    test::TempHome home(false);
    const QString ini = core::App().folders.settingsFile();
    nastavitve::ShraniSestavljanje({false, true, true, QStringLiteral("2")});
    nastavitve::NastaviBrisiStalne(true);
    nastavitve::NastaviOpozoriNaNerazporejene(false);
    nastavitve::NastaviSkrijKabinete(true);
    ASSERT_TRUE(shell::WriteSettings());
    EXPECT_EQ(shell::ReadIniSection(ini, QStringLiteral("[construction]")),
              QStringList({QStringLiteral("N"), QStringLiteral("Y"), QStringLiteral("Y"), QString()}));
    EXPECT_EQ(shell::ReadIniSection(ini, QStringLiteral("[construction periods]")),
              QStringList({QStringLiteral("2"), QString()}));

    // The next start reads them back; without a stored value each option has its default.
    core::App().settings.checkBoxes.clear();
    EXPECT_TRUE(nastavitve::OpozoriNaNerazporejene());
    EXPECT_FALSE(nastavitve::BrisiStalne());
    shell::ReadSettings();
    const nastavitve::MoznostiOkna m = nastavitve::Sestavljanje();
    EXPECT_FALSE(m.selitev);
    EXPECT_TRUE(m.kabineti);
    EXPECT_TRUE(m.tretjiKrog);
    EXPECT_EQ(m.dodatneUre, QStringLiteral("2"));
    EXPECT_TRUE(nastavitve::BrisiStalne());
    EXPECT_FALSE(nastavitve::OpozoriNaNerazporejene());
    EXPECT_TRUE(nastavitve::SkrijKabinete());

    const MoznostiSestavljanja run = avtomatsko::Moznosti(m);
    EXPECT_TRUE(run.kabineti && run.tretjiKrog && !run.selitev);
    EXPECT_EQ(run.dodatneUre, 2);
    EXPECT_EQ(avtomatsko::DodatneUre(QStringLiteral(" 15 ")), 15);
    for (const char *vnos : {"", "16", "-1", "dva", "1.5"})
        EXPECT_EQ(avtomatsko::DodatneUre(QString::fromLatin1(vnos)), 0) << vnos;
    EXPECT_EQ(avtomatsko::Cas(3723500), QStringLiteral("1:02:03"));
    EXPECT_EQ(avtomatsko::Sestavljeno({0, 0, 0, 425, 427, QStringLiteral("99.53%")}),
              QStringLiteral("Sestavljeno: 425 / 427  99.53%"));
}

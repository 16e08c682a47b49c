#include "timetable/NastavitveSestavljanja.h"
#include "engine/SolaZaUrnik.h"
#include "core/AppState.h"
#include "shell/IniFile.h"
#include "shell/SettingsFile.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;

TEST(NastavitveSestavljanja, OptionsAreKeptInTheConstructionSectionOfTheSettingsFile) {
    test::TempHome home;
    const QString ini = core::App().folders.settingsFile();
    ASSERT_TRUE(shell::WriteIniSection(ini, QStringLiteral("[construction]"), {"Y", "N", "Y", "3", "25"}));
    shell::ReadSettings();
    MoznostiSestavljanja m = BeriNastavitveSestavljanja();
    EXPECT_TRUE(m.selitev);
    EXPECT_FALSE(m.kabineti);
    EXPECT_TRUE(m.tretjiKrog);
    EXPECT_EQ(m.dodatneUre, 3);
    EXPECT_EQ(m.mirovanje, 25);

    m.selitev = false;
    m.kabineti = true;
    m.dodatneUre = 2;
    EXPECT_FALSE(m.dokoncaj) << "a file of five lines: off";
    m.dokoncaj = true;
    ShraniNastavitveSestavljanja(m);
    ASSERT_TRUE(shell::WriteSettings());
    EXPECT_EQ(shell::ReadIniSection(ini, QStringLiteral("[construction]")),
              (QStringList{"N", "Y", "Y", "2", "25", "Y", ""}));
    shell::ReadSettings();
    const MoznostiSestavljanja znova = BeriNastavitveSestavljanja();
    EXPECT_FALSE(znova.selitev);
    EXPECT_TRUE(znova.kabineti);
    EXPECT_EQ(znova.dodatneUre, 2);
    EXPECT_TRUE(znova.dokoncaj);

    // Lines that are no numbers or out of range give the defaults.
    ASSERT_TRUE(shell::WriteIniSection(ini, QStringLiteral("[construction]"), {"Y", "x", "N", "2147483647", "nan"}));
    shell::ReadSettings();
    const MoznostiSestavljanja slabe = BeriNastavitveSestavljanja();
    EXPECT_TRUE(slabe.selitev);
    EXPECT_FALSE(slabe.kabineti);
    EXPECT_EQ(slabe.dodatneUre, 0);
    EXPECT_EQ(slabe.mirovanje, 10);
}

TEST(NastavitveSestavljanja, BuildingChangesAreOfferedWithMoreThanOneBuilding) {
    test::SolaZaUrnik x;
    ASSERT_TRUE(x.project.db().exec(QStringLiteral("DELETE FROM STAVBE")));
    x.s.stavba(QStringLiteral("Glavna"));
    EXPECT_FALSE(SelitevNaVoljo());
    x.s.stavba(QStringLiteral("Druga"));
    EXPECT_TRUE(SelitevNaVoljo());
}

#include "basicdata/ImeSole.h"
#include "Fixture.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::BasicDataFixture;

using Sola = BasicDataFixture;

TEST_F(Sola, SchoolNameIsRequiredAndKeptProgramWide) {
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

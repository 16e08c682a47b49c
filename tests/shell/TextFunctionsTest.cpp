#include "core/TextFunctions.h"
#include "shell/LookupTables.h"

#include <gtest/gtest.h>

using namespace zentrel::core;
using namespace zentrel::shell;

TEST(TextFunctions, SafeFileNameHtmlTextAndSplitPath) {
    EXPECT_EQ(SafeFileName(QStringLiteral("Šola 1/A")), QStringLiteral("Shola_1_A"));
    EXPECT_EQ(SafeFileName(QStringLiteral("čžćđ ČŽĆĐ a\\b|c<d>e:f;g")),
              QStringLiteral("chzhchdj_ChZhChDj_a_b_c_d_e_f_g"));
    EXPECT_EQ(HtmlText(QStringLiteral("Kemija & \"biologija\" <Š ž>")),
              QStringLiteral("Kemija &amp; &quot;biologija&quot; &lt;Š ž&gt;"));
    EXPECT_EQ(SplitPath(QStringLiteral("/dom/urniki/a.znt")),
              std::make_pair(QStringLiteral("/dom/urniki/"), QStringLiteral("a.znt")));
    EXPECT_EQ(SplitPath(QStringLiteral("C:\\urniki\\a.znt")),
              std::make_pair(QStringLiteral("C:\\urniki\\"), QStringLiteral("a.znt")));
    EXPECT_EQ(SplitPath(QStringLiteral("a.znt")), std::make_pair(QStringLiteral("/"), QStringLiteral("a.znt")));
}

TEST(TextFunctions, SameTextFoldsCaseOfEveryLetter) {
    EXPECT_TRUE(SameText(QStringLiteral("Test"), QStringLiteral("TEST")));
    EXPECT_TRUE(SameText(QStringLiteral("Čebela Šiška Žaba"), QStringLiteral("čEBELA šIŠKA žABA")));
    EXPECT_TRUE(SameText(QStringLiteral(" 7.a "), QStringLiteral("7.A")));
    EXPECT_FALSE(SameText(QStringLiteral("Cebela"), QStringLiteral("Čebela")));
    EXPECT_FALSE(SameText(QStringLiteral("7.a"), QStringLiteral("7.b")));
}

TEST(LookupTables, DaysNumeralsAndGroups) {
    EXPECT_EQ(Lookup::DayNames().at(1), QStringLiteral("ponedeljek"));
    EXPECT_EQ(Lookup::DayNames().at(4), QStringLiteral("četrtek"));
    EXPECT_EQ(Lookup::DayNames3().at(4), QStringLiteral("ČET"));
    EXPECT_EQ(Lookup::DayNames1().at(7), QStringLiteral("N"));
    EXPECT_EQ(Lookup::DayNames2().at(3), QStringLiteral("sr"));
    EXPECT_EQ(Lookup::RomanNumerals().at(8), QStringLiteral("VIII"));
    EXPECT_EQ(Lookup::ClassLetters().at(8), QStringLiteral("I"));
    EXPECT_EQ(Lookup::ConstructionSizes().at(0), QStringLiteral("Ni avtomatsko"));
    EXPECT_EQ(Lookup::LabelsByTeachers().at(1), QStringLiteral("Učitelji"));
    EXPECT_EQ(Lookup::TabGroupStarts().at(10), 111);
}

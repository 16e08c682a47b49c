#include "core/TextFunctions.h"

#include <gtest/gtest.h>

using namespace zentrel::core;

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

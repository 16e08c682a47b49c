#include "basicdata/RecordText.h"
#include "Fixture.h"
#include "basicdata/SkupineProstorov.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::BasicDataFixture;

TEST(RecordText, LabelsHeadersAndGroupCodes) {
    EXPECT_EQ(RecordLabel(QStringLiteral("1a"), QStringLiteral("1A")), QStringLiteral("1a"));
    EXPECT_EQ(RecordLabel(QStringLiteral("Č1"), QStringLiteral("č1")), QStringLiteral("Č1"));
    EXPECT_EQ(RecordLabel(QStringLiteral("1a"), QString()), QStringLiteral("1a"));
    EXPECT_EQ(RecordLabel(QStringLiteral("1a"), QStringLiteral("Prvi a")), QStringLiteral("1a - Prvi a"));
    EXPECT_EQ(FrameHeader(QStringLiteral("Prostor"), QStringLiteral("Nov prostor"), false, QString()),
              QStringLiteral("Prostor"));
    EXPECT_EQ(TeacherName(QStringLiteral("KO"), QStringLiteral(" Ana "), QString(), QStringLiteral("Kos")),
              QStringLiteral("Ana Kos"));
    EXPECT_EQ(TeacherName(QStringLiteral("KO"), QStringLiteral(" "), QString(), QString()), QStringLiteral("KO"));
    EXPECT_EQ(NamedGroupCode(QStringLiteral("A1")), QStringLiteral("$A1"));
    EXPECT_EQ(NamedGroupCode(QStringLiteral("$A1")), QStringLiteral("$A1"));
    EXPECT_EQ(NamedGroupCode(QStringLiteral("Čžš0123456789")), QStringLiteral("$Čžš012345"));
    EXPECT_EQ(NameAfterCode(QStringLiteral("K1"), QString()), QStringLiteral("K1"));
    EXPECT_EQ(NameAfterCode(QStringLiteral("K1"), QStringLiteral("Kabinet")), QStringLiteral("Kabinet"));
}

using SkupneIzbire = BasicDataFixture;

TEST_F(SkupneIzbire, CurrentCurriculumFallsBackToTheOnlyOne) {
    EXPECT_EQ(CurrentCurriculum(), -1);
    curriculum(4, QStringLiteral("2026"));
    EXPECT_EQ(CurrentCurriculum(), 4);
    core::App().trenutniPredmetnik = 9; // gone from the project
    EXPECT_EQ(CurrentCurriculum(), 4);
    curriculum(5, QStringLiteral("2027"));
    EXPECT_EQ(CurrentCurriculum(), -1);
    core::App().trenutniPredmetnik = 5;
    EXPECT_EQ(CurrentCurriculum(), 5);
}

TEST_F(SkupneIzbire, RoomGroupTreeListsEachNamedGroupWithItsMembers) {
    building(1, QStringLiteral("A"));
    room(1, QStringLiteral("R1"), 1);
    room(2, QStringLiteral("R2"), 1);
    roomGroup(3, QStringLiteral("$B"), {1, 2});
    roomGroup(4, QStringLiteral("$A"), {3, 2});
    SkupineProstorov skupine;
    const db::RowSet tree = skupine.memberTree();
    QStringList lines;
    for (int r = 0; r < tree.rowCount(); ++r)
        lines << tree.text(r, QStringLiteral("OZNAKA")) + u'/' + tree.text(r, QStringLiteral("ID_OCETA")) + u'/' +
                     tree.text(r, QStringLiteral("ST"));
    EXPECT_EQ(lines, QStringList({QStringLiteral("$A//2"), QStringLiteral("$B/4/"), QStringLiteral("R2/4/"),
                                  QStringLiteral("$B//2"), QStringLiteral("R1/3/"), QStringLiteral("R2/3/")}));
}

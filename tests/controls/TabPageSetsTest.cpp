#include "controls/TabPageSets.h"
#include "support/TempProject.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::controls;

namespace {

QStringList captions(const QList<TabDef> &tabs) {
    QStringList out;
    for (const TabDef &t : tabs)
        out << t.caption;
    return out;
}

} // namespace

// Tabs are found by their captions in two rows; the ids are the keys windows and printouts use.
TEST(TabPageSets, TabsAreFoundByCaptionInTwoRows) {
    const PageSet basic = PageSet::Build(2);
    EXPECT_EQ(captions(basic.secondRow(basic.find(QStringLiteral("Učitelji")))),
              (QStringList{"Želi prostore", "Uči predmete", "Prepovedi učiteljev"}));
    EXPECT_EQ(basic.find(QStringLiteral("Prostori")), 7);
    EXPECT_EQ(basic.find(QStringLiteral("Prostori"), QStringLiteral("Skupine prostorov")), 8);
    EXPECT_EQ(basic.find(QStringLiteral("Enote"), QStringLiteral("Prepovedi učiteljev")), -1);
    EXPECT_TRUE(basic.secondRow(-1).isEmpty()); // top tabs are nobody's second row

    // The automatic stage of the electives swaps that second row and keeps every other id.
    const PageSet plans = PageSet::Build(3);
    const int elective = plans.find(QStringLiteral("Izbirni postopek"));
    PageSetContext automatic;
    automatic.electivesAutomaticStage = true;
    const PageSet plansAuto = PageSet::Build(3, automatic);
    EXPECT_EQ(
        captions(plansAuto.secondRow(elective)),
        (QStringList{"Avtomatsko", "Izbirne skupine", "Učenci izbirnih skupin", "Predmeti učencev", "Nedokončani"}));
    EXPECT_EQ(plans.find(QStringLiteral("Razpored"), QStringLiteral("Razpored učitelja")), 43);
    EXPECT_EQ(plansAuto.find(QStringLiteral("Razpored"), QStringLiteral("Razpored učitelja")), 43);

    // The timetable printouts keep their object keys 95 to 99.
    const PageSet prints = PageSet::Build(8);
    EXPECT_EQ(prints.find(QStringLiteral("Urniki"), QStringLiteral("Enote")), 95);
    EXPECT_EQ(prints.find(QStringLiteral("Urniki"), QStringLiteral("Prostori")), 99);
    EXPECT_TRUE(PageSet::Build(11).tabs().isEmpty());
}

TEST(TabPageSets, IdsAreUniqueAndStayWithinTheirSet) {
    QSet<int> seen;
    for (bool stage : {false, true}) {
        PageSetContext context;
        context.electivesAutomaticStage = stage;
        for (int set = 0; set < PageSet::SetCount; ++set) {
            const PageSet pageSet = PageSet::Build(set, context);
            for (const TabDef &t : pageSet.tabs()) {
                if (t.id >= PageSet::ElectiveAutomaticFirstId)
                    continue;
                EXPECT_GE(t.id, FirstTabIndex(set));
                if (set + 1 < PageSet::SetCount) {
                    EXPECT_LT(t.id, FirstTabIndex(set + 1)) << t.caption.toStdString();
                }
                if (!stage) {
                    EXPECT_FALSE(seen.contains(t.id)) << t.id;
                }
                seen.insert(t.id);
            }
        }
    }
    EXPECT_EQ(FirstTabIndex(10), 111);
    EXPECT_EQ(FirstTabIndex(11), -1);
}

TEST(TabPageSets, KeyToolTipsAndTheTimetableCount) {
    EXPECT_EQ(TabToolTip(false, 0, QStringLiteral("Ime šole")),
              QStringLiteral("Tipka Ctrl+1: Odpre zavihek »Ime šole«"));
    EXPECT_EQ(TabToolTip(true, 2, QStringLiteral("Učenci enote")),
              QStringLiteral("Tipka Shift+Ctrl+3: Odpre zavihek »Učenci enote«"));
    // The tenth tab and later have no key of their own.
    EXPECT_EQ(TabToolTip(false, 9, QStringLiteral("Učenci")), QStringLiteral("Odpre zavihek »Učenci«"));

    test::TempProject project;
    EXPECT_EQ(CountTimetables(project.db()), 0);
    PageSetContext none;
    const PageSet empty = PageSet::Build(PageSet::TimetableSet, none);
    EXPECT_EQ(empty.unavailableTabs().size(), empty.tabs().size() - 1);
    EXPECT_FALSE(empty.unavailableTabs().contains(empty.find(QStringLiteral("Izbira"))));

    ASSERT_TRUE(project.db().exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'R')")));
    ASSERT_TRUE(project.db().exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'U', 1)")));
    PageSetContext one;
    one.timetableCount = CountTimetables(project.db());
    EXPECT_EQ(one.timetableCount, 1);
    EXPECT_TRUE(PageSet::Build(PageSet::TimetableSet, one).unavailableTabs().isEmpty());
}

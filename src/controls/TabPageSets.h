#pragma once

#include "db/Connection.h"

#include <QList>
#include <QString>

namespace zentrel::controls {

// One tab of a page set. Top tabs have parent -1; second-row tabs name their top tab's id.
struct TabDef {
    int id = -1; // unique over all page sets: the set's first tab index plus the tab's ordinal
    QString caption;
    int parent = -1;
};

// What decides the shape of a page set when it is opened.
struct PageSetContext {
    int timetableCount = 0;               // rows of URNIKI (timetable page set)
    bool electivesAutomaticStage = false; // the elective process has reached its automatic stage
};

// The tabs of one page set (0 to 10) in order: each top tab followed by its second-row tabs.
class PageSet {
public:
    static constexpr int SetCount = 11;
    // Page set 4 (timetables): its tabs other than "Izbira" need a timetable.
    static constexpr int TimetableSet = 4;
    // Ids of the automatic-stage tabs of the elective process (page set 3); they lie outside
    // the ordinal ranges because the two stages share one place in the strip.
    static constexpr int ElectiveAutomaticFirstId = 130;

    PageSet() = default;
    // Builds page set `set` for the context; an unknown set gives an empty page set.
    static PageSet Build(int set, const PageSetContext &context = {});

    int set() const { return m_set; }
    // By value (shared, cheap), so that ranging over a temporary page set is safe.
    QList<TabDef> tabs() const { return m_tabs; }
    QList<TabDef> topTabs() const;
    QList<TabDef> secondRow(int topId) const;
    const TabDef *tab(int id) const;
    // Id of the tab with that caption (a top tab, or the second-row tab under that top tab); -1.
    int find(const QString &topCaption, const QString &secondCaption = QString()) const;
    // Tabs that cannot be chosen in this context (without timetables only "Izbira" can).
    QList<int> unavailableTabs() const { return m_unavailable; }

private:
    int m_set = -1;
    QList<TabDef> m_tabs;
    QList<int> m_unavailable;
};

// First tab index of each page set: 0, 4, 7, 27, 44, 51, 64, 78, 94, 108, 111; -1 outside 0..10.
int FirstTabIndex(int set);

// Tool tip of a tab: "Tipka Ctrl+" or "Tipka Shift+Ctrl+" and the key that chooses it, then what
// it opens ("Tipka Ctrl+2: Odpre zavihek »Stavbe«"); a tab without a key only says what it opens.
QString TabToolTip(bool secondRow, int position, const QString &caption);
// The digit key of a tab position (1 to 9), or 0 when the position has no key.
int TabKeyDigit(int position);

// Number of timetables of the project ("Select count(*) as ST from URNIKI"); 0 on failure.
int CountTimetables(db::Connection &connection);

} // namespace zentrel::controls

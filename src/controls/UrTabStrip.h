#pragma once

#include "TabPageSets.h"

#include <QSet>
#include <QWidget>

class QTabBar;

namespace zentrel::controls {

// The two-level tab strip: the top tabs of a page set and, under the chosen top tab, its
// second row (the top tab's own page first, then its second-row tabs). Ctrl+1..9 choose a top
// tab, Shift+Ctrl+1..9 an entry of the second row; the tool tips say so. Every change asks
// BeforeTabClick first and is undone when refused; TabClick tells the chosen tab's id.
class UrTabStrip : public QWidget {
    Q_OBJECT
public:
    explicit UrTabStrip(QWidget *parent = nullptr);

    // Builds the strip for page set `set` in the context (no tab chosen yet).
    void Initialize(int set, const PageSetContext &context = {});
    // Builds the strip from a ready page set.
    void SetTabs(const PageSet &pageSet);
    const PageSet &Tabs() const { return m_pageSet; }
    // Chooses a tab by id as the program (no BeforeTabClick); false when it is not there or
    // disabled.
    bool ShowTab(int id);
    // Makes sure an enabled tab is chosen: keeps the current one, else the first enabled one.
    // Returns the chosen id or -1.
    int CheckTabSelect();
    void EnableTabs(const QList<int> &ids);
    void DisableTabs(const QList<int> &ids);
    bool IsTabEnabled(int id) const { return !m_disabled.contains(id) && m_pageSet.tab(id); }
    int CurrentTab() const { return m_current; }
    // The area below the strip: its top in the parent's coordinates and its height there.
    int ClientTop() const;
    int ClientHeight() const;

    // Chooses as the user would: asks BeforeTabClick first. A top tab without a page of its own
    // (or with its page unavailable) leads to the first available entry of its second row, and is
    // enabled while there is one. False when refused or not possible.
    bool ChooseTab(int id);
    // The key handling: Ctrl (+Shift) and a digit; true when used.
    bool ProcessKey(int qtKey, Qt::KeyboardModifiers modifiers);
    bool ProcessKeyEvent(QKeyEvent *event);

    QTabBar *TopRow() const { return m_top; }
    QTabBar *SecondRow() const { return m_second; }

signals:
    void TabClick(int pTabStrId);
    void BeforeTabClick(bool &pCancel, bool &pSomeActionDone);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void rebuildTop();
    void rebuildSecond(int topId);
    void select(int id);
    int topOf(int id) const;
    // The tab that choosing id shows (see ChooseTab), or -1.
    int landingTab(int id) const;
    QList<int> secondRowIds(int topId) const;

    PageSet m_pageSet;
    QTabBar *m_top;
    QTabBar *m_second;
    QSet<int> m_disabled;
    int m_current = -1;
    bool m_updating = false;
};

} // namespace zentrel::controls

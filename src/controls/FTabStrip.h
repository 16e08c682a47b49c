#pragma once

#include "UrTabStrip.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>

class QStackedWidget;

namespace zentrel::controls {

// Creates the window of a tab, as a child of the given parent.
using TabWindowFactory = std::function<QWidget *(QWidget *parent)>;

// Registers the window of a tab (by its id, see PageSet::find); a tab without a registered
// window is shown disabled. Registering again replaces the factory.
void RegisterTabWindow(int tabId, TabWindowFactory factory);
void UnregisterTabWindow(int tabId);
bool IsTabWindowRegistered(int tabId);
// Tells whether the elective process has reached its automatic stage (page set 3).
void SetElectiveStageProvider(std::function<bool()> provider);

// The tabbed container of the menu areas: a page set on the tab strip and, below it, the
// window of the chosen tab, created on first choice and kept while the page set is shown.
// Leaving a tab first lets the window refuse (TabWindow::BeforeTabClick) and then leaves the
// command bar's edit or add state, saving or discarding as the bar does; a refusal keeps the tab.
class FTabStrip : public QWidget {
    Q_OBJECT
public:
    explicit FTabStrip(QWidget *parent = nullptr);
    ~FTabStrip() override;

    // Shows page set `set` (0 to 10) of the menu area captioned `menuCaption`, on the tab
    // chosen last in this set, else the first available one. The timetable set first counts
    // the timetables of the project. False when no tab of the set can be chosen.
    bool ShowPageSet(int set, const QString &menuCaption);
    int PageSetShown() const { return m_set; }
    // Builds the page set shown again, on the tab chosen last (its shape may have changed, as
    // with the stage of the elective process). Deletes the tabs' windows: call it queued from one.
    bool ShowPageSetAgain() { return ShowPageSet(m_set, m_menuCaption); }
    // Enables and disables the tabs of the page set shown anew for what the project holds now
    // (the timetable tabs as the first timetable comes or the last one goes), keeping the
    // windows and the tab chosen. Call it when a window changed what the page set depends on.
    void UpdateAvailability();
    // The strip a window is shown in (its nearest ancestor), or nullptr.
    static FTabStrip *Of(QWidget *window);
    // Closes the windows of the tabs; false when one refuses (nothing is closed then).
    bool CloseAllTabs();
    // Forgets the tab chosen last in every set (a project was opened).
    static void ResetRememberedTabs();

    UrTabStrip *TabStrip() const { return m_strip; }
    QWidget *CurrentWindow() const;
    QWidget *WindowOfTab(int id) const;

signals:
    // The work caption: the menu caption, "  -  " and the tab's caption.
    void workCaptionChanged(const QString &caption);

private:
    PageSet build(int set) const;
    void onTabClick(int id);
    void onBeforeTabClick(bool &cancel, bool &someActionDone);
    bool leaveCurrent(bool &someActionDone);

    UrTabStrip *m_strip;
    QStackedWidget *m_stack;
    QHash<int, QPointer<QWidget>> m_windows;
    int m_set = -1;
    QString m_menuCaption;
};

} // namespace zentrel::controls

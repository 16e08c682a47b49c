#include "FTabStrip.h"

#include "TabWindow.h"
#include "UrComndBar.h"
#include "UrComndBarClient.h"
#include "core/AppState.h"
#include "db/MBaza.h"

#include <QApplication>
#include <QMap>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zentrel::controls {

namespace {

QMap<int, TabWindowFactory> &registry() {
    static QMap<int, TabWindowFactory> factories;
    return factories;
}

std::function<bool()> &electiveStage() {
    static std::function<bool()> provider;
    return provider;
}

QMap<int, int> &rememberedTabs() {
    static QMap<int, int> tabs;
    return tabs;
}

// The keys, the underlined letters of the window's buttons among them, act in the window of the
// tab shown: the focus goes into it (to the field it last had, else the first that takes it)
// unless the window put it there itself. In the program's multiple-document frame an
// underlined letter works only while the focus is inside the frame's window.
void focusInto(QWidget *window) {
    const QWidget *focus = QApplication::focusWidget();
    if (focus && window->isAncestorOf(focus))
        return;
    QWidget *last = window->focusWidget();
    if (last && last->isVisibleTo(window) && last->isEnabled() && last->focusPolicy() != Qt::NoFocus) {
        last->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (window->isAncestorOf(w) && w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
}

} // namespace

void RegisterTabWindow(int tabId, TabWindowFactory factory) {
    registry().insert(tabId, std::move(factory));
}

void UnregisterTabWindow(int tabId) {
    registry().remove(tabId);
}

bool IsTabWindowRegistered(int tabId) {
    return registry().contains(tabId);
}

void SetElectiveStageProvider(std::function<bool()> provider) {
    electiveStage() = std::move(provider);
}

void FTabStrip::ResetRememberedTabs() {
    rememberedTabs().clear();
}

FTabStrip::FTabStrip(QWidget *parent)
    : QWidget(parent), m_strip(new UrTabStrip(this)), m_stack(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("FTabStrip"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_strip);
    layout->addWidget(m_stack, 1);
    connect(m_strip, &UrTabStrip::TabClick, this, &FTabStrip::onTabClick);
    connect(m_strip, &UrTabStrip::BeforeTabClick, this, &FTabStrip::onBeforeTabClick);
}

FTabStrip::~FTabStrip() = default;

PageSet FTabStrip::build(int set) const {
    PageSetContext context;
    if (set == PageSet::TimetableSet && db::ProjectOpen())
        context.timetableCount = CountTimetables(db::ProjectDb());
    if (electiveStage())
        context.electivesAutomaticStage = electiveStage()();
    return PageSet::Build(set, context);
}

bool FTabStrip::ShowPageSet(int set, const QString &menuCaption) {
    const PageSet pageSet = build(set);
    if (pageSet.set() < 0)
        return false;

    for (const QPointer<QWidget> &w : std::as_const(m_windows))
        delete w.data();
    m_windows.clear();
    m_set = set;
    m_menuCaption = menuCaption;
    m_strip->SetTabs(pageSet);
    QList<int> unregistered;
    for (const TabDef &t : pageSet.tabs())
        if (!IsTabWindowRegistered(t.id))
            unregistered << t.id;
    m_strip->DisableTabs(unregistered);

    const int remembered = rememberedTabs().value(set, -1);
    if (remembered >= 0 && m_strip->ShowTab(remembered))
        return true;
    return m_strip->CheckTabSelect() >= 0;
}

void FTabStrip::UpdateAvailability() {
    if (m_set < 0)
        return;
    const PageSet pageSet = build(m_set);
    const QList<int> unavailable = pageSet.unavailableTabs();
    QList<int> on, off;
    for (const TabDef &t : pageSet.tabs())
        (unavailable.contains(t.id) || !IsTabWindowRegistered(t.id) ? off : on) << t.id;
    m_strip->EnableTabs(on);
    m_strip->DisableTabs(off);
}

FTabStrip *FTabStrip::Of(QWidget *window) {
    for (QWidget *w = window; w; w = w->parentWidget())
        if (auto *strip = qobject_cast<FTabStrip *>(w))
            return strip;
    return nullptr;
}

QWidget *FTabStrip::WindowOfTab(int id) const {
    return m_windows.value(id).data();
}

QWidget *FTabStrip::CurrentWindow() const {
    return WindowOfTab(m_strip->CurrentTab());
}

void FTabStrip::onTabClick(int id) {
    QWidget *window = m_windows.value(id).data();
    if (!window) {
        const TabWindowFactory factory = registry().value(id);
        if (!factory)
            return;
        window = factory(m_stack);
        if (!window)
            return;
        m_windows.insert(id, window);
        m_stack->addWidget(window);
    }
    m_stack->setCurrentWidget(window);
    rememberedTabs().insert(m_set, id);
    if (const TabDef *t = m_strip->Tabs().tab(id))
        emit workCaptionChanged(m_menuCaption + QStringLiteral("  -  ") + t->caption);
    if (auto *tabWindow = dynamic_cast<TabWindow *>(window))
        tabWindow->TabActivated();
    focusInto(window);
}

bool FTabStrip::leaveCurrent(bool &someActionDone) {
    QWidget *window = CurrentWindow();
    if (auto *tabWindow = dynamic_cast<TabWindow *>(window)) {
        bool cancel = false;
        tabWindow->BeforeTabClick(cancel, someActionDone);
        if (cancel)
            return false;
    }
    // A record being edited or added is saved or discarded the way the bar leaves that state.
    UrComndBar *bar = UrComndBar::CommandBar();
    if (bar && window && bar->client() && window->isAncestorOf(bar->client()) &&
        (bar->State() == BarState::Edit || bar->State() == BarState::Add)) {
        bar->ResetAllKeys();
        someActionDone = true;
        if (bar->State() == BarState::Edit || bar->State() == BarState::Add)
            return false;
    }
    return true;
}

void FTabStrip::onBeforeTabClick(bool &cancel, bool &someActionDone) {
    cancel = !leaveCurrent(someActionDone);
}

bool FTabStrip::CloseAllTabs() {
    bool someActionDone = false;
    if (!leaveCurrent(someActionDone))
        return false;
    for (const QPointer<QWidget> &w : std::as_const(m_windows))
        if (auto *tabWindow = dynamic_cast<TabWindow *>(w.data()); tabWindow && !tabWindow->CanClose())
            return false;
    for (const QPointer<QWidget> &w : std::as_const(m_windows))
        delete w.data();
    m_windows.clear();
    return true;
}

} // namespace zentrel::controls

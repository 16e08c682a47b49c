#include "UrTabStrip.h"

#include <QKeyEvent>
#include <QTabBar>
#include <QVBoxLayout>

namespace zentrel::controls {

UrTabStrip::UrTabStrip(QWidget *parent) : QWidget(parent), m_top(new QTabBar(this)), m_second(new QTabBar(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_top);
    layout->addWidget(m_second);
    m_top->setExpanding(false);
    m_second->setExpanding(false);
    m_second->hide();
    setFocusPolicy(Qt::StrongFocus);
    connect(m_top, &QTabBar::currentChanged, this, [this](int index) {
        if (m_updating || index < 0)
            return;
        if (!ChooseTab(m_top->tabData(index).toInt()))
            select(m_current); // refused: the strip shows the tab that stays
    });
    connect(m_second, &QTabBar::currentChanged, this, [this](int index) {
        if (m_updating || index < 0)
            return;
        if (!ChooseTab(m_second->tabData(index).toInt()))
            select(m_current);
    });
}

void UrTabStrip::Initialize(int set, const PageSetContext &context) {
    SetTabs(PageSet::Build(set, context));
}

void UrTabStrip::SetTabs(const PageSet &pageSet) {
    m_pageSet = pageSet;
    m_disabled.clear();
    for (int id : pageSet.unavailableTabs())
        m_disabled.insert(id);
    m_current = -1;
    rebuildTop();
    rebuildSecond(-1);
}

void UrTabStrip::rebuildTop() {
    m_updating = true;
    while (m_top->count() > 0)
        m_top->removeTab(0);
    const QList<TabDef> tops = m_pageSet.topTabs();
    for (int i = 0; i < tops.size(); ++i) {
        const int index = m_top->addTab(tops.at(i).caption);
        m_top->setTabData(index, tops.at(i).id);
        m_top->setTabToolTip(index, TabToolTip(false, i, tops.at(i).caption));
        m_top->setTabEnabled(index, landingTab(tops.at(i).id) >= 0);
    }
    m_top->setCurrentIndex(-1);
    m_updating = false;
}

QList<int> UrTabStrip::secondRowIds(int topId) const {
    QList<int> ids;
    if (!m_pageSet.tab(topId))
        return ids;
    const QList<TabDef> children = m_pageSet.secondRow(topId);
    if (children.isEmpty())
        return ids;
    ids << topId;
    for (const TabDef &t : children)
        ids << t.id;
    return ids;
}

void UrTabStrip::rebuildSecond(int topId) {
    m_updating = true;
    while (m_second->count() > 0)
        m_second->removeTab(0);
    const QList<int> ids = secondRowIds(topId);
    for (int i = 0; i < ids.size(); ++i) {
        const int index = m_second->addTab(m_pageSet.tab(ids.at(i))->caption);
        m_second->setTabData(index, ids.at(i));
        m_second->setTabToolTip(index, TabToolTip(true, i, m_pageSet.tab(ids.at(i))->caption));
        m_second->setTabEnabled(index, IsTabEnabled(ids.at(i)));
    }
    m_second->setVisible(!ids.isEmpty());
    m_updating = false;
}

int UrTabStrip::landingTab(int id) const {
    if (IsTabEnabled(id))
        return id;
    const TabDef *t = m_pageSet.tab(id);
    if (!t || t->parent >= 0)
        return -1;
    for (const TabDef &child : m_pageSet.secondRow(id))
        if (IsTabEnabled(child.id))
            return child.id;
    return -1;
}

int UrTabStrip::topOf(int id) const {
    const TabDef *t = m_pageSet.tab(id);
    return !t ? -1 : (t->parent >= 0 ? t->parent : t->id);
}

void UrTabStrip::select(int id) {
    m_updating = true;
    const int top = topOf(id);
    int topIndex = -1;
    for (int i = 0; i < m_top->count(); ++i)
        if (m_top->tabData(i).toInt() == top)
            topIndex = i;
    m_top->setCurrentIndex(topIndex);
    m_updating = false;
    rebuildSecond(top);
    m_updating = true;
    for (int i = 0; i < m_second->count(); ++i)
        if (m_second->tabData(i).toInt() == id)
            m_second->setCurrentIndex(i);
    m_updating = false;
}

bool UrTabStrip::ShowTab(int id) {
    if (!IsTabEnabled(id))
        return false;
    m_current = id;
    select(id);
    emit TabClick(id);
    return true;
}

bool UrTabStrip::ChooseTab(int id) {
    id = landingTab(id);
    if (id < 0)
        return false;
    if (id == m_current)
        return true;
    if (m_current >= 0) {
        bool cancel = false;
        bool someActionDone = false;
        emit BeforeTabClick(cancel, someActionDone);
        if (cancel)
            return false;
    }
    return ShowTab(id);
}

int UrTabStrip::CheckTabSelect() {
    if (m_current >= 0 && IsTabEnabled(m_current))
        return m_current;
    for (const TabDef &t : m_pageSet.tabs())
        if (IsTabEnabled(t.id)) {
            ShowTab(t.id);
            return t.id;
        }
    return -1;
}

void UrTabStrip::EnableTabs(const QList<int> &ids) {
    for (int id : ids)
        m_disabled.remove(id);
    rebuildTop();
    select(m_current);
}

void UrTabStrip::DisableTabs(const QList<int> &ids) {
    for (int id : ids)
        m_disabled.insert(id);
    rebuildTop();
    select(m_current);
}

int UrTabStrip::ClientTop() const {
    return y() + height();
}

int UrTabStrip::ClientHeight() const {
    return parentWidget() ? qMax(0, parentWidget()->height() - ClientTop()) : 0;
}

bool UrTabStrip::ProcessKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & Qt::ControlModifier) || qtKey < Qt::Key_1 || qtKey > Qt::Key_9)
        return false;
    const int position = qtKey - Qt::Key_1;
    if (modifiers & Qt::ShiftModifier) {
        const QList<int> ids = secondRowIds(topOf(m_current));
        if (position < ids.size())
            ChooseTab(ids.at(position));
        return true;
    }
    const QList<TabDef> tops = m_pageSet.topTabs();
    if (position < tops.size())
        ChooseTab(tops.at(position).id);
    return true;
}

bool UrTabStrip::ProcessKeyEvent(QKeyEvent *event) {
    // With Shift the key is the digit's shifted symbol on most layouts; the unshifted virtual
    // key (Windows) or the key's scan code (X11) still says which digit was pressed.
    int key = event->key();
    if (key < Qt::Key_1 || key > Qt::Key_9) {
        const quint32 vk = event->nativeVirtualKey();
        const quint32 scan = event->nativeScanCode();
        if (vk >= 0x31 && vk <= 0x39)
            key = Qt::Key_1 + int(vk - 0x31);
        else if (scan >= 10 && scan <= 18)
            key = Qt::Key_1 + int(scan - 10);
    }
    return ProcessKey(key, event->modifiers());
}

void UrTabStrip::keyPressEvent(QKeyEvent *event) {
    if (ProcessKeyEvent(event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zentrel::controls

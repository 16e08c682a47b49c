#include "UrKeyPreview.h"

#include "UrComndBar.h"
#include "UrFieldControl.h"
#include "UrTabStrip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zentrel::controls {

namespace {

// Ctrl (+Shift) and a digit choose a tab of the tab strip around the focused field, wherever
// the focus is in the window below the strip (the strip itself seldom has it).
bool chooseTab(QObject *focused, QKeyEvent *key) {
    if (!(key->modifiers() & Qt::ControlModifier))
        return false;
    for (QObject *o = focused; o; o = o->parent()) {
        if (!o->isWidgetType())
            continue;
        for (UrTabStrip *strip : o->findChildren<UrTabStrip *>(Qt::FindDirectChildrenOnly))
            if (strip->isVisible() && strip->ProcessKeyEvent(key))
                return true;
    }
    return false;
}

} // namespace

bool UrKeyPreview::eventFilter(QObject *watched, QEvent *event) {
    // Only the key event as delivered to a widget; the same event also passes the window.
    // A modal dialog (a message, the search) keeps its own keys.
    // An open drop-down list keeps its keys too.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && static_cast<QWidget *>(watched)->hasFocus() &&
        !QApplication::activeModalWidget() && !QApplication::activePopupWidget()) {
        for (QObject *o = watched; o; o = o->parent())
            if (auto *field = dynamic_cast<UrFieldControl *>(o);
                field && field->KeepsKey(static_cast<QKeyEvent *>(event)->key()))
                return false;
        if (chooseTab(watched, static_cast<QKeyEvent *>(event)))
            return true;
        if (UrComndBar *bar = UrComndBar::CommandBar())
            if (bar->ProcessKeyEvent(static_cast<QKeyEvent *>(event)))
                return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zentrel::controls

#include "UrKeyPreview.h"

#include "UrComndBar.h"
#include "UrFieldControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zentrel::controls {

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
        if (UrComndBar *bar = UrComndBar::CommandBar())
            if (bar->ProcessKeyEvent(static_cast<QKeyEvent *>(event)))
                return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zentrel::controls

#include "UrKeyPreview.h"

#include "UrComndBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zentrel::controls {

bool UrKeyPreview::eventFilter(QObject *watched, QEvent *event) {
    // Only the key event as delivered to a widget; the same event also passes the window.
    // A modal dialog (a message, the search) keeps its own keys.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->hasFocus() && !QApplication::activeModalWidget()) {
        if (UrComndBar *bar = UrComndBar::CommandBar())
            if (bar->ProcessKeyEvent(static_cast<QKeyEvent *>(event)))
                return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zentrel::controls

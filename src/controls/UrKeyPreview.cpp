#include "UrKeyPreview.h"

#include "UrComndBar.h"

#include <QKeyEvent>
#include <QWidget>

namespace zentrel::controls {

bool UrKeyPreview::eventFilter(QObject *watched, QEvent *event) {
    // Only the key event as delivered to a widget; the same event also passes the window.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->hasFocus()) {
        if (UrComndBar *bar = UrComndBar::CommandBar())
            if (bar->ProcessKeyEvent(static_cast<QKeyEvent *>(event)))
                return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zentrel::controls

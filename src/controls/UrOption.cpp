#include "UrOption.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zentrel::controls {

UrOption::UrOption(QWidget *parent) : QRadioButton(parent) {
    connect(this, &QRadioButton::clicked, this, [this] {
        noteUserChange();
        emit Change();
    });
}

void UrOption::LoadValue(const QVariant &value) {
    setChecked(value.isValid() && value.toLongLong() != 0);
}

void UrOption::mousePressEvent(QMouseEvent *event) {
    if (Locked()) {
        event->accept();
        return;
    }
    QRadioButton::mousePressEvent(event);
}

void UrOption::mouseReleaseEvent(QMouseEvent *event) {
    if (Locked()) {
        event->accept();
        return;
    }
    QRadioButton::mouseReleaseEvent(event);
}

void UrOption::keyPressEvent(QKeyEvent *event) {
    if (Locked() && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
                     event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        event->accept();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

void UrOption::keyReleaseEvent(QKeyEvent *event) {
    if (Locked() && event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QRadioButton::keyReleaseEvent(event);
}

void UrOption::applyLocked(bool locked) {
    // The locked look: greyed text, the mark still readable.
    setStyleSheet(locked ? QStringLiteral("UrOption { color: gray; }") : QString());
}

} // namespace zentrel::controls

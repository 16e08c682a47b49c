#include "UrCheckBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zentrel::controls {

UrCheckBox::UrCheckBox(QWidget *parent) : QCheckBox(parent) {
    connect(this, &QCheckBox::clicked, this, [this] {
        noteUserChange();
        emit Click();
    });
}

void UrCheckBox::SetValue(bool on) {
    setChecked(on);
}

void UrCheckBox::SetBackColor(const QColor &color) {
    m_back = color;
    setStyleSheet(color.isValid() ? QStringLiteral("UrCheckBox { background-color: %1; }").arg(color.name())
                                  : QString());
}

bool UrCheckBox::Validate() {
    bool cancel = false;
    emit MyValidate(cancel);
    return !cancel;
}

void UrCheckBox::LoadValue(const QVariant &value) {
    setChecked(value.isValid() && !value.isNull() && value.toLongLong() != 0);
}

void UrCheckBox::mousePressEvent(QMouseEvent *event) {
    if (Locked()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QCheckBox::mousePressEvent(event);
}

void UrCheckBox::mouseReleaseEvent(QMouseEvent *event) {
    if (Locked()) {
        event->accept();
        return;
    }
    QCheckBox::mouseReleaseEvent(event);
}

void UrCheckBox::keyPressEvent(QKeyEvent *event) {
    if (Locked() && event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

void UrCheckBox::keyReleaseEvent(QKeyEvent *event) {
    if (Locked() && event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QCheckBox::keyReleaseEvent(event);
}

} // namespace zentrel::controls

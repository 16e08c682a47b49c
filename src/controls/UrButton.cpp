#include "UrButton.h"

#include <QShortcut>

namespace zentrel::controls {

UrButton::UrButton(QWidget *parent) : QPushButton(parent) {
    setAutoDefault(false);
}

void UrButton::SetDefaultButton(bool on) {
    m_default = on;
    updateShortcuts();
}

void UrButton::SetCancelButton(bool on) {
    m_cancel = on;
    updateShortcuts();
}

void UrButton::updateShortcuts() {
    qDeleteAll(m_shortcuts);
    m_shortcuts.clear();
    QList<QKeySequence> keys;
    if (m_default)
        keys << QKeySequence(Qt::Key_Return) << QKeySequence(Qt::Key_Enter);
    if (m_cancel)
        keys << QKeySequence(Qt::Key_Escape);
    for (const QKeySequence &k : keys) {
        auto *s = new QShortcut(k, this, nullptr, nullptr, Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, [this] {
            if (isEnabled() && isVisible())
                click();
        });
        m_shortcuts << s;
    }
    QStringList tips;
    if (m_default)
        tips << QStringLiteral("Tipka Enter");
    if (m_cancel)
        tips << QStringLiteral("Tipka Esc");
    setToolTip(tips.join(u'\n'));
}

} // namespace zentrel::controls

#include "UrTipka.h"

namespace zentrel::controls {

UrTipka::UrTipka(QWidget *parent) : QToolButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus); // pressing a key must not take the focus from the field
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setMinimumWidth(72);
    // The bar decides the pressed look; a click must not toggle it behind the bar's back.
    connect(this, &QToolButton::clicked, this, [this](bool) { setChecked(!isChecked()); });
}

void UrTipka::SetKeyCaption(const QString &caption) {
    m_keyCaption = caption;
    refreshText();
}

void UrTipka::SetCaption(const QString &caption) {
    m_caption = caption;
    refreshText();
}

void UrTipka::SetAction(const QString &action) {
    m_action = action;
    refreshText();
}

void UrTipka::SetValue(bool pressed) {
    setChecked(pressed);
}

void UrTipka::SetBackColor(const QColor &color) {
    m_back = color;
    setStyleSheet(color.isValid() ? QStringLiteral("QToolButton { background-color: %1; }").arg(color.name())
                                  : QString());
}

void UrTipka::refreshText() {
    setText(m_keyCaption.isEmpty() ? m_caption : m_keyCaption + QStringLiteral("  ") + m_caption);
    // "Tipka F3: Najde zapis ...": the key first, as every key's tool tip in the program begins.
    const QString action = m_action.isEmpty() ? m_caption : m_action;
    setToolTip(m_keyCaption.isEmpty() ? action
                                      : QStringLiteral("Tipka ") + m_keyCaption + QStringLiteral(": ") + action);
}

} // namespace zentrel::controls

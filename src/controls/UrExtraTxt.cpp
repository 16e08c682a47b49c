#include "UrExtraTxt.h"

#include "UrFonts.h"

namespace zentrel::controls {

UrExtraTxt::UrExtraTxt(QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void UrExtraTxt::SetFontType(int type) {
    m_fontType = type;
    setFont(FontOfType(type));
}

void UrExtraTxt::SetBackColor(const QColor &color) {
    m_back = color;
    applyColors();
}

void UrExtraTxt::SetForeColor(const QColor &color) {
    m_fore = color;
    applyColors();
}

void UrExtraTxt::applyColors() {
    QString style;
    if (m_fore.isValid())
        style += QStringLiteral("color: %1;").arg(m_fore.name());
    if (m_back.isValid())
        style += QStringLiteral("background-color: %1;").arg(m_back.name());
    setStyleSheet(style);
}

} // namespace zentrel::controls

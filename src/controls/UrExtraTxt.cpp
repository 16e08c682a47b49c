#include "UrExtraTxt.h"

#include "UrColors.h"
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
    setStyleSheet(ColorStyleSheet(m_fore, m_back));
}

} // namespace zentrel::controls

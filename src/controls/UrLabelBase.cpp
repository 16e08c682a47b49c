#include "UrLabelBase.h"

#include "UrColors.h"
#include "UrFonts.h"

namespace zentrel::controls {

UrLabelBase::UrLabelBase(QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    applyAlignment();
}

void UrLabelBase::SetFontType(int type) {
    m_fontType = type;
    setFont(FontOfType(type));
}

void UrLabelBase::SetCaptionHorizAlign(int align) {
    m_horiz = align;
    applyAlignment();
}

void UrLabelBase::SetCaptionVertAlign(int align) {
    m_vert = align;
    applyAlignment();
}

void UrLabelBase::SetTextTopOffset(int pixels) {
    m_topOffset = pixels;
    setContentsMargins(0, pixels, 0, 0);
}

void UrLabelBase::applyAlignment() {
    const Qt::Alignment h = m_horiz == 1 ? Qt::AlignRight : m_horiz == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    const Qt::Alignment v = m_vert == 0 ? Qt::AlignTop : m_vert == 2 ? Qt::AlignBottom : Qt::AlignVCenter;
    setAlignment(h | v);
}

void UrLabelBase::SetForeColor(const QColor &color) {
    m_fore = color;
    applyColors();
}

void UrLabelBase::SetBackColor(const QColor &color) {
    m_back = color;
    applyColors();
}

void UrLabelBase::applyColors() {
    setStyleSheet(ColorStyleSheet(m_fore, m_back));
}

} // namespace zentrel::controls

#include "FOzadje.h"

#include <QPaintEvent>
#include <QPainter>

namespace zentrel::shell {

FOzadje::FOzadje(QWidget *parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("Ozadje"));
    setBackground(QColor(0x5a, 0x7a, 0x96));
}

void FOzadje::NapisiImeSole(const QString &schoolName) {
    m_schoolName = schoolName;
    viewport()->update();
}

void FOzadje::paintEvent(QPaintEvent *event) {
    QMdiArea::paintEvent(event);
    if (m_schoolName.isEmpty())
        return;
    QPainter painter(viewport());
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setItalic(true);
    // The name fills most of the width of the background without growing beyond readable.
    int size = 40;
    const int room = viewport()->width() * 9 / 10;
    for (; size > 10; size -= 2) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(m_schoolName) <= room)
            break;
    }
    painter.setFont(font);
    QRect area = viewport()->rect();
    area.setTop(area.height() / 3);
    // A soft shadow under the letters keeps them readable on the coloured ground.
    painter.setPen(QColor(0x2a, 0x3a, 0x48));
    painter.drawText(area.translated(3, 3), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_schoolName);
    painter.setPen(QColor(0xf4, 0xf0, 0xe0));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_schoolName);
}

} // namespace zentrel::shell

#include "FOzadje.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

namespace zentrel::shell {

FOzadje::FOzadje(QWidget *parent) : QMdiArea(parent), m_steps(new QLabel(viewport())) {
    setObjectName(QStringLiteral("Ozadje"));
    setBackground(QColor(0x5a, 0x7a, 0x96));
    m_steps->setObjectName(QStringLiteral("KorakiL"));
    m_steps->setTextFormat(Qt::RichText);
    m_steps->setWordWrap(true);
    m_steps->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_steps->setAutoFillBackground(true);
    m_steps->setStyleSheet(QStringLiteral("QLabel { background: #f4f0e0; color: #222; border: 1px solid #2a3a48; "
                                          "border-radius: 6px; padding: 10px 16px; }"));
    m_steps->hide();
    connect(m_steps, &QLabel::linkActivated, this, &FOzadje::korakIzbran);
}

void FOzadje::PokaziKorake(const QString &heading, const QList<PrviKorak> &steps) {
    if (steps.isEmpty()) {
        m_steps->hide();
        return;
    }
    QString html = QStringLiteral("<p style='font-size:large'><b>") + heading.toHtmlEscaped() +
                   QStringLiteral("</b></p><table cellspacing='4'>");
    const bool marked = std::any_of(steps.begin(), steps.end(), [](const PrviKorak &s) { return s.done; }) ||
                        std::any_of(steps.begin(), steps.end(), [](const PrviKorak &s) { return !s.detail.isEmpty(); });
    for (const PrviKorak &s : steps) {
        html += QStringLiteral("<tr>");
        if (marked)
            html += s.done ? QStringLiteral("<td style='color:#2a7a2a'>&#10004;</td>")
                           : QStringLiteral("<td style='color:#a03020'>&#9675;</td>");
        html += QStringLiteral("<td><a href='") + s.link.toHtmlEscaped() + QStringLiteral("'>") +
                s.caption.toHtmlEscaped() + QStringLiteral("</a>");
        if (!s.detail.isEmpty())
            html += QStringLiteral("<br><small>") + s.detail.toHtmlEscaped() + QStringLiteral("</small>");
        html += QStringLiteral("</td></tr>");
    }
    html += QStringLiteral("</table><p><small>Pomoč za vsako okno: tipka F1.</small></p>");
    m_steps->setText(html);
    m_steps->show();
    m_steps->lower(); // under the work windows that open on the background
    placeSteps();
}

// The steps sit in the upper middle, under the school's name when it is written.
void FOzadje::placeSteps() {
    const QSize area = viewport()->size();
    const int width = std::min(560, area.width() - 40);
    m_steps->setFixedWidth(std::max(200, width));
    m_steps->adjustSize();
    const int top = m_schoolName.isEmpty() ? area.height() / 8 : area.height() / 3 + 80;
    m_steps->move((area.width() - m_steps->width()) / 2,
                  std::max(10, std::min(top, area.height() - m_steps->height() - 10)));
}

void FOzadje::resizeEvent(QResizeEvent *event) {
    QMdiArea::resizeEvent(event);
    if (m_steps->isVisible())
        placeSteps();
}

void FOzadje::NapisiImeSole(const QString &schoolName) {
    m_schoolName = schoolName;
    if (m_steps->isVisible())
        placeSteps();
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

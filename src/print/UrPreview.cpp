#include "UrPreview.h"

#include <QPainter>

namespace zentrel::print {

namespace {
constexpr int kMargin = 12; // background around the sheet, in pixels
}

UrPreview::UrPreview(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("urPreview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void UrPreview::SetIzris(const UrIzris *izris) {
    m_izris = izris;
    m_page = 1;
    NastaviMere();
}

void UrPreview::SetStran(int stran) {
    if (!m_izris)
        return;
    m_page = std::clamp(stran, 1, m_izris->SteviloStrani());
    update();
}

void UrPreview::SetMerilo(double merilo) {
    m_scale = merilo;
    NastaviMere();
}

void UrPreview::SetColorPodlaga(const QColor &color) {
    m_background = color;
    update();
}

double UrPreview::twipsToPixels() const {
    return m_scale * logicalDpiX() / 1440.0;
}

void UrPreview::NastaviMere() {
    if (m_izris) {
        const QSizeF page = m_izris->VelikostStrani() * twipsToPixels();
        setFixedSize(int(page.width()) + 2 * kMargin, int(page.height()) + 2 * kMargin);
    }
    update();
}

void UrPreview::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (!m_izris)
        return;
    const double k = twipsToPixels();
    const QRectF sheet(kMargin, kMargin, m_izris->VelikostStrani().width() * k, m_izris->VelikostStrani().height() * k);
    painter.fillRect(sheet.translated(3, 3), QColor(0x40, 0x40, 0x40));
    painter.fillRect(sheet, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(kMargin, kMargin);
    painter.scale(k, k);
    m_izris->NarisiStran(painter, m_page);
}

} // namespace zentrel::print

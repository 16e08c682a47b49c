#include "UrPrenosnik.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zentrel::timetable {

UrPrenosnik::UrPrenosnik(QWidget *parent) : QFrame(parent), m_oznaka(new QLabel(this)) {
    setObjectName(QStringLiteral("UrPrenosnik"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xFF, 0xF8, 0xD0));
    setPalette(p);
    m_oznaka->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_oznaka);
    hide();
}

void UrPrenosnik::SetVisinaUre(int visina) {
    m_visinaUre = std::max(10, visina);
    velikost();
}

QString UrPrenosnik::Oznaka() const {
    return m_oznaka->text();
}

void UrPrenosnik::SetOznaka(const QString &oznaka) {
    m_oznaka->setText(oznaka);
}

void UrPrenosnik::SetSteviloUr(int ur) {
    m_steviloUr = std::max(1, ur);
    velikost();
}

void UrPrenosnik::Pokazi(const QPoint &kje, int sirina) {
    m_sirina = std::max(40, sirina);
    velikost();
    move(kje);
    show();
    raise();
}

void UrPrenosnik::velikost() {
    resize(m_sirina, m_visinaUre * m_steviloUr);
}

} // namespace zentrel::timetable

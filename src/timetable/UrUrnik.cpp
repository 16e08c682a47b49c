#include "UrUrnik.h"

#include "shell/LookupTables.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zentrel::timetable {

UrUrnik::UrUrnik(QWidget *parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int p = 0; p < engine::StUr; ++p)
        m_oznakeUr << QString::number(p);
    SetKazalec(IndeksCelice(1, m_prva));
}

void UrUrnik::ResetAll() {
    for (UrTermin &t : m_termini)
        t = UrTermin{};
    m_termini[size_t(m_kazalec)].kazalec = true;
    update();
}

void UrUrnik::Prikazi(const std::array<CelicaUrnika, SteviloCelic> &celice, bool nosenje) {
    for (int i = 0; i < SteviloCelic; ++i) {
        UrTermin &t = m_termini[size_t(i)];
        t.celica = celice[size_t(i)];
        if (!m_prepoved)
            t.celica.prepoved = false;
        t.nosenje = nosenje;
    }
    update();
}

void UrUrnik::OznaciTermin(int indeks) {
    if (indeks >= 0 && indeks < SteviloCelic) {
        m_termini[size_t(indeks)].oznacenTermin = true;
        update(PravokotnikCelice(indeks));
    }
}

void UrUrnik::BrisiOznacboTermina(int indeks) {
    if (indeks >= 0 && indeks < SteviloCelic) {
        m_termini[size_t(indeks)].oznacenTermin = false;
        update(PravokotnikCelice(indeks));
    }
}

void UrUrnik::SetUre(int prvaUra, int zadnjaUra, const QStringList &oznakeUr) {
    m_prva = std::clamp(prvaUra, 0, engine::ZadnjaUra);
    m_zadnja = std::clamp(zadnjaUra, m_prva, engine::ZadnjaUra);
    for (int p = 0; p < engine::StUr && p < oznakeUr.size(); ++p)
        m_oznakeUr[p] = oznakeUr[p];
    SetKazalec(IndeksCelice(DanCelice(m_kazalec), std::clamp(UraCelice(m_kazalec), m_prva, m_zadnja)));
    updateGeometry();
    update();
}

void UrUrnik::SetPrepoved(bool on) {
    m_prepoved = on;
    update();
}

void UrUrnik::SetKazalec(int indeks) {
    if (indeks < 0 || indeks >= SteviloCelic)
        return;
    m_termini[size_t(m_kazalec)].kazalec = false;
    m_kazalec = indeks;
    m_termini[size_t(m_kazalec)].kazalec = true;
    update();
    emit KazalecPremaknjen(m_kazalec);
}

int UrUrnik::TerminiTop() const {
    return fontMetrics().height() + 6;
}

int UrUrnik::TerminiLeft() const {
    int sirina = fontMetrics().horizontalAdvance(QStringLiteral("Ura"));
    for (int p = m_prva; p <= m_zadnja; ++p)
        sirina = std::max(sirina, fontMetrics().horizontalAdvance(m_oznakeUr.value(p)));
    return sirina + 10;
}

int UrUrnik::VisinaUre() const {
    return (height() - TerminiTop() - TerminiBottom()) / steviloVrstic();
}

QRect UrUrnik::PravokotnikCelice(int indeks) const {
    const int ura = UraCelice(indeks);
    if (ura < m_prva || ura > m_zadnja)
        return {};
    const int sirina = (width() - TerminiLeft() - TerminiRight()) / 5;
    const int visina = VisinaUre();
    return QRect(TerminiLeft() + (DanCelice(indeks) - 1) * sirina, TerminiTop() + (ura - m_prva) * visina, sirina,
                 visina);
}

int UrUrnik::CelicaNa(const QPoint &pos) const {
    const int sirina = (width() - TerminiLeft() - TerminiRight()) / 5;
    const int visina = VisinaUre();
    if (sirina <= 0 || visina <= 0 || pos.x() < TerminiLeft() || pos.y() < TerminiTop())
        return -1;
    const int dan = (pos.x() - TerminiLeft()) / sirina + 1;
    const int ura = (pos.y() - TerminiTop()) / visina + m_prva;
    return dan >= 1 && dan <= 5 && ura <= m_zadnja ? IndeksCelice(dan, ura) : -1;
}

QSize UrUrnik::sizeHint() const {
    // Three lines a cell: the subject, the teachers or units, the rooms.
    return {TerminiLeft() + 5 * fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMM")),
            TerminiTop() + steviloVrstic() * (3 * fontMetrics().height() + 8)};
}

QSize UrUrnik::minimumSizeHint() const {
    return {TerminiLeft() + 5 * fontMetrics().horizontalAdvance(QStringLiteral("MMMMM")),
            TerminiTop() + steviloVrstic() * (2 * fontMetrics().height() + 4)};
}

void UrUrnik::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().windowText().color());
    const int vrh = TerminiTop();
    const int levo = TerminiLeft();
    p.drawText(QRect(0, 0, levo, vrh), Qt::AlignCenter, QStringLiteral("Ura"));
    for (int dan = 1; dan <= 5; ++dan) {
        const QRect r = PravokotnikCelice(IndeksCelice(dan, m_prva));
        p.drawText(QRect(r.left(), 0, r.width(), vrh), Qt::AlignCenter, shell::Lookup::DayNames().value(dan));
    }
    for (int ura = m_prva; ura <= m_zadnja; ++ura) {
        const QRect r = PravokotnikCelice(IndeksCelice(1, ura));
        p.drawText(QRect(0, r.top(), levo - 4, r.height()), Qt::AlignRight | Qt::AlignVCenter, m_oznakeUr.value(ura));
        for (int dan = 1; dan <= 5; ++dan) {
            const int i = IndeksCelice(dan, ura);
            m_termini[size_t(i)].narisi(p, PravokotnikCelice(i));
        }
    }
}

void UrUrnik::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const int i = CelicaNa(event->position().toPoint());
    if (i >= 0)
        SetKazalec(i);
    emit Pritisk(i, event->modifiers());
}

void UrUrnik::mouseMoveEvent(QMouseEvent *event) {
    emit Premik(CelicaNa(event->position().toPoint()), event->globalPosition().toPoint());
}

void UrUrnik::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        emit Spust(CelicaNa(event->position().toPoint()), event->globalPosition().toPoint());
}

void UrUrnik::keyPressEvent(QKeyEvent *event) {
    int dan = DanCelice(m_kazalec);
    int ura = UraCelice(m_kazalec);
    switch (event->key()) {
    case Qt::Key_Left:
        dan = std::max(1, dan - 1);
        break;
    case Qt::Key_Right:
        dan = std::min(5, dan + 1);
        break;
    case Qt::Key_Up:
        ura = std::max(m_prva, ura - 1);
        break;
    case Qt::Key_Down:
        ura = std::min(m_zadnja, ura + 1);
        break;
    default:
        emit Tipka(event->key(), event->modifiers());
        return;
    }
    SetKazalec(IndeksCelice(dan, ura));
}

void UrUrnik::contextMenuEvent(QContextMenuEvent *event) {
    // From the keyboard the menu opens at the cell cursor.
    const bool tipka = event->reason() == QContextMenuEvent::Keyboard;
    const int i = tipka ? m_kazalec : CelicaNa(event->pos());
    const QPoint kje = tipka ? mapToGlobal(PravokotnikCelice(m_kazalec).center()) : event->globalPos();
    emit Meni(i, kje);
}

} // namespace zentrel::timetable

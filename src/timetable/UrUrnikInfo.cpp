#include "UrUrnikInfo.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace zentrel::timetable {

UrUrnikInfo::UrUrnikInfo(QWidget *parent)
    : QWidget(parent), m_nerazporejeni(new QListWidget(this)), m_zgodovina(new QListWidget(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Nerazporejeni predmeti"), this));
    layout->addWidget(m_nerazporejeni, 3);
    layout->addWidget(new QLabel(QStringLiteral("Zgodovina"), this));
    layout->addWidget(m_zgodovina, 2);
    m_nerazporejeni->setObjectName(QStringLiteral("Nerazporejeni"));
    m_zgodovina->setObjectName(QStringLiteral("Zgodovina"));
    m_zgodovina->setFocusPolicy(Qt::NoFocus);
    m_nerazporejeni->viewport()->installEventFilter(this);
    m_nerazporejeni->installEventFilter(this);
    m_nerazporejeni->viewport()->setMouseTracking(true);
    connect(m_nerazporejeni, &QListWidget::currentRowChanged, this, [this] { emit Izbran(OznaceniNerazporejeni()); });
}

void UrUrnikInfo::PrikaziNerazporejene(const std::vector<NerazporejenPredmet> &predmeti) {
    const int izbran = OznaceniNerazporejeni();
    const QSignalBlocker blokada(m_nerazporejeni);
    m_nerazporejeni->clear();
    for (const NerazporejenPredmet &p : predmeti) {
        auto *item = new QListWidgetItem(p.besedilo, m_nerazporejeni);
        item->setData(Qt::UserRole, p.predavanje);
        if (p.predavanje == izbran)
            m_nerazporejeni->setCurrentItem(item);
    }
}

int UrUrnikInfo::OznaceniNerazporejeni() const {
    const QListWidgetItem *item = m_nerazporejeni->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void UrUrnikInfo::ZgodovinaClear() {
    m_zgodovina->clear();
}

void UrUrnikInfo::DodajZgodovino(const QString &vrstica) {
    m_zgodovina->addItem(vrstica);
    m_zgodovina->scrollToBottom();
}

QRect UrUrnikInfo::NerazporejeniGlobalno() const {
    return QRect(m_nerazporejeni->mapToGlobal(QPoint(0, 0)), m_nerazporejeni->size());
}

bool UrUrnikInfo::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_nerazporejeni && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Delete) {
            emit Tipka(key->key(), key->modifiers());
            return true;
        }
        return false;
    }
    if (watched != m_nerazporejeni->viewport())
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            if (QListWidgetItem *item = m_nerazporejeni->itemAt(mouse->position().toPoint())) {
                m_nerazporejeni->setCurrentItem(item);
                m_nerazporejeni->setFocus(Qt::MouseFocusReason);
                emit Pritisk(item->data(Qt::UserRole).toInt(), mouse->modifiers());
            }
            return true;
        }
        return false;
    case QEvent::MouseMove:
        emit Premik(mouse->globalPosition().toPoint());
        return false;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton)
            emit Spust(mouse->globalPosition().toPoint());
        return true;
    default:
        return false;
    }
}

} // namespace zentrel::timetable

#include "UrUrnikLabel.h"

#include <QGridLayout>
#include <QLabel>

namespace zentrel::timetable {

UrUrnikLabel::UrUrnikLabel(QWidget *parent)
    : QFrame(parent), m_top(new QLabel(this)), m_left(new QLabel(this)), m_caption(new QLabel(this)) {
    setObjectName(QStringLiteral("FrameCaptionL"));
    QFont velika = m_left->font();
    velika.setBold(true);
    velika.setPointSizeF(velika.pointSizeF() * 1.4);
    m_left->setFont(velika);
    QFont mala = m_top->font();
    mala.setPointSizeF(mala.pointSizeF() * 0.85);
    m_top->setFont(mala);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setVerticalSpacing(0);
    layout->addWidget(m_top, 0, 0, 1, 2);
    layout->addWidget(m_left, 1, 0);
    layout->addWidget(m_caption, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    layout->setColumnStretch(1, 1);
}

QString UrUrnikLabel::TopLabel() const {
    return m_top->text();
}

void UrUrnikLabel::SetTopLabel(const QString &text) {
    m_top->setText(text);
}

QString UrUrnikLabel::LeftLabel() const {
    return m_left->text();
}

void UrUrnikLabel::SetLeftLabel(const QString &text) {
    m_left->setText(text);
}

QString UrUrnikLabel::Caption() const {
    return m_caption->text();
}

void UrUrnikLabel::SetCaption(const QString &text) {
    m_caption->setText(text);
}

} // namespace zentrel::timetable

#include "UrStatusLine.h"

#include "UrComndBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace zentrel::controls {

UrStatusLine::UrStatusLine(QWidget *parent)
    : QWidget(parent), m_mark(new QLabel(this)), m_text(new QLabel(this)), m_status1(new QLabel(this)),
      m_status2(new QLabel(this)), m_progress(new QProgressBar(this)), m_busyLabel(new QLabel(this)) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    m_mark->setFixedWidth(14);
    m_mark->setToolTip(QStringLiteral("Podatki so spremenjeni"));
    m_text->setTextFormat(Qt::PlainText);
    m_progress->setRange(0, 100);
    m_progress->setFormat(QStringLiteral("%p%"));
    m_progress->setMaximumWidth(160);
    m_progress->hide();
    m_busyLabel->hide();
    layout->addWidget(m_mark);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_busyLabel);
    layout->addWidget(m_progress);
    layout->addWidget(m_status1);
    layout->addWidget(m_status2);
}

void UrStatusLine::SetDataChanged(bool changed) {
    m_changed = changed;
    m_mark->setText(changed ? QStringLiteral("*") : QString());
}

void UrStatusLine::setMessage(const QString &text, const QString &style, bool warning) {
    m_text->setText(text);
    m_text->setStyleSheet(style);
    m_warning = warning && !text.isEmpty();
}

void UrStatusLine::SetText(const QString &text) {
    setMessage(text, QString(), false);
}

void UrStatusLine::SetWarningText(const QString &text) {
    setMessage(text, QStringLiteral("color: #b00000; font-weight: bold;"), true);
}

void UrStatusLine::SetEmphasisedText(const QString &text) {
    setMessage(text, QStringLiteral("color: #000080; font-weight: bold;"), false);
}

QString UrStatusLine::Text() const {
    return m_text->text();
}

void UrStatusLine::SetStatus1(const QString &text) {
    m_status1->setText(text);
}

void UrStatusLine::SetStatus2(const QString &text) {
    m_status2->setText(text);
}

QString UrStatusLine::Status1() const {
    return m_status1->text();
}

QString UrStatusLine::Status2() const {
    return m_status2->text();
}

void UrStatusLine::ShowProgress(int percent) {
    if (percent < 0) {
        m_progress->hide();
        return;
    }
    m_progress->setValue(qMin(percent, 100));
    m_progress->show();
}

int UrStatusLine::Progress() const {
    return m_progress->isVisible() ? m_progress->value() : -1;
}

void UrStatusLine::ShowDelam(const QString &text) {
    m_busy = true;
    m_busyLabel->setText(text.isEmpty() ? QStringLiteral("Delam ...") : text);
    m_busyLabel->show();
}

void UrStatusLine::ZakljuciDelam() {
    m_busy = false;
    m_busyLabel->hide();
    m_progress->hide();
}

bool PutStatusText(int kind, const QString &text) {
    UrComndBar *bar = UrComndBar::CommandBar();
    if (!bar || (kind != 8 && kind != 9))
        return false;
    if (kind == 8)
        bar->StatusLine()->SetText(text);
    else
        bar->StatusLine()->SetWarningText(text);
    return true;
}

} // namespace zentrel::controls

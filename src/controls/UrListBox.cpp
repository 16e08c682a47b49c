#include "UrListBox.h"

#include "db/MBaza.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace zentrel::controls {

UrListBox::UrListBox(QWidget *parent) : QWidget(parent), m_caption(new QLabel(this)), m_list(new QListWidget(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_caption->hide();
    layout->addWidget(m_caption);
    layout->addWidget(m_list, 1);
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] {
        if (m_programSet)
            return;
        noteUserChange();
        emit Click();
    });
}

QString UrListBox::Caption() const {
    return m_caption->text();
}

void UrListBox::SetCaption(const QString &caption) {
    m_caption->setText(caption);
    m_caption->setVisible(!caption.isEmpty());
}

void UrListBox::SetListField(const QString &field) {
    m_listField = field;
    refill();
}

void UrListBox::SetRowSource(const db::RowSet &rows) {
    m_rows = rows;
    refill();
}

void UrListBox::refill() {
    m_programSet = true;
    m_list->clear();
    for (int r = 0; r < m_rows.rowCount(); ++r)
        m_list->addItem(db::FieldText(m_rows, r, m_listField));
    m_programSet = false;
}

int UrListBox::ListIndex() const {
    return m_list->currentRow();
}

void UrListBox::SetListIndex(int index) {
    m_programSet = true;
    m_list->setCurrentRow(index);
    m_programSet = false;
}

void UrListBox::LoadValue(const QVariant &value) {
    const QString text = value.isValid() && !value.isNull() ? value.toString() : QString();
    const auto found = m_list->findItems(text, Qt::MatchFixedString);
    SetListIndex(found.isEmpty() || text.isEmpty() ? -1 : m_list->row(found.first()));
}

QVariant UrListBox::CurrentValue() const {
    const QListWidgetItem *item = m_list->currentItem();
    return item ? QVariant(item->text()) : QVariant();
}

QWidget *UrListBox::focusTarget() {
    return m_list;
}

WId UrListBox::GetHwnd() {
    return m_list->winId();
}

bool UrListBox::eventFilter(QObject *watched, QEvent *event) {
    // A locked list keeps its choice: clicks and keys that would change it go nowhere.
    if (Locked()) {
        const auto t = event->type();
        if ((watched == m_list->viewport() &&
             (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick || t == QEvent::MouseMove)) ||
            (watched == m_list && t == QEvent::KeyPress))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void UrListBox::applyLocked(bool) {}

} // namespace zentrel::controls

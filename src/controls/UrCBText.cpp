#include "UrCBText.h"

#include "CommandTable.h"
#include "RecordSearch.h"
#include "UrComboBox.h"
#include "core/Messages.h"
#include "db/MBaza.h"

#include <QKeyEvent>
#include <QListWidget>

namespace zentrel::controls {

UrCBText::UrCBText(QWidget *parent) : QLineEdit(parent), m_popup(new QListWidget) {
    m_popup->setWindowFlags(Qt::ToolTip);
    m_popup->setFocusPolicy(Qt::NoFocus);
    connect(m_popup, &QListWidget::itemClicked, this, [this] {
        UpdateTextFromList();
        HideDropList();
    });
    connect(this, &QLineEdit::textEdited, this, [this](const QString &typed) {
        noteUserChange();
        const QString field = m_listFields.value(0);
        m_listIndex = RecordSearch::FindPrefix(m_rows, field, typed);
        m_niListe = RecordSearch::FindExact(m_rows, field, typed) < 0 && !typed.isEmpty();
        if (hasFocus() && !typed.isEmpty())
            showList(typed);
        emit Change();
    });
}

UrCBText::~UrCBText() {
    delete m_popup;
}

void UrCBText::SetRowSource(const db::RowSet &rows) {
    m_rows = rows;
    confirmExact();
}

QString UrCBText::shownText(int row) const {
    return db::FieldText(m_rows, row, m_listFields.value(0));
}

void UrCBText::confirmExact() {
    m_listIndex = RecordSearch::FindExact(m_rows, m_listFields.value(0), text());
    m_niListe = m_listIndex < 0 && !text().isEmpty();
}

void UrCBText::SetText(const QString &value) {
    setText(value);
    confirmExact();
}

bool UrCBText::ListDropped() const {
    return m_popup->isVisible();
}

void UrCBText::SetWidChrs(int chars) {
    m_widChrs = chars;
    if (chars > 0)
        setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('n')) * chars + 12);
}

QVariant UrCBText::BoundId() const {
    const int row = RecordSearch::FindExact(m_rows, m_listFields.value(0), text());
    return row >= 0 ? m_rows.value(row, m_idField) : QVariant();
}

void UrCBText::Clear() {
    clear();
    m_listIndex = -1;
    m_niListe = false;
    HideDropList();
}

void UrCBText::MyRefresh(const db::RowSet &rows) {
    SetRowSource(rows);
}

void UrCBText::showList(const QString &prefix) {
    m_popup->clear();
    int highlight = -1;
    for (int r = 0; r < m_rows.rowCount(); ++r) {
        m_popup->addItem(shownText(r));
        if (highlight < 0 && !prefix.isEmpty() && shownText(r).startsWith(prefix, Qt::CaseInsensitive))
            highlight = r;
    }
    m_popup->setCurrentRow(highlight);
    if (m_rows.rowCount() == 0)
        return;
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->resize(qMax(width(), 120), qMin(200, m_popup->sizeHintForRow(0) * m_rows.rowCount() + 6));
    m_popup->show();
}

void UrCBText::ProcessDropClick() {
    if (Locked())
        return;
    if (ListDropped())
        HideDropList();
    else
        showList(text());
}

void UrCBText::UpdateTextFromList() {
    const int row = m_popup->currentRow();
    if (row < 0 || row >= m_rows.rowCount() || Locked())
        return;
    const QString chosen = shownText(row);
    if (chosen != text()) {
        setText(chosen);
        noteUserChange();
        emit Change();
    }
    confirmExact();
}

void UrCBText::HideDropList() {
    m_popup->hide();
}

bool UrCBText::ProcessKeyDown(int keyCode, int shift) {
    Q_UNUSED(shift);
    if (Locked())
        return false;
    if (keyCode == Keys::F4) {
        ProcessDropClick();
        return true;
    }
    if (!ListDropped())
        return false;
    if (keyCode == 40 || keyCode == 38) { // Down, Up
        const int step = keyCode == 40 ? 1 : -1;
        m_popup->setCurrentRow(qBound(0, m_popup->currentRow() + step, m_popup->count() - 1));
        return true;
    }
    if (keyCode == Keys::Enter) {
        UpdateTextFromList();
        HideDropList();
        return true;
    }
    if (keyCode == Keys::Esc) {
        HideDropList();
        return true;
    }
    return false;
}

void UrCBText::keyPressEvent(QKeyEvent *event) {
    int vk = VirtualKeyOfQtKey(event->key());
    if (event->key() == Qt::Key_Down)
        vk = 40;
    else if (event->key() == Qt::Key_Up)
        vk = 38;
    if (vk != 0 && ProcessKeyDown(vk, 0)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool UrCBText::KeepsKey(int qtKey) const {
    return ListDropped() && (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter || qtKey == Qt::Key_Escape ||
                             qtKey == Qt::Key_Up || qtKey == Qt::Key_Down);
}

bool UrCBText::Validate() {
    HideDropList();
    confirmExact();
    if (m_niListe) {
        core::ShowMessage(core::MsgWarning, NotInListText(), text());
        return false;
    }
    return !text().isEmpty() || m_emptyAllowed;
}

void UrCBText::LoadValue(const QVariant &value) {
    const int row = RecordSearch::FindValue(m_rows, m_idField, value);
    setText(row >= 0 ? shownText(row) : QString());
    confirmExact();
}

} // namespace zentrel::controls

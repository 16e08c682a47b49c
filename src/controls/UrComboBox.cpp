#include "UrComboBox.h"

#include "CommandTable.h"
#include "RecordSearch.h"
#include "core/Messages.h"
#include "db/MBaza.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace zentrel::controls {

QString NotInListText() {
    return QStringLiteral("Vnos # ni na seznamu.");
}

namespace {

// The list fields after the first, shown in the drop-down list beside it.
constexpr int ExtraColumnsRole = Qt::UserRole + 1;

// Draws an entry of the drop-down list as columns: the first list field, then the others
// from a common left edge, so that "JerM  Jereb Maja" or "1  Majhna" can be read at a glance.
class ListColumnsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int firstColumnWidth = 0;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        const QString extra = index.data(ExtraColumnsRole).toString();
        if (extra.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString first = opt.text;
        opt.text.clear();
        const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const bool selected = opt.state & QStyle::State_Selected;
        painter->save();
        painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect r = opt.rect.adjusted(4, 0, -4, 0);
        painter->drawText(r, Qt::AlignVCenter | Qt::AlignLeft, first);
        painter->drawText(r.adjusted(firstColumnWidth, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, extra);
        painter->restore();
    }
};

} // namespace

UrComboBox::UrComboBox(QWidget *parent) : QComboBox(parent) {
    setItemDelegate(new ListColumnsDelegate(this));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    completer()->setCompletionMode(QCompleter::InlineCompletion);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    connect(this, &QComboBox::activated, this, [this] {
        noteUserChange();
        emit Click();
        emit OnDataChange();
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        noteUserChange();
        emit Change();
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (m_programSet)
            emit SoftChange();
    });
}

void UrComboBox::SetRowSource(const db::RowSet &rows) {
    m_rows = rows;
    refill();
}

void UrComboBox::SetListFields(const QString &fields) {
    m_listFields = fields.split(u';', Qt::SkipEmptyParts);
    refill();
}

QString UrComboBox::itemText(int row) const {
    if (m_listFields.isEmpty())
        return m_rows.columnCount() > 0 ? db::FieldText(m_rows, row, m_rows.columns().first()) : QString();
    return db::FieldText(m_rows, row, m_listFields.first());
}

void UrComboBox::refill() {
    m_programSet = true;
    const QString keep = currentText();
    clear();
    const QFontMetrics metrics(font());
    int firstWidth = 0;
    int extraWidth = 0;
    for (int r = 0; r < m_rows.rowCount(); ++r) {
        QStringList extra;
        for (int f = 1; f < m_listFields.size(); ++f)
            extra << db::FieldText(m_rows, r, m_listFields.at(f));
        addItem(itemText(r));
        firstWidth = qMax(firstWidth, metrics.horizontalAdvance(itemText(r)));
        if (!extra.isEmpty()) {
            const QString text = extra.join(QStringLiteral(" - "));
            setItemData(r, text, Qt::ToolTipRole);
            setItemData(r, text, ExtraColumnsRole);
            extraWidth = qMax(extraWidth, metrics.horizontalAdvance(text));
        }
    }
    // The drop-down list is wide enough for every column.
    const int gap = metrics.horizontalAdvance(QStringLiteral("nnn"));
    if (auto *columns = dynamic_cast<ListColumnsDelegate *>(itemDelegate()))
        columns->firstColumnWidth = firstWidth + gap;
    view()->setMinimumWidth(extraWidth > 0 ? firstWidth + gap + extraWidth + 2 * gap : 0);
    setCurrentIndex(findText(keep, Qt::MatchFixedString));
    if (currentIndex() < 0)
        setEditText(keep);
    m_programSet = false;
}

void UrComboBox::SetText(const QString &text) {
    m_programSet = true;
    const int index = findText(text, Qt::MatchFixedString);
    setCurrentIndex(index);
    setEditText(index >= 0 ? itemText(index) : text);
    m_programSet = false;
}

void UrComboBox::SetListIndex(int index) {
    m_programSet = true;
    setCurrentIndex(index);
    m_programSet = false;
}

QVariant UrComboBox::BoundId() const {
    const int row =
        RecordSearch::FindExact(m_rows, m_listFields.isEmpty() ? QString() : m_listFields.first(), currentText());
    if (m_listFields.isEmpty() || row < 0)
        return {};
    return m_rows.value(row, m_idField);
}

void UrComboBox::LoadValue(const QVariant &value) {
    const int row = RecordSearch::FindValue(m_rows, m_idField, value);
    m_programSet = true;
    setCurrentIndex(row);
    if (row < 0)
        setEditText(QString());
    m_programSet = false;
}

bool UrComboBox::Validate() {
    const QString text = currentText();
    if (!text.isEmpty() && findText(text, Qt::MatchFixedString) < 0) {
        emit OnDontMatchWithList(text);
        // A text that names no entry would be stored as no value at all, without a word.
        core::ShowMessage(core::MsgWarning, NotInListText(), text);
        return false;
    } else if (const int index = findText(text, Qt::MatchFixedString); index >= 0 && index != currentIndex())
        SetListIndex(index);
    bool cancel = false;
    emit Validate(cancel);
    return !cancel;
}

bool UrComboBox::ProcessKeyDown(int keyCode, int shift) {
    if (Locked())
        return false;
    if (keyCode == Keys::F4 || (keyCode == 40 && (shift & ShiftBits::Alt))) {
        showPopup();
        return true;
    }
    return false;
}

void UrComboBox::showPopup() {
    if (Locked())
        return;
    m_dropped = true;
    QComboBox::showPopup();
}

void UrComboBox::hidePopup() {
    m_dropped = false;
    QComboBox::hidePopup();
}

void UrComboBox::keyPressEvent(QKeyEvent *event) {
    if (Locked()) {
        if (event->text().isEmpty() && event->key() != Qt::Key_Up && event->key() != Qt::Key_Down &&
            event->key() != Qt::Key_Backspace && event->key() != Qt::Key_Delete)
            QComboBox::keyPressEvent(event);
        else
            event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void UrComboBox::wheelEvent(QWheelEvent *event) {
    if (Locked())
        return;
    QComboBox::wheelEvent(event);
}

void UrComboBox::mousePressEvent(QMouseEvent *event) {
    if (Locked()) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QComboBox::mousePressEvent(event);
}

void UrComboBox::applyLocked(bool locked) {
    lineEdit()->setReadOnly(locked);
}

} // namespace zentrel::controls

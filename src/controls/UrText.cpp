#include "UrText.h"

#include "UrFonts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>

namespace zentrel::controls {

namespace {

int shiftBits(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

} // namespace

UrText::UrText(QWidget *parent) : QLineEdit(parent) {
    setFont(FontOfType(0));
    connect(this, &QLineEdit::textEdited, this, [this] {
        noteUserChange();
        emit Change();
    });
}

void UrText::SetText(const QString &text) {
    setText(text);
    emit Change();
}

void UrText::SetWidthInChar(int chars) {
    m_widthInChar = chars;
    if (chars > 0)
        setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * chars / 2 + 12);
}

void UrText::SetColumnType(const QString &declaredType) {
    if (!m_onlyNumericSet)
        m_options.onlyNumeric = IsNumericOnlyColumnType(declaredType);
}

bool UrText::Validate() {
    bool cancel = false;
    emit MyValidate(cancel);
    return !cancel;
}

void UrText::LoadValue(const QVariant &value) {
    SetText(value.isValid() && !value.isNull() ? value.toString() : QString());
}

QVariant UrText::CurrentValue() const {
    return text();
}

void UrText::applyLocked(bool locked) {
    setReadOnly(locked);
}

void UrText::insertFiltered(const QString &typed) {
    QString remaining = text();
    int position = cursorPosition();
    if (hasSelectedText()) {
        position = selectionStart();
        remaining.remove(position, selectedText().size());
    }
    const QString accepted = FilterTypedText(typed, remaining, position, m_options);
    if (accepted.isEmpty())
        return;
    insert(accepted); // replaces the selection and emits textEdited
}

void UrText::keyPressEvent(QKeyEvent *event) {
    int code = event->key();
    emit KeyDown(code, shiftBits(event->modifiers()));
    if (code == 0) {
        event->accept();
        return;
    }
    if (Locked()) {
        // Navigation and copying still work; nothing changes the text.
        if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll) ||
            (event->text().isEmpty() && event->key() != Qt::Key_Backspace && event->key() != Qt::Key_Delete))
            QLineEdit::keyPressEvent(event);
        else
            event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        insertFiltered(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        int ascii = typed.at(0).unicode();
        emit KeyPress(ascii);
        if (ascii != 0)
            insertFiltered(QString(QChar(ascii)));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void UrText::keyReleaseEvent(QKeyEvent *event) {
    int code = event->key();
    emit KeyUp(code, shiftBits(event->modifiers()));
    QLineEdit::keyReleaseEvent(event);
}

void UrText::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    const bool byKey = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
                       event->reason() == Qt::OtherFocusReason;
    if (m_selectOnEntry == 2 || (m_selectOnEntry == 1 && byKey)) {
        if (byKey)
            selectAll();
        else // a mouse click would clear a selection made now
            QTimer::singleShot(0, this, [this] { selectAll(); });
    }
}

void UrText::mousePressEvent(QMouseEvent *event) {
    emit MouseDown(int(event->button()));
    QLineEdit::mousePressEvent(event);
}

void UrText::mouseReleaseEvent(QMouseEvent *event) {
    emit MouseUp(int(event->button()));
    QLineEdit::mouseReleaseEvent(event);
    emit Click();
}

void UrText::mouseDoubleClickEvent(QMouseEvent *event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit DblClick();
}

} // namespace zentrel::controls

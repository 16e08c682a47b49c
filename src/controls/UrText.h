#pragma once

#include "TextInputRules.h"
#include "UrFieldControl.h"

#include <QLineEdit>

namespace zentrel::controls {

// A one-line text field. Every typed or pasted character passes the input rules (no leading
// space, "$" only with AllowD, digits only with OnlyNumeric, ForceCase); a locked or DisplayOnly
// field shows its text and takes no input. The first change by the user marks the record as
// changed (with ShowChange).
class UrText : public QLineEdit, public UrFieldControl {
    Q_OBJECT
public:
    explicit UrText(QWidget *parent = nullptr);

    QString Text() const { return text(); }
    // Sets the text as the program (not a change by the user).
    void SetText(const QString &text);
    int SelStart() const { return selectionStart() >= 0 ? selectionStart() : cursorPosition(); }
    void SetSelStart(int position) { setCursorPosition(position); }
    int SelLength() const { return int(selectedText().size()); }
    void SetSelLength(int length) { setSelection(SelStart(), length); }

    int ForceCase() const { return m_options.forceCase; }
    void SetForceCase(int mode) { m_options.forceCase = mode; }
    bool OnlyNumeric() const { return m_options.onlyNumeric; }
    void SetOnlyNumeric(bool on) {
        m_options.onlyNumeric = on;
        m_onlyNumericSet = true;
    }
    // The declared type of the bound column: an unsigned tiny integer switches OnlyNumeric on,
    // unless the window has set OnlyNumeric itself.
    void SetColumnType(const QString &declaredType);
    bool AllowD() const { return m_options.allowD; }
    void SetAllowD(bool on) { m_options.allowD = on; }
    // 0 never selects on entry, 1 selects when entered with the keyboard, 2 always.
    int SelectOnEntry() const { return m_selectOnEntry; }
    void SetSelectOnEntry(int mode) { m_selectOnEntry = mode; }
    QString LeadingChar() const { return m_leadingChar; }
    void SetLeadingChar(const QString &c) { m_leadingChar = c; }
    bool DisplayOnly() const { return ForceLock(); }
    void SetDisplayOnly(bool on) { SetForceLock(on); }
    int WidthInChar() const { return m_widthInChar; }
    void SetWidthInChar(int chars);

    bool Validate() override;
    void LoadValue(const QVariant &value) override;
    QVariant CurrentValue() const override;
    QWidget *widget() override { return this; }

signals:
    void Click();
    void DblClick();
    void Change();
    void MyValidate(bool &pCancel);
    void KeyDown(int &keyCode, int shift);
    void KeyUp(int &keyCode, int shift);
    void KeyPress(int &keyAscii);
    void MouseDown(int button);
    void MouseUp(int button);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void applyLocked(bool locked) override;

private:
    void insertFiltered(const QString &typed);

    TextInputOptions m_options;
    int m_selectOnEntry = 2;
    QString m_leadingChar;
    int m_widthInChar = 0;
    bool m_onlyNumericSet = false;
};

} // namespace zentrel::controls

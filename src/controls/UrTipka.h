#pragma once

#include <QColor>
#include <QToolButton>

namespace zentrel::controls {

// One key of the command bar: the key caption beside the command caption, a pressed look that
// the bar sets (the button never toggles itself), and a background colour.
class UrTipka : public QToolButton {
    Q_OBJECT
public:
    explicit UrTipka(QWidget *parent = nullptr);

    void SetKeyCode(int keyCode) { m_keyCode = keyCode; }
    int KeyCode() const { return m_keyCode; }
    void SetKeyCaption(const QString &caption);
    QString KeyCaption() const { return m_keyCaption; }
    void SetCaption(const QString &caption);
    QString Caption() const { return m_caption; }
    // What the key does, in full, for the tool tip (the caption when empty).
    void SetAction(const QString &action);
    // The pressed look.
    void SetValue(bool pressed);
    bool Value() const { return isChecked(); }
    void SetBackColor(const QColor &color);
    QColor BackColor() const { return m_back; }
    // Back to the plain look: not pressed.
    void SetNormalButton() { SetValue(false); }

private:
    void refreshText();

    int m_keyCode = 0;
    QString m_keyCaption;
    QString m_caption;
    QString m_action;
    QColor m_back;
};

} // namespace zentrel::controls

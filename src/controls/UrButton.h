#pragma once

#include <QPushButton>

class QShortcut;

namespace zentrel::controls {

// A push button of a dialog. With DefaultButton it carries the tool tip "Tipka Enter" and is
// pressed by Enter; with CancelButton "Tipka Esc" and Esc (anywhere in its window).
class UrButton : public QPushButton {
    Q_OBJECT
public:
    explicit UrButton(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    bool DefaultButton() const { return m_default; }
    void SetDefaultButton(bool on);
    bool CancelButton() const { return m_cancel; }
    void SetCancelButton(bool on);
    // The number the window gives the button (several buttons may share one handler).
    int Button() const { return m_number; }
    void SetButton(int number) { m_number = number; }

private:
    void updateShortcuts();

    bool m_default = false;
    bool m_cancel = false;
    int m_number = 0;
    QList<QShortcut *> m_shortcuts;
};

} // namespace zentrel::controls

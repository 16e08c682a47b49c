#pragma once

#include "EditContainer.h"

#include <QColor>
#include <QFrame>
#include <QList>
#include <QPointer>

class QLabel;
class QVBoxLayout;

namespace zentrel::db {
class RowSet;
}

namespace zentrel::controls {

class UrFieldControl;

// The frame of a window's field controls: the command bar locks and unlocks it as a whole,
// it carries the keyboard chain (Tab and Shift+Tab step through NextControl and
// PreviousControl, validating the control being left), and it loads all bound fields from
// the current record in one call.
class UrFrame : public QFrame, public EditContainer {
    Q_OBJECT
public:
    explicit UrFrame(QWidget *parent = nullptr);
    ~UrFrame() override;

    void SetCaption(const QString &caption);
    QString Caption() const;
    void SetCaptionShown(bool shown);
    bool CaptionShown() const;
    void SetFrameType(int type);
    int FrameType() const { return m_frameType; }
    void SetFrameColor(const QColor &color);
    QColor FrameColor() const { return m_frameColor; }
    void SetLabelColorType(int type) { m_labelColorType = type; }
    int LabelColorType() const { return m_labelColorType; }
    void SetLabelHeight(int height) { m_labelHeight = height; }
    int LabelHeight() const { return m_labelHeight; }

    // Adds a field control to ContContr and links it after the previous one in the chain.
    // The control is laid out by the window; the frame only keeps order and lock.
    int AddControl(UrFieldControl *control);
    const QList<UrFieldControl *> &ContContr() const { return m_controls; }
    UrFieldControl *Control(int position) const;
    int FirstControl() const { return m_first; }
    void SetFirstControl(int position) { m_first = position; }
    int LastControl() const { return m_last; }
    void SetLastControl(int position) { m_last = position; }
    // The area where the window lays out its labels and controls.
    QWidget *Body() const { return m_body; }

    // Locks (editable false) or unlocks every control of the chain; change marks are cleared.
    void Lock(bool locked) { applyLock(!locked, m_showChange); }
    bool IsLocked() const { return !m_editable; }

    // Validates the control that has the focus; false when it refuses (the focus stays).
    bool ValidateCurrent();
    // One keyboard step from the control at `position`; false when the control refused.
    bool Step(int position, bool forward);

    // Loads every bound control from a row of the record set (row < 0 clears them).
    void LoadFields(const db::RowSet &rows, int row);
    void ClearFields();
    // The current value of the control bound to that field (an invalid QVariant when none is).
    QVariant FieldValue(const QString &field) const;
    UrFieldControl *ControlOfField(const QString &field) const;

    // EditContainer
    void applyLock(bool editable, bool showChange) override;
    void restoreFocus() override;
    void focusFirst() override { focusFirstAvailable(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<int> chain() const;
    int positionOfFocus() const;
    int positionOfTarget(const QObject *watched) const;
    void focusFirstAvailable();

    QLabel *m_caption;
    QWidget *m_body;
    QList<UrFieldControl *> m_controls;
    int m_first = -1;
    int m_last = -1;
    int m_frameType = 0;
    QColor m_frameColor;
    int m_labelColorType = 0;
    int m_labelHeight = 0;
    int m_lastFocused = -1;
    bool m_editable = true;
    bool m_showChange = true;
};

} // namespace zentrel::controls

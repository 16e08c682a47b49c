#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace zentrel::controls {

// The contract every field control shares: it can be locked by its frame, it takes its place
// in the frame's keyboard chain, it validates itself before the focus leaves it, and it reports
// the first change of its value to the command bar. Values set by the program (LoadValue,
// SetText) are never changes; only the user's input is.
class UrFieldControl {
public:
    virtual ~UrFieldControl() = default;

    virtual QWidget *widget() = 0;
    // The widget that takes the focus (the control itself unless it is a composite).
    virtual QWidget *focusTarget() { return widget(); }

    bool Locked() const { return m_locked || m_forceLock; }
    void SetLocked(bool locked);
    // A lock the frame does not lift (ForceLock of the mover, DisplayOnly of a text).
    void SetForceLock(bool on);
    bool ForceLock() const { return m_forceLock; }

    int NextControl() const { return m_next; }
    void SetNextControl(int position) { m_next = position; }
    int PreviousControl() const { return m_previous; }
    void SetPreviousControl(int position) { m_previous = position; }
    // Whether the control takes part in the keyboard order.
    bool InKeyboardOrder() const { return m_inKeyboardOrder; }
    void SetInKeyboardOrder(bool on) { m_inKeyboardOrder = on; }

    // Whether the control keeps this key from the command bar (an open drop-down list keeps
    // Enter, Esc and the arrows). The default keeps none.
    virtual bool KeepsKey(int qtKey) const {
        (void)qtKey;
        return false;
    }

    // Checks the current input; false refuses (the focus stays). The default accepts.
    virtual bool Validate() { return true; }

    bool ShowChange() const { return m_showChange; }
    void SetShowChange(bool on) { m_showChange = on; }
    // Set by the frame: whether changes are marked at all (off while the bar tracks none).
    void SetChangeMarking(bool on) { m_marking = on; }
    bool ChangedMarkShown() const { return m_changedMark; }
    void ClearChangeMark();

    int FontType() const { return m_fontType; }
    void SetFontType(int type);

    // Binding to a field of the window's record set.
    QString DataField() const { return m_dataField; }
    void SetDataField(const QString &field) { m_dataField = field; }
    // Shows a value of the record (null for none); not a change.
    virtual void LoadValue(const QVariant &value) = 0;
    // The value as it stands, for the window's SQL.
    virtual QVariant CurrentValue() const = 0;

protected:
    // To be called on every change made by the user: marks the control and the record.
    void noteUserChange();
    // The look of a lock and of the change mark.
    virtual void applyLocked(bool locked) = 0;
    virtual void showChangedMark(bool changed);

private:
    bool m_locked = false;
    bool m_forceLock = false;
    int m_next = -1;
    int m_previous = -1;
    bool m_inKeyboardOrder = true;
    bool m_showChange = true;
    bool m_marking = true;
    bool m_changedMark = false;
    int m_fontType = 0;
    QString m_dataField;
};

} // namespace zentrel::controls

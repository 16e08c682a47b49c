#pragma once

namespace zentrel::controls {

// The status line as the command bar sees it.
class StatusIndicator {
public:
    virtual ~StatusIndicator() = default;
    // Shows or hides the mark that the current record has unsaved changes.
    virtual void showDataChanged(bool changed) = 0;
    // True while the line reports a condition that must stop Enter from moving to the next record.
    virtual bool pendingCondition() const = 0;
};

} // namespace zentrel::controls

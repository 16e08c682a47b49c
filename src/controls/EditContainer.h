#pragma once

namespace zentrel::controls {

// The frame holding a window's field controls, as the command bar sees it.
class EditContainer {
public:
    virtual ~EditContainer() = default;
    // Unlocks the fields (editable true) or locks them; showChange turns change marking on.
    virtual void applyLock(bool editable, bool showChange) = 0;
    // Gives the focus back to the field that last had it (or the first field).
    virtual void restoreFocus() = 0;
    // Puts the focus into the first available field (a new record starts there).
    virtual void focusFirst() = 0;
};

} // namespace zentrel::controls

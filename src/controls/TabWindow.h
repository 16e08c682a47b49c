#pragma once

namespace zentrel::controls {

// What a window opened in a tab of the tab strip may answer. A window that does not implement
// it is simply shown; one that does hears when its tab becomes current (the moment to call the
// command bar's Init), may refuse a tab change, and may refuse to close.
class TabWindow {
public:
    virtual ~TabWindow() = default;
    virtual void TabActivated() {}
    // Before another tab is chosen: pCancel refuses, pSomeActionDone tells that the window did
    // something on the way out (saved or discarded a record).
    virtual void BeforeTabClick(bool &pCancel, bool &pSomeActionDone) {
        (void)pCancel;
        (void)pSomeActionDone;
    }
    // False keeps the window open (the user keeps unsaved changes).
    virtual bool CanClose() { return true; }
};

} // namespace zentrel::controls

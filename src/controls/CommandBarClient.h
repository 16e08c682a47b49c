#pragma once

namespace zentrel::controls {

// The client events, numbered as the windows know them.
enum class ClientEvent {
    ButtonClick = 1,
    AcceptAddNew = 2,
    CancelAddNew = 3,
    ClearAddNew = 4,
    AcceptEdit = 5,
    CancelEdit = 6,
    EditBegin = 7,
    EditEnd = 8,
    BeforeAddNew = 9,
    AddNewCanceled = 10,
    EditAccepted = 11,
    KeyProcessEditAccepted = 12,
    BeginEditClick = 13,
};

// The window's side of the command bar. The bar never calls a window directly: it raises these
// events on the client the active window registered. A window refuses by setting pCancel.
// The defaults accept everything and do nothing.
class CommandBarClient {
public:
    virtual ~CommandBarClient() = default;

    virtual void ButtonClick(int &pButtonType, bool &pCancel) {
        (void)pButtonType;
        (void)pCancel;
    }
    virtual void AcceptAddNew(bool &pCancel) { (void)pCancel; }
    virtual void CancelAddNew() {}
    virtual void ClearAddNew() {}
    virtual void AcceptEdit(bool &pCancel) { (void)pCancel; }
    virtual void CancelEdit() {}
    virtual void EditBegin() {}
    virtual void EditEnd() {}
    virtual void BeforeAddNew(bool &pCancel) { (void)pCancel; }
    virtual void AddNewCanceled() {}
    virtual void EditAccepted() {}
    virtual void KeyProcessEditAccepted() {}
    virtual void BeginEditClick(bool &pCancel) { (void)pCancel; }
};

} // namespace zentrel::controls

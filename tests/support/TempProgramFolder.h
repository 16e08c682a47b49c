#pragma once

#include "TempFolder.h"
#include "core/ScriptedPresenter.h"

namespace zentrel::test {

// A clean program state whose user data, common data and documents folders are one temporary
// folder, its messages going to a scripted presenter; the state is reset at both ends and the
// project closed. The main window's widget tests make one for each case.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();

    TempFolder &folder() { return m_folder; }
    core::ScriptedPresenter &messages() { return m_messages; }

private:
    struct Reset {
        Reset();
        ~Reset();
    } m_reset; // made first and gone last
    TempFolder m_folder;
    core::ScriptedPresenter m_messages;
    core::PresenterScope m_scope;
};

} // namespace zentrel::test

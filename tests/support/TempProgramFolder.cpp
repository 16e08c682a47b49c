#include "TempProgramFolder.h"

#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/Startup.h"

namespace zentrel::test {

TempProgramFolder::Reset::Reset() {
    shell::ResetProgramState();
}

TempProgramFolder::Reset::~Reset() {
    shell::ResetProgramState();
}

TempProgramFolder::TempProgramFolder() : m_scope(&m_messages) {
    core::Folders &f = core::App().folders;
    f.program = ProgramFolder();
    f.userData = m_folder.path();
    f.commonData = m_folder.path();
    f.documents = m_folder.path();
}

TempProgramFolder::~TempProgramFolder() {
    db::ProjectDb().close();
}

} // namespace zentrel::test

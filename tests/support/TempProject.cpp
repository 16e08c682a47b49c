#include "TempProject.h"

#include "core/AppState.h"
#include "db/MBaza.h"
#include "db/Schema.h"
#include "shell/Startup.h"

#include <QFile>

namespace zentrel::test {

TempProject::TempProject(const QString &fileName) : m_scope(&m_presenter) {
    shell::ResetProgramState();
    // The user data folder, where safety copies go: hidden, so the project's folder lists only
    // what the test puts there.
    core::App().folders.userData = m_folder.file(QStringLiteral(".domov"));
    m_path = m_folder.file(fileName);
    QFile::copy(ProgramFolder() + QStringLiteral("/zn.opp"), m_path);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    db::ProjectDb().open(m_path);
    core::App().projectFolder = m_folder.path() + u'/';
    core::App().projectFileName = fileName;
}

TempProject::~TempProject() {
    shell::ResetProgramState();
}

db::Connection &TempProject::db() {
    return db::ProjectDb();
}

} // namespace zentrel::test

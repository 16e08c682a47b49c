#include "TempProject.h"

#include "db/Schema.h"
#include "shell/AppState.h"

#include <QFile>

namespace zentrel::test {

TempProject::TempProject(const QString &fileName) : m_scope(&m_presenter) {
    shell::ResetApp();
    m_path = m_folder.file(fileName);
    QFile::copy(ProgramFolder() + QStringLiteral("/zn.opp"), m_path);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    shell::App().projectConnection.open(m_path);
    shell::App().projectFolder = m_folder.path() + u'/';
    shell::App().projectFileName = fileName;
}

TempProject::~TempProject() { shell::ResetApp(); }

db::Connection &TempProject::db() { return shell::App().projectConnection; }

} // namespace zentrel::test

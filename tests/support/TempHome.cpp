#include "TempHome.h"

#include "core/AppState.h"
#include "shell/Startup.h"

#include <QDir>
#include <QFile>

namespace zentrel::test {

TempHome::TempHome(bool openDefaults) : m_scope(&m_presenter) {
    shell::ResetProgramState();
    core::Folders &f = core::App().folders;
    f.program = ProgramFolder();
    f.userData = m_folder.file(QStringLiteral("user"));
    f.commonData = f.userData;
    f.documents = m_folder.file(QStringLiteral("Urniki"));
    QDir().mkpath(f.userData);
    QDir().mkpath(f.documents);
    if (openDefaults)
        shell::OpenDefaultsDatabase();
}

TempHome::~TempHome() {
    shell::ResetProgramState();
}

QString TempHome::newProjectFile(const QString &name) const {
    const QString path = m_folder.file(name);
    QFile::remove(path);
    QFile::copy(ProgramFolder() + QStringLiteral("/zn.opp"), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

} // namespace zentrel::test

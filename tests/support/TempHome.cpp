#include "TempHome.h"

#include "core/AppState.h"
#include "db/Connection.h"
#include "shell/Startup.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

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

QString TempHome::oldProjectFile(const QString &name, int version, const QString &statements) const {
    const QString path = newProjectFile(name);
    db::Connection c;
    EXPECT_TRUE(c.open(path));
    EXPECT_TRUE(
        c.exec(QStringLiteral("UPDATE INI SET VREDNOST='%1' WHERE ATRIBUT='Verzija';").arg(version) + statements))
        << c.lastError().description.toStdString();
    return path;
}

} // namespace zentrel::test

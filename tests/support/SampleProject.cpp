#include "SampleProject.h"

#include "shell/ProjectFiles.h"

namespace zentrel::test {

SampleProject::SampleProject() {
    m_path = file(QStringLiteral("primer.znt"));
    QFile::copy(ProgramFolder() + QStringLiteral("/primer.znt"), m_path);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    shell::OpenProjectFile(m_path);
    messages().clear();
}

QByteArray ReadFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace zentrel::test

#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zentrel::test {

// A temporary folder for one test; removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder() = default;
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// The folder where the build puts the executables and the files the program ships.
QString ProgramFolder();

} // namespace zentrel::test

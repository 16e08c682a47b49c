#pragma once

#include "TempHome.h"

#include <QFile>
#include <QString>

namespace zentrel::test {

// The shipped sample school opened as the project, in a temporary home (messages scripted).
class SampleProject : public TempHome {
public:
    SampleProject();
    QString projectPath() const { return m_path; }

private:
    QString m_path;
};

// The content of a file; empty when it cannot be read.
QByteArray ReadFile(const QString &path);

} // namespace zentrel::test

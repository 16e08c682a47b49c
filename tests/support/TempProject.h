#pragma once

#include "TempFolder.h"
#include "db/Connection.h"
#include "shell/ScriptedPresenter.h"

namespace zentrel::test {

// A fresh project for one test: a copy of the pristine defaults database opened as the
// program's project connection, with a scripted presenter that records every message.
// The program state is reset when the test starts and again when it ends.
class TempProject {
public:
    explicit TempProject(const QString &fileName = QStringLiteral("projekt.znt"));
    ~TempProject();

    db::Connection &db();
    QString path() const { return m_path; }
    shell::ScriptedPresenter &messages() { return m_presenter; }
    TempFolder &folder() { return m_folder; }

private:
    TempFolder m_folder;
    QString m_path;
    shell::ScriptedPresenter m_presenter;
    shell::PresenterScope m_scope;
};

} // namespace zentrel::test

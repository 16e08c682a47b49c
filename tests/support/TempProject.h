#pragma once

#include "TempFolder.h"
#include "core/ScriptedPresenter.h"
#include "db/Connection.h"

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
    core::ScriptedPresenter &messages() { return m_presenter; }
    TempFolder &folder() { return m_folder; }

private:
    TempFolder m_folder;
    QString m_path;
    core::ScriptedPresenter m_presenter;
    core::PresenterScope m_scope;
};

} // namespace zentrel::test

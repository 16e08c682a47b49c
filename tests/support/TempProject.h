#pragma once

#include "TempFolder.h"
#include "core/ScriptedPresenter.h"
#include "db/Connection.h"

namespace zentrel::test {

// A fresh project for one test: a copy of the pristine defaults database opened as the
// program's project connection, with a scripted presenter that records every message.
// The user data folder (where the safety copies go) is a temporary folder of its own, so the
// project's folder holds only what the test puts there. The program state is reset when the test
// starts and again when it ends.
class TempProject {
public:
    explicit TempProject(const QString &fileName = QStringLiteral("projekt.znt"));
    ~TempProject();

    db::Connection &db();
    QString path() const { return m_path; }
    core::ScriptedPresenter &messages() { return m_presenter; }
    TempFolder &folder() { return m_folder; }
    // The user data folder.
    QString home() const { return m_home.path(); }

private:
    TempFolder m_folder;
    TempFolder m_home;
    QString m_path;
    core::ScriptedPresenter m_presenter;
    core::PresenterScope m_scope;
};

} // namespace zentrel::test

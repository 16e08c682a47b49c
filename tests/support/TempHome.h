#pragma once

#include "TempFolder.h"
#include "core/ScriptedPresenter.h"

namespace zentrel::test {

// A program state as after start-up, without a project: the built program folder (with zn.opp),
// a temporary user data folder holding zn.INI and zn.opm, and a temporary documents folder.
// Messages go to a scripted presenter. The program state is reset at both ends.
class TempHome {
public:
    explicit TempHome(bool openDefaults = true);
    ~TempHome();

    QString path() const { return m_folder.path(); }
    QString file(const QString &name) const { return m_folder.file(name); }
    core::ScriptedPresenter &messages() { return m_presenter; }
    // Creates a project from zn.opm at the given file name in the temporary folder and returns its path
    // (the project is not opened).
    QString newProjectFile(const QString &name) const;
    // The same, marked as made by an older version and filled by the statements.
    QString oldProjectFile(const QString &name, int version, const QString &statements) const;

private:
    TempFolder m_folder;
    core::ScriptedPresenter m_presenter;
    core::PresenterScope m_scope;
};

} // namespace zentrel::test

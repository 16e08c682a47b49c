#include "Checks.h"
#include "FuzzTarget.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/ProjectFiles.h"
#include "support/TempHome.h"

// Opening a project file of any state: the lock, the engine's structure check, the tables, the
// write test and the opening checks and repairs. The user declines every question (an upgrade,
// a compaction), so a file the program cannot use as it is must be refused untouched.
namespace zentrel::fuzz {

namespace {

Outcome openProject(const QString &path) {
    test::TempHome home;
    AnsweringPresenter presenter([](const QString &) { return core::Answer::No; });
    core::PresenterScope scope(&presenter);
    const QByteArray before = FileBytes(path);
    Outcome out;
    out.accepted = shell::OpenProjectFile(path);
    if (out.accepted)
        out.fault = FirstFault({MessageFault(presenter, true), DatabaseFault(db::ProjectDb())});
    else
        out.fault = FirstFault({MessageFault(presenter, false), ChangedFault(before, path, QStringLiteral("the refused file"))});
    shell::CloseProject();
    return out;
}

const bool registered = Register({QStringLiteral("project-open"), InputKind::Database, QStringLiteral(".znt"), openProject});

} // namespace

} // namespace zentrel::fuzz

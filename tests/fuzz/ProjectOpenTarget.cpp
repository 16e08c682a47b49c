#include "Checks.h"
#include "FuzzTarget.h"
#include "db/MBaza.h"
#include "shell/ProjectFiles.h"
#include "support/TempHome.h"

#include <QFileInfo>
#include <QHash>

// Opening a project file of any state: the lock, the engine's structure check, the tables, the
// write test and the opening checks and repairs. The user declines an upgrade. A damaged file is
// repaired by compaction in half of the cases (chosen by the file's bytes, so a case always goes
// the same way): the repaired project must be sound and the damaged file kept, byte for byte, as
// its backup. Declined, the file must be refused untouched.
namespace zentrel::fuzz {

namespace {

QString repairedFault(const QString &path, const QByteArray &before, const core::ScriptedPresenter &messages) {
    if (!messages.texts().join(u'\n').contains(QStringLiteral("je popravljena")))
        return {};
    const QString backup = path + QStringLiteral(".bak");
    if (!QFileInfo::exists(backup))
        return QStringLiteral("the damaged project was not kept as ") + backup;
    return ChangedFault(before, backup, QStringLiteral("the backup of the damaged project"));
}

Outcome openProject(const QString &path) {
    test::TempHome home;
    const QByteArray before = FileBytes(path);
    const bool repair = qHash(before) % 2 == 0;
    AnsweringPresenter presenter([repair](const QString &question) {
        return repair && question.contains(QStringLiteral("je poškodovana")) ? core::Answer::Yes : core::Answer::No;
    });
    core::PresenterScope scope(&presenter);
    Outcome out;
    out.accepted = shell::OpenProjectFile(path);
    if (out.accepted)
        out.fault = FirstFault(
            {MessageFault(presenter, true), DatabaseFault(db::ProjectDb()), repairedFault(path, before, presenter)});
    else if (!repair || !presenter.texts().join(u'\n').contains(QStringLiteral("je poškodovana")))
        out.fault = FirstFault(
            {MessageFault(presenter, false), ChangedFault(before, path, QStringLiteral("the refused file"))});
    else // a repair that failed: the file as it was, or repaired with the original as its backup
        out.fault = FirstFault({MessageFault(presenter, false),
                                QFileInfo::exists(path + QStringLiteral(".bak"))
                                    ? repairedFault(path, before, presenter)
                                    : ChangedFault(before, path, QStringLiteral("the file a failed repair left"))});
    shell::CloseProject();
    return out;
}

const bool registered =
    Register({QStringLiteral("project-open"), InputKind::Database, QStringLiteral(".znt"), openProject});

} // namespace

} // namespace zentrel::fuzz

#include "CurrentRecords.h"

#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/ProjectFiles.h"
#include "shell/ShellHooks.h"

namespace zentrel::basicdata {

CurrentRecords &Trenutni() {
    return core::App().rememberedRows;
}

void ResetTrenutni() {
    core::App().rememberedRows = {};
}

qint64 CurrentCurriculum() {
    db::Connection &c = db::ProjectDb();
    const qint64 chosen = core::App().trenutniPredmetnik;
    if (chosen >= 0 && c.scalar(QStringLiteral("SELECT count(*) FROM PREDMETNIKI WHERE ID = ?"), {chosen}).toInt() > 0)
        return chosen;
    const db::RowSet rows = c.query(QStringLiteral("SELECT ID FROM PREDMETNIKI"));
    return rows.rowCount() == 1 ? rows.integer(0, QStringLiteral("ID")) : -1;
}

} // namespace zentrel::basicdata

namespace zentrel::basicdata {

void SetSchoolName(const QString &name) {
    core::App().schoolName = name;
    if (shell::Hooks().schoolNameChanged)
        shell::Hooks().schoolNameChanged(name);
    if (shell::Hooks().captionChanged && db::ProjectOpen())
        shell::Hooks().captionChanged(shell::MainCaption());
}

} // namespace zentrel::basicdata

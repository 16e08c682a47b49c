#include "KopijaPredSestavljanjem.h"

#include "engine/SestavljanjeUrnika.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/SafetyCopies.h"

namespace zentrel::timetable {

bool KopijaPredSestavljanjem() {
    const core::AppState &app = core::App();
    if (!engine::PreveriUrnikZaSestavljanje().isEmpty())
        return true; // the job refuses it with its own message
    const qint64 placed =
        db::ProjectDb()
            .scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA = ? AND ID_TURNUSA = ?"),
                    {app.trenutniUrnik, app.trenutniTurnus})
            .toLongLong();
    return placed == 0 || shell::SafetyCopyBefore(
                              shell::OperationWithName(QStringLiteral("Sestavljanje urnika"), app.trenutniUrnikIme));
}

} // namespace zentrel::timetable

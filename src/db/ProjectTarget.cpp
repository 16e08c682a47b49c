#include "ProjectTarget.h"

#include "MBaza.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"

#include <QFileInfo>

namespace zentrel::db {

using core::ShowMessage;

QString ProjectInUseText() {
    return QStringLiteral("Projekt # je odprt v drugem programu. Dokler je odprt tam, ga tukaj ni mogoče "
                          "spreminjati.");
}

bool ProjectTarget::claim(const QString &path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        ShowMessage(core::MsgError, OpenFailureText(DbErrorCode::IsDirectory), path);
        return false;
    }
    if (!QFileInfo(info.absolutePath()).isDir()) {
        ShowMessage(core::MsgError, QStringLiteral("Mapa # ne obstaja."), info.absolutePath());
        return false;
    }
    if (!info.exists())
        return true;
    // A file that cannot be locked (no write permission) is refused later by the write itself.
    if (m_lock.acquire(path) == ProjectLock::Result::InUse) {
        ShowMessage(core::MsgError, ProjectInUseText(), core::SplitPath(info.absoluteFilePath()).second);
        return false;
    }
    return true;
}

} // namespace zentrel::db

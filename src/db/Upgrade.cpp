#include "Upgrade.h"

#include "MBaza.h"
#include "Schema.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"

#include <QFile>
#include <QFileInfo>

namespace zentrel::db {

using core::ShowMessage;

bool CopyAllTables(const QString &sourcePath, Connection &target) {
    // Rows of an old file may precede the rows they refer to; the keys are checked by the
    // opening repairs afterwards, not row by row during the copy.
    if (!target.setForeignKeys(false))
        return false;
    bool ok = false;
    {
        AttachedFile source(target, sourcePath, QStringLiteral("star"));
        if (source.isAttached()) {
            Transaction t(target);
            ok = t.isActive();
            // INI and the time grid first, then everything else, as the program always has.
            QStringList order{QStringLiteral("INI"),
                              QStringLiteral("STAVBE"),
                              QStringLiteral("PROSTORI"),
                              QStringLiteral("SKUPINE_PROSTOROV"),
                              QStringLiteral("PROSTORI_V_SKUPINI"),
                              QStringLiteral("TURNUSI"),
                              QStringLiteral("IZMENE"),
                              QStringLiteral("URE"),
                              QStringLiteral("IZMENA_TURNUS")};
            for (const QString &table : SchemaTables())
                if (!order.contains(table))
                    order << table;
            for (const QString &table : order) {
                if (!ok)
                    break;
                const bool present =
                    target
                        .scalar(QStringLiteral("SELECT count(*) FROM star.sqlite_master WHERE type='table' AND "
                                               "name=? COLLATE NOCASE"),
                                {table})
                        .toInt() > 0;
                if (present)
                    ok = CopyAttachedTable(target, source.alias(), table);
            }
            ok = ok && WriteIni(QString::number(CurrentSchemaVersion), QStringLiteral("Verzija"), target) && t.commit();
        }
    }
    return target.setForeignKeys(true) && ok;
}

UpgradeResult UpgradeProject(const QString &path, const QString &defaultsDatabase) {
    UpgradeResult result;
    const QString fileName = core::SplitPath(path).second;
    if (ShowMessage(core::MsgQuestion,
                    QStringLiteral("Projekt # je narejen s starejšo verzijo programa.\n\nProjekt bo posodobljen. Star "
                                   "format podatkov bo shranjen v #.\n\n Ali  želiš nadajevati?"),
                    fileName, fileName + QStringLiteral(".bak")) != core::Answer::Yes) {
        result.path = path;
        return result;
    }
    Connection &project = db::ProjectDb();
    project.close();
    const QString backup = MakeBackup(path);
    if (backup.isEmpty()) {
        ShowMessage(core::MsgError,
                    QStringLiteral("Datoteka #  je je zaščitena proti pisanju.\n"
                                   "Odstranite zaščito in poskusite znova."),
                    path);
        result.failed = true;
        return result;
    }
    QString target = path;
    const QFileInfo info(path);
    if (info.suffix().toUpper() == QLatin1String("KVL")) {
        const QString znt = info.path() + u'/' + info.completeBaseName() + QStringLiteral(".znt");
        if (!QFileInfo::exists(znt))
            target = znt;
    }
    ShowMessage(core::MsgProgressBegin, QStringLiteral("Posodabljam projekt #"), fileName);
    QFile::remove(target);
    bool ok = QFile::copy(defaultsDatabase, target);
    if (ok)
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::WriteUser);
    ok = ok && project.open(target) && CopyAllTables(backup, project);
    if (ok) {
        project.close();
        ok = project.open(target);
    }
    if (!ok) {
        // Nothing of the old project may be lost: its file returns under its own name.
        const DbError error = project.lastError();
        project.close();
        QFile::remove(target);
        QFile::rename(backup, path);
        ShowMessage(core::MsgProgressEnd, QString());
        core::ShowErrorMessage(QStringLiteral("Napaka pri odpiranju datoteke s podatki."), error, path);
        result.failed = true;
        return result;
    }
    ShowMessage(core::MsgProgressEnd, QStringLiteral("Projekt # posodobljen."), core::SplitPath(target).second);
    result.upgraded = true;
    result.path = target;
    return result;
}

} // namespace zentrel::db

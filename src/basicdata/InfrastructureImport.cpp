#include "InfrastructureImport.h"

#include "CurrentRecords.h"
#include "WriteAction.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"

#include <QFileInfo>

namespace zentrel::basicdata {

using core::ShowMessage;

namespace {

// Turnusi are updated in place rather than emptied: emptying them would take every programme
// row, assignment and placed lesson of the project with them through the schema's cascades,
// which the question does not announce. Turnusi the other file lacks still go.
bool mergeTurnusi(WriteAction &action, const QString &alias) {
    action.exec(QStringLiteral("DELETE FROM main.TURNUSI WHERE ID NOT IN (SELECT ID FROM %1.TURNUSI)").arg(alias));
    action.exec(QStringLiteral("INSERT INTO main.TURNUSI (ID, OZNAKA) SELECT ID, OZNAKA FROM %1.TURNUSI WHERE true "
                               "ON CONFLICT(ID) DO UPDATE SET OZNAKA = excluded.OZNAKA")
                    .arg(alias));
    return action.ok();
}

bool copy(WriteAction &action, db::Connection &c, const QString &alias, const QString &table,
          const QString &condition = QString()) {
    if (!action.ok())
        return false;
    return action.record(db::CopyAttachedTable(c, alias, table, condition, true));
}

} // namespace

bool InfrastructureImport::run(const QString &path) {
    const QString fileName = QFileInfo(path).fileName();
    db::Connection &project = db::ProjectDb();
    if (QFileInfo(path).canonicalFilePath() == QFileInfo(project.path()).canonicalFilePath()) {
        ShowMessage(core::MsgWarning, QStringLiteral("Datoteka # ne vsebuje veljavne infrastrukture"), fileName);
        return false;
    }
    QString schoolName;
    {
        db::Connection other; // closed when this block ends, whatever happens
        if (!db::OpenConnection(other, path))
            return false;
        const db::RowSet rows = other.query(QStringLiteral("Select * from INI where atribut = 'Ime_Sole'"));
        if (rows.isEmpty()) {
            ShowMessage(core::MsgWarning, QStringLiteral("Datoteka # ne vsebuje veljavne infrastrukture"), fileName);
            return false;
        }
        schoolName = rows.text(0, QStringLiteral("VREDNOST"));
    }
    if (ShowMessage(core::MsgQuestion,
                    QStringLiteral("Ali ste prepričani, da želite uvoziti infrastrukturo šole #.\n\n"
                                   "Trenutna infrastruktura bo nepovratno izbrisana."),
                    schoolName) != core::Answer::Yes)
        return false;

    const QString version = db::ReadIni(QStringLiteral("Verzija"), project);
    db::AttachedFile source(project, path, QStringLiteral("uvoz"));
    if (!source.isAttached()) {
        core::ShowErrorMessage(QStringLiteral("Datoteke # ni mogoče odpreti."), project.lastError(), fileName);
        return false;
    }
    {
        WriteAction action;
        const QString a = source.alias();
        copy(action, project, a, QStringLiteral("INI"), QStringLiteral("WHERE ATRIBUT NOT LIKE 'Verzija'"));
        if (action.ok() && !version.isEmpty())
            action.exec(QStringLiteral("INSERT INTO INI (ATRIBUT, VREDNOST) VALUES ('Verzija', ?)"), {version});
        copy(action, project, a, QStringLiteral("STAVBE"));
        copy(action, project, a, QStringLiteral("PROSTORI"));
        copy(action, project, a, QStringLiteral("SKUPINE_PROSTOROV"));
        copy(action, project, a, QStringLiteral("PROSTORI_V_SKUPINI"));
        if (action.ok())
            mergeTurnusi(action, a);
        copy(action, project, a, QStringLiteral("IZMENE"));
        copy(action, project, a, QStringLiteral("URE"));
        copy(action, project, a, QStringLiteral("IZMENA_TURNUS"));
        if (!action.commit())
            return false;
    }
    SetSchoolName(db::ReadIni(QStringLiteral("Ime_Sole"), project));
    ShowMessage(core::MsgInformation, QStringLiteral("Uvoz infrastrukture je zaključen."));
    return true;
}

} // namespace zentrel::basicdata

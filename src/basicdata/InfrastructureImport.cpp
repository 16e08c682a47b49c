#include "InfrastructureImport.h"

#include "CurrentRecords.h"
#include "WriteAction.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "db/MergeRows.h"
#include "shell/NastavitveTurnusi.h"
#include "shell/SafetyCopies.h"

#include <QFileInfo>

namespace zentrel::basicdata {

using core::ShowMessage;
using shell::NastavitveTurnusi;

namespace {

const QString kNoInfrastructure = QStringLiteral("Datoteka # ne vsebuje veljavne infrastrukture");

// A row of the project that the imported file lacks, with what its deletion takes along.
struct VanishedRow {
    qint64 id;
    QString code;
};

QList<VanishedRow> vanished(db::Connection &c, const QString &alias, const QString &table) {
    QList<VanishedRow> rows;
    const db::RowSet set = c.query(QStringLiteral("SELECT ID, OZNAKA FROM main.%1 WHERE ID NOT IN (SELECT ID FROM "
                                                  "%2.%1 WHERE ID IS NOT NULL) ORDER BY ID")
                                       .arg(table, alias));
    for (int i = 0; i < set.rowCount(); ++i)
        rows.append({set.integer(i, QStringLiteral("ID")), set.text(i, QStringLiteral("OZNAKA"))});
    return rows;
}

// A turnus the file lacks goes by the settings window's rules: refused while a valid timetable
// has lessons in it, confirmed when programmes use it (its rows, assignments and lessons go too).
// Turnus 0 (every week) is never deleted.
bool turnusiMayGo(const QList<VanishedRow> &turnusi) {
    for (const VanishedRow &t : turnusi) {
        if (NastavitveTurnusi::LessonsInValidTimetables(t.id) > 0) {
            ShowMessage(core::MsgWarning,
                        QStringLiteral("Uvožena datoteka nima turnusa #, ki nastopa v veljavnem urniku.\n"
                                       "Brisanje turnusa ni dovoljeno, zato uvoz ni bil izveden."),
                        t.code);
            return false;
        }
        if (NastavitveTurnusi::ProgrammeRows(t.id) > 0 &&
            ShowMessage(core::MsgQuestion,
                        QStringLiteral("Uvožena datoteka nima turnusa #.\nIzbrisan bo tudi iz vseh predmetnikov, "
                                       "razporedov in urnikov!\n\nAli želiš nadaljevati uvoz?"),
                        t.code) != core::Answer::Yes)
            return false;
    }
    return true;
}

// A shift the file lacks: its classes move to shift A once the user confirms.
bool izmeneMayGo(const QList<VanishedRow> &izmene, QList<qint64> &moved) {
    for (const VanishedRow &s : izmene) {
        if (NastavitveTurnusi::ClassesOnShift(s.id) == 0)
            continue;
        if (ShowMessage(core::MsgQuestion,
                        QStringLiteral("Uvožena datoteka nima izmene #.\nV vseh razporedih bo ta izmena postavljena "
                                       "na izmeno A!\n\nAli želiš nadaljevati uvoz?"),
                        s.code) != core::Answer::Yes)
            return false;
        moved.append(s.id);
    }
    return true;
}

// The merge itself: rows are matched by identifier (periods by number, links by both ends),
// updated or inserted parents first, and only rows the file lacks are deleted, children first,
// so that the cascades reach nothing that survives.
void merge(WriteAction &action, db::Connection &c, const QString &a, const QList<qint64> &shiftsMoved) {
    const QStringList id{QStringLiteral("ID")};
    const QStringList roomLink{QStringLiteral("ID_PROSTORA"), QStringLiteral("ID_SKUPINE")};
    const QStringList firstPeriods{QStringLiteral("ID_TURNUSA"), QStringLiteral("ID_IZMENE")};
    // The project keeps its own "Verzija": its tables are of that version, whatever the file's are.
    action.exec(QStringLiteral("DELETE FROM main.INI WHERE ATRIBUT <> 'Verzija'"));
    action.exec(QStringLiteral("INSERT INTO main.INI (ATRIBUT, VREDNOST) SELECT ATRIBUT, VREDNOST FROM %1.INI "
                               "WHERE ATRIBUT <> 'Verzija' COLLATE NOCASE")
                    .arg(a));
    auto upsert = [&](const QString &table, const QStringList &keys, const QString &condition = QString()) {
        action.record(action.ok() && db::UpsertAttachedRows(c, a, table, keys, condition));
    };
    auto prune = [&](const QString &table, const QStringList &keys, const QString &keep = QString()) {
        action.record(action.ok() && db::DeleteVanishedRows(c, a, table, keys, keep));
    };
    upsert(QStringLiteral("STAVBE"), id);
    upsert(QStringLiteral("PROSTORI"), id);
    upsert(QStringLiteral("SKUPINE_PROSTOROV"), id);
    upsert(QStringLiteral("PROSTORI_V_SKUPINI"), roomLink,
           QStringLiteral("s.ID_SKUPINE IN (SELECT ID FROM main.SKUPINE_PROSTOROV)"));
    upsert(QStringLiteral("TURNUSI"), id);
    upsert(QStringLiteral("IZMENE"), id);
    upsert(QStringLiteral("URE"), {QStringLiteral("URA")});
    upsert(QStringLiteral("IZMENA_TURNUS"), firstPeriods,
           QStringLiteral("s.ID_TURNUSA IN (SELECT ID FROM main.TURNUSI) AND s.ID_IZMENE IN (SELECT ID FROM "
                          "main.IZMENE)"));
    for (const qint64 shift : shiftsMoved)
        action.record(action.ok() && NastavitveTurnusi::MoveClassesToShiftA(shift));
    prune(QStringLiteral("IZMENA_TURNUS"), firstPeriods);
    prune(QStringLiteral("URE"), {QStringLiteral("URA")});
    prune(QStringLiteral("IZMENE"), id);
    prune(QStringLiteral("TURNUSI"), id, QStringLiteral("ID = 0"));
    prune(QStringLiteral("PROSTORI_V_SKUPINI"), roomLink);
    prune(QStringLiteral("SKUPINE_PROSTOROV"), id);
    prune(QStringLiteral("PROSTORI"), id);
    prune(QStringLiteral("STAVBE"), id);
}

} // namespace

bool InfrastructureImport::run(const QString &path) {
    const QString fileName = QFileInfo(path).fileName();
    db::Connection &project = db::ProjectDb();
    if (QFileInfo(path).canonicalFilePath() == QFileInfo(project.path()).canonicalFilePath()) {
        ShowMessage(core::MsgWarning, kNoInfrastructure, fileName);
        return false;
    }
    QString schoolName;
    {
        db::Connection other; // closed when this block ends, whatever happens
        if (!db::OpenConnection(other, path))
            return false;
        const db::RowSet rows = other.query(QStringLiteral("Select * from INI where atribut = 'Ime_Sole'"));
        if (rows.isEmpty()) {
            ShowMessage(core::MsgWarning, kNoInfrastructure, fileName);
            return false;
        }
        schoolName = rows.text(0, QStringLiteral("VREDNOST"));
    }
    if (ShowMessage(core::MsgQuestion,
                    QStringLiteral("Ali ste prepričani, da želite uvoziti infrastrukturo šole #.\n\n"
                                   "Trenutna infrastruktura bo nepovratno izbrisana."),
                    schoolName) != core::Answer::Yes ||
        !shell::SafetyCopyBefore(shell::OperationWithName(QStringLiteral("Uvoz infrastrukture šole"), schoolName)))
        return false;

    db::AttachedFile source(project, path, QStringLiteral("uvoz"));
    if (!source.isAttached()) {
        core::ShowErrorMessage(QStringLiteral("Datoteke # ni mogoče odpreti."), project.lastError(), fileName);
        return false;
    }
    const QString a = source.alias();
    const QList<VanishedRow> turnusi = vanished(project, a, QStringLiteral("TURNUSI"));
    QList<VanishedRow> rotating;
    for (const VanishedRow &t : turnusi)
        if (t.id != 0)
            rotating.append(t);
    QList<qint64> shiftsMoved;
    if (!turnusiMayGo(rotating) || !izmeneMayGo(vanished(project, a, QStringLiteral("IZMENE")), shiftsMoved))
        return false;
    {
        WriteAction action;
        merge(action, project, a, shiftsMoved);
        if (!action.commit())
            return false;
    }
    core::AppState &app = core::App();
    for (const VanishedRow &t : rotating)
        if (app.trenutniTurnus == t.id) {
            app.trenutniTurnus = -1;
            app.trenutniTurnusOznaka.clear();
        }
    app.turnusCount = int(project.scalar(QStringLiteral("SELECT count(*) FROM TURNUSI")).toLongLong());
    SetSchoolName(db::ReadIni(QStringLiteral("Ime_Sole"), project));
    ShowMessage(core::MsgInformation, QStringLiteral("Uvoz infrastrukture je zaključen."));
    return true;
}

} // namespace zentrel::basicdata

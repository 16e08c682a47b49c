#include "NastavitveTurnusi.h"

#include "LookupTables.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

#include <QHash>

namespace zentrel::shell {

using namespace core;

using db::ProjectDb;

namespace {

const QString kNormMaxKey = QStringLiteral("Privzet normativ max");
const QString kNormMinKey = QStringLiteral("Privzet normativ min");

// Identifier by code of every row of a table of codes (TURNUSI, IZMENE).
QHash<QString, qint64> idsByCode(const QString &sql) {
    QHash<QString, qint64> ids;
    const db::RowSet rows = ProjectDb().query(sql);
    for (int r = 0; r < rows.rowCount(); ++r)
        ids.insert(rows.text(r, QStringLiteral("OZNAKA")), rows.integer(r, QStringLiteral("ID")));
    return ids;
}

// The identifier a new row of box i gets: its own number when free (turnus "II" is 2, shift "B"
// is 2), else the largest identifier plus one.
qint64 newId(const QString &table, qint64 preferred) {
    const QVariant used = ProjectDb().scalar(QStringLiteral("SELECT Count(*) FROM ") + table +
                                             QStringLiteral(" WHERE ID=") + QString::number(preferred));
    return used.toLongLong() == 0 ? preferred : db::NextId(table);
}

bool insertFirstPeriods(qint64 turnusId, qint64 izmenaId) {
    return ProjectDb().exec(
        QStringLiteral("INSERT INTO IZMENA_TURNUS ( ID_TURNUSA, ID_IZMENE, PRVA_URA_PON, PRVA_URA_TOR, "
                       "PRVA_URA_SRE, PRVA_URA_CET, PRVA_URA_PET) VALUES (") +
        QString::number(turnusId) + u',' + QString::number(izmenaId) + QStringLiteral(", 1, 1, 1, 1, 1)"));
}

qint64 count(const QString &sql) {
    return ProjectDb().scalar(sql).toLongLong();
}

} // namespace

QString NastavitveTurnusi::TurnusCode(int i) {
    return Lookup::RomanNumerals().value(i);
}
QString NastavitveTurnusi::IzmenaCode(int i) {
    return Lookup::ClassLetters().value(i);
}

QString NastavitveTurnusi::TurnusCaption(int i) {
    return QStringLiteral("Turnus ") + TurnusCode(i);
}
QString NastavitveTurnusi::IzmenaCaption(int i) {
    return QStringLiteral("Izmena ") + IzmenaCode(i);
}

bool NastavitveTurnusi::ValidNorm(const QString &text) {
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok && v >= 1;
}

qint64 NastavitveTurnusi::LessonsInValidTimetables(qint64 turnusId) {
    return count(QStringLiteral("SELECT Count(*) as st FROM (URNIKI INNER JOIN VELJAVNOST_URNIKA ON URNIKI.ID = "
                                "VELJAVNOST_URNIKA.ID_URNIKA) INNER JOIN TERMINI ON TERMINI.ID_URNIKA=URNIKI.ID "
                                "WHERE TERMINI.ID_TURNUSA=") +
                 QString::number(turnusId));
}

qint64 NastavitveTurnusi::ProgrammeRows(qint64 turnusId) {
    return count(QStringLiteral("SELECT Count( ID_TURNUSA) as st From PREDMETI_V_PROGRAMU  Where "
                                "PREDMETI_V_PROGRAMU.ID_Turnusa = ") +
                 QString::number(turnusId));
}

qint64 NastavitveTurnusi::ClassesOnShift(qint64 izmenaId) {
    return count(QStringLiteral("SELECT Count(*) as ST FROM ODDELKI_V_PREDMETNIKU  WHERE "
                                "ODDELKI_V_PREDMETNIKU.ID_IZMENE=") +
                 QString::number(izmenaId));
}

bool NastavitveTurnusi::MoveClassesToShiftA(qint64 izmenaId) {
    const QVariant shiftA =
        ProjectDb().scalar(QStringLiteral("SELECT ID FROM IZMENE WHERE OZNAKA = ") + db::SqlText::Quote(IzmenaCode(0)));
    if (!shiftA.isValid() || shiftA.toLongLong() == izmenaId)
        return false;
    return ProjectDb().exec(QStringLiteral("UPDATE ODDELKI_V_PREDMETNIKU SET ID_IZMENE =") +
                            QString::number(shiftA.toLongLong()) +
                            QStringLiteral("  WHERE ODDELKI_V_PREDMETNIKU.ID_IZMENE=") + QString::number(izmenaId));
}

TurnusiIzmeneChoices NastavitveTurnusi::Load() const {
    TurnusiIzmeneChoices c;
    const auto turnusi = idsByCode(QStringLiteral("SELECT * FROM TURNUSI ORDER BY OZNAKA COLLATE SLOVENSKO"));
    const auto izmene = idsByCode(QStringLiteral("SELECT * FROM IZMENE ORDER BY OZNAKA COLLATE SLOVENSKO"));
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        c.turnusi[i] = turnusi.contains(TurnusCode(i));
        c.izmene[i] = izmene.contains(IzmenaCode(i));
    }
    c.normativMax = db::ReadIni(kNormMaxKey);
    c.normativMin = db::ReadIni(kNormMinKey);
    if (c.normativMax.isEmpty())
        c.normativMax = QString::number(App().normativMax);
    if (c.normativMin.isEmpty())
        c.normativMin = QString::number(App().normativMin);
    return c;
}

bool NastavitveTurnusi::addTurnus(int i) const {
    const qint64 id = newId(QStringLiteral("TURNUSI"), i);
    if (!ProjectDb().exec(QStringLiteral("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (") + QString::number(id) + u',' +
                          db::SqlText::Quote(TurnusCode(i)) + u')'))
        return false;
    const db::RowSet izmene = ProjectDb().query(QStringLiteral("SELECT * FROM IZMENE"));
    for (int r = 0; r < izmene.rowCount(); ++r)
        if (!insertFirstPeriods(id, izmene.integer(r, QStringLiteral("ID"))))
            return false;
    return true;
}

bool NastavitveTurnusi::deleteTurnus(int i, qint64 id, bool &kept) const {
    const QString sid = QString::number(id);
    kept = true;
    // A project keeps at least one rotating turnus (the timetable windows work in one).
    if (count(QStringLiteral("SELECT Count(*) FROM TURNUSI WHERE ID<>0")) <= 1) {
        ShowMessage(MsgWarning, QStringLiteral("Brisanje turnusa ni dovoljeno, ker mora ostati vsaj en turnus."));
        return true;
    }
    if (LessonsInValidTimetables(id) > 0) {
        ShowMessage(MsgWarning, QStringLiteral("Brisanje turnusa ni dovoljeno, ker nastopa v veljavnem urniku."));
        return true;
    }
    if (ProgrammeRows(id) > 0 &&
        ShowMessage(MsgQuestion,
                    QStringLiteral("Potrdi brisanje turnusa #.\nIzbrisan bo tudi iz vseh predmetnikov, razporedov "
                                   "in urnikov!"),
                    TurnusCode(i)) != Answer::Yes)
        return true;
    if (!ProjectDb().exec(QStringLiteral("Delete FROM TURNUSI WHERE ID=") + sid))
        return false;
    kept = false;
    // The current turnus must name a row that exists; the timetable windows fall back to none.
    if (App().trenutniTurnus == id) {
        App().trenutniTurnus = -1;
        App().trenutniTurnusOznaka.clear();
    }
    return true;
}

bool NastavitveTurnusi::addIzmena(int i) const {
    if (!ProjectDb()
             .query(QStringLiteral("Select * from IZMENE Where OZNAKA = ") + db::SqlText::Quote(IzmenaCode(i)))
             .isEmpty())
        return true;
    const qint64 id = newId(QStringLiteral("IZMENE"), i + 1);
    if (!ProjectDb().exec(QStringLiteral("INSERT INTO IZMENE (ID,OZNAKA) VALUES (") + QString::number(id) + u',' +
                          db::SqlText::Quote(IzmenaCode(i)) + u')'))
        return false;
    const db::RowSet turnusi = ProjectDb().query(QStringLiteral("SELECT * FROM TURNUSI"));
    for (int r = 0; r < turnusi.rowCount(); ++r)
        if (!insertFirstPeriods(turnusi.integer(r, QStringLiteral("ID")), id))
            return false;
    return true;
}

bool NastavitveTurnusi::deleteIzmena(int i, qint64 id, bool &kept) const {
    const QString sid = QString::number(id);
    kept = true;
    if (ClassesOnShift(id) > 0) {
        if (ShowMessage(MsgQuestion,
                        QStringLiteral("Potrdi brisanje izmene #.\nV vseh razporedih bo ta izmena postavljena na "
                                       "izmeno A!\nUrniki bodo ostali nespremenjeni."),
                        IzmenaCode(i)) != Answer::Yes)
            return true;
        if (!MoveClassesToShiftA(id))
            return false;
    }
    if (!ProjectDb().exec(QStringLiteral("Delete FROM IZMENE WHERE ID=") + sid))
        return false;
    kept = false;
    return true;
}

bool NastavitveTurnusi::saveRows(TurnusiIzmeneChoices &choices) const {
    const auto turnusi = idsByCode(QStringLiteral("SELECT * FROM TURNUSI ORDER BY OZNAKA COLLATE SLOVENSKO"));
    // Additions first, so that replacing the last rotating turnus by another one goes through.
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        if (TurnusFixed(i))
            choices.turnusi[i] = true;
        if (choices.turnusi[i] && !turnusi.contains(TurnusCode(i)) && !addTurnus(i))
            return false;
    }
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        const QString code = TurnusCode(i);
        if (!choices.turnusi[i] && turnusi.contains(code)) {
            bool kept = false;
            if (!deleteTurnus(i, turnusi.value(code), kept))
                return false;
            choices.turnusi[i] = kept;
        }
    }
    const auto izmene = idsByCode(QStringLiteral("SELECT * FROM IZMENE ORDER BY OZNAKA COLLATE SLOVENSKO"));
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        const QString code = IzmenaCode(i);
        if (IzmenaFixed(i))
            choices.izmene[i] = true;
        if (choices.izmene[i] && !izmene.contains(code)) {
            if (!addIzmena(i))
                return false;
        } else if (!choices.izmene[i] && izmene.contains(code)) {
            bool kept = false;
            if (!deleteIzmena(i, izmene.value(code), kept))
                return false;
            choices.izmene[i] = kept;
        }
    }
    return true;
}

bool NastavitveTurnusi::Save(TurnusiIzmeneChoices &choices) const {
    if (!ValidNorm(choices.normativMax) || !ValidNorm(choices.normativMin)) {
        ShowMessage(MsgWarning, QStringLiteral("Vrenost mora biti Pozitvno število."));
        return false;
    }
    const QString max = QString::number(choices.normativMax.trimmed().toLongLong());
    const QString min = QString::number(choices.normativMin.trimmed().toLongLong());
    bool ok = false;
    core::DbError error;
    {
        db::Transaction transaction(ProjectDb());
        ok = transaction.isActive() && saveRows(choices) && db::WriteIni(max, kNormMaxKey) &&
             db::WriteIni(min, kNormMinKey) && transaction.commit();
        if (!ok)
            error = ProjectDb().lastError();
    }
    if (!ok) {
        // Rolled back as a whole: the boxes show the rows as they are.
        const TurnusiIzmeneChoices stored = Load();
        choices.turnusi = stored.turnusi;
        choices.izmene = stored.izmene;
        ShowErrorMessage(QStringLiteral("Napaka pri shranjevanju nastavitev."), error);
        return false;
    }
    App().normativMax = int(max.toLongLong());
    App().normativMin = int(min.toLongLong());
    App().turnusCount = int(count(QStringLiteral("SELECT Count(*) FROM TURNUSI")));
    return true;
}

} // namespace zentrel::shell

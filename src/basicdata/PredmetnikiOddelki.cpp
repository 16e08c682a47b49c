#include "PredmetnikiOddelki.h"

#include "OwnGroups.h"
#include "RecordText.h"
#include "WriteAction.h"
#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

bool PredmetnikiOddelki::load(qint64 curriculum, qint64 programme) {
    m_curriculum = curriculum;
    m_programme = programme;
    m_chosen = {};
    m_available = {};
    if (curriculum < 0 || programme < 0)
        return true;
    db::Connection &c = db::ProjectDb();
    m_chosen = c.query(
        QStringLiteral("SELECT SKUPINE_ODDELKOV.OZNAKA AS SKUPINA, PROGRAM_SKUPINE.ID_PREDMETNIKA, "
                       "PROGRAM_SKUPINE.ID_SKUPINE_ODDELKOV, PROGRAM_SKUPINE.ID_PROGRAMA FROM SKUPINE_ODDELKOV "
                       "INNER JOIN PROGRAM_SKUPINE ON SKUPINE_ODDELKOV.ID = PROGRAM_SKUPINE.ID_SKUPINE_ODDELKOV "
                       "Where PROGRAM_SKUPINE.ID_PREDMETNIKA = %1 And PROGRAM_SKUPINE.ID_Programa = %2 And "
                       "SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA Is Null ORDER BY SKUPINE_ODDELKOV.OZNAKA COLLATE SLOVENSKO")
            .arg(curriculum)
            .arg(programme));
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
        return false;
    }
    m_available = available(chosenIds());
    return !c.lastError().isError();
}

QList<qint64> PredmetnikiOddelki::chosenIds() const {
    QList<qint64> ids;
    for (int r = 0; r < m_chosen.rowCount(); ++r)
        ids << m_chosen.integer(r, QStringLiteral("ID_SKUPINE_ODDELKOV"));
    return ids;
}

db::RowSet PredmetnikiOddelki::available(const QList<qint64> &chosen) const {
    QString sql = QStringLiteral(
                      "SELECT SKUPINE_ODDELKOV.ID AS ID_SKUPINE_ODDELKOV, SKUPINE_ODDELKOV.OZNAKA AS SKUPINA, "
                      "SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA From SKUPINE_ODDELKOV INNER JOIN ODDELKI_V_PREDMETNIKU ON "
                      "SKUPINE_ODDELKOV.ID= ODDELKI_V_PREDMETNIKU.ID_ODDELKA WHERE SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA "
                      "IS Null AND ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA = %1 AND ID_IZBIRNEGA_PROGRAMA is Null  ")
                      .arg(m_curriculum);
    QStringList ids;
    for (qint64 id : chosen)
        ids << N(id);
    if (!ids.isEmpty())
        sql += QStringLiteral(
                   "AND SKUPINE_ODDELKOV.ID NOT IN (SELECT ODDELKI_V_SKUPINI_1.ID_SKUPINE FROM ODDELKI_V_SKUPINI "
                   "INNER JOIN ODDELKI_V_SKUPINI AS ODDELKI_V_SKUPINI_1 ON ODDELKI_V_SKUPINI.ID_ODDELKA = "
                   "ODDELKI_V_SKUPINI_1.ID_ODDELKA WHERE ODDELKI_V_SKUPINI.ID_SKUPINE IN (%1)) ")
                   .arg(ids.join(u','));
    sql += QStringLiteral("ORDER BY SKUPINE_ODDELKOV.OZNAKA COLLATE SLOVENSKO");
    db::Connection &c = db::ProjectDb();
    db::RowSet rows = c.query(sql);
    if (c.lastError().isError())
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
    return rows;
}

bool PredmetnikiOddelki::mayRemove(qint64 group) {
    const QString where = QStringLiteral("RAZPORED.ID_SKUPINE_ODDELKOV = %1 AND RAZPORED.ID_PROGRAMA = %2 AND "
                                         "RAZPORED.ID_PREDMETNIKA = %3")
                              .arg(group)
                              .arg(m_programme)
                              .arg(m_curriculum);
    const qint64 valid = CountRows(QStringLiteral("SELECT count(*) FROM RAZPORED INNER JOIN TERMINI ON RAZPORED.ID = "
                                                  "TERMINI.ID_RAZPOREDA INNER JOIN VELJAVNOST_URNIKA ON "
                                                  "VELJAVNOST_URNIKA.ID_URNIKA = TERMINI.ID_URNIKA WHERE ") +
                                   where);
    if (valid < 0)
        return false;
    if (valid > 0) {
        core::ShowMessage(core::MsgWarning,
                          QStringLiteral("Enote ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."));
        return false;
    }
    const qint64 assignments = CountRows(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ") + where);
    if (assignments < 0)
        return false;
    if (assignments == 0)
        return true;
    return ConfirmDelete(QStringLiteral("Potrdi brisanje enote iz predmetnika."), {},
                         QStringLiteral("Predmeti tega predmetnika bodo brisani tudi iz razporeda in urnikov enote!"));
}

bool PredmetnikiOddelki::save(const QList<qint64> &chosenIds) {
    if (m_curriculum < 0 || m_programme < 0)
        return false;
    const QList<qint64> before = this->chosenIds();
    QStringList removed;
    for (qint64 id : before)
        if (!chosenIds.contains(id))
            removed << N(id);
    WriteAction action;
    QList<qint64> added;
    for (qint64 id : chosenIds) {
        if (id < 1 || before.contains(id) || added.contains(id))
            continue;
        added << id;
        action.exec(
            QStringLiteral("INSERT INTO PROGRAM_SKUPINE (ID_PREDMETNIKA, ID_PROGRAMA,ID_SKUPINE_ODDELKOV) VALUES "
                           "(%1, %2, %3)")
                .arg(m_curriculum)
                .arg(m_programme)
                .arg(id));
    }
    if (!removed.isEmpty()) {
        const QString list = removed.join(QStringLiteral(", "));
        action.exec(
            QStringLiteral("Delete FROM PROGRAM_SKUPINE WHERE ID_SKUPINE_ODDELKOV IN  (-1, %1) AND ID_PREDMETNIKA = %2 "
                           "AND ID_PROGRAMA = %3")
                .arg(list, N(m_curriculum), N(m_programme)));
        action.exec(QStringLiteral("DELETE FROM RAZPORED WHERE ID_SKUPINE_ODDELKOV IN (%1) AND ID_PREDMETNIKA = %2 AND "
                                   "ID_PROGRAMA = %3")
                        .arg(list, N(m_curriculum), N(m_programme)));
    }
    if (!action.commit())
        return false;
    return load(m_curriculum, m_programme);
}

} // namespace zentrel::basicdata

#include "LinkList.h"

#include "RecordText.h"
#include "WriteAction.h"
#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

bool LinkList::load(qint64 owner) {
    m_owner = owner;
    m_chosen = {};
    m_available = {};
    if (owner < 1)
        return true;
    db::Connection &c = db::ProjectDb();
    m_chosen = c.query(m_config.chosenSql.arg(owner));
    if (!c.lastError().isError())
        m_available = c.query(m_config.availableSql.arg(owner));
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
        return false;
    }
    return true;
}

QList<qint64> LinkList::chosenIds() const {
    QList<qint64> ids;
    for (int r = 0; r < m_chosen.rowCount(); ++r)
        ids << m_chosen.integer(r, QStringLiteral("ID"));
    return ids;
}

db::RowSet LinkList::candidates() const {
    QVector<QVector<QVariant>> rows;
    for (const db::RowSet *set : {&m_chosen, &m_available})
        for (int r = 0; r < set->rowCount(); ++r)
            rows.append(
                QVector<QVariant>{set->integer(r, QStringLiteral("ID")), set->value(r, QStringLiteral("OZNAKA"))});
    return db::RowSet({QStringLiteral("ID"), QStringLiteral("OZNAKA")},
                      {QStringLiteral("INTEGER"), QStringLiteral("TEXT")}, rows);
}

bool LinkList::save(const QList<qint64> &chosenIds) {
    if (m_owner < 1)
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
        action.exec(QStringLiteral("INSERT INTO %1 (%2,%3) VALUES (%4, %5)")
                        .arg(m_config.table, m_config.ownerColumn, m_config.itemColumn, N(m_owner), N(id)));
    }
    if (!removed.isEmpty())
        action.exec(QStringLiteral("Delete FROM %1 WHERE %2 IN  (-1, %3) AND %4 = %5")
                        .arg(m_config.table, m_config.itemColumn, removed.join(QStringLiteral(", ")),
                             m_config.ownerColumn, N(m_owner)));
    if (!action.commit())
        return false;
    return load(m_owner);
}

} // namespace zentrel::basicdata

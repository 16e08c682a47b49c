#include "MoverChanges.h"

#include "db/MBaza.h"

namespace zentrel::controls {

namespace {

QStringList toStrings(const QList<qint64> &ids) {
    QStringList out;
    for (qint64 id : ids)
        out << QString::number(id);
    return out;
}

} // namespace

void MoverChanges::reset(const QList<qint64> &initialRight) {
    m_initial = initialRight;
    m_added.clear();
    m_removed.clear();
}

void MoverChanges::add(qint64 id) {
    if (m_removed.removeAll(id) > 0)
        return;
    if (!m_initial.contains(id) && !m_added.contains(id))
        m_added << id;
}

void MoverChanges::remove(qint64 id) {
    if (m_added.removeAll(id) > 0)
        return;
    if (m_initial.contains(id) && !m_removed.contains(id))
        m_removed << id;
}

QStringList MoverChanges::addedStrings() const {
    return toStrings(m_added);
}

QStringList MoverChanges::removedStrings() const {
    return toStrings(m_removed);
}

QStringList MoverChanges::statements(const QVariantList &ownerValues, const QString &columns,
                                     const QString &table) const {
    QStringList ownerLiterals;
    for (const QVariant &v : ownerValues)
        ownerLiterals << db::SqlLiteral(v);
    const QStringList columnList = columns.split(u',');
    const QString itemColumn = columnList.last().trimmed();

    QStringList out;
    for (qint64 id : m_added)
        out << QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") + columns + QStringLiteral(") VALUES (") +
                   ownerLiterals.join(QStringLiteral(", ")) + QStringLiteral(", ") + QString::number(id) +
                   QStringLiteral(")");

    QString del = QStringLiteral("Delete FROM ") + table + QStringLiteral(" WHERE ") + itemColumn +
                  QStringLiteral(" IN ") + QStringLiteral(" (-1");
    for (qint64 id : m_removed)
        del += QStringLiteral(", ") + QString::number(id);
    del += QStringLiteral(")");
    for (int i = 0; i + 1 < columnList.size() && i < ownerLiterals.size(); ++i)
        del += QStringLiteral(" AND ") + columnList.at(i).trimmed() + QStringLiteral(" = ") + ownerLiterals.at(i);
    out << del;
    return out;
}

bool MoverChanges::ZapisiVBazo(const QVariantList &ownerValues, const QString &columns, const QString &table,
                               db::Connection &connection) const {
    db::Transaction transaction(connection);
    if (!transaction.isActive())
        return false;
    for (const QString &sql : statements(ownerValues, columns, table))
        if (!connection.exec(sql))
            return false;
    return transaction.commit();
}

} // namespace zentrel::controls

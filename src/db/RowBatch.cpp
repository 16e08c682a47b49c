#include "RowBatch.h"

#include <stdexcept>

namespace zentrel::db {

void RowBatch::define(const QString &table, const QStringList &columns) {
    m_tables.append({table, columns, {}});
}

void RowBatch::add(const QString &table, const QVariantList &values) {
    for (auto &t : m_tables)
        if (t.table == table) {
            if (values.size() != t.columns.size())
                throw std::logic_error("row does not match its columns");
            t.rows.append(values);
            return;
        }
    throw std::logic_error("table not defined");
}

int RowBatch::rowCount(const QString &table) const {
    for (const auto &t : m_tables)
        if (t.table == table)
            return int(t.rows.size());
    return 0;
}

bool WriteRows(Connection &connection, const RowBatch &batch, QString *error) {
    for (const auto &t : batch.tables()) {
        QStringList marks;
        for (int i = 0; i < t.columns.size(); ++i)
            marks << QStringLiteral("?");
        const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(t.table, t.columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        for (const auto &row : t.rows) {
            if ((t.table == QLatin1String("INI") &&
                 !connection.exec(QStringLiteral("DELETE FROM INI WHERE ATRIBUT = ?"), {row.first()})) ||
                !connection.exec(insert, row)) {
                if (error)
                    *error = QStringLiteral("%1: %2").arg(t.table, connection.lastError().description);
                return false;
            }
        }
    }
    return true;
}

} // namespace zentrel::db

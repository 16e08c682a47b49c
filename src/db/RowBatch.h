#pragma once

#include "Connection.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace zentrel::db {

// Rows to be written into one table, with their column list.
struct TableRows {
    QString table;
    QStringList columns;
    QVector<QVariantList> rows;
};

// The rows of a generated or imported project in write order (parents before children), so
// that the cascading references of the schema are satisfied at every insert.
class RowBatch {
public:
    void define(const QString &table, const QStringList &columns);
    // Throws std::logic_error for a table not defined or a row that does not fit its columns:
    // a fault of the code that builds the rows, never of the data.
    void add(const QString &table, const QVariantList &values);
    const QVector<TableRows> &tables() const { return m_tables; }
    int rowCount(const QString &table) const;

private:
    QVector<TableRows> m_tables;
};

// Inserts every row with bound values, inside the caller's transaction. The defaults database
// already holds the INI keys; a row for one of them replaces its value. False (with the
// table's name and the engine's text in `error`) at the first row that cannot be written.
bool WriteRows(Connection &connection, const RowBatch &batch, QString *error);

} // namespace zentrel::db

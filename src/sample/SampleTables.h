#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace zentrel::sample {

// Rows to be written into one table, with their column list.
struct TableRows {
    QString table;
    QStringList columns;
    QVector<QVariantList> rows;
};

// The rows of a generated project in write order (parents before children), so that the
// cascading references of the schema are satisfied at every insert.
class SampleTables {
public:
    void define(const QString &table, const QStringList &columns);
    void add(const QString &table, const QVariantList &values);
    const QVector<TableRows> &tables() const { return m_tables; }
    int rowCount(const QString &table) const;

private:
    QVector<TableRows> m_tables;
};

} // namespace zentrel::sample

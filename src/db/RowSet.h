#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace zentrel::db {

// A fully read result: column names, declared types and rows of values (null, integer,
// real or text). Column lookup ignores case, as SQL names do.
class RowSet {
public:
    RowSet() = default;
    RowSet(QStringList columns, QStringList declaredTypes, QVector<QVector<QVariant>> rows);

    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return int(m_columns.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const QStringList &columns() const { return m_columns; }
    // Index of a column by name, ignoring case; -1 when absent.
    int columnIndex(const QString &name) const;
    bool isBooleanColumn(int column) const;

    const QVariant &value(int row, int column) const;
    // Value by column name; an invalid QVariant when the column does not exist.
    QVariant value(int row, const QString &column) const;
    // The value as a whole number (rounded); `fallback` for null and non-numbers.
    qint64 integer(int row, const QString &column, qint64 fallback = -1) const;
    QString text(int row, const QString &column) const;
    const QVector<QVariant> &row(int row) const { return m_rows.at(row); }
    const QVector<QVector<QVariant>> &rows() const { return m_rows; }

    // Sets a value in memory (for grids that edit a copy before writing it with SQL).
    void setValue(int row, int column, const QVariant &value) { m_rows[row][column] = value; }

private:
    QStringList m_columns;
    QStringList m_types;
    QVector<QVector<QVariant>> m_rows;
};

} // namespace zentrel::db

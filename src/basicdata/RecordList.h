#pragma once

#include "db/RowSet.h"

#include <QString>
#include <QVariant>

namespace zentrel::basicdata {

// The record list of a data window: one query, its rows read into memory and a current row.
// Reading errors are reported through ShowMessage (kind 5) and leave the list empty.
//
// Position: -1 when the list is empty, else 0..count()-1. Every re-read keeps a valid position.
class RecordList {
public:
    explicit RecordList(QString sql = {}) : m_sql(std::move(sql)) {}

    void setSql(const QString &sql) { m_sql = sql; }
    const QString &sql() const { return m_sql; }

    // Re-reads the rows and keeps the row index (the last row when the list became shorter).
    bool requery();
    // Re-reads and goes to the first row whose column holds value; the first row when none does.
    bool requeryAt(const QString &column, const QVariant &value);
    // Re-reads and keeps the current record by the value of its column (RequeryAt of the access layer).
    bool requeryToSame(const QString &column);
    // Drops the rows (a list with nothing to show, e.g. no owner chosen).
    void clear();

    const db::RowSet &rows() const { return m_rows; }
    int count() const { return m_rows.rowCount(); }
    int position() const { return m_position; }
    bool hasCurrent() const { return m_position >= 0 && m_position < count(); }
    // Moves to a row; false (and no move) when the row does not exist.
    bool moveTo(int row);
    // The first row whose column holds value (compared as text), or -1.
    int find(const QString &column, const QVariant &value) const { return Find(m_rows, column, value); }
    static int Find(const db::RowSet &rows, const QString &column, const QVariant &value);
    bool moveToValue(const QString &column, const QVariant &value);

    // Values of the current row; invalid / empty / -1 without a current row.
    QVariant value(const QString &column) const;
    QString text(const QString &column) const;
    qint64 integer(const QString &column) const;
    qint64 id() const { return integer(QStringLiteral("ID")); }

private:
    bool read();

    QString m_sql;
    db::RowSet m_rows;
    int m_position = -1;
};

} // namespace zentrel::basicdata

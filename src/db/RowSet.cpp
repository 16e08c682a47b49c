#include "RowSet.h"

#include <cmath>

namespace zentrel::db {

RowSet::RowSet(QStringList columns, QStringList declaredTypes, QVector<QVector<QVariant>> rows)
    : m_columns(std::move(columns)), m_types(std::move(declaredTypes)), m_rows(std::move(rows)) {}

int RowSet::columnIndex(const QString &name) const {
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    // "TABLE.COLUMN" asks for the column of that name.
    const int dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        return columnIndex(name.mid(dot + 1));
    return -1;
}

bool RowSet::isBooleanColumn(int column) const {
    return column >= 0 && column < m_types.size() &&
           m_types.at(column).compare(QLatin1String("BOOLEAN"), Qt::CaseInsensitive) == 0;
}

const QVariant &RowSet::value(int row, int column) const { return m_rows.at(row).at(column); }

QVariant RowSet::value(int row, const QString &column) const {
    const int c = columnIndex(column);
    if (c < 0 || row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row).at(c);
}

qint64 RowSet::integer(int row, const QString &column, qint64 fallback) const {
    const QVariant v = value(row, column);
    if (v.isNull() || !v.isValid())
        return fallback;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? qint64(std::llround(d)) : fallback;
}

QString RowSet::text(int row, const QString &column) const {
    const QVariant v = value(row, column);
    return v.isNull() ? QString() : v.toString();
}

} // namespace zentrel::db

#include "RecordSearch.h"

#include "db/MBaza.h"

namespace zentrel::controls::RecordSearch {

namespace {

template <typename Match> int findRow(const db::RowSet &rows, const QString &field, int from, Match match) {
    if (rows.columnIndex(field) < 0)
        return -1;
    for (int r = qMax(0, from); r < rows.rowCount(); ++r)
        if (match(db::FieldText(rows, r, field)))
            return r;
    return -1;
}

} // namespace

int FindPrefix(const db::RowSet &rows, const QString &field, const QString &text, int from) {
    return findRow(rows, field, from, [&](const QString &v) { return v.startsWith(text, Qt::CaseInsensitive); });
}

int FindExact(const db::RowSet &rows, const QString &field, const QString &text, int from) {
    return findRow(rows, field, from, [&](const QString &v) { return v.compare(text, Qt::CaseInsensitive) == 0; });
}

int FindValue(const db::RowSet &rows, const QString &field, const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return -1;
    const QString wanted = value.toString();
    return findRow(rows, field, 0, [&](const QString &v) { return v == wanted; });
}

} // namespace zentrel::controls::RecordSearch

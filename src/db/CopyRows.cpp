#include "CopyRows.h"

#include "MBaza.h"

namespace zentrel::db {

namespace {

const QString kSource = QString::fromLatin1(kSourceAlias);

const QString *expressionFor(const RowCopy &rows, const QString &column) {
    for (const auto &[name, expression] : rows.expressions)
        if (name.compare(column, Qt::CaseInsensitive) == 0)
            return &expression;
    return nullptr;
}

bool isColumn(const QString &column, const char *name) {
    return column.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

} // namespace

bool CopyContext::exec(const QString &table, const QString &sql) {
    if (!target.exec(sql))
        return fail(table);
    if (!tables.contains(table))
        tables << table;
    return true;
}

bool CopyContext::fail(const QString &table) {
    failedTable = table;
    error = target.lastError();
    return false;
}

bool CopyContext::sourceHas(const QString &table, const QString &column) {
    const QStringList columns = TableColumns(target, kSource, table);
    return column.isEmpty() ? !columns.isEmpty() : columns.contains(column, Qt::CaseInsensitive);
}

QList<QPair<QString, qint64>> CopyContext::counts() {
    QList<QPair<QString, qint64>> result;
    for (const QString &table : std::as_const(tables))
        result.append({table, target.scalar(QStringLiteral("SELECT count(*) FROM main.") + table).toLongLong()});
    return result;
}

QString Where(const QStringList &parts) {
    QStringList used;
    for (const QString &part : parts)
        if (!part.isEmpty())
            used << u'(' + part + u')';
    return used.isEmpty() ? QString() : QStringLiteral("WHERE ") + used.join(QStringLiteral(" AND "));
}

bool CopyRows(CopyContext &copy, const RowCopy &rows) {
    const QStringList sourceColumns = TableColumns(copy.target, kSource, rows.table);
    if (copy.target.lastError().isError())
        return copy.fail(rows.table);
    if (sourceColumns.isEmpty())
        return true; // a table that came with a later version: nothing to copy
    if (rows.emptyFirst && !copy.exec(rows.table, QStringLiteral("DELETE FROM main.") + rows.table))
        return false;
    qint64 offset = 0;
    if (rows.renumber) {
        offset = copy.target.scalar(QStringLiteral("SELECT max(ID) FROM main.") + rows.table).toLongLong();
        if (copy.target.lastError().isError())
            return copy.fail(rows.table);
    }
    QStringList targets, values;
    for (const QString &column : TableColumns(copy.target, QStringLiteral("main"), rows.table)) {
        QString value;
        if (rows.renumber && isColumn(column, "ID"))
            value = QStringLiteral("%1 + row_number() OVER (ORDER BY %2)").arg(offset).arg(rows.order);
        else if (rows.renumber && isColumn(column, "ID_STAR"))
            value = QStringLiteral("s.ID");
        else if (const QString *expression = expressionFor(rows, column))
            value = *expression;
        else if (sourceColumns.contains(column, Qt::CaseInsensitive))
            value = QStringLiteral("s.") + column;
        else
            continue; // only the target has it: its default stays
        targets << column;
        values << value;
    }
    if (targets.isEmpty())
        return true; // no column in common: nothing that could be carried over
    return copy.exec(rows.table,
                     QStringLiteral("INSERT INTO main.%1 (%2) SELECT %3 FROM %4.%1 AS s %5 %6")
                         .arg(rows.table, targets.join(u','), values.join(u','), kSource, rows.joins, rows.condition));
}

bool CopyRows(CopyContext &copy, const QString &table, const QString &condition, bool emptyFirst, bool renumber) {
    RowCopy rows;
    rows.table = table;
    rows.condition = condition;
    rows.emptyFirst = emptyFirst;
    rows.renumber = renumber;
    return CopyRows(copy, rows);
}

} // namespace zentrel::db

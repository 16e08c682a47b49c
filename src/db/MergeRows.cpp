#include "MergeRows.h"

#include "MBaza.h"

namespace zentrel::db {

namespace {

// "a.K1 IS b.K1 AND a.K2 IS b.K2": IS, so that null keys of link rows still match.
QString keyMatch(const QStringList &keys, const QString &left, const QString &right) {
    QStringList parts;
    for (const QString &k : keys)
        parts << QStringLiteral("%1.%3 IS %2.%3").arg(left, right, k);
    return parts.join(QStringLiteral(" AND "));
}

} // namespace

bool UpsertAttachedRows(Connection &target, const QString &alias, const QString &table, const QStringList &keys,
                        const QString &condition) {
    const QStringList source = TableColumns(target, alias, table);
    if (source.isEmpty())
        return target.exec(QStringLiteral("SELECT * FROM %1.%2").arg(alias, table)); // sets the missing-table error
    QStringList common, values;
    for (const QString &c : TableColumns(target, QStringLiteral("main"), table)) {
        if (!source.contains(c, Qt::CaseInsensitive))
            continue;
        common << c;
        if (!keys.contains(c, Qt::CaseInsensitive))
            values << c;
    }
    const QString where = condition.isEmpty() ? QString() : QStringLiteral(" AND (%1)").arg(condition);
    if (!values.isEmpty()) {
        QStringList sets;
        for (const QString &c : values)
            sets << QStringLiteral("%1 = s.%1").arg(c);
        if (!target.exec(QStringLiteral("UPDATE main.%1 SET %2 FROM %3.%1 AS s WHERE %4%5")
                             .arg(table, sets.join(QStringLiteral(", ")), alias,
                                  keyMatch(keys, QStringLiteral("main.") + table, QStringLiteral("s")), where)))
            return false;
    }
    QStringList selected;
    for (const QString &c : common)
        selected << QStringLiteral("s.") + c;
    return target.exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT DISTINCT %3 FROM %4.%1 AS s WHERE NOT EXISTS "
                                      "(SELECT 1 FROM main.%1 AS m WHERE %5)%6")
                           .arg(table, common.join(u','), selected.join(u','), alias,
                                keyMatch(keys, QStringLiteral("m"), QStringLiteral("s")), where));
}

bool DeleteVanishedRows(Connection &target, const QString &alias, const QString &table, const QStringList &keys,
                        const QString &keep) {
    const QString spare = keep.isEmpty() ? QString() : QStringLiteral(" AND NOT (%1)").arg(keep);
    return target.exec(
        QStringLiteral("DELETE FROM main.%1 WHERE NOT EXISTS (SELECT 1 FROM %2.%1 AS s WHERE %3)%4")
            .arg(table, alias, keyMatch(keys, QStringLiteral("s"), QStringLiteral("main.") + table), spare));
}

} // namespace zentrel::db

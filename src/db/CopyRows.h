#pragma once

#include "Connection.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Rows copied from another project file, attached read-only to the target's connection under
// the alias "izvor". Statements name the source's tables "izvor.<TABLE>" and the target's
// tables plainly (the target is the connection's main database).
namespace zentrel::db {

// The alias under which the source file is attached.
inline constexpr auto kSourceAlias = "izvor";

// One copy in progress: where it writes, what the source is, what it has written so far and,
// once a statement failed, the table of that statement and why.
struct CopyContext {
    explicit CopyContext(Connection &targetConnection, int version)
        : target(targetConnection), sourceVersion(version) {}

    Connection &target;
    int sourceVersion;
    QStringList tables;    // the tables written, in the order of their first write
    QString failedTable;   // the table of the statement that failed
    DbError error;         // its error
    bool reported = false; // the failure has already been reported with a message of its own

    // Runs a statement that writes `table`; a failure is recorded with the table.
    bool exec(const QString &table, const QString &sql);
    // Records a failure of a statement on `table` with the connection's last error.
    bool fail(const QString &table);
    // Whether the source has the table, and the table the column.
    bool sourceHas(const QString &table, const QString &column = QString());
    // Rows now in each written table of the target, in the order the tables were written.
    QList<QPair<QString, qint64>> counts();
};

// Which rows of a source table go where: the target table of the same name receives, in every
// column the source also has, the source's value, and in the columns of `expressions` the value
// of the expression. Expressions and the condition see the source row as "s" and whatever
// `joins` adds to the FROM clause.
struct RowCopy {
    QString table;
    QString condition; // "WHERE ..." or empty
    QString joins;     // e.g. "CROSS JOIN izvor.PREDMETNIKI AS k"
    QList<QPair<QString, QString>> expressions;
    bool emptyFirst = false;
    // New keys above the target's largest, in the order of `order`; the old key goes to ID_STAR.
    bool renumber = false;
    QString order = QStringLiteral("s.ID");
};

// Copies rows by column name, so that a source made by an older version, whose tables lack
// later columns, can still be read; the columns only the target has keep their defaults. A
// table the source does not have copies nothing. False, with the failure recorded, when a
// statement fails.
bool CopyRows(CopyContext &copy, const RowCopy &rows);
bool CopyRows(CopyContext &copy, const QString &table, const QString &condition = QString(), bool emptyFirst = false,
              bool renumber = false);

// "WHERE a AND b ..." of the parts that are not empty; empty when none is.
QString Where(const QStringList &parts);

} // namespace zentrel::db

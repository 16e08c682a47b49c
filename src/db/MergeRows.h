#pragma once

#include "Connection.h"

#include <QString>
#include <QStringList>

// Merging a table of an attached database into the same table of the main database by its
// key, so that rows which exist on both sides are updated in place. Replacing a table instead
// (emptying it and inserting again) would fire the deletion cascades and triggers of every row,
// and with them every link, assignment room and placed lesson room that hangs on a row which in
// fact survives.
namespace zentrel::db {

// Updates the rows of main.table whose key matches a row of alias.table and inserts the rows of
// alias.table whose key is not there yet; columns are those both sides have. `condition` (an
// SQL expression over the source row, alias "s") limits the source rows. False on an error.
bool UpsertAttachedRows(Connection &target, const QString &alias, const QString &table, const QStringList &keys,
                        const QString &condition = QString());

// Deletes the rows of main.table whose key has no row in alias.table; `keep` (an SQL expression
// over main.table's own columns) spares rows. The schema's cascades run for these rows only.
bool DeleteVanishedRows(Connection &target, const QString &alias, const QString &table, const QStringList &keys,
                        const QString &keep = QString());

} // namespace zentrel::db

#pragma once

#include "db/Connection.h"

#include <QByteArray>
#include <QStringList>

namespace zentrel::test {

// Every row of the tables (all tables of the schema when none are given), in storage order,
// as "TABLE|value|value..." lines with "<null>" for null.
QStringList ProjectContents(db::Connection &connection, const QStringList &tables = {});
// The same for a file, opened read-only for the moment.
QStringList ProjectContents(const QString &path, const QStringList &tables = {});
// Rows of a table in a file; -1 when the file or the table cannot be read.
qint64 RowCount(const QString &path, const QString &table);
// The bytes of a file; empty when it cannot be read.
QByteArray FileBytes(const QString &path);
// A writable copy of the shipped sample school at the path.
QString CopyOfSample(const QString &path);

} // namespace zentrel::test

#include "ProjectContents.h"

#include "TempFolder.h"
#include "db/Schema.h"

#include <QFile>

namespace zentrel::test {

QStringList ProjectContents(db::Connection &connection, const QStringList &tables) {
    QStringList lines;
    for (const QString &table : tables.isEmpty() ? db::SchemaTables() : tables) {
        const db::RowSet rows = connection.query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
        for (int i = 0; i < rows.rowCount(); ++i) {
            QStringList values{table};
            for (const QVariant &v : rows.row(i))
                values << (v.isNull() ? QStringLiteral("<null>") : v.toString());
            lines << values.join(u'|');
        }
    }
    return lines;
}

QStringList ProjectContents(const QString &path, const QStringList &tables) {
    db::Connection connection;
    return connection.open(path) ? ProjectContents(connection, tables) : QStringList();
}

qint64 RowCount(const QString &path, const QString &table) {
    db::Connection connection;
    if (!connection.open(path))
        return -1;
    const QVariant n = connection.scalar(QStringLiteral("SELECT count(*) FROM ") + table);
    return n.isValid() ? n.toLongLong() : -1;
}

QByteArray FileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString CopyOfSample(const QString &path) {
    QFile::remove(path);
    QFile::copy(ProgramFolder() + QStringLiteral("/primer.znt"), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

} // namespace zentrel::test

#include "StockCollations.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace zentrel::db {

namespace {

const QString kDeclaring = QStringLiteral("SELECT type, name, sql FROM main.sqlite_master WHERE sql LIKE "
                                          "'%COLLATE%SLOVENSKO%'");

// Leaves writable_schema off whatever happens: a connection left writing its schema could
// damage the file with any later statement.
class WritableSchema {
public:
    explicit WritableSchema(Connection &c) : m_c(c) {
        // The defensive mode (when a build turns it on) forbids writing the schema.
        sqlite3_db_config(c.handle(), SQLITE_DBCONFIG_DEFENSIVE, 0, nullptr);
        m_on = c.exec(QStringLiteral("PRAGMA writable_schema=ON"));
    }
    ~WritableSchema() { m_c.exec(QStringLiteral("PRAGMA writable_schema=OFF")); }
    bool isOn() const { return m_on; }

private:
    Connection &m_c;
    bool m_on = false;
};

bool rewrite(Connection &c, const RowSet &objects) {
    static const QRegularExpression declaration(QStringLiteral("\\s+COLLATE\\s+[\"'`\\[]?SLOVENSKO[\"'`\\]]?\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
    const qint64 version = c.scalar(QStringLiteral("PRAGMA main.schema_version")).toLongLong();
    WritableSchema writable(c);
    if (!writable.isOn())
        return false;
    for (int i = 0; i < objects.rowCount(); ++i) {
        QString sql = objects.text(i, QStringLiteral("sql"));
        sql.replace(declaration, QString());
        if (!c.exec(QStringLiteral("UPDATE main.sqlite_master SET sql = ? WHERE type = ? AND name = ?"),
                    {sql, objects.text(i, QStringLiteral("type")), objects.text(i, QStringLiteral("name"))}))
            return false;
    }
    // A new schema version makes every connection read the definitions again.
    return c.exec(QStringLiteral("PRAGMA main.schema_version = %1").arg(version + 1));
}

} // namespace

bool DeclaresCustomCollation(Connection &connection) {
    return !connection.query(kDeclaring).isEmpty();
}

bool ConvertToStockCollations(Connection &connection) {
    const RowSet objects = connection.query(kDeclaring);
    if (connection.lastError().isError())
        return false;
    if (objects.isEmpty())
        return true;
    Transaction t(connection);
    if (!t.isActive() || !rewrite(connection, objects))
        return false;
    // Indexes on the columns were ordered by the old collation.
    if (!connection.exec(QStringLiteral("REINDEX")))
        return false;
    if (connection.scalar(QStringLiteral("PRAGMA main.quick_check")).toString() != QLatin1String("ok"))
        return false;
    return t.commit();
}

} // namespace zentrel::db

#include "Schema.h"

#include <QFile>
#include <QRegularExpression>

namespace zentrel::db {

extern const char *const kSchemaSqlText; // generated from schema.sql at build time

const QString &SchemaSql() {
    static const QString sql = QString::fromUtf8(kSchemaSqlText);
    return sql;
}

const QStringList &SchemaTables() {
    static const QStringList tables = [] {
        QStringList names;
        static const QRegularExpression re(QStringLiteral("CREATE TABLE (\\w+)"));
        auto it = re.globalMatch(SchemaSql());
        while (it.hasNext())
            names << it.next().captured(1);
        return names;
    }();
    return tables;
}

bool CreateSchema(Connection &connection) {
    Transaction t(connection);
    return t.isActive() && connection.exec(SchemaSql()) && t.commit();
}

bool WriteFactoryDefaults(Connection &connection) {
    Transaction t(connection);
    for (int i = 0; i < 16; ++i)
        if (!connection.exec(QStringLiteral("INSERT INTO URE (URA,OZNAKA,IME) VALUES (?,?,?)"),
                             {i, QString::number(i), QString::number(i)}))
            return false;
    const bool ok = connection.exec(QStringLiteral("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (0,'0');"
                                                   "INSERT INTO TURNUSI (ID,OZNAKA) VALUES (1,'I');"
                                                   "INSERT INTO IZMENE (ID,OZNAKA) VALUES (1,'A');"
                                                   "INSERT INTO IZMENA_TURNUS (ID_TURNUSA,ID_IZMENE,PRVA_URA_PON,"
                                                   "PRVA_URA_TOR,PRVA_URA_SRE,PRVA_URA_CET,PRVA_URA_PET) "
                                                   "VALUES (1,1,1,1,1,1,1);"));
    return ok && t.commit();
}

bool CreateDefaultsDatabaseFile(const QString &path) {
    QFile::remove(path);
    Connection c;
    if (!c.create(path) || !CreateSchema(c) || !WriteFactoryDefaults(c)) {
        c.close();
        QFile::remove(path);
        return false;
    }
    c.close();
    return true;
}

} // namespace zentrel::db

#include "Connection.h"

#include "core/TextFunctions.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace zentrel::db {

namespace {

DbErrorCode classify(int rc, const QString &message) {
    const int primary = rc & 0xff;
    if (primary == SQLITE_READONLY)
        return DbErrorCode::NotWritable;
    if (primary == SQLITE_NOTADB)
        return DbErrorCode::NotADatabase;
    if (primary == SQLITE_CORRUPT)
        return DbErrorCode::Corrupt;
    if (primary == SQLITE_CANTOPEN || primary == SQLITE_PERM || primary == SQLITE_AUTH)
        return DbErrorCode::PermissionDenied;
    if (message.startsWith(QLatin1String("no such table")))
        return DbErrorCode::MissingTable;
    if (message.startsWith(QLatin1String("no such column")) || message.contains(QLatin1String("has no column named")))
        return DbErrorCode::ItemNotFound;
    if (message.startsWith(QLatin1String("index")) && message.contains(QLatin1String("already exists")))
        return DbErrorCode::IndexExists;
    if (message.contains(QLatin1String("already exists")) || message.startsWith(QLatin1String("duplicate column name")))
        return DbErrorCode::ObjectExists;
    return DbErrorCode::Other;
}

void bindValue(sqlite3_stmt *stmt, int index, const QVariant &v) {
    if (!v.isValid() || v.isNull()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (v.typeId()) {
    case QMetaType::Bool:
        sqlite3_bind_int(stmt, index, v.toBool() ? 1 : 0);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        sqlite3_bind_int64(stmt, index, v.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, index, v.toDouble());
        break;
    case QMetaType::QDate: {
        const QByteArray iso = v.toDate().toString(Qt::ISODate).toUtf8();
        sqlite3_bind_text(stmt, index, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray utf8 = v.toString().toUtf8();
        sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    }
}

QVariant columnValue(sqlite3_stmt *stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, column)),
                                          sqlite3_column_bytes(stmt, column)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, column)),
                                   sqlite3_column_bytes(stmt, column)));
    default:
        return QVariant(QMetaType::fromType<QString>());
    }
}

// The collation SLOVENSKO that the program's queries name: the one order of the whole program.
int compareSlovenian(void *, int lengthA, const void *a, int lengthB, const void *b) {
    return core::CompareSlovenian(QStringView(static_cast<const QChar *>(a), lengthA / 2),
                                  QStringView(static_cast<const QChar *>(b), lengthB / 2));
}

// SAMETEXT(a, b): whether two codes or names are one to a user (core::SameText), for the
// uniqueness checks of the program's queries.
void sameText(sqlite3_context *context, int, sqlite3_value **values) {
    auto text = [](sqlite3_value *v) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
    };
    if (sqlite3_value_type(values[0]) == SQLITE_NULL || sqlite3_value_type(values[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int(context, core::SameText(text(values[0]), text(values[1])) ? 1 : 0);
}

} // namespace

Connection::~Connection() {
    close();
}

bool Connection::openWithFlags(const QString &path, int flags) {
    close();
    m_error = {};
    m_path = path;
    sqlite3 *db = nullptr;
    // Connections accept "file:" URIs in ATTACH (a source attached read-only); the file opened
    // here is named by its absolute path, so that no relative name can read as a URI.
    const QString name = path == QLatin1String(":memory:") ? path : QFileInfo(path).absoluteFilePath();
    const int rc = sqlite3_open_v2(name.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("open failed");
        if (db)
            sqlite3_close_v2(db);
        setError(rc, message);
        return false;
    }
    m_db = db;
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_create_collation_v2(m_db, "SLOVENSKO", SQLITE_UTF16_ALIGNED, nullptr, compareSlovenian, nullptr);
    sqlite3_create_function_v2(m_db, "SAMETEXT", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sameText, nullptr,
                               nullptr, nullptr);
    sqlite3_busy_timeout(m_db, 2000);
    // Reading the schema is what tells a database from any other file; nothing is written.
    if (!exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !setForeignKeys(true)) {
        // A file another program holds locked while it writes is in use (setError), not of the
        // wrong kind.
        const DbError failure = m_error;
        close();
        m_error = failure;
        if (m_error.code == DbErrorCode::Other)
            m_error.code = DbErrorCode::NotADatabase;
        return false;
    }
    return true;
}

bool Connection::open(const QString &path, Access access) {
    const QFileInfo info(path);
    DbError refusal;
    if (!info.exists())
        refusal = {DbErrorCode::FileNotFound, QStringLiteral("file not found")};
    else if (info.isDir())
        refusal = {DbErrorCode::IsDirectory, QStringLiteral("is a directory")};
    else if (!info.isReadable())
        refusal = {DbErrorCode::NotReadable, QStringLiteral("permission denied")};
    if (refusal.isError()) {
        close();
        m_error = refusal;
        return false;
    }
    // A file without any write permission is write-protected for the program, whoever runs it.
    const QFileDevice::Permissions writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const bool readOnly = access == Access::ReadOnly || (info.permissions() & writeBits) == 0;
    return openWithFlags(path, (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_FULLMUTEX |
                                   SQLITE_OPEN_URI);
}

bool Connection::create(const QString &path) {
    return openWithFlags(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_URI);
}

bool Connection::isReadOnly() const {
    return m_db && sqlite3_db_readonly(m_db, "main") == 1;
}

void Connection::close() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_depth = 0;
}

void Connection::setError(int rc, const QString &message) {
    m_error.code = classify(rc, message);
    m_error.description = message;
    // Another program writing the file longer than the busy wait is a state the user can act on,
    // not an engine fault: it is told in the user's words.
    const int primary = rc & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        m_error.code = DbErrorCode::InUse;
        m_error.description = QStringLiteral("Podatke ima zaklenjene drug program. Poskusite znova pozneje.");
    }
    // Damage found while working: the user is told what to do, not the engine's words.
    if (primary == SQLITE_CORRUPT)
        m_error.description = QStringLiteral("Datoteka projekta je poškodovana. Ob naslednjem odpiranju jo program "
                                             "preveri in ponudi popravilo.");
}

bool Connection::run(const QString &sql, const QVariantList *list, const QVariantMap *map, RowSet *out) {
    m_error = {};
    if (!m_db) {
        m_error = {DbErrorCode::Other, QStringLiteral("no open connection")};
        return false;
    }
    const QByteArray utf8 = sql.toUtf8();
    const char *tail = utf8.constData();
    const char *end = tail + utf8.size();
    bool boundOnce = false;
    while (tail < end) {
        sqlite3_stmt *stmt = nullptr;
        int rc = sqlite3_prepare_v2(m_db, tail, int(end - tail), &stmt, &tail);
        if (rc != SQLITE_OK) {
            setError(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
            return false;
        }
        if (!stmt)
            continue; // white space or a comment
        if (!boundOnce && (list || map)) {
            boundOnce = true;
            if (list) {
                for (int i = 0; i < list->size(); ++i)
                    bindValue(stmt, i + 1, list->at(i));
            } else {
                const int count = sqlite3_bind_parameter_count(stmt);
                for (int i = 1; i <= count; ++i) {
                    const char *name = sqlite3_bind_parameter_name(stmt, i);
                    if (!name)
                        continue;
                    const QString key = QString::fromUtf8(name + 1);
                    for (auto it = map->constBegin(); it != map->constEnd(); ++it)
                        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
                            bindValue(stmt, i, it.value());
                }
            }
        }
        const int columns = sqlite3_column_count(stmt);
        QStringList names, types;
        QVector<QVector<QVariant>> rows;
        if (out && columns > 0) {
            for (int c = 0; c < columns; ++c) {
                names << QString::fromUtf8(sqlite3_column_name(stmt, c));
                const char *type = sqlite3_column_decltype(stmt, c);
                types << (type ? QString::fromUtf8(type) : QString());
            }
        }
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            if (out && columns > 0) {
                QVector<QVariant> row;
                row.reserve(columns);
                for (int c = 0; c < columns; ++c)
                    row.append(columnValue(stmt, c));
                rows.append(std::move(row));
            }
        }
        if (rc != SQLITE_DONE) {
            setError(rc, QString::fromUtf8(sqlite3_errmsg(m_db)));
            sqlite3_finalize(stmt);
            return false;
        }
        sqlite3_finalize(stmt);
        if (out && columns > 0)
            *out = RowSet(names, types, rows);
    }
    return true;
}

Statement::Statement(Connection &connection, const QString &sql) : m_connection(connection) {
    m_connection.m_error = {};
    if (!m_connection.m_db) {
        m_connection.m_error = {DbErrorCode::Other, QStringLiteral("no open connection")};
        return;
    }
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(m_connection.m_db, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                                      &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        m_connection.setError(rc, QString::fromUtf8(sqlite3_errmsg(m_connection.m_db)));
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

bool Statement::first(const QVariantList &values) {
    m_connection.m_error = {};
    if (!m_stmt) {
        m_connection.m_error = {DbErrorCode::Other, QStringLiteral("statement not prepared")};
        return false;
    }
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    for (int i = 0; i < values.size(); ++i)
        bindValue(m_stmt, i + 1, values.at(i));
    return step();
}

bool Statement::next() {
    return m_stmt && step();
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_connection.setError(rc, QString::fromUtf8(sqlite3_errmsg(m_connection.m_db)));
    sqlite3_reset(m_stmt);
    return false;
}

bool Statement::run(const QVariantList &values) {
    if (first(values))
        while (next()) {
        }
    return m_stmt && !m_connection.m_error.isError();
}

QByteArrayView Statement::text(int column) const {
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(m_stmt, column)) : QByteArrayView();
}

bool Connection::exec(const QString &sql) {
    return run(sql, nullptr, nullptr, nullptr);
}
bool Connection::exec(const QString &sql, const QVariantList &values) {
    return run(sql, &values, nullptr, nullptr);
}
bool Connection::exec(const QString &sql, const QVariantMap &values) {
    return run(sql, nullptr, &values, nullptr);
}

RowSet Connection::query(const QString &sql) {
    RowSet rows;
    return run(sql, nullptr, nullptr, &rows) ? rows : RowSet();
}
RowSet Connection::query(const QString &sql, const QVariantList &values) {
    RowSet rows;
    return run(sql, &values, nullptr, &rows) ? rows : RowSet();
}
RowSet Connection::query(const QString &sql, const QVariantMap &values) {
    RowSet rows;
    return run(sql, nullptr, &values, &rows) ? rows : RowSet();
}

QVariant Connection::scalar(const QString &sql, const QVariantList &values) {
    const RowSet rows = query(sql, values);
    if (rows.rowCount() == 0 || rows.columnCount() == 0)
        return {};
    return rows.value(0, 0);
}

qint64 Connection::lastInsertId() const {
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}
int Connection::changes() const {
    return m_db ? sqlite3_changes(m_db) : 0;
}

bool Connection::tableExists(const QString &table) {
    const QVariant n = scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type IN ('table','view') "
                                             "AND name = ? COLLATE NOCASE"),
                              {table});
    return n.toInt() > 0;
}

bool Connection::begin() {
    const bool ok = m_depth == 0 ? exec(QStringLiteral("BEGIN")) : exec(QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    if (ok)
        ++m_depth;
    return ok;
}

bool Connection::commit() {
    if (m_depth <= 0)
        return false;
    const bool ok =
        m_depth == 1 ? exec(QStringLiteral("COMMIT")) : exec(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_depth - 1));
    if (ok)
        --m_depth;
    return ok;
}

void Connection::rollback() {
    if (m_depth <= 0 || !m_db)
        return;
    const DbError kept = m_error; // the failure that caused the rollback stays visible
    if (m_depth == 1) {
        exec(QStringLiteral("ROLLBACK"));
    } else {
        exec(QStringLiteral("ROLLBACK TO SAVEPOINT sp%1").arg(m_depth - 1));
        exec(QStringLiteral("RELEASE SAVEPOINT sp%1").arg(m_depth - 1));
    }
    --m_depth;
    m_error = kept;
}

bool Connection::setForeignKeys(bool on) {
    return exec(on ? QStringLiteral("PRAGMA foreign_keys=ON") : QStringLiteral("PRAGMA foreign_keys=OFF"));
}

Transaction::Transaction(Connection &connection) : m_connection(connection) {
    m_active = m_connection.begin();
}

Transaction::~Transaction() {
    if (m_active)
        m_connection.rollback();
}

bool Transaction::commit() {
    if (!m_active)
        return false;
    m_active = false;
    if (m_connection.commit())
        return true;
    m_connection.rollback();
    return false;
}

} // namespace zentrel::db

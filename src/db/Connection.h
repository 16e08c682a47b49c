#pragma once

#include "RowSet.h"
#include "core/DbError.h"

#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

struct sqlite3;
struct sqlite3_stmt;

namespace zentrel::db {

using core::DbError;
using core::DbErrorCode;

// One open database file. Every connection runs with foreign keys on, so the deletion rules
// of the schema cascade, and knows the program's collation SLOVENSKO (Slovenian order) and the
// function SAMETEXT(a, b) (codes and names equal to a user, core::SameText), with which every
// uniqueness check of a code or name is written. Errors are returned as data (lastError());
// nothing throws.
//
// States: closed -> open (open()) -> closed (close() or destruction). Statements on a closed
// connection fail with DbErrorCode::Other.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    enum class Access { ReadWrite, ReadOnly };

    // Opens an existing file (never creates one) and checks that it is a database. Nothing is
    // written. Refusals: FileNotFound, IsDirectory, NotReadable, InUse (another program holds it
    // locked), NotADatabase or Corrupt. A file without write permission opens read-only.
    bool open(const QString &path, Access access = Access::ReadWrite);
    bool isReadOnly() const;
    // Creates a new empty database file (used by the generators of the shipped files);
    // ":memory:" gives a database in memory.
    bool create(const QString &path);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }

    // Runs one or more statements that return no rows.
    bool exec(const QString &sql);
    // Runs one statement with bound values: positional (?) from a list, or named (:Name) from a map.
    bool exec(const QString &sql, const QVariantList &values);
    bool exec(const QString &sql, const QVariantMap &values);
    // Runs one query and reads all its rows; an empty row set (and lastError) on failure.
    RowSet query(const QString &sql);
    RowSet query(const QString &sql, const QVariantList &values);
    RowSet query(const QString &sql, const QVariantMap &values);
    // First column of the first row, or an invalid QVariant.
    QVariant scalar(const QString &sql, const QVariantList &values = {});

    qint64 lastInsertId() const;
    int changes() const;
    const DbError &lastError() const { return m_error; }
    bool tableExists(const QString &table);

    // Transactions nest: the outer one is BEGIN/COMMIT, inner ones are savepoints.
    bool begin();
    bool commit();
    void rollback();
    int transactionDepth() const { return m_depth; }

    bool setForeignKeys(bool on);
    sqlite3 *handle() const { return m_db; }

private:
    bool openWithFlags(const QString &path, int flags);
    bool run(const QString &sql, const QVariantList *list, const QVariantMap *map, RowSet *out);
    void setError(int rc, const QString &message);
    friend class Statement;

    sqlite3 *m_db = nullptr;
    QString m_path;
    DbError m_error;
    int m_depth = 0;
};

// One statement compiled once and run again and again with other values, as the rows of a
// large insert: compiling is most of the cost of a one-row statement. Errors go to the
// connection's lastError(). Lives no longer than its connection stays open.
class Statement {
public:
    Statement(Connection &connection, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    bool isValid() const { return m_stmt != nullptr; }
    // Binds the values, runs the statement to its end (rows it returns are dropped) and makes it
    // ready for the next run.
    bool run(const QVariantList &values);
    // Reading without a copy of the rows: first() binds the values and steps to the first row,
    // next() to the following one; both are false at the end or on an error (lastError() tells
    // which), and the statement is then ready for the next run.
    bool first(const QVariantList &values);
    bool next();
    // A column of the current row as text (numbers as SQLite writes them), null for NULL; valid
    // until the next step.
    QByteArrayView text(int column) const;

private:
    bool step();

    Connection &m_connection;
    sqlite3_stmt *m_stmt = nullptr;
};

// Begins a transaction on construction and rolls it back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    bool isActive() const { return m_active; }
    bool commit();

private:
    Connection &m_connection;
    bool m_active = false;
};

} // namespace zentrel::db

#pragma once

#include "db/Connection.h"

#include <QString>
#include <QVariantList>
#include <optional>

namespace zentrel::basicdata {

// The writes of one user action on the project: one transaction, statements run in order until
// the first one fails, then nothing more runs. commit() either keeps everything or, after a
// failure, rolls back and reports the error once (kind 5). Never leaves half an action behind.
class WriteAction {
public:
    WriteAction();
    // The same on another connection (a file being generated, not the open project).
    explicit WriteAction(db::Connection &connection);
    WriteAction(const WriteAction &) = delete;
    WriteAction &operator=(const WriteAction &) = delete;

    // Runs an action statement; false (and nothing run) once a statement has failed.
    bool exec(const QString &sql);
    bool exec(const QString &sql, const QVariantList &values);
    // First column of the first row of a query, within the same transaction; -1 on failure.
    qint64 number(const QString &sql);
    // Records the outcome of a step run on the connection by other code (e.g. a table copy).
    bool record(bool result) { return m_ok && check(result); }
    bool ok() const { return m_ok; }
    // Commits when every statement succeeded; otherwise rolls back and reports. True when kept.
    bool commit();

private:
    bool check(bool result);

    db::Connection &m_db;
    std::optional<db::Transaction> m_transaction;
    bool m_ok = true;
    core::DbError m_error;
};

} // namespace zentrel::basicdata

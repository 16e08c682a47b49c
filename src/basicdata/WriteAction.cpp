#include "WriteAction.h"

#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

WriteAction::WriteAction() : WriteAction(db::ProjectDb()) {}

WriteAction::WriteAction(db::Connection &connection) : m_db(connection) {
    m_transaction.emplace(m_db);
    if (!m_transaction->isActive()) {
        m_ok = false;
        m_error = m_db.lastError();
    }
}

bool WriteAction::check(bool result) {
    if (!result) {
        m_ok = false;
        m_error = m_db.lastError();
    }
    return result;
}

bool WriteAction::exec(const QString &sql) {
    return m_ok && check(m_db.exec(sql));
}

bool WriteAction::exec(const QString &sql, const QVariantList &values) {
    return m_ok && check(m_db.exec(sql, values));
}

qint64 WriteAction::number(const QString &sql) {
    if (!m_ok)
        return -1;
    const QVariant v = m_db.scalar(sql);
    if (!check(!m_db.lastError().isError()))
        return -1;
    return db::ToLong(v);
}

bool WriteAction::commit() {
    if (m_ok && m_transaction->commit())
        return true;
    if (m_ok)
        m_error = m_db.lastError();
    m_ok = false;
    m_transaction.reset(); // rolls back before the message is shown
    core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče shraniti."), m_error);
    return false;
}

} // namespace zentrel::basicdata

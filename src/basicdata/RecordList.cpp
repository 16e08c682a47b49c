#include "RecordList.h"

#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

bool RecordList::read() {
    db::Connection &c = db::ProjectDb();
    db::RowSet rows = c.query(m_sql);
    if (c.lastError().isError()) {
        m_rows = {};
        m_position = -1;
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
        return false;
    }
    m_rows = std::move(rows);
    return true;
}

bool RecordList::requery() {
    const int old = m_position;
    const bool ok = read();
    if (count() == 0)
        m_position = -1;
    else
        m_position = std::clamp(old, 0, count() - 1);
    return ok;
}

bool RecordList::requeryAt(const QString &column, const QVariant &value) {
    const bool ok = read();
    const int row = find(column, value);
    m_position = row >= 0 ? row : (count() > 0 ? 0 : -1);
    return ok;
}

bool RecordList::requeryToSame(const QString &column) {
    if (!hasCurrent())
        return requery();
    return requeryAt(column, value(column));
}

void RecordList::clear() {
    m_rows = {};
    m_position = -1;
}

bool RecordList::moveTo(int row) {
    if (row < 0 || row >= count())
        return false;
    m_position = row;
    return true;
}

int RecordList::Find(const db::RowSet &rows, const QString &column, const QVariant &value) {
    const int c = rows.columnIndex(column);
    if (c < 0 || !value.isValid() || value.isNull())
        return -1;
    const QString wanted = value.toString();
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QVariant &v = rows.value(r, c);
        if (!v.isNull() && v.toString() == wanted)
            return r;
    }
    return -1;
}

bool RecordList::moveToValue(const QString &column, const QVariant &value) {
    return moveTo(find(column, value));
}

QVariant RecordList::value(const QString &column) const {
    return hasCurrent() ? m_rows.value(m_position, column) : QVariant();
}

QString RecordList::text(const QString &column) const {
    return hasCurrent() ? db::FieldText(m_rows, m_position, column) : QString();
}

qint64 RecordList::integer(const QString &column) const {
    return hasCurrent() ? m_rows.integer(m_position, column, -1) : -1;
}

} // namespace zentrel::basicdata

#include "ChooseRow.h"

#include "core/TextFunctions.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

qint64 ChooseRow(const QString &sql, const QString &value, qint64 preferred) {
    const db::RowSet rows = db::ProjectDb().query(sql);
    bool number = false;
    const qint64 id = value.toLongLong(&number);
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 rowId = rows.integer(r, QStringLiteral("ID"));
        if (value.isEmpty() ? rowId == preferred : (number && rowId == id))
            return rowId;
    }
    for (int r = 0; r < rows.rowCount() && !value.isEmpty(); ++r)
        if (core::SameText(rows.text(r, QStringLiteral("IME")), value))
            return rows.integer(r, QStringLiteral("ID"));
    return value.isEmpty() && !rows.isEmpty() ? rows.integer(0, QStringLiteral("ID")) : -1;
}

} // namespace zentrel::basicdata

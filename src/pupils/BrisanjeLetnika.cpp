#include "BrisanjeLetnika.h"

#include "basicdata/WriteAction.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "shell/SafetyCopies.h"

namespace zentrel::pupils {

db::RowSet BrisanjeLetnika::years() {
    db::Connection &c = db::ProjectDb();
    db::RowSet rows = c.query(QStringLiteral("SELECT DISTINCT coalesce(LETOVPISA, '') AS LETOVPISA FROM ERD_UCENEC "
                                             "ORDER BY 1 COLLATE SLOVENSKO"));
    if (c.lastError().isError())
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
    return rows;
}

int BrisanjeLetnika::deleteYear(const QString &year) {
    // An empty year is stored as null or as an empty text; "= ''" alone would miss the nulls.
    const QString where =
        year.isEmpty() ? QStringLiteral("LETOVPISA IS NULL OR LETOVPISA = ''") : QStringLiteral("LETOVPISA = ?");
    const QVariantList values = year.isEmpty() ? QVariantList() : QVariantList{year};
    if (!shell::SafetyCopyBefore(shell::OperationWithName(QStringLiteral("Brisanje učencev letnika"), year)))
        return -1;
    basicdata::WriteAction action;
    action.exec(QStringLiteral("DELETE FROM ERD_UCENEC WHERE ") + where, values);
    const int deleted = db::ProjectDb().changes();
    return action.commit() ? deleted : -1;
}

} // namespace zentrel::pupils

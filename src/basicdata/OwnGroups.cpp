#include "OwnGroups.h"

#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

bool RemoveEmptyRoomGroups(WriteAction &action) {
    for (int round = 0; round < 100; ++round) {
        if (!action.exec(
                QStringLiteral("DELETE FROM PROSTORI_V_SKUPINI WHERE ID_PROSTORA IS NULL OR (ID_PROSTORA NOT IN "
                               "(SELECT ID FROM PROSTORI) AND ID_PROSTORA NOT IN (SELECT ID FROM SKUPINE_PROSTOROV))")))
            return false;
        const int members = db::ProjectDb().changes();
        if (!action.exec(QStringLiteral("DELETE from SKUPINE_PROSTOROV WHERE NOT EXISTS ( SELECT * FROM "
                                        "PROSTORI_V_SKUPINI WHERE ID_SKUPINE = SKUPINE_PROSTOROV.ID)")))
            return false;
        if (members == 0 && db::ProjectDb().changes() == 0)
            break;
    }
    return action.ok();
}

bool RemoveEmptyClassGroups(WriteAction &action) {
    // NOT EXISTS rather than NOT IN: a single null member row must not keep every group alive.
    return action.exec(QStringLiteral("DELETE FROM SKUPINE_ODDELKOV WHERE NOT EXISTS (SELECT * FROM "
                                      "ODDELKI_V_SKUPINI WHERE ODDELKI_V_SKUPINI.ID_SKUPINE = SKUPINE_ODDELKOV.ID)"));
}

bool RemoveEmptySubjectGroups(WriteAction &action) {
    return action.exec(
        QStringLiteral("DELETE FROM SKUPINE_PREDMETOV WHERE NOT EXISTS (SELECT * FROM "
                       "PREDMETI_V_SKUPINI WHERE PREDMETI_V_SKUPINI.ID_SKUPINE = SKUPINE_PREDMETOV.ID)"));
}

qint64 CountRows(const QString &sql) {
    db::Connection &c = db::ProjectDb();
    const QVariant v = c.scalar(sql);
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
        return -1;
    }
    return v.isNull() ? 0 : v.toLongLong();
}

} // namespace zentrel::basicdata

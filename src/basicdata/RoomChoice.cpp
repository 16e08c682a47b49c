#include "RoomChoice.h"

#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

db::RowSet RoomList(qint64 curriculum, qint64 teacher, qint64 classGroup, qint64 subject, qint64 turnus) {
    db::Connection &c = db::ProjectDb();
    const db::RowSet rows = c.query(
        QStringLiteral(
            "SELECT ID, OZNAKA, IME, USTR, OBR, CAST(OBR AS TEXT) || iif(USTR = '', '', '  ' || USTR) AS OBR_USTR FROM "
            "(SELECT SP.ID, SP.OZNAKA, SP.IME, "
            "iif(EXISTS (SELECT * FROM UCITELJ_PROSTOR WHERE ID_UCITELJA = :ucitelj AND ID_SKUPINE_PROSTOROV = SP.ID), "
            "'U', '') || iif(EXISTS (SELECT * FROM ODDELEK_PROSTOR AS OP INNER JOIN ODDELKI_V_SKUPINI AS OVS ON "
            "OVS.ID_ODDELKA = OP.ID_ODDELKA WHERE OVS.ID_SKUPINE = :skupina AND OP.ID_PROSTORA = SP.ID), 'E', '') || "
            "iif(EXISTS (SELECT * FROM PREDMET_PROSTOR WHERE ID_PREDMETA = :predmet AND ID_SKUPINE_PROSTOROV = SP.ID), "
            "'P', '') AS USTR, (SELECT coalesce(sum(PVP.STEVILO_UR), 0) FROM RAZPORED AS R INNER JOIN "
            "PREDMETI_V_PROGRAMU AS PVP ON PVP.ID_PROGRAMA = R.ID_PROGRAMA AND PVP.ID_SKUPINE_PREDMETOV = "
            "R.ID_SKUPINE_PREDMETOV AND PVP.ID_TURNUSA = R.ID_TURNUSA WHERE R.ID_PREDMETNIKA = :razpored AND "
            "R.ID_SKUPINE_PROSTOROV = SP.ID AND (R.ID_TURNUSA = 0 OR R.ID_TURNUSA = :turnus)) AS OBR FROM "
            "SKUPINE_PROSTOROV AS SP) ORDER BY USTR DESC, substr(OZNAKA, 1, 1) = '$', OBR, OZNAKA COLLATE SLOVENSKO"),
        QVariantMap{{QStringLiteral("ucitelj"), teacher},
                    {QStringLiteral("skupina"), classGroup},
                    {QStringLiteral("predmet"), subject},
                    {QStringLiteral("razpored"), curriculum},
                    {QStringLiteral("turnus"), turnus}});
    if (c.lastError().isError())
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
    return rows;
}

} // namespace zentrel::basicdata

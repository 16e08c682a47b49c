#include "NastavitvePrveUre.h"

#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::shell {

using namespace core;

using db::ProjectDb;

db::RowSet NastavitvePrveUre::Turnusi() {
    return ProjectDb().query(QStringLiteral("SELECT * FROM TURNUSI WHERE ID<>0 ORDER BY Oznaka COLLATE SLOVENSKO"));
}

db::RowSet NastavitvePrveUre::Izmene(qint64 turnusId) {
    return ProjectDb().query(
        QStringLiteral(
            "SELECT IZMENA_TURNUS.*, URE.OZNAKA AS URE_0_OZNAKA, URE_1.OZNAKA AS URE_1_OZNAKA, URE_2.OZNAKA AS "
            "URE_2_OZNAKA, URE_3.OZNAKA AS URE_3_OZNAKA, URE_4.OZNAKA AS URE_4_OZNAKA, IZMENE.OZNAKA FROM IZMENE "
            "INNER JOIN (((((IZMENA_TURNUS INNER JOIN URE ON IZMENA_TURNUS.PRVA_URA_PON = URE.URA) INNER JOIN URE "
            "AS URE_1 ON IZMENA_TURNUS.PRVA_URA_TOR = URE_1.URA) INNER JOIN URE AS URE_2 ON "
            "IZMENA_TURNUS.PRVA_URA_SRE = URE_2.URA) INNER JOIN URE AS URE_3 ON IZMENA_TURNUS.PRVA_URA_CET = "
            "URE_3.URA) INNER JOIN URE AS URE_4 ON IZMENA_TURNUS.PRVA_URA_PET = URE_4.URA) ON IZMENE.ID = "
            "IZMENA_TURNUS.ID_IZMENE WHERE ID_TURNUSA=") +
        QString::number(turnusId) + QStringLiteral(" ORDER BY IZMENE.OZNAKA COLLATE SLOVENSKO"));
}

db::RowSet NastavitvePrveUre::PeriodRows() {
    return ProjectDb().query(QStringLiteral("SELECT Oznaka,URA AS ID FROM URE ORDER BY URA"));
}

QStringList NastavitvePrveUre::PeriodCodes() {
    QStringList codes;
    const db::RowSet rows = PeriodRows();
    for (int r = 0; r < rows.rowCount(); ++r)
        codes << rows.text(r, QStringLiteral("Oznaka"));
    return codes;
}

QString NastavitvePrveUre::Header(const QString &turnusCode, const QString &izmenaCode) {
    return QStringLiteral("Turnus ") + turnusCode + QStringLiteral(" - ") + QStringLiteral("Izmena ") + izmenaCode;
}

bool NastavitvePrveUre::AcceptEdit(qint64 turnusId, qint64 izmenaId, const QStringList &dayCodes) {
    const db::RowSet periods = ProjectDb().query(QStringLiteral("SELECT * FROM URE where ura<16 ORDER BY URA"));
    QStringList values;
    for (int day = 0; day < Days; ++day) {
        const QString code = dayCodes.value(day).trimmed();
        int found = -1;
        for (int r = 0; r < periods.rowCount() && found < 0; ++r)
            if (periods.text(r, QStringLiteral("OZNAKA")) == code)
                found = r;
        if (found < 0) {
            ShowMessage(MsgWarning, QStringLiteral("Ura # ne obstaja."), code, {}, true);
            return false;
        }
        values << QString::number(periods.integer(found, QStringLiteral("URA")));
    }
    const bool ok = ProjectDb().exec(
        QStringLiteral("UPDATE IZMENA_TURNUS SET PRVA_URA_PON=") + values[0] + QStringLiteral(", PRVA_URA_TOR=") +
        values[1] + QStringLiteral(", PRVA_URA_SRE=") + values[2] + QStringLiteral(", PRVA_URA_CET=") + values[3] +
        QStringLiteral(", PRVA_URA_PET=") + values[4] + QStringLiteral(" WHERE ID_TURNUSA=") +
        QString::number(turnusId) + QStringLiteral(" AND ID_IZMENE=") + QString::number(izmenaId));
    if (!ok)
        ShowErrorMessage(QStringLiteral("Napaka pri shranjevanju prvih ur."), ProjectDb().lastError());
    return ok;
}

} // namespace zentrel::shell

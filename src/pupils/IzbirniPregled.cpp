#include "IzbirniPregled.h"

#include "basicdata/CurrentRecords.h"
#include "db/MBaza.h"

namespace zentrel::pupils {

bool IzbirniPregled::open() {
    m_list.setSql(
        QStringLiteral(
            "SELECT N.ID, N.IME, N.PREDPONA, (SELECT count(*) FROM IZBIRNI_PREDMETI IP WHERE IP.ID_IZBIRNEGA_NABORA = "
            "N.ID) AS PREDMETOV, (SELECT count(*) FROM IZBIRNI_NABORI_ODDELKI NO WHERE NO.ID_IZBIRNEGA_NABORA = N.ID) "
            "AS ENOT, (SELECT count(DISTINCT C.ID_UCENCI_ODDELKA) FROM IZBIRNI_PREDMETI_UCENCI C INNER JOIN "
            "IZBIRNI_PREDMETI IP ON IP.ID = C.ID_IZBIRNEGA_PREDMETA WHERE IP.ID_IZBIRNEGA_NABORA = N.ID) AS "
            "UCENCEV, (SELECT count(*) FROM PREDMETI_V_SKUPINI G INNER JOIN IZBIRNI_PREDMETI IP ON IP.ID = "
            "G.ID_IZBIRNEGA_PREDMETA WHERE IP.ID_IZBIRNEGA_NABORA = N.ID AND G.ID_NADREJENEGA_PREDMETA_V_SKUPINI IS "
            "NULL) AS SKUPIN FROM IZBIRNI_NABORI N WHERE N.ID_RAZ_PREDMETNIKA = %1 ORDER BY N.IME COLLATE SLOVENSKO")
            .arg(basicdata::CurrentCurriculum()));
    return m_list.requeryToSame(QStringLiteral("ID"));
}

QString IzbirniPregled::stageText(bool automatic) const {
    if (!automatic)
        return QStringLiteral("Stopnja: izbira predmetov (nabori, predmeti v naboru, enote in izbira učencev).");
    const db::RowSet rows = db::ProjectDb().query(
        QStringLiteral("SELECT (SELECT count(*) FROM PROGRAMI WHERE ID_IZBIRNEGA_NABORA IS NOT NULL AND "
                       "ID_RAZ_PREDMETNIKA = ?1) AS SKUPIN, (SELECT count(DISTINCT E.ID_UCENCA) FROM "
                       "ERD_UCENCI_PREDMETA E INNER JOIN PROGRAMI P ON P.ID = E.ID_PROGRAMA WHERE "
                       "P.ID_IZBIRNEGA_NABORA IS NOT NULL AND E.ID_PREDMETNIKA = ?1) AS UCENCEV"),
        {basicdata::CurrentCurriculum()});
    return QStringLiteral("Stopnja: dodeljevanje izbirnih skupin (izbirnih skupin %1, razporejenih učencev %2).")
        .arg(rows.integer(0, QStringLiteral("SKUPIN"), 0))
        .arg(rows.integer(0, QStringLiteral("UCENCEV"), 0));
}

} // namespace zentrel::pupils

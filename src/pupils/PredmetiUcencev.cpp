#include "PredmetiUcencev.h"

#include "PupilText.h"
#include "basicdata/CurrentRecords.h"
#include "basicdata/RecordText.h"
#include "db/MBaza.h"

namespace zentrel::pupils {

using basicdata::N;

bool PredmetiUcencev::open() {
    m_curriculum = basicdata::CurrentCurriculum();
    const QString cur = N(m_curriculum);
    m_list.setSql(
        QStringLiteral(
            "SELECT * FROM (SELECT E.ID, E.ID_ODDELKA, U.ID AS ID_UCENCA, %1 AS UCENEC, U.PRIIMEK, U.IME, U.OZNAKA, "
            "(SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI C WHERE C.ID_UCENCI_ODDELKA = E.ID AND C.TIP = 'I') AS "
            "IZB, (SELECT count(*) FROM ERD_UCENCI_PREDMETA X INNER JOIN PROGRAMI XP ON XP.ID = X.ID_PROGRAMA WHERE "
            "X.ID_UCENCA = U.ID AND X.ID_PREDMETNIKA = %2 AND XP.ID_IZBIRNEGA_NABORA IS NOT NULL) AS DOD FROM "
            "ERD_UCENCI_ODDELKA E INNER JOIN ERD_UCENEC U ON U.ID = E.ID_UCENCA INNER JOIN ODDELKI O ON O.ID = "
            "E.ID_ODDELKA WHERE E.ID_PREDMETNIKA = %2 AND E.ID_ODDELKA IN (SELECT NO.ID_ODDELKA FROM "
            "IZBIRNI_NABORI_ODDELKI NO INNER JOIN IZBIRNI_NABORI N ON N.ID = NO.ID_IZBIRNEGA_NABORA WHERE "
            "N.ID_RAZ_PREDMETNIKA = %2)) %3 ORDER BY PRIIMEK COLLATE SLOVENSKO, IME COLLATE SLOVENSKO, OZNAKA "
            "COLLATE SLOVENSKO")
            .arg(PupilLabelSql(QStringLiteral("U"), QStringLiteral("O")), cur,
                 m_onlyUnfinished ? QStringLiteral("WHERE DOD <> IZB") : QString()));
    return m_list.requeryToSame(QStringLiteral("ID"));
}

db::RowSet PredmetiUcencev::electives() const {
    if (!m_list.hasCurrent())
        return {};
    const QString cur = N(m_curriculum);
    const QString pupil = N(m_list.integer(QStringLiteral("ID_UCENCA")));
    return db::ProjectDb().query(
        QStringLiteral(
            "SELECT * FROM (SELECT IP.ID, %1 AS PREDMET, C.TIP, (SELECT group_concat(SO.OZNAKA, ', ') FROM "
            "ERD_UCENCI_PREDMETA E INNER JOIN PREDMETI_V_SKUPINI G ON G.ID = E.ID_PREDMETI_V_SKUPINI INNER JOIN "
            "SKUPINE_ODDELKOV SO ON SO.ID = E.ID_SKUPINE_ODDELKOV WHERE E.ID_UCENCA = %2 AND E.ID_PREDMETNIKA = %3 "
            "AND G.ID_IZBIRNEGA_PREDMETA = IP.ID) AS DODELJEN, (SELECT group_concat(SO.OZNAKA, ', ') FROM "
            "PREDMETI_V_SKUPINI G INNER JOIN SKUPINE_PREDMETOV SP ON SP.ID = G.ID_SKUPINE INNER JOIN "
            "SKUPINE_ODDELKOV SO ON SO.ID_IZBIRNEGA_PROGRAMA = SP.ID_IZBIRNEGA_PROGRAMA WHERE "
            "G.ID_IZBIRNEGA_PREDMETA = IP.ID AND G.ID_NADREJENEGA_PREDMETA_V_SKUPINI IS NULL AND SO.ID IN (SELECT "
            "ID_SKUPINE FROM ODDELKI_V_SKUPINI WHERE ID_ODDELKA = %4) AND SO.ID NOT IN (SELECT ID_SKUPINE_ODDELKOV "
            "FROM ERD_UCENCI_PREDMETA WHERE ID_UCENCA = %2 AND ID_PREDMETNIKA = %3)) AS MOZNO, N.ID AS ID_NABORA FROM "
            "IZBIRNI_PREDMETI IP INNER JOIN IZBIRNI_NABORI N ON N.ID = IP.ID_IZBIRNEGA_NABORA INNER JOIN PREDMETI PR "
            "ON PR.ID = IP.ID_PREDMETA LEFT JOIN IZBIRNI_PREDMETI_UCENCI C ON C.ID_IZBIRNEGA_PREDMETA = IP.ID AND "
            "C.ID_UCENCI_ODDELKA = %5 WHERE N.ID_RAZ_PREDMETNIKA = %3) WHERE TIP IS NOT NULL OR DODELJEN IS NOT NULL "
            "OR ID_NABORA IN (SELECT ID_IZBIRNEGA_NABORA FROM IZBIRNI_NABORI_ODDELKI WHERE ID_ODDELKA = %4) ORDER BY "
            "TIP IS NULL, TIP, PREDMET COLLATE SLOVENSKO")
            .arg(ElectiveLabelSql(QStringLiteral("N"), QStringLiteral("PR")), pupil, cur,
                 N(m_list.integer(QStringLiteral("ID_ODDELKA"))), N(m_list.id())));
}

QString PredmetiUcencev::frameHeader() const {
    return basicdata::FrameHeader(QStringLiteral("Učenec"), QString(), false, m_list.text(QStringLiteral("UCENEC")));
}

} // namespace zentrel::pupils

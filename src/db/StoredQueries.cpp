#include "StoredQueries.h"

namespace zentrel::db {

QString DayQueriesWith() {
    // The lesson filter is the one the program writes out in full elsewhere:
    // day, timetable and turnus of the resolved date.
    static const QString with = QStringLiteral(
        "WITH QTerminiVsi AS (SELECT TERMINI.ID, TERMINI.ID_RAZPOREDA, RAZPORED.ID_UCITELJA, TERMINI.ID_PROSTORA, "
        "TERMINI.URA, RAZPORED.ID_SKUPINE_ODDELKOV, RAZPORED.ID_SKUPINE_PREDMETOV, RAZPORED.ID_PREDMETA "
        "FROM RAZPORED INNER JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA "
        "WHERE TERMINI.DAN = :IzbranDan AND TERMINI.ID_URNIKA = :IzbranUrnik AND TERMINI.ID_TURNUSA = :IzbranTurnus), "
        "QTerminiPU AS (SELECT V.ID, V.ID_UCITELJA, V.ID_PROSTORA, V.URA, V.ID_SKUPINE_ODDELKOV, V.ID_RAZPOREDA "
        "FROM QTerminiVsi AS V WHERE EXISTS (SELECT 1 FROM ODDELKI_V_SKUPINI AS OVS "
        "WHERE OVS.ID_SKUPINE = V.ID_SKUPINE_ODDELKOV AND NOT EXISTS (SELECT 1 FROM ODSOTNOSTI_ODDELKOV AS OO "
        "WHERE OO.ID_ODDELKA = OVS.ID_ODDELKA AND OO.OD_DNE = :Datum AND V.URA BETWEEN OO.OD_URE AND OO.DO_URE))), "
        "QTerminiO AS (SELECT V.ID, V.ID_SKUPINE_ODDELKOV, V.URA FROM QTerminiVsi AS V), "
        "QTerminiPUOS AS (SELECT V.ID, V.ID_SKUPINE_PREDMETOV, V.ID_PREDMETA, V.ID_PROSTORA, V.ID_UCITELJA, V.URA, "
        "V.ID_SKUPINE_ODDELKOV FROM QTerminiVsi AS V WHERE V.ID_SKUPINE_ODDELKOV IN "
        "(SELECT ID_SKUPINE FROM ODDELKI_V_SKUPINI WHERE ID_ODDELKA = :IzbranOddelek)), "
        "OdsotnostiUciteljev AS (SELECT * FROM ODSOTNOSTI_UCITELJEV WHERE OD_DNE = :Datum), "
        "OdsotnostiOddelkov AS (SELECT * FROM ODSOTNOSTI_ODDELKOV WHERE OD_DNE = :Datum), "
        "OdsotnostiProstorov AS (SELECT * FROM ODSOTNOSTI_PROSTOROV WHERE OD_DNE = :Datum), "
        "SuplenceDan AS (SELECT * FROM SUPLENCE WHERE VELJA_OD = :Datum) ");
    return with;
}

const QStringList &DayQueryNames() {
    static const QStringList names{QStringLiteral("QTerminiPU"),          QStringLiteral("QTerminiPUOS"),
                                   QStringLiteral("QTerminiO"),           QStringLiteral("OdsotnostiUciteljev"),
                                   QStringLiteral("OdsotnostiOddelkov"),  QStringLiteral("OdsotnostiProstorov"),
                                   QStringLiteral("SuplenceDan")};
    return names;
}

QStringList ClassFrameStatements(qint64 timetableId, qint64 curriculumId) {
    static const char *const columns[] = {"PRVA_URA_PON", "PRVA_URA_TOR", "PRVA_URA_SRE", "PRVA_URA_CET",
                                          "PRVA_URA_PET"};
    QStringList out;
    for (int day = 1; day <= 5; ++day)
        out << QStringLiteral("INSERT INTO ODDELKI_OKVIR (ID_URNIKA,ID_ODDELKA,DAN,ID_TURNUSA,PRVA_URA)  "
                              "SELECT %1, ODDELKI.ID, %2,IZMENA_TURNUS.ID_TURNUSA, %3  FROM (ODDELKI INNER JOIN "
                              "ODDELKI_V_PREDMETNIKU ON ODDELKI.ID = ODDELKI_V_PREDMETNIKU.ID_ODDELKA) "
                              "INNER JOIN IZMENA_TURNUS ON ODDELKI_V_PREDMETNIKU.ID_IZMENE = IZMENA_TURNUS.ID_IZMENE "
                              "WHERE IZMENA_TURNUS.ID_TURNUSA<>0 AND ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA=%4")
                   .arg(timetableId)
                   .arg(day)
                   .arg(QLatin1String(columns[day - 1]))
                   .arg(curriculumId);
    return out;
}

bool InsertClassFrames(Connection &connection, qint64 timetableId, qint64 curriculumId) {
    Transaction t(connection);
    for (const QString &sql : ClassFrameStatements(timetableId, curriculumId))
        if (!connection.exec(sql))
            return false;
    return t.commit();
}

QString OrphanElectiveRowsSql() {
    return QStringLiteral(
        "SELECT Q2.ID  FROM (SELECT PREDMETI_V_SKUPINI.ID FROM ((PREDMETI_V_SKUPINI INNER JOIN SKUPINE_PREDMETOV ON "
        "PREDMETI_V_SKUPINI.ID_SKUPINE = SKUPINE_PREDMETOV.ID) INNER JOIN PROGRAMI ON "
        "SKUPINE_PREDMETOV.ID_IZBIRNEGA_PROGRAMA = PROGRAMI.ID) INNER JOIN IZBIRNI_PREDMETI ON "
        "PREDMETI_V_SKUPINI.ID_IZBIRNEGA_PREDMETA = IZBIRNI_PREDMETI.ID AND PREDMETI_V_SKUPINI.ID_PREDMETA = "
        "IZBIRNI_PREDMETI.ID_PREDMETA WHERE PROGRAMI.ID_IZBIRNEGA_NABORA = IZBIRNI_PREDMETI.ID_IZBIRNEGA_NABORA OR "
        "PROGRAMI.ID_IZBIRNEGA_NABORA = -1) AS Q1 RIGHT JOIN (SELECT PREDMETI_V_SKUPINI.ID FROM PREDMETI_V_SKUPINI "
        "INNER JOIN SKUPINE_PREDMETOV ON PREDMETI_V_SKUPINI.ID_SKUPINE = SKUPINE_PREDMETOV.ID "
        "Where SKUPINE_PREDMETOV.ID_IZBIRNEGA_PROGRAMA Is Not Null) as Q2 ON Q1.ID = Q2.ID Where Q1.ID Is Null");
}

int DeleteOrphanElectiveRows(Connection &connection) {
    const RowSet rows = connection.query(OrphanElectiveRowsSql());
    if (connection.lastError().isError())
        return 0;
    Transaction t(connection);
    for (int i = 0; i < rows.rowCount(); ++i)
        if (!connection.exec(QStringLiteral("Delete from PREDMETI_V_SKUPINI Where ID = %1")
                                 .arg(rows.integer(i, QStringLiteral("ID")))))
            return 0;
    return t.commit() ? rows.rowCount() : 0;
}

} // namespace zentrel::db

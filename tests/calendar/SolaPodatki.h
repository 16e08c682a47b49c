#pragma once

#include <QString>

namespace zentrel::test {

// The rotation weeks A, B and C (IDs 1 to 3) and two timetables of one curriculum, "Zimski" (1)
// and "Poletni" (2).
inline QString KoledarSql() {
    return QStringLiteral("UPDATE TURNUSI SET OZNAKA='A' WHERE ID=1; INSERT INTO TURNUSI VALUES (2,'B'),(3,'C');"
                          "INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'Predmetnik');"
                          "INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'Zimski', 1), (2, 'Poletni', 1)");
}

// A small school on top of KoledarSql, as the comment of SolaFixture describes; "Zimski" is
// valid from 1 September 2025 to 24 June 2026 with rotation week A alone.
inline QString SolaSql() {
    return QStringLiteral(
        "INSERT INTO STAVBE VALUES (1,'A','A'),(2,'B','B');"
        "INSERT INTO PROSTORI (ID,OZNAKA,IME,ID_STAVBE) VALUES (1,'U1','U1',1),(2,'U2','U2',1),(3,'TEL','TEL',2),"
        "(5,'U1','U1 bis',1);"
        "INSERT INTO UCITELJI (ID,OZNAKA,IME,PRIIMEK) VALUES (1,'NOV','Nina','Novak'),(2,'KOS','Katja','Kos'),"
        "(3,'ŽAG','Žiga','Žagar'),(4,'BER','Bor','Berk'),(5,'ČEH','Čarli','Čeh'),(6,'DAN','Dana','Dolinar');"
        "INSERT INTO ODDELKI VALUES (1,'1.a','1.a'),(2,'1.b','1.b');"
        "INSERT INTO SKUPINE_ODDELKOV (ID,OZNAKA) VALUES (1,'1.a'),(2,'1.b'),(3,'$1ab');"
        "INSERT INTO ODDELKI_V_SKUPINI VALUES (1,1),(2,2),(3,1),(3,2);"
        "INSERT INTO PREDMETI (ID,OZNAKA,IME) VALUES (1,'MAT','Matematika'),(2,'SLO','Slovenščina'),"
        "(3,'ŠPO','Šport');"
        "INSERT INTO SKUPINE_PREDMETOV (ID,OZNAKA) VALUES (1,'MAT'),(2,'SLO'),(3,'ŠPO');"
        "INSERT INTO PREDMETI_V_SKUPINI (ID,ID_SKUPINE,ID_PREDMETA) VALUES (1,1,1),(2,2,2),(3,3,3);"
        "INSERT INTO UCITELJ_PREDMET VALUES (1,1),(2,1),(2,2),(3,1),(4,3);"
        "INSERT INTO PROGRAMI (ID,OZNAKA,ID_RAZ_PREDMETNIKA) VALUES (1,'P',1);"
        "INSERT INTO RAZPORED (ID,ID_PREDMETNIKA,ID_SKUPINE_ODDELKOV,ID_PROGRAMA,ID_SKUPINE_PREDMETOV,"
        "ID_PREDMETA,ID_UCITELJA,ID_TURNUSA) VALUES (1,1,1,1,1,1,1,1),(2,1,1,1,2,2,2,1),(3,1,2,1,1,1,3,1),"
        "(4,1,3,1,3,3,4,1),(5,1,2,1,2,2,2,1);"
        "INSERT INTO TERMINI (ID,ID_URNIKA,ID_RAZPOREDA,ID_PROSTORA,DAN,URA,TIP,ID_TURNUSA) VALUES "
        "(1,1,1,1,1,2,'a',1),(2,1,5,2,1,1,'a',1),(3,1,2,1,1,3,'a',1),(4,1,3,2,1,2,'a',1),(5,1,4,3,1,4,'a',1),"
        "(6,1,1,1,1,5,'a',1);"
        "INSERT INTO VELJAVNOST_URNIKA VALUES (1, 1, '2025-09-01', '2026-06-24', 1, 1)");
}

} // namespace zentrel::test

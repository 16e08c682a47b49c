#include "IzberePredmete.h"

#include "RecordText.h"

#include <QMap>

namespace zentrel::basicdata {

QString PredmetiSkupin(qint64 curriculum) {
    return QStringLiteral(
               "(SELECT PS.ID_SKUPINE_ODDELKOV, PS.ID_PROGRAMA, PVP.ID_SKUPINE_PREDMETOV, PVS.ID AS "
               "ID_PREDMETI_V_SKUPINI, PVS.ID_PREDMETA, PVP.ID_TURNUSA, PVP.STEVILO_UR, PVP.DOLZINA_TERMINA, "
               "PVP.ZAHTEVNOST AS ZAH, PS.ID_PREDMETNIKA, PVS.IME_SKUPINE_UCENCEV, "
               "PVS.ID_NADREJENEGA_PREDMETA_V_SKUPINI FROM PROGRAM_SKUPINE AS PS INNER JOIN PREDMETI_V_PROGRAMU AS PVP "
               "ON PVP.ID_PROGRAMA = PS.ID_PROGRAMA INNER JOIN PREDMETI_V_SKUPINI AS PVS ON PVS.ID_SKUPINE = "
               "PVP.ID_SKUPINE_PREDMETOV WHERE PS.ID_PREDMETNIKA = %1)")
        .arg(N(curriculum));
}

QString QIzberePredmeteOddelka(qint64 curriculum, qint64 klass) {
    const QString classCondition = klass >= 0 ? QStringLiteral(" WHERE OVS.ID_ODDELKA = %1").arg(N(klass)) : QString();
    return QStringLiteral(
               "(SELECT CASE WHEN trim(coalesce(U.IME_SKUPINE_UCENCEV, '')) <> '' THEN SP.OZNAKA || '-' || "
               "U.IME_SKUPINE_UCENCEV WHEN SP.ID_RAZ_PREDMETNIKA IS NOT NULL THEN SP.OZNAKA ELSE '' END AS SKUPINA, "
               "iif(SO.ID_IZBIRNEGA_PROGRAMA IS NULL, 'N', 'I') AS TipIzbirnosti, P.OZNAKA, U.ID_SKUPINE_PREDMETOV, "
               "U.ID_PREDMETA, U.ZAH, CAST(U.STEVILO_UR AS TEXT) || '/' || CAST(U.DOLZINA_TERMINA AS TEXT) AS Oboje, "
               "T.OZNAKA AS TURNUS, iif(SO.ID_RAZ_PREDMETNIKA IS NULL, '', SO.OZNAKA) AS SKUPAJZ, O.OZNAKA AS "
               "ODD_OZNAKA, U.ID_PREDMETNIKA, U.ID_SKUPINE_ODDELKOV, U.ID_PROGRAMA, U.ID_TURNUSA, O.ID AS ID_ODDELKA, "
               "iif(SO.ID_RAZ_PREDMETNIKA IS NULL, Null, SO.ID) AS ID_SKUPAJZ, U.STEVILO_UR, U.DOLZINA_TERMINA, "
               "U.ID_PREDMETI_V_SKUPINI, U.ID_NADREJENEGA_PREDMETA_V_SKUPINI FROM %1 AS U INNER JOIN "
               "ODDELKI_V_SKUPINI AS OVS ON OVS.ID_SKUPINE = U.ID_SKUPINE_ODDELKOV INNER JOIN ODDELKI AS O ON O.ID = "
               "OVS.ID_ODDELKA INNER JOIN SKUPINE_ODDELKOV AS SO ON SO.ID = U.ID_SKUPINE_ODDELKOV INNER JOIN "
               "SKUPINE_PREDMETOV AS SP ON SP.ID = U.ID_SKUPINE_PREDMETOV INNER JOIN PREDMETI AS P ON P.ID = "
               "U.ID_PREDMETA INNER JOIN TURNUSI AS T ON T.ID = U.ID_TURNUSA%2)")
        .arg(PredmetiSkupin(curriculum), classCondition);
}

QString QIzberePredmeteRazporeda(qint64 curriculum, qint64 klass) {
    return QStringLiteral(
               "(SELECT Q.*, UC.OZNAKA AS OZNAKA_UCITELJA, ltrim(coalesce(UC.PRIIMEK, '') || ' ' || "
               "coalesce(UC.IME, '')) AS UCITELJ, SPR.OZNAKA AS PROSTOR, R.ID, R.ID_UCITELJA, "
               "R.ID_SKUPINE_PROSTOROV, Q.STEVILO_UR AS ST_UR, Q.DOLZINA_TERMINA AS DOL_TER FROM %1 AS Q LEFT JOIN "
               "RAZPORED AS R ON R.ID_PREDMETNIKA = Q.ID_PREDMETNIKA AND R.ID_SKUPINE_ODDELKOV = "
               "Q.ID_SKUPINE_ODDELKOV AND R.ID_PROGRAMA = Q.ID_PROGRAMA AND R.ID_SKUPINE_PREDMETOV = "
               "Q.ID_SKUPINE_PREDMETOV AND R.ID_PREDMETA = Q.ID_PREDMETA AND R.ID_TURNUSA = Q.ID_TURNUSA AND "
               "R.ID_PREDMETI_V_SKUPINI = Q.ID_PREDMETI_V_SKUPINI LEFT JOIN UCITELJI AS UC ON UC.ID = R.ID_UCITELJA "
               "LEFT JOIN SKUPINE_PROSTOROV AS SPR ON SPR.ID = R.ID_SKUPINE_PROSTOROV)")
        .arg(QIzberePredmeteOddelka(curriculum, klass));
}

QString QIzberePredmeteRazporedaOrder() {
    return QStringLiteral(
        "(ID IS NOT NULL), (TipIzbirnosti = 'N'), (SKUPINA <> ''), SKUPINA COLLATE SLOVENSKO, "
        "OZNAKA COLLATE SLOVENSKO, coalesce(ID_NADREJENEGA_PREDMETA_V_SKUPINI, "
        "ID_PREDMETI_V_SKUPINI), ID_PREDMETI_V_SKUPINI, ID_TURNUSA, OZNAKA_UCITELJA COLLATE SLOVENSKO");
}

ClassHours LessonHours(const db::RowSet &rows, qint64 turnus, qint64 klass) {
    // A lesson is assigned when every one of its rows has a teacher.
    struct Lesson {
        int hours = 0;
        bool assigned = true;
    };
    QMap<QString, Lesson> lessons;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 t = rows.integer(r, QStringLiteral("ID_TURNUSA"));
        if ((t != 0 && t != turnus) || (klass >= 0 && rows.integer(r, QStringLiteral("ID_ODDELKA")) != klass))
            continue;
        const QString key = QStringLiteral("%1;%2;%3")
                                .arg(rows.integer(r, QStringLiteral("ID_SKUPINE_ODDELKOV")))
                                .arg(rows.integer(r, QStringLiteral("ID_SKUPINE_PREDMETOV")))
                                .arg(t);
        Lesson &lesson = lessons[key];
        lesson.hours = int(std::max<qint64>(0, rows.integer(r, QStringLiteral("STEVILO_UR"), 0)));
        lesson.assigned = lesson.assigned && !rows.value(r, QStringLiteral("ID")).isNull();
    }
    ClassHours h;
    for (const Lesson &lesson : std::as_const(lessons)) {
        h.inTurnus += lesson.hours;
        (lesson.assigned ? h.assigned : h.unassigned) += lesson.hours;
    }
    return h;
}

} // namespace zentrel::basicdata

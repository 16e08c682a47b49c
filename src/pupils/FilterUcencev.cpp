#include "FilterUcencev.h"

#include "PupilText.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::pupils {

using db::SqlText::Quote;

namespace {

// A text column equal to the value; an empty value matches null and empty texts.
QString equalText(const QString &column, const QString &value) {
    if (value.isEmpty())
        return QStringLiteral("(%1 IS NULL OR %1 = '')").arg(column);
    return QStringLiteral("%1 = %2").arg(column, Quote(value));
}

} // namespace

QString FilterUcencev::condition(const QString &u) const {
    QString sql;
    if (nacin == PoLetniku)
        sql += QStringLiteral(" AND ") + equalText(u + QStringLiteral(".LETOVPISA"), leto) + QStringLiteral(" AND ") +
               equalText(u + QStringLiteral(".PARALELKA"), paralelka);
    else if (nacin == IzRazporeda)
        sql += QStringLiteral(" AND %1.ID IN (SELECT ID_UCENCA FROM ERD_UCENCI_ODDELKA WHERE ID_PREDMETNIKA = %2 AND "
                              "ID_ODDELKA = %3)")
                   .arg(u)
                   .arg(predmetnik)
                   .arg(oddelek);
    if (!spol.isEmpty())
        sql += QStringLiteral(" AND %1.SPOL = %2").arg(u, Quote(spol));
    if (!usmeritev.isEmpty())
        sql += QStringLiteral(" AND %1.USMERITEV = %2").arg(u, Quote(usmeritev));
    return sql;
}

db::RowSet FilterUcencev::pupils(const QString &from, const QString &where) {
    return db::ProjectDb().query(
        QStringLiteral("SELECT U.ID, %1 AS UCENEC FROM %2 LEFT JOIN ODDELKI O ON O.ID = EO.ID_ODDELKA WHERE %3 "
                       "ORDER BY U.PRIIMEK COLLATE SLOVENSKO, U.IME COLLATE SLOVENSKO, U.OZNAKA COLLATE SLOVENSKO")
            .arg(PupilLabelSql(QStringLiteral("U"), QStringLiteral("O")), from, where));
}

db::RowSet FilterUcencev::years() {
    return db::ProjectDb().query(QStringLiteral("Select distinct coalesce(LETOVPISA, '') AS LETOVPISA from ERD_UCENEC "
                                                "order by 1 COLLATE SLOVENSKO"));
}

db::RowSet FilterUcencev::parallels(const QString &year) {
    return db::ProjectDb().query(QStringLiteral("Select distinct coalesce(PARALELKA, '') AS PARALELKA from ERD_UCENEC "
                                                "where ") +
                                 equalText(QStringLiteral("LETOVPISA"), year) +
                                 QStringLiteral(" order by 1 COLLATE SLOVENSKO"));
}

db::RowSet FilterUcencev::curricula() {
    return db::ProjectDb().query(
        QStringLiteral("Select distinct IME, ID from PREDMETNIKI order by IME COLLATE SLOVENSKO"));
}

db::RowSet FilterUcencev::units() {
    return db::ProjectDb().query(QStringLiteral("Select OZNAKA, ID from ODDELKI order by OZNAKA COLLATE SLOVENSKO"));
}

db::RowSet FilterUcencev::orientations() {
    return db::ProjectDb().query(QStringLiteral("SELECT DISTINCT USMERITEV FROM ERD_UCENEC where USMERITEV <>'' and "
                                                "USMERITEV IS NOT NULL ORDER BY USMERITEV COLLATE SLOVENSKO"));
}

} // namespace zentrel::pupils

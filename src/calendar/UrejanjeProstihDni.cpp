#include "UrejanjeProstihDni.h"

#include "Datumi.h"
#include "db/MBaza.h"

namespace zentrel::calendar {

namespace {

const QStringList kAbsenceTables{QStringLiteral("ODSOTNOSTI_UCITELJEV"), QStringLiteral("ODSOTNOSTI_ODDELKOV"),
                                 QStringLiteral("ODSOTNOSTI_PROSTOROV")};

} // namespace

IzidUrejanja UrejanjeProstihDni::Dodaj(const QString &od, const QString &do_, const QString &razlog, bool potrjeno) {
    if (razlog.trimmed().isEmpty())
        return IzidUrejanja::Zavrnjen(QStringLiteral("Navedi razlog."), IzidUrejanja::PoljeRazlog);
    QDate a, b;
    if (IzidUrejanja read = PreberiObdobje(od, do_, a, b); read.stanje != IzidUrejanja::Opravljeno)
        return read;
    db::Connection &c = db::ProjectDb();
    const QVariantMap range{{QStringLiteral("a"), a}, {QStringLiteral("b"), b}};
    const db::RowSet overlapping = c.query(
        QStringLiteral("SELECT RAZLOG FROM PROSTI_DNEVI WHERE (DATUM_OD <= :a AND DATUM_DO >= :a) OR "
                       "(DATUM_OD <= :b AND DATUM_DO >= :b) OR (DATUM_OD >= :a AND DATUM_DO <= :b) ORDER BY DATUM_OD"),
        range);
    const db::RowSet changed =
        c.query(QStringLiteral("SELECT DATUM FROM URNIK_DAN WHERE DATUM >= :a AND DATUM <= :b ORDER BY DATUM"), range);
    if (c.lastError().isError())
        return IzidUrejanja::NapakaBaze(c);
    if (!overlapping.isEmpty())
        return IzidUrejanja::Zavrnjen(QStringLiteral("Prosti dnevi se prekrivajo z ") +
                                      overlapping.text(0, QStringLiteral("RAZLOG")));
    // A changed day says which lessons are taught on it; a free day says none are. Both on one
    // date would contradict each other, so the change must go first.
    if (!changed.isEmpty())
        return IzidUrejanja::Zavrnjen(QStringLiteral("V obdobju je spremenjen dan %1.")
                                          .arg(DatumText(DatumIzBaze(changed.value(0, QStringLiteral("DATUM"))))));
    if (!potrjeno) {
        qint64 dated =
            c.scalar(QStringLiteral("SELECT count(*) FROM SUPLENCE WHERE VELJA_OD >= ? AND VELJA_OD <= ?"), {a, b})
                .toLongLong();
        for (const QString &table : kAbsenceTables)
            dated +=
                c.scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE OD_DNE >= ? AND OD_DNE <= ?").arg(table), {a, b})
                    .toLongLong();
        if (dated > 0)
            return IzidUrejanja::Potrditev();
    }
    db::Transaction t(c);
    bool ok = c.exec(QStringLiteral("DELETE FROM SUPLENCE WHERE VELJA_OD >= ? AND VELJA_OD <= ?"), {a, b});
    for (const QString &table : kAbsenceTables)
        ok = ok && c.exec(QStringLiteral("DELETE FROM %1 WHERE OD_DNE >= ? AND OD_DNE <= ?").arg(table), {a, b});
    ok = ok && c.exec(QStringLiteral("INSERT INTO PROSTI_DNEVI (ID, DATUM_OD, DATUM_DO, RAZLOG) VALUES (?, ?, ?, ?)"),
                      {db::NextId(QStringLiteral("PROSTI_DNEVI"), c), a, b, razlog.trimmed()});
    if (!ok || !t.commit())
        return IzidUrejanja::NapakaBaze(c);
    return IzidUrejanja::Opravljen();
}

IzidUrejanja UrejanjeProstihDni::Brisi(qint64 id) {
    db::Connection &c = db::ProjectDb();
    if (!c.exec(QStringLiteral("DELETE FROM PROSTI_DNEVI WHERE ID = ?"), {id}))
        return IzidUrejanja::NapakaBaze(c);
    return IzidUrejanja::Opravljen();
}

} // namespace zentrel::calendar

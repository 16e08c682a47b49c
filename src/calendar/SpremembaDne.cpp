#include "SpremembaDne.h"

#include "db/MBaza.h"

namespace zentrel::calendar {

int SpremembaDne::TrenutniDan(const QDate &datum) {
    const QVariant stored =
        db::ProjectDb().scalar(QStringLiteral("SELECT DAN FROM URNIK_DAN WHERE DATUM = ? ORDER BY ID"), {datum});
    const qint64 dan = db::ToLong(stored);
    return dan >= 1 && dan <= 7 ? int(dan) : datum.dayOfWeek();
}

IzidUrejanja SpremembaDne::Spremeni(const QDate &datum, int dan, bool potrjeno) {
    if (!datum.isValid() || dan < 1 || dan > 7)
        return IzidUrejanja::Zavrnjen(QStringLiteral("Nepravilen zapis datuma"), IzidUrejanja::Nobeno, true);
    if (dan == TrenutniDan(datum))
        return IzidUrejanja::Opravljen();
    db::Connection &c = db::ProjectDb();
    const QVariant reason = c.scalar(
        QStringLiteral("SELECT RAZLOG FROM PROSTI_DNEVI WHERE DATUM_OD <= ? AND DATUM_DO >= ?"), {datum, datum});
    if (reason.isValid())
        return IzidUrejanja::Zavrnjen(QStringLiteral("Dan je prost (%1).").arg(reason.toString()));
    if (!potrjeno &&
        c.scalar(QStringLiteral("SELECT count(*) FROM SUPLENCE WHERE VELJA_OD = ?"), {datum}).toLongLong() > 0)
        return IzidUrejanja::Potrditev();
    const bool stored =
        c.scalar(QStringLiteral("SELECT count(*) FROM URNIK_DAN WHERE DATUM = ?"), {datum}).toLongLong() > 0;
    db::Transaction t(c);
    bool ok = c.exec(QStringLiteral("DELETE FROM SUPLENCE WHERE VELJA_OD = ?"), {datum});
    if (dan == datum.dayOfWeek())
        ok = ok && c.exec(QStringLiteral("DELETE FROM URNIK_DAN WHERE DATUM = ?"), {datum});
    else if (stored)
        ok = ok && c.exec(QStringLiteral("UPDATE URNIK_DAN SET DAN = ? WHERE DATUM = ?"), {dan, datum});
    else
        ok = ok && c.exec(QStringLiteral("INSERT INTO URNIK_DAN (ID, DATUM, DAN) VALUES (?, ?, ?)"),
                          {db::NextId(QStringLiteral("URNIK_DAN"), c), datum, dan});
    if (!ok || !t.commit())
        return IzidUrejanja::NapakaBaze(c);
    return IzidUrejanja::Opravljen();
}

} // namespace zentrel::calendar

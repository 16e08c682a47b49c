#include "DanUrnika.h"

#include "Datumi.h"
#include "KoledarskiPodatki.h"

namespace zentrel::calendar {

int TedenRotacije(const QDate &date, const Veljavnost &v) {
    const qint64 days = v.od.daysTo(date) + v.od.dayOfWeek() - 1;
    // Floor division, so that a date before the validity gives a negative week.
    return int(days >= 0 ? days / 7 : -((-days + 6) / 7));
}

qint64 IzracunajTurnus(const QDate &date, const Veljavnost &v, const QVector<Turnus> &turnusi) {
    int start = -1;
    for (int i = 0; i < turnusi.size() && start < 0; ++i)
        if (turnusi[i].id == v.zacetniTurnus)
            start = i;
    if (start < 0)
        return -1;
    const int count = v.steviloTurnusov < 1 ? 1 : v.steviloTurnusov;
    const int k = ((TedenRotacije(date, v) % count) + count) % count;
    return turnusi[(start + k) % turnusi.size()].id;
}

DanUrnika DolociDanUrnika(const QDate &date, db::Connection &connection) {
    if (const std::optional<KoledarskiPodatki> k = KoledarskiPodatki::Preberi(connection))
        return k->dan(date);
    DanUrnika d;
    d.datum = date;
    d.izbranDan = date.dayOfWeek();
    d.imeDneva = ImeDneva(d.izbranDan);
    d.niVeljavnegaUrnika = true;
    return d;
}

QString NiVeljavnihUrnikov() {
    return QStringLiteral("Ni veljavnih urnikov.");
}

QString OpisDneva(const DanUrnika &dan) {
    if (dan.prost)
        return QStringLiteral("Razlog: ") + dan.prosto.razlog;
    if (dan.niVeljavnegaUrnika)
        return NiVeljavnihUrnikov();
    return QStringLiteral("Urnik: %1\nTurnus: %2").arg(dan.imeUrnika, dan.oznakaTurnusa);
}

} // namespace zentrel::calendar

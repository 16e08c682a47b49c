#include "AvtomatskoSestavljanje.h"

#include "db/MBaza.h"

namespace zentrel::timetable::avtomatsko {

bool VecStavb() {
    return db::ProjectDb().scalar(QStringLiteral("Select count(*) as Stevilo from STAVBE")).toLongLong() > 1;
}

int DodatneUre(const QString &vnos) {
    bool ok = false;
    const int ure = vnos.trimmed().toInt(&ok);
    return ok && ure >= 0 && ure <= 15 ? ure : 0;
}

MoznostiSestavljanja Moznosti(const nastavitve::MoznostiOkna &okno) {
    MoznostiSestavljanja m;
    m.selitev = okno.selitev;
    m.kabineti = okno.kabineti;
    m.tretjiKrog = okno.tretjiKrog;
    m.dodatneUre = DodatneUre(okno.dodatneUre);
    return m;
}

QString Cas(qint64 ms) {
    const qint64 s = std::max<qint64>(0, ms) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString Sestavljeno(const PodatkiTretjegaKroga &p) {
    return QStringLiteral("Sestavljeno: %1 / %2  %3").arg(p.razporejeno).arg(p.skupaj).arg(p.odstotek);
}

} // namespace zentrel::timetable::avtomatsko

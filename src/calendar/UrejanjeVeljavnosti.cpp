#include "UrejanjeVeljavnosti.h"

#include "Datumi.h"
#include "db/MBaza.h"

namespace zentrel::calendar {

namespace {

// The three-clause overlap of a stored period [OD, DO] with [:a, :b], on the validity columns.
const QString kOverlap = QStringLiteral("((VELJAVNOST_URNIKA.VELJA_OD <= :a AND VELJAVNOST_URNIKA.VELJA_DO >= :a) "
                                        "OR (VELJAVNOST_URNIKA.VELJA_OD <= :b AND VELJAVNOST_URNIKA.VELJA_DO >= :b) "
                                        "OR (VELJAVNOST_URNIKA.VELJA_OD >= :a AND VELJAVNOST_URNIKA.VELJA_DO <= :b))");

QVariantMap period(const QDate &a, const QDate &b) {
    return {{QStringLiteral("a"), a}, {QStringLiteral("b"), b}};
}

qint64 substitutionsIn(db::Connection &c, const QDate &a, const QDate &b) {
    return c.scalar(QStringLiteral("SELECT count(*) FROM SUPLENCE WHERE VELJA_OD >= ? AND VELJA_OD <= ?"), {a, b})
        .toLongLong();
}

bool deleteSubstitutionsIn(db::Connection &c, const QDate &a, const QDate &b) {
    return c.exec(QStringLiteral("DELETE FROM SUPLENCE WHERE VELJA_OD >= ? AND VELJA_OD <= ?"), {a, b});
}

bool insertValidity(db::Connection &c, const Veljavnost &v) {
    return c.exec(QStringLiteral("INSERT INTO VELJAVNOST_URNIKA (ID, ID_URNIKA, VELJA_OD, VELJA_DO, "
                                 "ZACETNI_TURNUS_IZMENE_A, STEVILO_TURNUSOV) VALUES (?, ?, ?, ?, ?, ?)"),
                  {db::NextId(QStringLiteral("VELJAVNOST_URNIKA"), c), v.idUrnika, v.od, v.do_, v.zacetniTurnus,
                   v.steviloTurnusov});
}

} // namespace

QVector<Veljavnost> IzrezVeljavnosti(const Veljavnost &v, const QDate &a, const QDate &b,
                                     const QVector<Turnus> &turnusi, bool *ohranjeno) {
    QVector<Veljavnost> parts;
    if (v.od < a) {
        Veljavnost before = v;
        before.do_ = std::min(v.do_, a.addDays(-1));
        parts << before;
    }
    if (v.do_ > b) {
        Veljavnost after = v;
        after.od = std::max(v.od, b.addDays(1));
        after.zacetniTurnus = IzracunajTurnus(after.od, v, turnusi);
        parts << after;
    }
    if (ohranjeno) {
        *ohranjeno = true;
        for (const Veljavnost &part : parts)
            for (QDate d = part.od; d <= part.do_ && *ohranjeno; d = d.addDays(1))
                *ohranjeno = IzracunajTurnus(d, part, turnusi) == IzracunajTurnus(d, v, turnusi);
    }
    return parts;
}

QVector<Turnus> UrejanjeVeljavnosti::TurnusiUrnika(qint64 urnik) {
    const db::RowSet rows = db::ProjectDb().query(
        QStringLiteral("SELECT DISTINCT TURNUSI.ID, TURNUSI.OZNAKA FROM TURNUSI INNER JOIN TERMINI ON TURNUSI.ID = "
                       "TERMINI.ID_TURNUSA WHERE TERMINI.ID_URNIKA = ? AND TURNUSI.ID <> 0 ORDER BY TURNUSI.ID"),
        {urnik});
    QVector<Turnus> out;
    for (int i = 0; i < rows.rowCount(); ++i)
        out.append({rows.integer(i, QStringLiteral("ID")), rows.text(i, QStringLiteral("OZNAKA"))});
    return out;
}

QString UrejanjeVeljavnosti::PrazenUrnik(const QString &imeUrnika) {
    return QStringLiteral("Urnik %1 je prazen.").arg(imeUrnika);
}

QString UrejanjeVeljavnosti::RazlogSteviloTurnusov(const QVector<Turnus> &turnusi) {
    if (turnusi.isEmpty())
        return {};
    if (turnusi.size() == 1)
        return QStringLiteral("Urnik ima ure le v turnusu %1, zato je število turnusov 1.").arg(turnusi.front().oznaka);
    QStringList oznake;
    for (const Turnus &t : turnusi)
        oznake << t.oznaka;
    const QString zadnja = oznake.takeLast();
    return QStringLiteral("Urnik ima ure v turnusih %1 in %2, zato je število turnusov največ %3.")
        .arg(oznake.join(QStringLiteral(", ")), zadnja)
        .arg(turnusi.size());
}

IzidUrejanja UrejanjeVeljavnosti::Dodaj(qint64 urnik, const QString &od, const QString &do_, qint64 zacetni,
                                        int stevilo) {
    QDate a, b;
    if (IzidUrejanja read = PreberiObdobje(od, do_, a, b); read.stanje != IzidUrejanja::Opravljeno)
        return read;
    const QVector<Turnus> choices = TurnusiUrnika(urnik);
    const bool known = std::any_of(choices.begin(), choices.end(), [&](const Turnus &t) { return t.id == zacetni; });
    if (!known || stevilo < 1 || stevilo > choices.size())
        return IzidUrejanja::Zavrnjen(QStringLiteral("Izberi začetni turnus in število turnusov."));
    db::Connection &c = db::ProjectDb();
    const db::RowSet overlapping = c.query(QStringLiteral("SELECT URNIKI.IME FROM URNIKI INNER JOIN VELJAVNOST_URNIKA "
                                                          "ON URNIKI.ID = VELJAVNOST_URNIKA.ID_URNIKA WHERE ") +
                                               kOverlap + QStringLiteral(" ORDER BY VELJAVNOST_URNIKA.VELJA_OD"),
                                           period(a, b));
    if (c.lastError().isError())
        return IzidUrejanja::NapakaBaze(c);
    if (!overlapping.isEmpty())
        return IzidUrejanja::Zavrnjen(QStringLiteral(" Veljavnost se prekriva z urnikom ") +
                                          overlapping.text(0, QStringLiteral("IME")),
                                      IzidUrejanja::Nobeno, true);
    db::Transaction t(c);
    if (!insertValidity(c, {-1, urnik, QString(), a, b, zacetni, stevilo}) || !t.commit())
        return IzidUrejanja::NapakaBaze(c);
    return IzidUrejanja::Opravljen();
}

IzidUrejanja UrejanjeVeljavnosti::Brisi(qint64 id, bool potrjeno) {
    db::Connection &c = db::ProjectDb();
    const db::RowSet row = c.query(QStringLiteral("SELECT * FROM VELJAVNOST_URNIKA WHERE ID = ?"), {id});
    if (c.lastError().isError())
        return IzidUrejanja::NapakaBaze(c);
    if (row.isEmpty())
        return IzidUrejanja::Zavrnjen(QStringLiteral("Veljavnost ne obstaja več."));
    const QDate a = DatumIzBaze(row.value(0, QStringLiteral("VELJA_OD")));
    const QDate b = DatumIzBaze(row.value(0, QStringLiteral("VELJA_DO")));
    if (!potrjeno && substitutionsIn(c, a, b) > 0)
        return IzidUrejanja::Potrditev();
    db::Transaction t(c);
    if (!deleteSubstitutionsIn(c, a, b) ||
        !c.exec(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA WHERE ID = ?"), {id}) || !t.commit())
        return IzidUrejanja::NapakaBaze(c);
    return IzidUrejanja::Opravljen();
}

IzidUrejanja UrejanjeVeljavnosti::BrisiObdobje(const QString &od, const QString &do_, bool potrjeno) {
    QDate a, b;
    if (IzidUrejanja read = PreberiObdobje(od, do_, a, b); read.stanje != IzidUrejanja::Opravljeno)
        return read;
    db::Connection &c = db::ProjectDb();
    const std::optional<KoledarskiPodatki> koledar = KoledarskiPodatki::Preberi(c);
    if (!koledar)
        return IzidUrejanja::Zavrnjen(QStringLiteral("Koledarja ni bilo mogoče prebrati."));
    QVector<QPair<Veljavnost, QVector<Veljavnost>>> cuts;
    for (const Veljavnost &v : koledar->veljavnosti()) {
        if (v.do_ < a || v.od > b)
            continue;
        bool kept = true;
        cuts.append({v, IzrezVeljavnosti(v, a, b, koledar->turnusi(), &kept)});
        if (!kept)
            return IzidUrejanja::Zavrnjen(
                QStringLiteral("Brisanje ni mogoče, ker bi se po obdobju spremenili turnusi urnika %1.")
                    .arg(v.imeUrnika));
    }
    if (cuts.isEmpty())
        return IzidUrejanja::Zavrnjen(QStringLiteral("No timetable is scheduled for the given interval"));
    if (!potrjeno && substitutionsIn(c, a, b) > 0)
        return IzidUrejanja::Potrditev();
    db::Transaction t(c);
    if (!deleteSubstitutionsIn(c, a, b))
        return IzidUrejanja::NapakaBaze(c);
    for (const auto &[v, parts] : cuts) {
        // The row keeps its identifier for its first remaining part; a split adds a row.
        const bool kept = parts.isEmpty()
                              ? c.exec(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA WHERE ID = ?"), {v.id})
                              : c.exec(QStringLiteral("UPDATE VELJAVNOST_URNIKA SET VELJA_OD = ?, VELJA_DO = ?, "
                                                      "ZACETNI_TURNUS_IZMENE_A = ? WHERE ID = ?"),
                                       {parts[0].od, parts[0].do_, parts[0].zacetniTurnus, v.id});
        if (!kept || (parts.size() > 1 && !insertValidity(c, parts[1])))
            return IzidUrejanja::NapakaBaze(c);
    }
    if (!t.commit())
        return IzidUrejanja::NapakaBaze(c);
    return IzidUrejanja::Opravljen();
}

} // namespace zentrel::calendar

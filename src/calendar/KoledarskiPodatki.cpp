#include "KoledarskiPodatki.h"

#include "Datumi.h"
#include "core/Messages.h"

namespace zentrel::calendar {

namespace {

bool readFailed(db::Connection &c) {
    if (!c.lastError().isError())
        return false;
    core::ShowErrorMessage(QStringLiteral("Koledarja ni bilo mogoče prebrati."), c.lastError());
    return true;
}

} // namespace

std::optional<KoledarskiPodatki> KoledarskiPodatki::Preberi(db::Connection &c) {
    KoledarskiPodatki k;
    const QString id = QStringLiteral("ID");
    const db::RowSet turnusi = c.query(QStringLiteral("SELECT ID, OZNAKA FROM TURNUSI WHERE ID<>0 ORDER BY ID"));
    if (readFailed(c))
        return std::nullopt;
    for (int i = 0; i < turnusi.rowCount(); ++i)
        k.m_turnusi.append({turnusi.integer(i, id), turnusi.text(i, QStringLiteral("OZNAKA"))});

    const db::RowSet v = c.query(
        QStringLiteral("SELECT URNIKI.IME, VELJAVNOST_URNIKA.* FROM URNIKI INNER JOIN VELJAVNOST_URNIKA ON URNIKI.ID = "
                       "VELJAVNOST_URNIKA.ID_URNIKA ORDER BY VELJAVNOST_URNIKA.VELJA_OD, VELJAVNOST_URNIKA.ID"));
    if (readFailed(c))
        return std::nullopt;
    for (int i = 0; i < v.rowCount(); ++i) {
        Veljavnost row{v.integer(i, id),
                       v.integer(i, QStringLiteral("ID_URNIKA")),
                       v.text(i, QStringLiteral("IME")),
                       DatumIzBaze(v.value(i, QStringLiteral("VELJA_OD"))),
                       DatumIzBaze(v.value(i, QStringLiteral("VELJA_DO"))),
                       v.integer(i, QStringLiteral("ZACETNI_TURNUS_IZMENE_A")),
                       int(v.integer(i, QStringLiteral("STEVILO_TURNUSOV"), 1))};
        // A null or zero count is a rotation of one week.
        if (row.steviloTurnusov < 1)
            row.steviloTurnusov = 1;
        if (row.od.isValid() && row.do_.isValid())
            k.m_veljavnosti.append(row);
    }

    const db::RowSet p = c.query(QStringLiteral("SELECT * FROM PROSTI_DNEVI ORDER BY DATUM_OD, ID"));
    if (readFailed(c))
        return std::nullopt;
    for (int i = 0; i < p.rowCount(); ++i) {
        const ProstiDnevi row{p.integer(i, id), DatumIzBaze(p.value(i, QStringLiteral("DATUM_OD"))),
                              DatumIzBaze(p.value(i, QStringLiteral("DATUM_DO"))), p.text(i, QStringLiteral("RAZLOG"))};
        if (row.od.isValid() && row.do_.isValid())
            k.m_prosti.append(row);
    }

    const db::RowSet s = c.query(QStringLiteral("SELECT * FROM URNIK_DAN ORDER BY DATUM, ID"));
    if (readFailed(c))
        return std::nullopt;
    for (int i = 0; i < s.rowCount(); ++i) {
        const SpremenjenDan row{s.integer(i, id), DatumIzBaze(s.value(i, QStringLiteral("DATUM"))),
                                int(s.integer(i, QStringLiteral("DAN"), 0))};
        if (row.datum.isValid() && row.dan >= 1 && row.dan <= 7)
            k.m_spremenjeni.append(row);
    }
    return k;
}

const ProstiDnevi *KoledarskiPodatki::prostoNa(const QDate &date) const {
    for (const ProstiDnevi &p : m_prosti)
        if (p.od <= date && p.do_ >= date)
            return &p;
    return nullptr;
}

const Veljavnost *KoledarskiPodatki::veljavnostNa(const QDate &date) const {
    for (const Veljavnost &v : m_veljavnosti)
        if (v.od <= date && v.do_ >= date)
            return &v;
    return nullptr;
}

const SpremenjenDan *KoledarskiPodatki::spremembaNa(const QDate &date) const {
    for (const SpremenjenDan &s : m_spremenjeni)
        if (s.datum == date)
            return &s;
    return nullptr;
}

QString KoledarskiPodatki::oznakaTurnusa(qint64 id) const {
    for (const Turnus &t : m_turnusi)
        if (t.id == id)
            return t.oznaka;
    return {};
}

DanUrnika KoledarskiPodatki::dan(const QDate &date) const {
    DanUrnika d;
    d.datum = date;
    d.izbranDan = date.dayOfWeek();
    if (const ProstiDnevi *p = prostoNa(date)) {
        d.prost = true;
        d.prosto = *p;
        d.imeDneva = ImeDneva(d.izbranDan);
        return d;
    }
    if (const SpremenjenDan *s = spremembaNa(date)) {
        d.izbranDan = s->dan;
        d.spremenjenDan = true;
    }
    d.imeDneva = ImeDneva(d.izbranDan);
    const Veljavnost *v = veljavnostNa(date);
    if (v)
        d.veljavnost = *v;
    const qint64 turnus = v ? IzracunajTurnus(date, *v, m_turnusi) : -1;
    if (turnus < 0) {
        d.niVeljavnegaUrnika = true;
        return d;
    }
    d.izbranUrnik = v->idUrnika;
    d.imeUrnika = v->imeUrnika;
    d.izbranTurnus = turnus;
    d.oznakaTurnusa = oznakaTurnusa(turnus);
    d.tedenRotacije = TedenRotacije(date, *v);
    return d;
}

} // namespace zentrel::calendar

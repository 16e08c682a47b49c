#include "ZapisVerige.h"

#include "core/Messages.h"
#include "db/Connection.h"
#include "db/MBaza.h"

namespace zentrel::timetable {

namespace {

const QString Spremenjen = QStringLiteral("Urnik se je medtem spremenil, zato spremembe niso bile shranjene.");

QVariant Soba(const ModelUrnika &m, int prostor) {
    return prostor >= 1 ? QVariant(m.prostori[size_t(prostor)].id) : QVariant(QMetaType(QMetaType::LongLong));
}

enum class Izid { Ok, Napaka, Spremenjeno };

// Runs a statement that must change exactly one row.
Izid EnaVrstica(db::Connection &c, const QString &sql, const QVariantList &vrednosti) {
    if (!c.exec(sql, vrednosti))
        return Izid::Napaka;
    return c.changes() == 1 ? Izid::Ok : Izid::Spremenjeno;
}

Izid Zapisi(db::Connection &c, const ModelUrnika &m, qint64 urnik, qint64 turnus, const SpremembaTermina &s,
            std::vector<std::pair<size_t, qint64>> &noviId) {
    const Termin &t = m.termini[size_t(s.termin)];
    const Predavanje &p = m.predavanja[size_t(t.predavanje)];
    for (size_t z = 1; z < t.zasedbe.size(); ++z) {
        const ZasedbaTermina &zt = t.zasedbe[z];
        Izid izid = Izid::Ok;
        if (s.nov) {
            if (t.dan <= 0)
                continue; // placed and taken off again within the chain
            if (!c.exec(
                    QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_TURNUSA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, "
                                   "TIP, ODDELEK_NASTISNJEN, PROSTOR_NATISNJEN, UCITELJ_NATISNJEN) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?, 0, 0, 0)"),
                    {urnik, turnus, p.izvajalci[size_t(zt.izvajalec)].idRazporeda, Soba(m, zt.prostor), t.dan, t.ura,
                     t.tip}))
                return Izid::Napaka;
            noviId.emplace_back(z, c.lastInsertId());
            continue;
        }
        if (t.dan <= 0)
            izid = EnaVrstica(c, QStringLiteral("DELETE FROM TERMINI WHERE ID = ? AND DAN = ? AND URA = ?"),
                              {zt.idTermina, s.dan, s.ura});
        else
            izid = EnaVrstica(c,
                              QStringLiteral("UPDATE TERMINI SET DAN = ?, URA = ?, TIP = ?, ID_PROSTORA = ?, "
                                             "ODDELEK_NASTISNJEN = 0, PROSTOR_NATISNJEN = 0, UCITELJ_NATISNJEN = 0 "
                                             "WHERE ID = ? AND DAN = ? AND URA = ?"),
                              {t.dan, t.ura, t.tip, Soba(m, zt.prostor), zt.idTermina, s.dan, s.ura});
        if (izid != Izid::Ok)
            return izid;
    }
    return Izid::Ok;
}

} // namespace

bool ZapisiVerigo(ModelUrnika &m, qint64 urnik, qint64 turnus, const std::vector<SpremembaTermina> &spremembe) {
    db::Connection &c = db::ProjectDb();
    std::vector<std::pair<int, std::vector<std::pair<size_t, qint64>>>> novi;
    Izid izid = Izid::Ok;
    core::DbError napaka;
    {
        db::Transaction tx(c);
        if (!tx.isActive())
            izid = Izid::Napaka;
        for (size_t i = 0; i < spremembe.size() && izid == Izid::Ok; ++i) {
            std::vector<std::pair<size_t, qint64>> id;
            izid = Zapisi(c, m, urnik, turnus, spremembe[i], id);
            if (!id.empty())
                novi.emplace_back(spremembe[i].termin, std::move(id));
        }
        if (izid == Izid::Ok && !tx.commit())
            izid = Izid::Napaka;
        if (izid == Izid::Napaka)
            napaka = c.lastError(); // the rollback would clear it
    }
    if (izid == Izid::Napaka) {
        core::ShowErrorMessage(QStringLiteral("Urnika ni bilo mogoče shraniti."), napaka);
        return false;
    }
    if (izid == Izid::Spremenjeno) {
        core::ShowMessage(core::MsgWarning, Spremenjen);
        return false;
    }
    for (const auto &[t, id] : novi)
        for (const auto &[z, vrstica] : id)
            m.termini[size_t(t)].zasedbe[z].idTermina = vrstica;
    return true;
}

} // namespace zentrel::timetable

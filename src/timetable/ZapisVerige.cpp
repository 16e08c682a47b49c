#include "ZapisVerige.h"

#include "engine/OdtisUrnika.h"
#include "core/Messages.h"
#include "db/Connection.h"
#include "db/MBaza.h"

using namespace zentrel::engine;

namespace zentrel::timetable {

namespace {

QVariant Soba(const ModelUrnika &m, int prostor) {
    return prostor >= 1 ? QVariant(m.prostori[size_t(prostor)].id) : QVariant(QMetaType(QMetaType::LongLong));
}

// Writes the rows of one changed placed period; the IDs of new rows go to noviId (entry, ID).
bool Zapisi(db::Connection &c, const ModelUrnika &m, qint64 urnik, qint64 turnus, const SpremembaTermina &s,
            std::vector<std::pair<size_t, qint64>> &noviId) {
    const Termin &t = m.termini[size_t(s.termin)];
    const Predavanje &p = m.predavanja[size_t(t.predavanje)];
    for (size_t z = 1; z < t.zasedbe.size(); ++z) {
        const ZasedbaTermina &zt = t.zasedbe[z];
        if (s.nov) {
            if (t.dan <= 0)
                continue; // placed and taken off again within the chain
            if (!c.exec(
                    QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_TURNUSA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, "
                                   "TIP, ODDELEK_NASTISNJEN, PROSTOR_NATISNJEN, UCITELJ_NATISNJEN) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?, 0, 0, 0)"),
                    {urnik, turnus, p.izvajalci[size_t(zt.izvajalec)].idRazporeda, Soba(m, zt.prostor), t.dan, t.ura,
                     t.tip}))
                return false;
            noviId.emplace_back(z, c.lastInsertId());
        } else if (t.dan <= 0) {
            if (!c.exec(QStringLiteral("DELETE FROM TERMINI WHERE ID = ?"), {zt.idTermina}))
                return false;
        } else if (!c.exec(QStringLiteral("UPDATE TERMINI SET DAN = ?, URA = ?, TIP = ?, ID_PROSTORA = ?, "
                                          "ODDELEK_NASTISNJEN = 0, PROSTOR_NATISNJEN = 0, UCITELJ_NATISNJEN = 0 "
                                          "WHERE ID = ?"),
                           {t.dan, t.ura, t.tip, Soba(m, zt.prostor), zt.idTermina})) {
            return false;
        }
    }
    return true;
}

} // namespace

bool ZapisiVerigo(ModelUrnika &m, qint64 urnik, qint64 turnus, const std::vector<SpremembaTermina> &spremembe) {
    db::Connection &c = db::ProjectDb();
    std::vector<std::pair<int, std::vector<std::pair<size_t, qint64>>>> novi;
    QByteArray odtis;
    bool ok = true;
    core::DbError napaka;
    {
        db::Transaction tx(c);
        ok = tx.isActive();
        // The chain was built on the timetable as loaded; when its rows changed since, nothing
        // is written (the check says why).
        if (ok && !UrnikNespremenjen(c, urnik, turnus, m.odtis))
            return false;
        for (size_t i = 0; i < spremembe.size() && ok; ++i) {
            std::vector<std::pair<size_t, qint64>> id;
            ok = Zapisi(c, m, urnik, turnus, spremembe[i], id);
            if (!id.empty())
                novi.emplace_back(spremembe[i].termin, std::move(id));
        }
        if (ok) {
            odtis = OdtisTerminov(c, urnik, turnus);
            ok = !odtis.isEmpty() && tx.commit();
        }
        if (!ok)
            napaka = c.lastError(); // the rollback would clear it
    }
    if (!ok) {
        core::ShowErrorMessage(QStringLiteral("Urnika ni bilo mogoče shraniti."), napaka);
        return false;
    }
    m.odtis = odtis;
    for (const auto &[t, id] : novi)
        for (const auto &[z, vrstica] : id)
            m.termini[size_t(t)].zasedbe[z].idTermina = vrstica;
    return true;
}

} // namespace zentrel::timetable

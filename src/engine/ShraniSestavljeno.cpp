#include "ShraniSestavljeno.h"

#include "OdtisUrnika.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/Connection.h"
#include "db/MBaza.h"

#include <algorithm>

namespace zentrel::engine {

bool ShraniSestavljeno(ModelUrnika &m) {
    db::Connection &c = db::ProjectDb();
    const qint64 urnik = core::App().trenutniUrnik;
    const qint64 turnus = core::App().trenutniTurnus;
    std::vector<std::pair<size_t, size_t>> nove; // (period, entry) of each row written
    std::vector<qint64> idji;
    QByteArray odtis;
    {
        db::Transaction tx(c);
        if (!tx.isActive()) {
            core::ShowErrorMessage(QStringLiteral("Urnika ni bilo mogoče shraniti."), c.lastError());
            return false;
        }
        if (!UrnikNespremenjen(c, urnik, turnus, m.odtis))
            return false;
        struct Vrstica {
            size_t termin, zasedba;
            qint64 razpored;
        };
        std::vector<Vrstica> vrstice;
        std::vector<qint64> brisi;
        for (size_t t = 1; t < m.termini.size(); ++t) {
            const Termin &termin = m.termini[t];
            const Predavanje &p = m.predavanja[size_t(termin.predavanje)];
            if (termin.tip == QLatin1String("x")) {
                if (termin.dan <= 0)
                    continue; // created and removed within the run: never written
                for (size_t z = 1; z < termin.zasedbe.size(); ++z)
                    vrstice.push_back({t, z, p.izvajalci[size_t(termin.zasedbe[z].izvajalec)].idRazporeda});
            } else if (termin.dan == 0) {
                for (size_t z = 1; z < termin.zasedbe.size(); ++z)
                    if (termin.zasedbe[z].idTermina > 0)
                        brisi.push_back(termin.zasedbe[z].idTermina);
            }
        }
        bool ok = true;
        constexpr size_t Kos = 500;
        for (size_t i = 0; i < brisi.size() && ok; i += Kos) {
            QStringList idji;
            for (size_t j = i; j < std::min(brisi.size(), i + Kos); ++j)
                idji << QString::number(brisi[j]);
            ok = c.exec(QStringLiteral("DELETE FROM TERMINI WHERE ID IN (") + idji.join(u',') + u')');
        }
        // One statement compiled once for every row: compiling is most of a row's cost.
        db::Statement vstavi(c, QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP, "
                                               "ID_TURNUSA, ODDELEK_NASTISNJEN, UCITELJ_NATISNJEN, PROSTOR_NATISNJEN) "
                                               "VALUES (?, ?, ?, ?, ?, 'a', ?, 0, 0, 0)"));
        ok = ok && vstavi.isValid();
        for (size_t i = 0; i < vrstice.size() && ok; ++i) {
            const Vrstica &v = vrstice[i];
            const Termin &termin = m.termini[v.termin];
            const ZasedbaTermina &zt = termin.zasedbe[v.zasedba];
            const QVariant soba = zt.prostor >= 1 ? QVariant(m.prostori[size_t(zt.prostor)].id)
                                                  : QVariant(QMetaType(QMetaType::LongLong));
            ok = vstavi.run({urnik, v.razpored, soba, termin.dan, termin.ura, turnus});
            if (ok) {
                nove.emplace_back(v.termin, v.zasedba);
                idji.push_back(c.lastInsertId());
            }
        }
        if (ok) {
            odtis = OdtisTerminov(c, urnik, turnus);
            ok = !odtis.isEmpty();
        }
        if (!ok || !tx.commit()) {
            core::ShowErrorMessage(QStringLiteral("Urnika ni bilo mogoče shraniti."), c.lastError());
            return false;
        }
    }
    m.odtis = odtis;
    for (size_t i = 0; i < nove.size(); ++i) {
        m.termini[nove[i].first].zasedbe[nove[i].second].idTermina = idji[i];
        m.termini[nove[i].first].tip = QStringLiteral("a");
    }
    return true;
}

} // namespace zentrel::engine

#include "ShraniSestavljeno.h"

#include "OdtisUrnika.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/Connection.h"
#include "db/MBaza.h"

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
        bool ok = true;
        const QString insert = QStringLiteral(
            "INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP, ID_TURNUSA, "
            "ODDELEK_NASTISNJEN, UCITELJ_NATISNJEN, PROSTOR_NATISNJEN) VALUES (?, ?, ?, ?, ?, 'a', ?, 0, 0, 0)");
        for (size_t t = 1; t < m.termini.size() && ok; ++t) {
            const Termin &termin = m.termini[t];
            const Predavanje &p = m.predavanja[size_t(termin.predavanje)];
            if (termin.tip == QLatin1String("x")) {
                if (termin.dan <= 0)
                    continue; // created and removed within the run: never written
                for (size_t z = 1; z < termin.zasedbe.size() && ok; ++z) {
                    const ZasedbaTermina &zt = termin.zasedbe[z];
                    const QVariant soba = zt.prostor >= 1 ? QVariant(m.prostori[size_t(zt.prostor)].id)
                                                          : QVariant(QMetaType(QMetaType::LongLong));
                    ok = c.exec(insert, QVariantList{urnik, p.izvajalci[size_t(zt.izvajalec)].idRazporeda, soba,
                                                     termin.dan, termin.ura, turnus});
                    if (ok) {
                        nove.emplace_back(t, z);
                        idji.push_back(c.lastInsertId());
                    }
                }
            } else if (termin.dan == 0) {
                for (size_t z = 1; z < termin.zasedbe.size() && ok; ++z)
                    if (termin.zasedbe[z].idTermina > 0)
                        ok = c.exec(QStringLiteral("Delete  from TERMINI where ID=") +
                                    QString::number(termin.zasedbe[z].idTermina));
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

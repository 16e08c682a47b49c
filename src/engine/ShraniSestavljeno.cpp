#include "ShraniSestavljeno.h"

#include "OdtisUrnika.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/Connection.h"
#include "db/MBaza.h"

#include <QHash>
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
        // Rows go in by chunks of one statement each, which is compiled once for the chunk
        // instead of once a row: saving is most of a small school's construction time otherwise.
        // RETURNING names each new row by its assignment row, day and period (unique in a
        // timetable's turnus), as it does not promise the order of the values.
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
        for (size_t i = 0; i < vrstice.size() && ok; i += Kos) {
            const size_t konec = std::min(vrstice.size(), i + Kos);
            QString sql =
                QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP, "
                               "ID_TURNUSA, ODDELEK_NASTISNJEN, UCITELJ_NATISNJEN, PROSTOR_NATISNJEN) VALUES ");
            QVariantList vrednosti;
            QHash<QString, size_t> kljuci;
            for (size_t j = i; j < konec; ++j) {
                const Vrstica &v = vrstice[j];
                const Termin &termin = m.termini[v.termin];
                const ZasedbaTermina &zt = termin.zasedbe[v.zasedba];
                const QVariant soba = zt.prostor >= 1 ? QVariant(m.prostori[size_t(zt.prostor)].id)
                                                      : QVariant(QMetaType(QMetaType::LongLong));
                sql += j > i ? QStringLiteral(", (?, ?, ?, ?, ?, 'a', ?, 0, 0, 0)")
                             : QStringLiteral("(?, ?, ?, ?, ?, 'a', ?, 0, 0, 0)");
                vrednosti << urnik << v.razpored << soba << termin.dan << termin.ura << turnus;
                kljuci.insert(QStringLiteral("%1:%2:%3").arg(v.razpored).arg(termin.dan).arg(termin.ura), j);
            }
            sql += QStringLiteral(" RETURNING ID, ID_RAZPOREDA, DAN, URA");
            const db::RowSet rows = c.query(sql, vrednosti);
            ok = !c.lastError().isError() && rows.rowCount() == int(konec - i);
            for (int r = 0; r < rows.rowCount() && ok; ++r) {
                const auto k = kljuci.constFind(QStringLiteral("%1:%2:%3")
                                                    .arg(rows.value(r, 1).toLongLong())
                                                    .arg(rows.value(r, 2).toInt())
                                                    .arg(rows.value(r, 3).toInt()));
                ok = k != kljuci.constEnd();
                if (ok) {
                    nove.emplace_back(vrstice[*k].termin, vrstice[*k].zasedba);
                    idji.push_back(rows.value(r, 0).toLongLong());
                }
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

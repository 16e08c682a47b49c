#include "PreberiModelUrnika.h"

#include "BeriEntitete.h"
#include "OdtisUrnika.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/Connection.h"
#include "db/MBaza.h"

#include <algorithm>
#include <tuple>

namespace zentrel::engine {

using core::App;
using db::RowSet;

namespace {

using namespace nalaganje;

// Walks the assignments with their placed periods in load order; see PreberiModelUrnika.
class BralecRazporedov {
public:
    BralecRazporedov(ModelUrnika &m, const Mape &mape, bool onlyRated) : m(m), mape(mape), onlyRated(onlyRated) {}

    bool beri(db::Connection &c, qint64 urnik, qint64 turnus, qint64 predmetnik, bool &prekrivanja);

private:
    // Enters placed period t in a cell; a cell that already has an owner keeps it and the
    // collision is recorded.
    bool oznaci(int &celica, int t, const char *vrsta, int dan, int ura) {
        if (celica >= 1)
            return prekrivanje(t, vrsta, dan, ura);
        celica = t;
        return true;
    }
    // Rows of one placed period share the period's class cells. A room cell that already names
    // this placed period is shared only when both entries name that single room; a teacher cell
    // that already names it is a teacher holding two entries at once, an overlap like any other.
    bool oznaciProstor(ZasedbaCelice &celica, int t, int zi, int dan, int ura) {
        if (celica.termin == t && imenujeSobo(t, celica.zasedba) && imenujeSobo(t, zi))
            return true;
        if (celica.termin >= 1)
            return prekrivanje(t, "pro", dan, ura);
        celica = {t, zi};
        return true;
    }
    bool oznaciUcitelja(ZasedbaCelice &celica, int t, int zi, int dan, int ura) {
        if (celica.termin >= 1)
            return prekrivanje(t, "Uci", dan, ura);
        celica = {t, zi};
        return true;
    }
    bool prekrivanje(int t, const char *vrsta, int dan, int ura, qint64 vrstica = 0) {
        m.prekrivanja.push_back({t, m.termini[size_t(t)].predavanje, QString::fromLatin1(vrsta), dan, ura, vrstica});
        return false;
    }
    // True when entry zi of placed period t names, as its room, the single room it is placed in.
    bool imenujeSobo(int t, int zi) const {
        const Termin &termin = m.termini[size_t(t)];
        const ZasedbaTermina &z = termin.zasedbe[size_t(zi)];
        return z.prostor >= 1 && !m.prostori[size_t(z.prostor)].isGroup &&
               m.predavanja[size_t(termin.predavanje)].izvajalci[size_t(z.izvajalec)].skupinaProstorov == z.prostor;
    }
    // A new unit from its first row; numbers a week cannot hold are bounded and listed.
    Predavanje novoPredavanje(const RowSet &rows, int r);

    ModelUrnika &m;
    const Mape &mape;
    bool onlyRated;
};

QString Cond(qint64 urnik, qint64 turnus, const char *column, const char *alias) {
    return QStringLiteral(" iif(ID_URNIKA = %1 And TERMINI.ID_TURNUSA = %2, %3, Null) AS %4")
        .arg(urnik)
        .arg(turnus)
        .arg(QLatin1String(column), QLatin1String(alias));
}

bool BralecRazporedov::beri(db::Connection &c, qint64 urnik, qint64 turnus, qint64 predmetnik, bool &prekrivanja) {
    if (!c.exec(QStringLiteral("UPDATE PREDMETI_V_PROGRAMU SET Zahtevnost=2 WHERE Zahtevnost IS Null")))
        return false;
    const QString sql =
        QStringLiteral(
            "SELECT DISTINCT RAZPORED.ID_SKUPINE_ODDELKOV, RAZPORED.ID_SKUPINE_PREDMETOV, "
            "RAZPORED.ID_TURNUSA, RAZPORED.ID_UCITELJA, RAZPORED.ID_PREDMETA, RAZPORED.ID_SKUPINE_PROSTOROV, "
            "PREDMETI_V_PROGRAMU.STEVILO_UR, PREDMETI_V_PROGRAMU.DOLZINA_TERMINA, "
            "PREDMETI_V_PROGRAMU.ZAHTEVNOST, RAZPORED.ID AS ID_RAZPOREDA,") +
        Cond(urnik, turnus, "TERMINI.DAN", "DAN") + u',' + Cond(urnik, turnus, "TERMINI.URA", "URA") + u',' +
        Cond(urnik, turnus, "TERMINI.ID_PROSTORA", "ID_PROSTORA") + u',' +
        Cond(urnik, turnus, "TERMINI.ID", "ID_TERMINA") + u',' + Cond(urnik, turnus, "TERMINI.TIP", "TIP") +
        QStringLiteral(" FROM (PREDMETI_V_PROGRAMU INNER JOIN RAZPORED ON (PREDMETI_V_PROGRAMU.ID_TURNUSA = "
                       "RAZPORED.ID_TURNUSA) AND (PREDMETI_V_PROGRAMU.ID_SKUPINE_PREDMETOV = "
                       "RAZPORED.ID_SKUPINE_PREDMETOV) AND (PREDMETI_V_PROGRAMU.ID_PROGRAMA = RAZPORED.ID_PROGRAMA)) "
                       "LEFT JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA "
                       "Where (((RAZPORED.ID_TURNUSA) = %1 Or (RAZPORED.ID_TURNUSA) = 0)) And "
                       "RAZPORED.ID_PREDMETNIKA=%2 "
                       "ORDER BY RAZPORED.ID_SKUPINE_ODDELKOV, RAZPORED.ID_SKUPINE_PREDMETOV, RAZPORED.ID_TURNUSA, "
                       "DAN, URA, ID_RAZPOREDA, ID_TERMINA")
            .arg(turnus)
            .arg(predmetnik);
    const RowSet rows = c.query(sql);
    if (c.lastError().isError())
        return false;
    prekrivanja = false;
    QString kljucPredavanja, kljucTermina;
    int u = 0;
    int t = 0;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString kljuc = QStringLiteral("%1;%2;%3").arg(Id(rows, r, 0)).arg(Id(rows, r, 1)).arg(Id(rows, r, 2));
        if (u == 0 || kljuc != kljucPredavanja) {
            kljucPredavanja = kljuc;
            kljucTermina.clear();
            u = int(m.predavanja.size());
            m.predavanja.push_back(novoPredavanje(rows, r));
            if (m.predavanja[size_t(u)].skupinaOddelkov >= 1)
                m.skupineOddelkov[size_t(m.predavanja[size_t(u)].skupinaOddelkov)].predavanja.push_back(u);
        }
        Predavanje &p = m.predavanja[size_t(u)];
        const qint64 idRazporeda = Id(rows, r, 9);
        int izv = 0;
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
            if (p.izvajalci[size_t(j)].idRazporeda == idRazporeda)
                izv = j;
        if (izv == 0) {
            IzvajalecPredavanja e;
            e.idRazporeda = idRazporeda;
            e.predmet = std::max(0, Map(mape.skupinePredmetov, rows.value(r, 4)));
            e.ucitelj = std::max(0, Map(mape.ucitelji, rows.value(r, 3)));
            const int soba = Map(mape.prostori, rows.value(r, 5));
            e.skupinaProstorov = std::max(0, soba);
            izv = int(p.izvajalci.size());
            p.izvajalci.push_back(e);
            if (e.ucitelj >= 1)
                m.ucitelji[size_t(e.ucitelj)].predavanja.push_back({u, izv});
        }
        if (rows.value(r, 10).isNull())
            continue;
        const qint64 danVrstice = db::ToLong(rows.value(r, 10));
        const qint64 uraVrstice = db::ToLong(rows.value(r, 11));
        if (!Pravi(danVrstice, uraVrstice))
            continue; // a row off the grid cannot be shown or kept in the grids
        const int dan = int(danVrstice);
        const int ura = int(uraVrstice);
        const QString kt = kljucPredavanja + QStringLiteral(";%1;%2").arg(dan).arg(ura);
        if (kt != kljucTermina) {
            kljucTermina = kt;
            Termin novi;
            novi.dan = dan;
            novi.ura = ura;
            novi.tip = rows.value(r, 14).toString();
            novi.predavanje = u;
            t = int(m.termini.size());
            m.termini.push_back(std::move(novi));
            if (!(onlyRated && p.zahtevnost == 0))
                --p.preostalo;
            if (p.skupinaOddelkov >= 1) {
                SkupinaOddelkovUrnika &s = m.skupineOddelkov[size_t(p.skupinaOddelkov)];
                prekrivanja |= !oznaci(s.zasedenost(dan, ura), t, "skuodd", dan, ura);
                for (int k = 1; k < int(s.oddelki.size()); ++k)
                    prekrivanja |=
                        !oznaci(m.oddelki[size_t(s.oddelki[size_t(k)])].zasedenost(dan, ura), t, "odd", dan, ura);
            }
        }
        ZasedbaTermina z;
        z.idTermina = Id(rows, r, 13);
        z.izvajalec = izv;
        const int soba = Map(mape.prostori, rows.value(r, 12));
        z.prostor = (soba >= 1 && !m.prostori[size_t(soba)].isGroup) ? soba : 0;
        Termin &termin = m.termini[size_t(t)];
        // A second row of the same entry in one placed period repeats it: only that row goes.
        if (std::any_of(termin.zasedbe.begin() + 1, termin.zasedbe.end(),
                        [izv](const ZasedbaTermina &o) { return o.izvajalec == izv; })) {
            prekrivanja |= !prekrivanje(t, "Uci", dan, ura, z.idTermina);
            continue;
        }
        const int zi = int(termin.zasedbe.size());
        termin.zasedbe.push_back(z);
        if (z.prostor >= 1)
            prekrivanja |= !oznaciProstor(m.prostori[size_t(z.prostor)].zasedenost(dan, ura), t, zi, dan, ura);
        const int ucitelj = p.izvajalci[size_t(izv)].ucitelj;
        if (ucitelj >= 1) {
            UciteljUrnika &uc = m.ucitelji[size_t(ucitelj)];
            if (oznaciUcitelja(uc.zasedenost(dan, ura), t, zi, dan, ura))
                uc.zasedeneUre[dan] |= 1 << ura;
            else
                prekrivanja = true;
        }
    }
    return true;
}

// A programme number as the model holds it: null gives `nic`, a value outside [od, do] the nearer
// bound and a line naming the unit (a number no week can hold must not reach the counters).
int Vrednost(const QVariant &v, int nic, int od, int do_, const QString &enota, const QString &ime,
             QStringList &napake) {
    if (v.isNull())
        return nic;
    const qint64 x = db::ToLong(v); // a text that is no number gives -1
    if (x >= od && x <= do_)
        return int(x);
    napake << QStringLiteral("%1: %2 %3 (dovoljeno od %4 do %5)").arg(enota, ime, v.toString()).arg(od).arg(do_);
    return int(std::clamp<qint64>(x, od, do_));
}

Predavanje BralecRazporedov::novoPredavanje(const RowSet &rows, int r) {
    Predavanje p;
    p.skupinaPredmetov = std::max(0, Map(mape.skupinePredmetov, rows.value(r, 1)));
    p.skupinaOddelkov = Map(mape.skupineOddelkov, rows.value(r, 0));
    const QString enota = (p.skupinaOddelkov >= 1 ? m.skupineOddelkov[size_t(p.skupinaOddelkov)].oznaka : QString()) +
                          u' ' + m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka;
    p.zahtevnost = Vrednost(rows.value(r, 8), 2, 0, 3, enota, QStringLiteral("zahtevnost"), m.neveljavniPodatki);
    // A week has 5 x 16 cells: no unit can have more periods.
    const int ure =
        Vrednost(rows.value(r, 6), 0, 0, 5 * StUr, enota, QStringLiteral("število ur"), m.neveljavniPodatki);
    p.tedenskeUre = (onlyRated && p.zahtevnost == 0) ? 0 : ure;
    p.steviloUr = ure;
    p.preostalo = p.tedenskeUre;
    // A missing or zero lesson length would give blocks of no period: it counts as 1.
    p.dolzinaBloka = std::max(
        1, Vrednost(rows.value(r, 7), 1, 0, StUr, enota, QStringLiteral("dolžina termina"), m.neveljavniPodatki));
    p.idTurnusa = Id(rows, r, 2);
    p.vsiTurnusi = p.idTurnusa == 0;
    return p;
}

// Deletes every row of the placed periods that collided in this pass. True when every
// statement ran.
bool BrisiPrekrivanja(db::Connection &c, const ModelUrnika &m, size_t od, core::DbError &napaka) {
    db::Transaction tx(c);
    std::vector<qint64> vrstice;
    for (size_t i = od; i < m.prekrivanja.size(); ++i) {
        const Prekrivanje &p = m.prekrivanja[i];
        if (p.vrstica > 0)
            vrstice.push_back(p.vrstica);
        else
            for (size_t z = 1; z < m.termini[size_t(p.termin)].zasedbe.size(); ++z)
                vrstice.push_back(m.termini[size_t(p.termin)].zasedbe[z].idTermina);
    }
    std::sort(vrstice.begin(), vrstice.end());
    vrstice.erase(std::unique(vrstice.begin(), vrstice.end()), vrstice.end());
    for (qint64 id : vrstice)
        if (!c.exec(QStringLiteral("delete from TERMINI where ID = ") + QString::number(id))) {
            napaka = c.lastError(); // the rollback would clear it
            return false;
        }
    if (!tx.commit()) {
        napaka = c.lastError();
        return false;
    }
    return true;
}

} // namespace

QString BesediloPrekrivanj(const ModelUrnika &m) {
    struct Vrstica {
        QString oznaka;
        int dan, ura, termin;
        bool operator<(const Vrstica &o) const {
            return std::tie(oznaka, dan, ura, termin) < std::tie(o.oznaka, o.dan, o.ura, o.termin);
        }
        bool operator==(const Vrstica &o) const {
            return std::tie(oznaka, dan, ura, termin) == std::tie(o.oznaka, o.dan, o.ura, o.termin);
        }
    };
    std::vector<Vrstica> vrstice;
    for (const Prekrivanje &p : m.prekrivanja) {
        QString oznaka;
        if (p.predavanje >= 1 && p.predavanje < int(m.predavanja.size())) {
            const int s = m.predavanja[size_t(p.predavanje)].skupinaOddelkov;
            if (s >= 1)
                oznaka = m.skupineOddelkov[size_t(s)].oznaka;
        }
        vrstice.push_back({oznaka, p.dan, p.ura, p.termin});
    }
    // One line per deleted period: a period that collided in several grids is listed once.
    std::sort(vrstice.begin(), vrstice.end());
    vrstice.erase(std::unique(vrstice.begin(), vrstice.end()), vrstice.end());
    QString text = QStringLiteral("Odkrita so bila prekrivanja:\n");
    for (const Vrstica &v : vrstice)
        text += QStringLiteral("\n%1  --  %2  %3. uro").arg(v.oznaka).arg(v.dan).arg(v.ura);
    text += QStringLiteral("\n\nPrekrivanja so bila zbrisana.");
    return text;
}

bool PreberiModelUrnika(ModelUrnika &m, bool onlyRated) {
    db::Connection &c = db::ProjectDb();
    const qint64 urnik = App().trenutniUrnik;
    const qint64 turnus = App().trenutniTurnus;
    const qint64 predmetnik = App().trenutniPredmetnik;
    m.prekrivanja.clear();
    bool prekrivanja = true;
    bool ok = true;
    core::DbError napaka;
    // One transaction: the rows read and the fingerprint taken at the end are one state of the file.
    db::Transaction tx(c);
    while (prekrivanja && ok) {
        m.clear();
        Mape mape;
        const size_t od = m.prekrivanja.size();
        ok = BeriProstore(c, m, mape) && BeriSkupinePredmetov(c, m, mape, predmetnik) &&
             BeriOddelke(c, m, mape, predmetnik) && BeriUcitelje(c, m, mape, predmetnik) && BeriPrepovedi(c, m, mape) &&
             BralecRazporedov(m, mape, onlyRated).beri(c, urnik, turnus, predmetnik, prekrivanja);
        if (!ok) {
            napaka = c.lastError();
            break;
        }
        // A pass that cannot delete what collided would find it again forever: stop and report.
        if (prekrivanja && !BrisiPrekrivanja(c, m, od, napaka))
            ok = false;
    }
    if (ok) {
        m.odtis = OdtisTerminov(c, urnik, turnus);
        ok = !m.odtis.isEmpty() && tx.commit();
        if (!ok)
            napaka = c.lastError();
    }
    if (!ok)
        core::ShowErrorMessage(QStringLiteral("Napaka pri branju urnika."), napaka);
    if (ok && !m.prekrivanja.empty())
        // The text goes in as a value so that a "#" in a label is shown as it stands.
        core::ShowMessage(core::MsgInformation, QStringLiteral("#"), BesediloPrekrivanj(m));
    return ok;
}

bool PreberiModelUrnika(bool onlyRated) {
    return PreberiModelUrnika(TrenutniModel(), onlyRated);
}

} // namespace zentrel::engine

#include "PreberiModelUrnika.h"

#include "MapaId.h"
#include "db/Connection.h"
#include "db/MBaza.h"
#include "shell/AppState.h"
#include "shell/Messages.h"

#include <algorithm>
#include <tuple>

namespace zentrel::timetable {

using db::RowSet;
using shell::App;

namespace {

// The ID maps live only while one load runs.
struct Mape {
    MapaId prostori, skupinePredmetov, skupineOddelkov, oddelki, ucitelji;
};

qint64 Id(const RowSet &rows, int row, int column) {
    const QVariant &v = rows.value(row, column);
    return v.isNull() ? -1 : v.toLongLong();
}

int Map(const MapaId &mapa, const QVariant &value) {
    return value.isNull() ? -1 : mapa.najdi(value.toLongLong());
}

bool Pravi(int dan, int ura) {
    return dan >= 1 && dan <= 5 && ura >= 0 && ura <= ZadnjaUra;
}

template <class T> std::vector<int> PoOznaki(const std::vector<T> &items) {
    std::vector<int> order;
    for (int i = 1; i < int(items.size()); ++i)
        order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return items[size_t(a)].oznaka < items[size_t(b)].oznaka; });
    return order;
}

bool BeriProstore(db::Connection &c, ModelUrnika &m, Mape &mape) {
    const RowSet rows = c.query(QStringLiteral(
        "SELECT DISTINCT SKUPINE_PROSTOROV.ID, SKUPINE_PROSTOROV.OZNAKA, PROSTORI.KABINET, STAVBE.ID AS ID_STAVBE "
        "FROM SKUPINE_PROSTOROV LEFT JOIN (STAVBE RIGHT JOIN PROSTORI ON STAVBE.ID = PROSTORI.ID_STAVBE) ON "
        "SKUPINE_PROSTOROV.ID = PROSTORI.ID ORDER BY SKUPINE_PROSTOROV.ID"));
    if (c.lastError().isError())
        return false;
    qint64 prejsnji = 0;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 id = Id(rows, r, 0);
        if (r > 0 && id == prejsnji)
            continue; // a room listed twice by the join keeps its first row
        prejsnji = id;
        ProstorUrnika p;
        p.id = id;
        p.oznaka = rows.value(r, 1).toString();
        p.isGroup = p.oznaka.startsWith(u'$');
        p.kabinet = rows.value(r, 2).isNull() ? true : rows.value(r, 2).toBool();
        p.stavba = rows.value(r, 3).isNull() ? 0 : rows.value(r, 3).toLongLong();
        const int indeks = int(m.prostori.size());
        if (!p.isGroup)
            p.clani.push_back(indeks);
        m.prostori.push_back(std::move(p));
        mape.prostori.dodaj(id, indeks);
    }
    const RowSet clani = c.query(
        QStringLiteral("SELECT DISTINCT PROSTORI_V_SKUPINI.ID_PROSTORA, PROSTORI_V_SKUPINI.ID_SKUPINE "
                       "FROM SKUPINE_PROSTOROV INNER JOIN (PROSTORI INNER JOIN PROSTORI_V_SKUPINI ON PROSTORI.ID = "
                       "PROSTORI_V_SKUPINI.ID_PROSTORA) ON SKUPINE_PROSTOROV.ID = PROSTORI_V_SKUPINI.ID_SKUPINE "
                       "WHERE SKUPINE_PROSTOROV.OZNAKA Like '$%' ORDER BY PROSTORI_V_SKUPINI.ID_PROSTORA, "
                       "PROSTORI_V_SKUPINI.ID_SKUPINE"));
    if (c.lastError().isError())
        return false;
    for (int r = 0; r < clani.rowCount(); ++r) {
        const int soba = Map(mape.prostori, clani.value(r, 0));
        const int skupina = Map(mape.prostori, clani.value(r, 1));
        if (soba >= 1 && skupina >= 1 && !m.prostori[size_t(soba)].isGroup && m.prostori[size_t(skupina)].isGroup)
            m.prostori[size_t(skupina)].clani.push_back(soba);
    }
    ProstorUrnika proste;
    proste.oznaka = QStringLiteral("--U--");
    proste.isGroup = true;
    for (int i = 1; i < int(m.prostori.size()); ++i)
        if (!m.prostori[size_t(i)].isGroup && !m.prostori[size_t(i)].kabinet)
            proste.clani.push_back(i);
    m.prosteUcilnice = int(m.prostori.size());
    m.prostori.push_back(std::move(proste));
    m.prostoriPoOznaki = PoOznaki(m.prostori);
    return true;
}

bool BeriSkupinePredmetov(db::Connection &c, ModelUrnika &m, Mape &mape, qint64 predmetnik) {
    const RowSet rows = c.query(QStringLiteral("SELECT SKUPINE_PREDMETOV.ID, SKUPINE_PREDMETOV.OZNAKA "
                                               "From SKUPINE_PREDMETOV "
                                               " WHERE ID_RAZ_PREDMETNIKA IS Null OR ID_RAZ_PREDMETNIKA = ") +
                                QString::number(predmetnik) + QStringLiteral(" ORDER BY SKUPINE_PREDMETOV.ID "));
    if (c.lastError().isError())
        return false;
    for (int r = 0; r < rows.rowCount(); ++r) {
        mape.skupinePredmetov.dodaj(Id(rows, r, 0), int(m.skupinePredmetov.size()));
        m.skupinePredmetov.push_back({Id(rows, r, 0), rows.value(r, 1).toString()});
    }
    return true;
}

bool BeriOddelke(db::Connection &c, ModelUrnika &m, Mape &mape, qint64 predmetnik) {
    const QString p = QString::number(predmetnik);
    const RowSet skupine =
        c.query(QStringLiteral(
                    "SELECT DISTINCT SKUPINE_ODDELKOV.ID, SKUPINE_ODDELKOV.OZNAKA, "
                    "SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA, IZMENE.OZNAKA AS IZMENA "
                    "FROM ((SKUPINE_ODDELKOV INNER JOIN ODDELKI_V_SKUPINI ON SKUPINE_ODDELKOV.ID = "
                    "ODDELKI_V_SKUPINI.ID_SKUPINE) INNER JOIN ODDELKI ON ODDELKI_V_SKUPINI.ID_ODDELKA = ODDELKI.ID) "
                    "LEFT JOIN ODDELKI_V_PREDMETNIKU ON ODDELKI.ID = ODDELKI_V_PREDMETNIKU.ID_ODDELKA "
                    "LEFT JOIN IZMENE ON ODDELKI_V_PREDMETNIKU.ID_IZMENE = IZMENE.ID "
                    "WHERE (SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA IS Null OR SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA = %1) "
                    "AND (ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA = %1 OR ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA IS Null) "
                    "ORDER BY SKUPINE_ODDELKOV.ID")
                    .arg(p));
    if (c.lastError().isError())
        return false;
    for (int r = 0; r < skupine.rowCount(); ++r) {
        const qint64 id = Id(skupine, r, 0);
        if (mape.skupineOddelkov.zadnji() >= 1 && mape.skupineOddelkov.par(mape.skupineOddelkov.zadnji()).id == id)
            continue; // one row per group even when its classes lie in different shifts
        mape.skupineOddelkov.dodaj(id, int(m.skupineOddelkov.size()));
        SkupinaOddelkovUrnika s;
        s.id = id;
        s.oznaka = skupine.value(r, 1).toString();
        m.skupineOddelkov.push_back(std::move(s));
    }
    // Classes of this curriculum, and classes that belong to no curriculum yet.
    const RowSet oddelki = c.query(
        QStringLiteral("SELECT ODDELKI.ID, ODDELKI.OZNAKA FROM ODDELKI WHERE ODDELKI.ID IN (SELECT ID_ODDELKA FROM "
                       "ODDELKI_V_PREDMETNIKU WHERE ID_PREDMETNIKA = %1) OR ODDELKI.ID NOT IN (SELECT ID_ODDELKA FROM "
                       "ODDELKI_V_PREDMETNIKU WHERE ID_ODDELKA IS NOT Null) ORDER BY ODDELKI.ID")
            .arg(p));
    if (c.lastError().isError())
        return false;
    for (int r = 0; r < oddelki.rowCount(); ++r) {
        mape.oddelki.dodaj(Id(oddelki, r, 0), int(m.oddelki.size()));
        OddelekUrnika o;
        o.id = Id(oddelki, r, 0);
        o.oznaka = oddelki.value(r, 1).toString();
        m.oddelki.push_back(std::move(o));
    }
    const RowSet pari = c.query(QStringLiteral("SELECT DISTINCT ID_SKUPINE, ID_ODDELKA FROM ODDELKI_V_SKUPINI "
                                               "ORDER BY ID_ODDELKA, ID_SKUPINE"));
    if (c.lastError().isError())
        return false;
    for (int r = 0; r < pari.rowCount(); ++r) {
        const int skupina = Map(mape.skupineOddelkov, pari.value(r, 0));
        const int oddelek = Map(mape.oddelki, pari.value(r, 1));
        if (skupina < 1 || oddelek < 1)
            continue;
        m.skupineOddelkov[size_t(skupina)].oddelki.push_back(oddelek);
        m.oddelki[size_t(oddelek)].skupine.push_back(skupina);
    }
    m.oddelkiPoOznaki = PoOznaki(m.oddelki);
    return true;
}

bool BeriUcitelje(db::Connection &c, ModelUrnika &m, Mape &mape, qint64 predmetnik) {
    const RowSet rows =
        c.query(QStringLiteral("SELECT DISTINCT UCITELJI.ID, UCITELJI.OZNAKA, UCITELJI.PRIIMEK, UCITELJI.VMESNOIME, "
                               "UCITELJI.IME FROM UCITELJI INNER JOIN RAZPORED ON UCITELJI.ID = RAZPORED.ID_UCITELJA "
                               "WHERE RAZPORED.ID_PREDMETNIKA = %1 ORDER BY UCITELJI.ID")
                    .arg(predmetnik));
    if (c.lastError().isError())
        return false;
    for (int r = 0; r < rows.rowCount(); ++r) {
        mape.ucitelji.dodaj(Id(rows, r, 0), int(m.ucitelji.size()));
        UciteljUrnika u;
        u.id = Id(rows, r, 0);
        u.oznaka = rows.value(r, 1).toString();
        u.priimek = rows.value(r, 2).toString();
        u.vmesnoIme = rows.value(r, 3).toString();
        u.ime = rows.value(r, 4).toString();
        m.ucitelji.push_back(std::move(u));
    }
    m.uciteljiPoOznaki = PoOznaki(m.ucitelji);
    return true;
}

template <class T>
bool BeriPrepovedi(db::Connection &c, const QString &sql, const MapaId &mapa, std::vector<T> &items) {
    const RowSet rows = c.query(sql);
    if (c.lastError().isError())
        return false;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const int i = Map(mapa, rows.value(r, 0));
        const int dan = int(db::ToLong(rows.value(r, 1)));
        const int ura = int(db::ToLong(rows.value(r, 2)));
        if (i >= 1 && Pravi(dan, ura)) // rows of entities outside the model, or off the grid, are ignored
            items[size_t(i)].prepovedano(dan, ura) = true;
    }
    return true;
}

bool BeriPrepovedi(db::Connection &c, ModelUrnika &m, const Mape &mape, qint64 predmetnik) {
    return BeriPrepovedi(c, QStringLiteral("SELECT ID_UCITELJA, DAN, URA FROM PREPOVEDI_UCITELJEV"), mape.ucitelji,
                         m.ucitelji) &&
           BeriPrepovedi(c, QStringLiteral("SELECT ID_PROSTORA, DAN, URA FROM PREPOVEDI_PROSTOROV"), mape.prostori,
                         m.prostori) &&
           BeriPrepovedi(c,
                         QStringLiteral("SELECT ID_ODDELKA, DAN, URA FROM PREPOVEDI_ODDELKOV WHERE ID_ODDELKA IN "
                                        "(SELECT ID_ODDELKA FROM ODDELKI_V_PREDMETNIKU WHERE ID_PREDMETNIKA = %1)")
                             .arg(predmetnik),
                         mape.oddelki, m.oddelki);
}

// Walks the assignments with their placed periods in load order; see PreberiModelUrnika.
class BralecRazporedov {
public:
    BralecRazporedov(ModelUrnika &m, const Mape &mape, bool onlyRated) : m(m), mape(mape), onlyRated(onlyRated) {}

    bool beri(db::Connection &c, qint64 urnik, qint64 turnus, qint64 predmetnik, bool &prekrivanja);

private:
    // Enters placed period t in a cell; a cell that already has an owner keeps it and the
    // collision is recorded.
    bool oznaci(int &celica, int t, const char *vrsta, int dan, int ura) {
        if (celica >= 1) {
            m.prekrivanja.push_back({t, m.termini[size_t(t)].predavanje, QString::fromLatin1(vrsta), dan, ura});
            return false;
        }
        celica = t;
        return true;
    }
    bool oznaci(ZasedbaCelice &celica, int t, int z, const char *vrsta, int dan, int ura) {
        if (celica.termin >= 1) {
            m.prekrivanja.push_back({t, m.termini[size_t(t)].predavanje, QString::fromLatin1(vrsta), dan, ura});
            return false;
        }
        celica = {t, z};
        return true;
    }

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
            Predavanje p;
            p.zahtevnost = int(db::ToLong(rows.value(r, 8)));
            const int ure = std::max(0, int(db::ToLong(rows.value(r, 6))));
            p.tedenskeUre = (onlyRated && p.zahtevnost == 0) ? 0 : ure;
            p.preostalo = p.tedenskeUre;
            // A missing or zero lesson length would give blocks of no period: it counts as 1.
            p.dolzinaBloka = std::max(1, int(db::ToLong(rows.value(r, 7))));
            p.skupinaPredmetov = std::max(0, Map(mape.skupinePredmetov, rows.value(r, 1)));
            p.idTurnusa = Id(rows, r, 2);
            p.vsiTurnusi = p.idTurnusa == 0;
            p.skupinaOddelkov = Map(mape.skupineOddelkov, rows.value(r, 0));
            u = int(m.predavanja.size());
            m.predavanja.push_back(std::move(p));
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
        const int dan = int(db::ToLong(rows.value(r, 10)));
        const int ura = int(db::ToLong(rows.value(r, 11)));
        if (!Pravi(dan, ura))
            continue; // a row off the grid cannot be shown or kept in the grids
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
        const int zi = int(termin.zasedbe.size());
        termin.zasedbe.push_back(z);
        if (z.prostor >= 1)
            prekrivanja |= !oznaci(m.prostori[size_t(z.prostor)].zasedenost(dan, ura), t, zi, "pro", dan, ura);
        const int ucitelj = p.izvajalci[size_t(izv)].ucitelj;
        if (ucitelj >= 1) {
            UciteljUrnika &uc = m.ucitelji[size_t(ucitelj)];
            if (oznaci(uc.zasedenost(dan, ura), t, zi, "Uci", dan, ura))
                uc.zasedeneUre[dan] |= 1 << ura;
            else
                prekrivanja = true;
        }
    }
    return true;
}

// Deletes every row of the placed periods that collided in this pass. True when every
// statement ran.
bool BrisiPrekrivanja(db::Connection &c, const ModelUrnika &m, size_t od, db::DbError &napaka) {
    db::Transaction tx(c);
    std::vector<int> termini;
    for (size_t i = od; i < m.prekrivanja.size(); ++i)
        termini.push_back(m.prekrivanja[i].termin);
    std::sort(termini.begin(), termini.end());
    termini.erase(std::unique(termini.begin(), termini.end()), termini.end());
    for (int t : termini)
        for (size_t z = 1; z < m.termini[size_t(t)].zasedbe.size(); ++z)
            if (!c.exec(QStringLiteral("delete from TERMINI where ID = ") +
                        QString::number(m.termini[size_t(t)].zasedbe[z].idTermina))) {
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
    db::Connection &c = App().projectConnection;
    const qint64 urnik = App().trenutniUrnik;
    const qint64 turnus = App().trenutniTurnus;
    const qint64 predmetnik = App().trenutniPredmetnik;
    m.prekrivanja.clear();
    bool prekrivanja = true;
    bool ok = true;
    db::DbError napaka;
    while (prekrivanja && ok) {
        m.clear();
        Mape mape;
        const size_t od = m.prekrivanja.size();
        ok = BeriProstore(c, m, mape) && BeriSkupinePredmetov(c, m, mape, predmetnik) &&
             BeriOddelke(c, m, mape, predmetnik) && BeriUcitelje(c, m, mape, predmetnik) &&
             BeriPrepovedi(c, m, mape, predmetnik) &&
             BralecRazporedov(m, mape, onlyRated).beri(c, urnik, turnus, predmetnik, prekrivanja);
        if (!ok) {
            napaka = c.lastError();
            break;
        }
        // A pass that cannot delete what collided would find it again forever: stop and report.
        if (prekrivanja && !BrisiPrekrivanja(c, m, od, napaka))
            ok = false;
    }
    if (!ok)
        shell::ShowErrorMessage(QStringLiteral("Napaka pri branju urnika."), napaka);
    if (ok && !m.prekrivanja.empty())
        // The text goes in as a value so that a "#" in a label is shown as it stands.
        shell::ShowMessage(shell::MsgInformation, QStringLiteral("#"), BesediloPrekrivanj(m));
    return ok;
}

bool PreberiModelUrnika(bool onlyRated) {
    return PreberiModelUrnika(TrenutniModel(), onlyRated);
}

} // namespace zentrel::timetable

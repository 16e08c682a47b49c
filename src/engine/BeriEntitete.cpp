#include "BeriEntitete.h"

#include "core/TextFunctions.h"

#include "db/MBaza.h"

#include <algorithm>

namespace zentrel::engine::nalaganje {

using db::RowSet;

qint64 Id(const db::RowSet &rows, int row, int column) {
    const QVariant &v = rows.value(row, column);
    return v.isNull() ? -1 : v.toLongLong();
}

int Map(const MapaId &mapa, const QVariant &value) {
    return value.isNull() ? -1 : mapa.najdi(value.toLongLong());
}

bool Pravi(qint64 dan, qint64 ura) {
    return dan >= 1 && dan <= 5 && ura >= 0 && ura <= ZadnjaUra;
}

namespace {
// Indices in the Slovenian alphabetical order of the codes, as every list of the program shows them.
template <class T> std::vector<int> PoOznaki(const std::vector<T> &items) {
    std::vector<int> order;
    for (int i = 1; i < int(items.size()); ++i)
        order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return core::CompareSlovenian(items[size_t(a)].oznaka, items[size_t(b)].oznaka) < 0;
    });
    return order;
}

} // namespace

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
                    "SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA, IZMENE.OZNAKA AS IZMENA, SKUPINE_ODDELKOV.ID_IZBIRNEGA_PROGRAMA "
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
        s.izbirna = !skupine.value(r, 4).isNull();
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

namespace {
template <class T>
bool BeriPrepovedi(db::Connection &c, const QString &sql, const MapaId &mapa, std::vector<T> &items) {
    const RowSet rows = c.query(sql);
    if (c.lastError().isError())
        return false;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const int i = Map(mapa, rows.value(r, 0));
        const qint64 dan = db::ToLong(rows.value(r, 1));
        const qint64 ura = db::ToLong(rows.value(r, 2));
        if (i >= 1 && Pravi(dan, ura)) // rows of entities outside the model, or off the grid, are ignored
            items[size_t(i)].prepovedano(int(dan), int(ura)) = true;
    }
    return true;
}

} // namespace

bool BeriPrepovedi(db::Connection &c, ModelUrnika &m, const Mape &mape) {
    return BeriPrepovedi(c, QStringLiteral("SELECT ID_UCITELJA, DAN, URA FROM PREPOVEDI_UCITELJEV"), mape.ucitelji,
                         m.ucitelji) &&
           BeriPrepovedi(c, QStringLiteral("SELECT ID_PROSTORA, DAN, URA FROM PREPOVEDI_PROSTOROV"), mape.prostori,
                         m.prostori) &&
           // Classes are read by the rule that loads them (this curriculum's, and those of no curriculum):
           // every class in the model gets its forbidden periods.
           BeriPrepovedi(c, QStringLiteral("SELECT ID_ODDELKA, DAN, URA FROM PREPOVEDI_ODDELKOV"), mape.oddelki,
                         m.oddelki);
}

} // namespace zentrel::engine::nalaganje

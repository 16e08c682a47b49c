#include "PreverjanjeUrnika.h"

#include "PravilaCelice.h"
#include "PripravaUrnika.h"
#include "Sestavljalnik.h"
#include "db/Connection.h"
#include "db/MBaza.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace zentrel::engine {

namespace {

using Kljuc = std::tuple<qint64, qint64, qint64>; // class group, subject group, turnus: one unit
using Celica = std::pair<int, int>;               // day, period
using Mesto = std::tuple<qint64, int, int>;       // something in use at a day and period

qint64 Id(const QVariant &v) {
    return v.isNull() ? -1 : v.toLongLong();
}

QString Kje(int dan, int ura) {
    return QStringLiteral("dan %1, ura %2").arg(dan).arg(ura);
}

// The frame of one class as the construction fills it.
std::set<Celica> Okvir(const std::array<int, 6> &prva, qint64 ure, const std::set<Celica> &prepovedane) {
    OkvirOddelka o;
    for (int d = 1; d <= 5; ++d) {
        o.prvaUra[d] = prva[size_t(d)];
        for (int p = 0; p < StUr; ++p)
            o.okvir(d, p) = prepovedane.count({d, p}) ? OkvirOddelka::Prepovedano : OkvirOddelka::Zunaj;
    }
    NapolniOkvir(o, int(std::min<qint64>(ure, 5 * StUr)));
    std::set<Celica> okvir;
    for (int d = 1; d <= 5; ++d)
        for (int p = 0; p < StUr; ++p)
            if (o.okvir(d, p) == OkvirOddelka::Dovoljeno)
                okvir.insert({d, p});
    return okvir;
}

struct Vrstica {
    qint64 id, razpored, ucitelj, prostor, skupinaProstorov;
    int dan, ura;
    QString tip;
    Kljuc enota;
};

struct Enota {
    qint64 ure = 0;
    int zahtevnost = 2;
    int dolzinaBloka = 1;
};

// The data of one check, read once; each check adds its lines to `napake`.
class Preverjalnik {
public:
    Preverjalnik(qint64 predmetnik, qint64 urnik, qint64 turnus) : m_p(predmetnik), m_u(urnik), m_t(turnus) {}

    // False when a query failed; `napaka` then holds its error.
    bool beri();
    void preveriVrstice();
    void preveriZasedenost();
    void preveriUre();
    void preveriOkvirje(int dodatneUre);
    void preveriBlokeDneva();
    void preveriRazpon();
    void preveriSelitev();

    QStringList napake;
    QString napaka;

private:
    db::RowSet query(const QString &sql, const QVariantList &values = {});
    std::map<qint64, QString> oznake(const QString &table);
    std::set<Mesto> prepovedi(const QString &table, const QString &column);
    QString ime(const Kljuc &k) const;
    QString oznaka(const std::map<qint64, QString> &map, qint64 id) const;
    // Entries of one lesson share a room only when every one of them names that single room.
    bool deljenaSoba(qint64 soba, const std::vector<const Vrstica *> &vrstice) const;
    bool sobaDovoljena(const Vrstica &v) const;

    qint64 m_p, m_u, m_t;
    std::map<qint64, QString> m_oddelki, m_skupine, m_ucitelji, m_prostori, m_predmeti;
    std::map<qint64, std::vector<qint64>> m_clani;       // classes of each class group
    std::map<qint64, std::set<qint64>> m_claniProstorov; // rooms of each "$" room group
    std::map<qint64, std::pair<bool, qint64>> m_sobe;    // single rooms: cabinet, building
    std::map<Kljuc, Enota> m_enote;
    std::vector<Vrstica> m_vrstice;
    std::set<Mesto> m_prepovediOddelkov, m_prepovediUciteljev, m_prepovediProstorov;
    std::map<qint64, std::array<int, 6>> m_prveUre;
};

db::RowSet Preverjalnik::query(const QString &sql, const QVariantList &values) {
    db::Connection &c = db::ProjectDb();
    db::RowSet rows = c.query(sql, values);
    if (c.lastError().isError() && napaka.isEmpty())
        napaka = QStringLiteral("Urnika ni bilo mogoče prebrati: %1").arg(c.lastError().description);
    return rows;
}

std::map<qint64, QString> Preverjalnik::oznake(const QString &table) {
    std::map<qint64, QString> map;
    const db::RowSet rows = query(QStringLiteral("SELECT ID, OZNAKA FROM ") + table);
    for (int r = 0; r < rows.rowCount(); ++r)
        map[Id(rows.value(r, 0))] = rows.value(r, 1).toString();
    return map;
}

std::set<Mesto> Preverjalnik::prepovedi(const QString &table, const QString &column) {
    std::set<Mesto> set;
    const db::RowSet rows = query(QStringLiteral("SELECT %1, DAN, URA FROM %2").arg(column, table));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 dan = db::ToLong(rows.value(r, 1));
        const qint64 ura = db::ToLong(rows.value(r, 2));
        if (dan >= 1 && dan <= 5 && ura >= 0 && ura <= 15)
            set.insert({Id(rows.value(r, 0)), int(dan), int(ura)});
    }
    return set;
}

QString Preverjalnik::oznaka(const std::map<qint64, QString> &map, qint64 id) const {
    const auto it = map.find(id);
    return it != map.end() ? it->second : QString::number(id);
}

QString Preverjalnik::ime(const Kljuc &k) const {
    const auto s = m_skupine.find(std::get<0>(k));
    const auto p = m_predmeti.find(std::get<1>(k));
    return (s != m_skupine.end() ? s->second : QStringLiteral("?")) + u' ' +
           (p != m_predmeti.end() ? p->second : QStringLiteral("?"));
}

bool Preverjalnik::beri() {
    m_oddelki = oznake(QStringLiteral("ODDELKI"));
    m_skupine = oznake(QStringLiteral("SKUPINE_ODDELKOV"));
    m_ucitelji = oznake(QStringLiteral("UCITELJI"));
    m_prostori = oznake(QStringLiteral("SKUPINE_PROSTOROV"));
    m_predmeti = oznake(QStringLiteral("SKUPINE_PREDMETOV"));
    const db::RowSet pari = query(QStringLiteral("SELECT ID_SKUPINE, ID_ODDELKA FROM ODDELKI_V_SKUPINI"));
    for (int r = 0; r < pari.rowCount(); ++r)
        m_clani[Id(pari.value(r, 0))].push_back(Id(pari.value(r, 1)));
    const db::RowSet sobe = query(QStringLiteral("SELECT ID, KABINET, ID_STAVBE FROM PROSTORI"));
    for (int r = 0; r < sobe.rowCount(); ++r)
        m_sobe[Id(sobe.value(r, 0))] = {sobe.value(r, 1).isNull() || sobe.value(r, 1).toBool(),
                                        sobe.value(r, 2).isNull() ? 0 : sobe.value(r, 2).toLongLong()};
    const db::RowSet clani = query(QStringLiteral("SELECT ID_SKUPINE, ID_PROSTORA FROM PROSTORI_V_SKUPINI"));
    for (int r = 0; r < clani.rowCount(); ++r)
        m_claniProstorov[Id(clani.value(r, 0))].insert(Id(clani.value(r, 1)));
    const db::RowSet enote = query(
        QStringLiteral("SELECT DISTINCT R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, P.STEVILO_UR, "
                       "P.ZAHTEVNOST, P.DOLZINA_TERMINA FROM RAZPORED R INNER JOIN PREDMETI_V_PROGRAMU P ON P.ID_PROGRAMA = R.ID_PROGRAMA "
                       "AND P.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND P.ID_TURNUSA = R.ID_TURNUSA "
                       "WHERE R.ID_PREDMETNIKA = ? AND (R.ID_TURNUSA = ? OR R.ID_TURNUSA = 0)"),
        {m_p, m_t});
    for (int r = 0; r < enote.rowCount(); ++r) {
        const Kljuc k{Id(enote.value(r, 0)), Id(enote.value(r, 1)), Id(enote.value(r, 2))};
        if (!m_enote.count(k))
            m_enote[k] = {enote.value(r, 3).isNull() ? 0 : db::ToLong(enote.value(r, 3)),
                          enote.value(r, 4).isNull() ? 2 : int(db::ToLong(enote.value(r, 4))),
                          int(std::clamp<qint64>(db::ToLong(enote.value(r, 5)), 1, StUr))};
    }
    const db::RowSet rows = query(
        QStringLiteral("SELECT T.ID, T.DAN, T.URA, T.TIP, T.ID_PROSTORA, R.ID, R.ID_SKUPINE_ODDELKOV, "
                       "R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, R.ID_UCITELJA, R.ID_SKUPINE_PROSTOROV FROM TERMINI T "
                       "INNER JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA WHERE T.ID_URNIKA = ? AND T.ID_TURNUSA = ? "
                       "ORDER BY T.ID"),
        {m_u, m_t});
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 dan = db::ToLong(rows.value(r, 1));
        const qint64 ura = db::ToLong(rows.value(r, 2));
        const bool naMrezi = dan >= 1 && dan <= 5 && ura >= 0 && ura <= 15;
        m_vrstice.push_back({Id(rows.value(r, 0)), Id(rows.value(r, 5)), Id(rows.value(r, 9)), Id(rows.value(r, 4)),
                             Id(rows.value(r, 10)), naMrezi ? int(dan) : -1, naMrezi ? int(ura) : -1,
                             rows.value(r, 3).toString(),
                             Kljuc{Id(rows.value(r, 6)), Id(rows.value(r, 7)), Id(rows.value(r, 8))}});
        if (!naMrezi)
            m_vrstice.back().tip = rows.value(r, 1).toString() + u'/' + rows.value(r, 2).toString();
    }
    m_prepovediOddelkov = prepovedi(QStringLiteral("PREPOVEDI_ODDELKOV"), QStringLiteral("ID_ODDELKA"));
    m_prepovediUciteljev = prepovedi(QStringLiteral("PREPOVEDI_UCITELJEV"), QStringLiteral("ID_UCITELJA"));
    m_prepovediProstorov = prepovedi(QStringLiteral("PREPOVEDI_PROSTOROV"), QStringLiteral("ID_PROSTORA"));
    const db::RowSet okvirji = query(
        QStringLiteral("SELECT ID_ODDELKA, DAN, PRVA_URA FROM ODDELKI_OKVIR WHERE ID_URNIKA = ? AND ID_TURNUSA = ?"),
        {m_u, m_t});
    for (int r = 0; r < okvirji.rowCount(); ++r) {
        auto &prva = m_prveUre.try_emplace(Id(okvirji.value(r, 0)), std::array<int, 6>{1, 1, 1, 1, 1, 1}).first->second;
        const qint64 dan = db::ToLong(okvirji.value(r, 1));
        const qint64 ura = db::ToLong(okvirji.value(r, 2));
        if (dan >= 1 && dan <= 5 && ura >= 0 && ura <= 15)
            prva[size_t(dan)] = int(ura);
    }
    return napaka.isEmpty();
}

bool Preverjalnik::sobaDovoljena(const Vrstica &v) const {
    if (v.prostor == v.skupinaProstorov)
        return true;
    const auto clani = m_claniProstorov.find(v.skupinaProstorov);
    if (oznaka(m_prostori, v.skupinaProstorov).startsWith(u'$'))
        return clani != m_claniProstorov.end() && clani->second.count(v.prostor);
    // An entry of an ordinary room may take any free ordinary classroom (the second round).
    const auto zeljena = m_sobe.find(v.skupinaProstorov);
    const auto dobljena = m_sobe.find(v.prostor);
    return zeljena != m_sobe.end() && dobljena != m_sobe.end() && !zeljena->second.first && !dobljena->second.first;
}

void Preverjalnik::preveriVrstice() {
    std::map<Mesto, int> vrsticRazporeda;
    for (const Vrstica &v : m_vrstice) {
        if (v.dan < 0) {
            napake << QStringLiteral("Termin %1 (%2) leži zunaj tedna: dan/ura %3.").arg(v.id).arg(ime(v.enota), v.tip);
            continue;
        }
        const QString kje = Kje(v.dan, v.ura);
        if (++vrsticRazporeda[{v.razpored, v.dan, v.ura}] == 2)
            napake << QStringLiteral("%1: %2 vpisan dvakrat.").arg(ime(v.enota), kje);
        if (v.skupinaProstorov >= 0 && v.prostor < 0)
            napake << QStringLiteral("%1: %2 brez prostora (%3).")
                          .arg(ime(v.enota), kje, oznaka(m_prostori, v.skupinaProstorov));
        else if (v.skupinaProstorov >= 0 && !sobaDovoljena(v))
            napake << QStringLiteral("%1: %2 v prostoru %3, ki ni v %4.")
                          .arg(ime(v.enota), kje, oznaka(m_prostori, v.prostor),
                               oznaka(m_prostori, v.skupinaProstorov));
        const auto e = m_enote.find(v.enota);
        if (v.tip == QLatin1String("a") && e != m_enote.end() && e->second.zahtevnost == 0)
            napake << QStringLiteral("%1: %2 razporejena samodejno, predmet pa je \"Ni avtomatsko\".")
                          .arg(ime(v.enota), kje);
    }
}

bool Preverjalnik::deljenaSoba(qint64 soba, const std::vector<const Vrstica *> &vrstice) const {
    if (oznaka(m_prostori, soba).startsWith(u'$'))
        return false;
    for (const Vrstica *v : vrstice)
        if (v->enota != vrstice.front()->enota || v->skupinaProstorov != soba)
            return false;
    return true;
}

void Preverjalnik::preveriZasedenost() {
    std::map<Mesto, std::set<Kljuc>> poSkupini, poOddelku;
    std::map<Mesto, std::vector<const Vrstica *>> poUcitelju, poProstoru;
    for (const Vrstica &v : m_vrstice) {
        if (v.dan < 0)
            continue;
        const qint64 skupina = std::get<0>(v.enota);
        poSkupini[{skupina, v.dan, v.ura}].insert(v.enota);
        for (qint64 o : m_clani[skupina])
            poOddelku[{o, v.dan, v.ura}].insert(v.enota);
        if (v.ucitelj >= 0)
            poUcitelju[{v.ucitelj, v.dan, v.ura}].push_back(&v);
        if (v.prostor >= 0)
            poProstoru[{v.prostor, v.dan, v.ura}].push_back(&v);
    }
    auto dvakrat = [&](const Mesto &kljuc, const QStringList &imena, const std::map<qint64, QString> &oznake,
                       const QString &vrsta) {
        napake << QStringLiteral("%1 %2: %3 zaseden dvakrat (%4).")
                      .arg(vrsta, oznaka(oznake, std::get<0>(kljuc)), Kje(std::get<1>(kljuc), std::get<2>(kljuc)),
                           imena.join(QStringLiteral(", ")));
    };
    auto enote = [&](const std::map<Mesto, std::set<Kljuc>> &map, const std::map<qint64, QString> &oznake,
                     const QString &vrsta) {
        for (const auto &[kljuc, enoteCelice] : map)
            if (enoteCelice.size() >= 2) {
                QStringList imena;
                for (const Kljuc &k : enoteCelice)
                    imena << ime(k);
                dvakrat(kljuc, imena, oznake, vrsta);
            }
    };
    // A teacher or room is counted by rows: two entries of one lesson are two uses.
    auto vrstice = [&](const std::map<Mesto, std::vector<const Vrstica *>> &map,
                       const std::map<qint64, QString> &oznake, const QString &vrsta, bool prostor) {
        for (const auto &[kljuc, vrs] : map)
            if (vrs.size() >= 2 && !(prostor && deljenaSoba(std::get<0>(kljuc), vrs))) {
                QStringList imena;
                for (const Vrstica *v : vrs)
                    imena << ime(v->enota);
                imena.sort();
                dvakrat(kljuc, imena, oznake, vrsta);
            }
    };
    enote(poSkupini, m_skupine, QStringLiteral("Skupina"));
    enote(poOddelku, m_oddelki, QStringLiteral("Oddelek"));
    vrstice(poUcitelju, m_ucitelji, QStringLiteral("Učitelj"), false);
    vrstice(poProstoru, m_prostori, QStringLiteral("Prostor"), true);

    auto prepovedano = [&](const auto &map, const std::set<Mesto> &prepovedi, const std::map<qint64, QString> &oznake,
                           const QString &vrsta) {
        for (const auto &[kljuc, v] : map)
            if (prepovedi.count(kljuc))
                napake << QStringLiteral("%1 %2: pouk v prepovedani uri, %3.")
                              .arg(vrsta, oznaka(oznake, std::get<0>(kljuc)),
                                   Kje(std::get<1>(kljuc), std::get<2>(kljuc)));
    };
    prepovedano(poOddelku, m_prepovediOddelkov, m_oddelki, QStringLiteral("Oddelek"));
    prepovedano(poUcitelju, m_prepovediUciteljev, m_ucitelji, QStringLiteral("Učitelj"));
    prepovedano(poProstoru, m_prepovediProstorov, m_prostori, QStringLiteral("Prostor"));
}

void Preverjalnik::preveriUre() {
    std::map<Kljuc, std::set<Celica>> celiceEnote;
    for (const Vrstica &v : m_vrstice)
        if (v.dan >= 0)
            celiceEnote[v.enota].insert({v.dan, v.ura});
    for (const auto &[enota, e] : m_enote)
        if (e.ure < 0 || e.ure > 80)
            napake << QStringLiteral("%1: število ur %2 je zunaj meja od 0 do 80.").arg(ime(enota)).arg(e.ure);
    for (const auto &[enota, celice] : celiceEnote) {
        const auto t = m_enote.find(enota);
        const qint64 ure = t != m_enote.end() ? t->second.ure : 0;
        if (qint64(celice.size()) > ure)
            napake << QStringLiteral("%1: razporejenih ur %2, tedenskih ur %3.")
                          .arg(ime(enota))
                          .arg(celice.size())
                          .arg(ure);
    }
}

void Preverjalnik::preveriOkvirje(int dodatneUre) {
    // Frames of the classes, as the automatic construction saw them.
    std::map<qint64, qint64> ureOddelka;
    for (const auto &[enota, e] : m_enote)
        for (qint64 o : m_clani[std::get<0>(enota)])
            ureOddelka[o] += std::clamp<qint64>(e.ure, 0, 80);
    std::map<qint64, std::set<Celica>> okvirOddelka;
    auto okvir = [&](qint64 o) -> const std::set<Celica> & {
        auto it = okvirOddelka.find(o);
        if (it != okvirOddelka.end())
            return it->second;
        std::set<Celica> prepovedane;
        for (const auto &[id, dan, ura] : m_prepovediOddelkov)
            if (id == o)
                prepovedane.insert({dan, ura});
        const auto pu = m_prveUre.find(o);
        const std::array<int, 6> prva = pu != m_prveUre.end() ? pu->second : std::array<int, 6>{1, 1, 1, 1, 1, 1};
        return okvirOddelka[o] = Okvir(prva, ureOddelka[o] + 5 * dodatneUre, prepovedane);
    };
    std::map<std::pair<Kljuc, int>, std::set<int>> avtomatske;
    for (const Vrstica &v : m_vrstice)
        if (v.dan >= 0 && v.tip == QLatin1String("a"))
            avtomatske[{v.enota, v.dan}].insert(v.ura);
    for (const auto &[kljuc, ure] : avtomatske) {
        const Kljuc &enota = kljuc.first;
        const int dan = kljuc.second;
        if (*ure.rbegin() - *ure.begin() + 1 != int(ure.size()))
            napake << QStringLiteral("%1: samodejno razporejene ure dne %2 niso strnjene.").arg(ime(enota)).arg(dan);
        for (qint64 o : m_clani[std::get<0>(enota)])
            for (int ura : ure)
                if (!okvir(o).count({dan, ura}))
                    napake << QStringLiteral("%1: %2 zunaj okvirja oddelka %3.")
                                  .arg(ime(enota), Kje(dan, ura), oznaka(m_oddelki, o));
    }
}

void Preverjalnik::preveriBlokeDneva() {
    // A unit comes once a day: its automatically placed periods of a day are one block, at most as
    // long as the construction's longest block of that unit.
    std::set<std::tuple<Kljuc, int, int>> celice; // one per placed period, whatever its entries
    for (const Vrstica &v : m_vrstice)
        if (v.dan >= 0 && v.tip == QLatin1String("a"))
            celice.insert({v.enota, v.dan, v.ura});
    std::map<std::pair<Kljuc, int>, int> ur;
    for (const auto &[enota, dan, ura] : celice)
        ++ur[{enota, dan}];
    for (const auto &[kljuc, n] : ur) {
        const auto e = m_enote.find(kljuc.first);
        if (e == m_enote.end())
            continue;
        Predavanje p;
        p.tedenskeUre = int(std::clamp<qint64>(e->second.ure, 0, 5 * StUr));
        p.dolzinaBloka = e->second.dolzinaBloka;
        const int najvec = DolzinaBlokaPredavanja(p, p.tedenskeUre);
        if (n > najvec)
            napake << QStringLiteral("%1: dan %2 samodejno razporejenih ur %3, v enem dnevu največ %4.")
                          .arg(ime(kljuc.first))
                          .arg(kljuc.second)
                          .arg(n)
                          .arg(najvec);
    }
}

void Preverjalnik::preveriRazpon() {
    // Busy periods of each teacher and day, all of them and the automatic ones.
    std::map<std::pair<qint64, int>, std::pair<int, int>> maske;
    for (const Vrstica &v : m_vrstice) {
        if (v.dan < 0 || v.ucitelj < 0)
            continue;
        auto &[vse, avtomatske] = maske[{v.ucitelj, v.dan}];
        vse |= 1 << v.ura;
        if (v.tip == QLatin1String("a"))
            avtomatske |= 1 << v.ura;
    }
    for (const auto &[kljuc, maska] : maske) {
        const auto &[vse, avtomatske] = maska;
        bool krsitev = false;
        for (int ura = 0; ura < StUr; ++ura)
            krsitev |= (avtomatske >> ura & 1) && !pravila::RazponDovoljen(vse, ura);
        if (krsitev)
            napake << QStringLiteral("Učitelj %1: dan %2 pouk od %3. do %4. ure, več kot 7 zaporednih ur.")
                          .arg(oznaka(m_ucitelji, kljuc.first))
                          .arg(kljuc.second)
                          .arg(std::countr_zero(unsigned(vse)))
                          .arg(31 - std::countl_zero(unsigned(vse)));
    }
}

void Preverjalnik::preveriSelitev() {
    // Buildings each class is in, per cell.
    std::map<Mesto, std::set<qint64>> stavbe;
    for (const Vrstica &v : m_vrstice) {
        const auto soba = m_sobe.find(v.prostor);
        if (v.dan < 0 || soba == m_sobe.end() || soba->second.second == 0)
            continue;
        for (qint64 o : m_clani[std::get<0>(v.enota)])
            stavbe[{o, v.dan, v.ura}].insert(soba->second.second);
    }
    for (const auto &[kljuc, tu] : stavbe) {
        const auto &[oddelek, dan, ura] = kljuc;
        const auto naslednja = stavbe.find({oddelek, dan, ura + 1});
        if (naslednja == stavbe.end())
            continue;
        std::set<qint64> vse = tu;
        vse.insert(naslednja->second.begin(), naslednja->second.end());
        if (vse.size() > 1)
            napake << QStringLiteral("Oddelek %1: menjava stavbe brez odmora, dan %2, med urama %3 in %4.")
                          .arg(oznaka(m_oddelki, oddelek))
                          .arg(dan)
                          .arg(ura)
                          .arg(ura + 1);
    }
}

} // namespace

QStringList PreverjanjeUrnika::preveri() {
    Preverjalnik p(m_predmetnik, m_urnik, m_turnus);
    m_napaka = !p.beri();
    if (m_napaka)
        return {p.napaka};
    p.preveriVrstice();
    p.preveriZasedenost();
    p.preveriUre();
    p.preveriOkvirje(m_dodatneUre);
    p.preveriBlokeDneva();
    p.preveriRazpon();
    if (m_selitev)
        p.preveriSelitev();
    return p.napake;
}

} // namespace zentrel::engine

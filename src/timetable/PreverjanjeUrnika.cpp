#include "PreverjanjeUrnika.h"

#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"

#include <array>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace zentrel::timetable {

namespace {

using Kljuc = std::tuple<qint64, qint64, qint64>; // class group, subject group, turnus: one unit
using Celica = std::pair<int, int>;               // day, period

qint64 Id(const QVariant &v) {
    return v.isNull() ? -1 : v.toLongLong();
}

std::map<qint64, QString> Oznake(db::Connection &c, const QString &table) {
    std::map<qint64, QString> map;
    const db::RowSet rows = c.query(QStringLiteral("SELECT ID, OZNAKA FROM ") + table);
    for (int r = 0; r < rows.rowCount(); ++r)
        map[Id(rows.value(r, 0))] = rows.value(r, 1).toString();
    return map;
}

std::set<std::tuple<qint64, int, int>> Prepovedi(db::Connection &c, const QString &table, const QString &column) {
    std::set<std::tuple<qint64, int, int>> set;
    const db::RowSet rows = c.query(QStringLiteral("SELECT %1, DAN, URA FROM %2").arg(column, table));
    for (int r = 0; r < rows.rowCount(); ++r)
        set.insert({Id(rows.value(r, 0)), rows.value(r, 1).toInt(), rows.value(r, 2).toInt()});
    return set;
}

QString Mesto(int dan, int ura) {
    return QStringLiteral("dan %1, ura %2").arg(dan).arg(ura);
}

// The frame of one class: `ure` cells filled day by day at growing offsets from each day's first
// period, forbidden cells and periods past 15 passed over, then every later day brought to the
// offset of the last cell filled.
std::set<Celica> Okvir(const int prva[6], int ure, const std::set<Celica> &prepovedane) {
    std::set<Celica> okvir;
    int zadnjiDan = 0, zadnjiOdmik = 0;
    for (int o = 0; o < 16 && int(okvir.size()) < ure; ++o)
        for (int d = 1; d <= 5 && int(okvir.size()) < ure; ++d) {
            const int p = prva[d] + o;
            if (p <= 15 && !prepovedane.count({d, p})) {
                okvir.insert({d, p});
                zadnjiDan = d;
                zadnjiOdmik = o;
            }
        }
    for (int d = zadnjiDan + 1; zadnjiDan >= 1 && d <= 5; ++d) {
        const int p = prva[d] + zadnjiOdmik;
        if (p <= 15 && !prepovedane.count({d, p}))
            okvir.insert({d, p});
    }
    return okvir;
}

} // namespace

QStringList PreverjanjeUrnika::preveri() {
    db::Connection &c = db::ProjectDb();
    QStringList napake;
    const auto oddelki = Oznake(c, QStringLiteral("ODDELKI"));
    const auto skupine = Oznake(c, QStringLiteral("SKUPINE_ODDELKOV"));
    const auto ucitelji = Oznake(c, QStringLiteral("UCITELJI"));
    const auto prostori = Oznake(c, QStringLiteral("SKUPINE_PROSTOROV"));
    const auto predmeti = Oznake(c, QStringLiteral("SKUPINE_PREDMETOV"));
    std::map<qint64, std::vector<qint64>> clani;
    const db::RowSet pari = c.query(QStringLiteral("SELECT ID_SKUPINE, ID_ODDELKA FROM ODDELKI_V_SKUPINI"));
    for (int r = 0; r < pari.rowCount(); ++r)
        clani[Id(pari.value(r, 0))].push_back(Id(pari.value(r, 1)));
    auto ime = [&](const Kljuc &k) {
        const auto s = skupine.find(std::get<0>(k));
        const auto p = predmeti.find(std::get<1>(k));
        return (s != skupine.end() ? s->second : QStringLiteral("?")) + u' ' +
               (p != predmeti.end() ? p->second : QStringLiteral("?"));
    };

    // Weekly periods and difficulty of every unit of the curriculum.
    std::map<Kljuc, std::pair<int, int>> tedenske;
    const db::RowSet enote = c.query(
        QStringLiteral("SELECT DISTINCT R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, P.STEVILO_UR, "
                       "P.ZAHTEVNOST FROM RAZPORED R INNER JOIN PREDMETI_V_PROGRAMU P ON P.ID_PROGRAMA = R.ID_PROGRAMA "
                       "AND P.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND P.ID_TURNUSA = R.ID_TURNUSA "
                       "WHERE R.ID_PREDMETNIKA = ? AND (R.ID_TURNUSA = ? OR R.ID_TURNUSA = 0)"),
        {m_predmetnik, m_turnus});
    for (int r = 0; r < enote.rowCount(); ++r) {
        const Kljuc k{Id(enote.value(r, 0)), Id(enote.value(r, 1)), Id(enote.value(r, 2))};
        if (!tedenske.count(k))
            tedenske[k] = {enote.value(r, 3).toInt(), enote.value(r, 4).isNull() ? 2 : enote.value(r, 4).toInt()};
    }

    struct Vrstica {
        qint64 id, razpored, ucitelj, prostor;
        int dan, ura;
        QString tip;
        Kljuc enota;
    };
    std::vector<Vrstica> vrstice;
    const db::RowSet rows = c.query(
        QStringLiteral("SELECT T.ID, T.DAN, T.URA, T.TIP, T.ID_PROSTORA, R.ID, R.ID_SKUPINE_ODDELKOV, "
                       "R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, R.ID_UCITELJA FROM TERMINI T INNER JOIN RAZPORED R ON "
                       "R.ID = T.ID_RAZPOREDA WHERE T.ID_URNIKA = ? AND T.ID_TURNUSA = ? ORDER BY T.ID"),
        {m_urnik, m_turnus});
    for (int r = 0; r < rows.rowCount(); ++r) {
        Vrstica v{Id(rows.value(r, 0)),        Id(rows.value(r, 5)),
                  Id(rows.value(r, 9)),        Id(rows.value(r, 4)),
                  rows.value(r, 1).toInt(),    rows.value(r, 2).toInt(),
                  rows.value(r, 3).toString(), Kljuc{Id(rows.value(r, 6)), Id(rows.value(r, 7)), Id(rows.value(r, 8))}};
        if (v.dan < 1 || v.dan > 5 || v.ura < 0 || v.ura > 15) {
            napake << QStringLiteral("Termin %1 (%2) leži zunaj tedna: %3.")
                          .arg(v.id)
                          .arg(ime(v.enota), Mesto(v.dan, v.ura));
            continue;
        }
        vrstice.push_back(v);
    }

    // Who is in each cell: units per class group, class, teacher and room.
    std::map<std::tuple<qint64, int, int>, std::set<Kljuc>> poSkupini, poOddelku, poUcitelju, poProstoru;
    std::map<std::tuple<qint64, int, int>, int> vrsticRazporeda;
    std::map<Kljuc, std::set<Celica>> celiceEnote;
    std::map<std::pair<Kljuc, int>, std::set<int>> avtomatske;
    for (const Vrstica &v : vrstice) {
        const qint64 skupina = std::get<0>(v.enota);
        poSkupini[{skupina, v.dan, v.ura}].insert(v.enota);
        for (qint64 o : clani[skupina])
            poOddelku[{o, v.dan, v.ura}].insert(v.enota);
        if (v.ucitelj >= 0)
            poUcitelju[{v.ucitelj, v.dan, v.ura}].insert(v.enota);
        if (v.prostor >= 0)
            poProstoru[{v.prostor, v.dan, v.ura}].insert(v.enota);
        if (++vrsticRazporeda[{v.razpored, v.dan, v.ura}] == 2)
            napake << QStringLiteral("%1: %2 vpisan dvakrat.").arg(ime(v.enota), Mesto(v.dan, v.ura));
        celiceEnote[v.enota].insert({v.dan, v.ura});
        if (v.tip == QLatin1String("a"))
            avtomatske[{v.enota, v.dan}].insert(v.ura);
    }
    auto dvojne = [&](const std::map<std::tuple<qint64, int, int>, std::set<Kljuc>> &map,
                      const std::map<qint64, QString> &oznake, const QString &vrsta) {
        for (const auto &[kljuc, enoteCelice] : map) {
            if (enoteCelice.size() < 2)
                continue;
            QStringList imena;
            for (const Kljuc &k : enoteCelice)
                imena << ime(k);
            const auto o = oznake.find(std::get<0>(kljuc));
            napake << QStringLiteral("%1 %2: %3 zaseden dvakrat (%4).")
                          .arg(vrsta, o != oznake.end() ? o->second : QString::number(std::get<0>(kljuc)),
                               Mesto(std::get<1>(kljuc), std::get<2>(kljuc)), imena.join(QStringLiteral(", ")));
        }
    };
    dvojne(poSkupini, skupine, QStringLiteral("Skupina"));
    dvojne(poOddelku, oddelki, QStringLiteral("Oddelek"));
    dvojne(poUcitelju, ucitelji, QStringLiteral("Učitelj"));
    dvojne(poProstoru, prostori, QStringLiteral("Prostor"));

    auto prepovedano = [&](const std::map<std::tuple<qint64, int, int>, std::set<Kljuc>> &map,
                           const std::set<std::tuple<qint64, int, int>> &prepovedi,
                           const std::map<qint64, QString> &oznake, const QString &vrsta) {
        for (const auto &[kljuc, enoteCelice] : map)
            if (prepovedi.count(kljuc)) {
                const auto o = oznake.find(std::get<0>(kljuc));
                napake << QStringLiteral("%1 %2: pouk v prepovedani uri, %3.")
                              .arg(vrsta, o != oznake.end() ? o->second : QString::number(std::get<0>(kljuc)),
                                   Mesto(std::get<1>(kljuc), std::get<2>(kljuc)));
            }
    };
    const auto prepovediOddelkov = Prepovedi(c, QStringLiteral("PREPOVEDI_ODDELKOV"), QStringLiteral("ID_ODDELKA"));
    prepovedano(poOddelku, prepovediOddelkov, oddelki, QStringLiteral("Oddelek"));
    prepovedano(poUcitelju, Prepovedi(c, QStringLiteral("PREPOVEDI_UCITELJEV"), QStringLiteral("ID_UCITELJA")),
                ucitelji, QStringLiteral("Učitelj"));
    prepovedano(poProstoru, Prepovedi(c, QStringLiteral("PREPOVEDI_PROSTOROV"), QStringLiteral("ID_PROSTORA")),
                prostori, QStringLiteral("Prostor"));

    for (const auto &[enota, celice] : celiceEnote) {
        const auto t = tedenske.find(enota);
        const int ure = t != tedenske.end() ? t->second.first : 0;
        if (int(celice.size()) > ure)
            napake << QStringLiteral("%1: razporejenih ur %2, tedenskih ur %3.")
                          .arg(ime(enota))
                          .arg(celice.size())
                          .arg(ure);
    }

    // Frames of the classes, as the automatic construction saw them.
    std::map<qint64, int> ureOddelka;
    for (const auto &[enota, ure] : tedenske)
        for (qint64 o : clani[std::get<0>(enota)])
            ureOddelka[o] += ure.first;
    std::map<qint64, std::array<int, 6>> prveUre;
    const db::RowSet okvirji =
        c.query(QStringLiteral("SELECT ID_ODDELKA, DAN, PRVA_URA FROM ODDELKI_OKVIR WHERE ID_URNIKA = ? AND "
                               "ID_TURNUSA = ?"),
                {m_urnik, m_turnus});
    for (int r = 0; r < okvirji.rowCount(); ++r) {
        auto &prva = prveUre.try_emplace(Id(okvirji.value(r, 0)), std::array<int, 6>{1, 1, 1, 1, 1, 1}).first->second;
        const int dan = okvirji.value(r, 1).toInt();
        const int ura = okvirji.value(r, 2).toInt();
        if (dan >= 1 && dan <= 5 && ura >= 0 && ura <= 15)
            prva[size_t(dan)] = ura;
    }
    std::map<qint64, std::set<Celica>> okvirOddelka;
    auto okvir = [&](qint64 o) -> const std::set<Celica> & {
        auto it = okvirOddelka.find(o);
        if (it != okvirOddelka.end())
            return it->second;
        std::set<Celica> prepovedane;
        for (const auto &[id, dan, ura] : prepovediOddelkov)
            if (id == o)
                prepovedane.insert({dan, ura});
        const auto pu = prveUre.find(o);
        const std::array<int, 6> prva = pu != prveUre.end() ? pu->second : std::array<int, 6>{1, 1, 1, 1, 1, 1};
        return okvirOddelka[o] = Okvir(prva.data(), ureOddelka[o] + 5 * m_dodatneUre, prepovedane);
    };
    for (const auto &[kljuc, ure] : avtomatske) {
        const Kljuc &enota = kljuc.first;
        const int dan = kljuc.second;
        if (*ure.rbegin() - *ure.begin() + 1 != int(ure.size()))
            napake << QStringLiteral("%1: samodejno razporejene ure dne %2 niso strnjene.").arg(ime(enota)).arg(dan);
        for (qint64 o : clani[std::get<0>(enota)])
            for (int ura : ure)
                if (!okvir(o).count({dan, ura})) {
                    const auto on = oddelki.find(o);
                    napake << QStringLiteral("%1: %2 zunaj okvirja oddelka %3.")
                                  .arg(ime(enota), Mesto(dan, ura),
                                       on != oddelki.end() ? on->second : QString::number(o));
                }
    }
    return napake;
}

} // namespace zentrel::timetable

#include "KopiranjeTurnusa.h"

#include "UrnikIzbira.h"
#include "basicdata/WriteAction.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "shell/SafetyCopies.h"

#include <array>
#include <map>
#include <optional>
#include <set>
#include <tuple>

namespace zentrel::timetable {

namespace {

using Celica = std::tuple<qint64, int, int>; // entity, day, period

// What the copy needs besides the periods, read before anything is written.
struct Podatki {
    qint64 predmetnik = 0;
    std::map<qint64, qint64> izmenaOddelka;                         // class -> shift
    std::map<std::pair<qint64, qint64>, std::array<int, 6>> izmene; // (turnus, shift) -> first per day
    std::map<std::tuple<qint64, qint64, int>, int> okvir;           // (turnus, class, day) -> first
    std::map<qint64, std::vector<qint64>> oddelkiSkupine;           // class group -> classes, by ID
    std::set<Celica> prepovedOddelka, prepovedUcitelja, prepovedProstora;
    std::vector<qint64> oddelkiPredmetnika;
};

// An assignment row of the target turnus.
struct Razpored {
    qint64 id;
    QVariant ucitelj;
    qint64 turnus;
};

using Enota = std::tuple<qint64, qint64, qint64>; // class group, subject group, turnus

void Preberi(db::Connection &c, Podatki &p, qint64 urnik, const QList<qint64> &turnusa) {
    db::RowSet r = c.query(QStringLiteral("SELECT ID_ODDELKA, ID_IZMENE FROM ODDELKI_V_PREDMETNIKU WHERE "
                                          "ID_PREDMETNIKA = ? ORDER BY ID_ODDELKA"),
                           {p.predmetnik});
    for (int i = 0; i < r.rowCount(); ++i) {
        p.oddelkiPredmetnika.push_back(r.integer(i, QStringLiteral("ID_ODDELKA")));
        if (!r.value(i, QStringLiteral("ID_IZMENE")).isNull())
            p.izmenaOddelka[r.integer(i, QStringLiteral("ID_ODDELKA"))] = r.integer(i, QStringLiteral("ID_IZMENE"));
    }
    static const char *const dnevi[] = {"PRVA_URA_PON", "PRVA_URA_TOR", "PRVA_URA_SRE", "PRVA_URA_CET", "PRVA_URA_PET"};
    for (qint64 t : turnusa) {
        r = c.query(QStringLiteral("SELECT * FROM IZMENA_TURNUS WHERE ID_TURNUSA = ?"), {t});
        for (int i = 0; i < r.rowCount(); ++i) {
            std::array<int, 6> prve{1, 1, 1, 1, 1, 1};
            for (int d = 1; d <= 5; ++d)
                prve[size_t(d)] = int(r.integer(i, QString::fromLatin1(dnevi[d - 1]), 1));
            p.izmene[{t, r.integer(i, QStringLiteral("ID_IZMENE"))}] = prve;
        }
        r = c.query(QStringLiteral("SELECT ID_ODDELKA, DAN, PRVA_URA FROM ODDELKI_OKVIR WHERE ID_URNIKA = ? AND "
                                   "ID_TURNUSA = ? ORDER BY ID_ODDELKA"),
                    {urnik, t});
        for (int i = 0; i < r.rowCount(); ++i)
            p.okvir[{t, r.integer(i, QStringLiteral("ID_ODDELKA")), int(r.integer(i, QStringLiteral("DAN")))}] =
                int(r.integer(i, QStringLiteral("PRVA_URA")));
    }
    r = c.query(QStringLiteral("SELECT ID_SKUPINE, ID_ODDELKA FROM ODDELKI_V_SKUPINI ORDER BY ID_ODDELKA"));
    for (int i = 0; i < r.rowCount(); ++i)
        p.oddelkiSkupine[r.integer(i, QStringLiteral("ID_SKUPINE"))].push_back(
            r.integer(i, QStringLiteral("ID_ODDELKA")));
    const std::pair<const char *, std::set<Celica> *> prepovedi[] = {
        {"SELECT ID_ODDELKA, DAN, URA FROM PREPOVEDI_ODDELKOV", &p.prepovedOddelka},
        {"SELECT ID_UCITELJA, DAN, URA FROM PREPOVEDI_UCITELJEV", &p.prepovedUcitelja},
        {"SELECT ID_PROSTORA, DAN, URA FROM PREPOVEDI_PROSTOROV", &p.prepovedProstora}};
    for (const auto &[sql, mnozica] : prepovedi) {
        r = c.query(QString::fromLatin1(sql));
        for (int i = 0; i < r.rowCount(); ++i)
            mnozica->insert(
                {r.value(i, 0).toLongLong(), int(r.value(i, 1).toLongLong()), int(r.value(i, 2).toLongLong())});
    }
}

// The first period of a class on a day in a turnus: its frame row, else its shift's, else 1.
int Prva(const Podatki &p, qint64 turnus, qint64 oddelek, int dan) {
    if (const auto o = p.okvir.find({turnus, oddelek, dan}); o != p.okvir.end() && o->second >= 0 && o->second < 16)
        return o->second;
    if (const auto i = p.izmenaOddelka.find(oddelek); i != p.izmenaOddelka.end())
        if (const auto f = p.izmene.find({turnus, i->second}); f != p.izmene.end())
            return f->second[size_t(dan)];
    return 1;
}

// A placed period of the source: its rows and where it moves to.
struct Vir {
    qint64 skupina = 0;
    QString oddelek, predmet, tip;
    int dan = 0, ura = 0;
    std::vector<int> vrstice;
};

} // namespace

RezultatKopiranjaTurnusa KopirajTurnus(qint64 urnik, qint64 izTurnusa, qint64 vTurnus) {
    RezultatKopiranjaTurnusa rez;
    db::Connection &c = db::ProjectDb();
    Podatki p;
    const QVariant predmetnik = c.scalar(QStringLiteral("SELECT ID_PREDMETNIKA FROM URNIKI WHERE ID = ?"), {urnik});
    const QVariant cilj = c.scalar(QStringLiteral("SELECT OZNAKA FROM TURNUSI WHERE ID = ?"), {vTurnus});
    if (!predmetnik.isValid()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Urnika # ni."), urnik);
        return rez;
    }
    if (!cilj.isValid() || !c.scalar(QStringLiteral("SELECT ID FROM TURNUSI WHERE ID = ?"), {izTurnusa}).isValid()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Turnusa # ni."), cilj.isValid() ? izTurnusa : vTurnus);
        return rez;
    }
    if (izTurnusa == vTurnus) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Turnusa morata biti različna."));
        return rez;
    }
    if (UrnikVeljaven(urnik)) {
        core::ShowMessage(core::MsgWarning,
                          QStringLiteral("Urnik je že veljaven. Kopiranje turnusov je zato onemogočeno."));
        return rez;
    }
    if (c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_TURNUSA = ? AND ID_URNIKA = ?"),
                 {vTurnus, urnik})
                .toLongLong() > 0 &&
        core::ShowMessage(core::MsgQuestion,
                          QStringLiteral("Trenutni podatki v turnusu # bodo brisani!\nPotrdi brisanje."),
                          cilj.toString()) != core::Answer::Yes)
        return rez;
    const QVariant ime = c.scalar(QStringLiteral("SELECT IME FROM URNIKI WHERE ID = ?"), {urnik});
    if (!shell::SafetyCopyBefore(
            shell::OperationWithName(QStringLiteral("Kopiranje turnusa v urniku"), ime.toString())))
        return rez;

    p.predmetnik = predmetnik.toLongLong();
    Preberi(c, p, urnik, {izTurnusa, vTurnus});
    std::map<std::tuple<qint64, qint64, qint64>, std::vector<Razpored>> cilji; // (class group, subject group, subject)
    const db::RowSet raz = c.query(QStringLiteral("SELECT ID, ID_SKUPINE_ODDELKOV, ID_SKUPINE_PREDMETOV, ID_PREDMETA, "
                                                  "ID_UCITELJA, ID_TURNUSA FROM RAZPORED WHERE ID_PREDMETNIKA = ? AND "
                                                  "ID_TURNUSA IN (?, 0) ORDER BY ID"),
                                   {p.predmetnik, vTurnus});
    for (int i = 0; i < raz.rowCount(); ++i)
        cilji[{raz.integer(i, QStringLiteral("ID_SKUPINE_ODDELKOV")),
               raz.integer(i, QStringLiteral("ID_SKUPINE_PREDMETOV")), raz.integer(i, QStringLiteral("ID_PREDMETA"))}]
            .push_back({raz.integer(i, QStringLiteral("ID")), raz.value(i, QStringLiteral("ID_UCITELJA")),
                        raz.integer(i, QStringLiteral("ID_TURNUSA"))});
    // The weekly periods of the target's units: a unit of the target turnus may have fewer than
    // the source's, and the copy never places a unit more often than that.
    std::map<Enota, qint64> tedenskih;
    const db::RowSet ure = c.query(
        QStringLiteral("SELECT DISTINCT R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, P.STEVILO_UR "
                       "FROM RAZPORED R INNER JOIN PREDMETI_V_PROGRAMU P ON P.ID_PROGRAMA = R.ID_PROGRAMA "
                       "AND P.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND P.ID_TURNUSA = R.ID_TURNUSA "
                       "WHERE R.ID_PREDMETNIKA = ? AND R.ID_TURNUSA IN (?, 0)"),
        {p.predmetnik, vTurnus});
    for (int i = 0; i < ure.rowCount(); ++i)
        if (!ure.value(i, 3).isNull())
            tedenskih.try_emplace({ure.value(i, 0).toLongLong(), ure.value(i, 1).toLongLong(),
                                   ure.value(i, 2).toLongLong()},
                                  ure.value(i, 3).toLongLong());
    std::map<Enota, qint64> kopiranihEnote;
    // One row per TERMINI row of the source, grouped below into placed periods.
    const db::RowSet vir = c.query(
        QStringLiteral("SELECT T.ID_PROSTORA, T.DAN, T.URA, T.TIP, R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, "
                       "R.ID_PREDMETA, R.ID_UCITELJA, R.ID_TURNUSA, SO.OZNAKA AS ODDELEK, SP.OZNAKA AS PREDMET "
                       "FROM TERMINI T INNER JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA "
                       "LEFT JOIN SKUPINE_ODDELKOV SO ON SO.ID = R.ID_SKUPINE_ODDELKOV "
                       "LEFT JOIN SKUPINE_PREDMETOV SP ON SP.ID = R.ID_SKUPINE_PREDMETOV "
                       "WHERE T.ID_URNIKA = ? AND T.ID_TURNUSA = ? AND R.ID_PREDMETNIKA = ? "
                       "ORDER BY R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, T.DAN, T.URA, T.ID"),
        {urnik, izTurnusa, p.predmetnik});
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
        return rez;
    }
    std::vector<Vir> viri;
    QString kljuc;
    for (int i = 0; i < vir.rowCount(); ++i) {
        const QString k = QStringLiteral("%1;%2;%3;%4;%5")
                              .arg(vir.integer(i, QStringLiteral("ID_SKUPINE_ODDELKOV")))
                              .arg(vir.integer(i, QStringLiteral("ID_SKUPINE_PREDMETOV")))
                              .arg(vir.integer(i, QStringLiteral("ID_TURNUSA")))
                              .arg(vir.integer(i, QStringLiteral("DAN")))
                              .arg(vir.integer(i, QStringLiteral("URA")));
        if (viri.empty() || k != kljuc) {
            kljuc = k;
            viri.push_back({vir.integer(i, QStringLiteral("ID_SKUPINE_ODDELKOV")),
                            vir.text(i, QStringLiteral("ODDELEK")),
                            vir.text(i, QStringLiteral("PREDMET")),
                            vir.text(i, QStringLiteral("TIP")),
                            int(vir.integer(i, QStringLiteral("DAN"))),
                            int(vir.integer(i, QStringLiteral("URA"))),
                            {}});
        }
        viri.back().vrstice.push_back(i);
    }

    std::set<Celica> oddelki, ucitelji, prostori;
    std::vector<QVariantList> vstavi;
    for (const Vir &v : viri) {
        const std::vector<qint64> &odd = p.oddelkiSkupine[v.skupina];
        const qint64 prvi = odd.empty() ? 0 : odd.front();
        const int ura = v.ura - Prva(p, izTurnusa, prvi, v.dan) + Prva(p, vTurnus, prvi, v.dan);
        QString razlog;
        std::vector<std::pair<qint64, QVariant>> vrstice; // target assignment, room
        std::set<Celica> nOdd, nUc, nPro;
        std::optional<Enota> enota;
        for (int i : v.vrstice) {
            std::vector<Razpored> &kand = cilji[{v.skupina, vir.integer(i, QStringLiteral("ID_SKUPINE_PREDMETOV")),
                                                 vir.integer(i, QStringLiteral("ID_PREDMETA"))}];
            const Razpored *izbran = nullptr;
            auto uporabljen = [&](qint64 id) {
                for (const auto &x : vrstice)
                    if (x.first == id)
                        return true;
                return false;
            };
            for (const Razpored &r : kand)
                if (!uporabljen(r.id) && (!izbran || (r.ucitelj == vir.value(i, QStringLiteral("ID_UCITELJA")) &&
                                                      izbran->ucitelj != vir.value(i, QStringLiteral("ID_UCITELJA")))))
                    izbran = &r;
            if (!izbran)
                continue;
            if (!enota)
                enota = Enota{v.skupina, vir.integer(i, QStringLiteral("ID_SKUPINE_PREDMETOV")), izbran->turnus};
            vrstice.push_back({izbran->id, vir.value(i, QStringLiteral("ID_PROSTORA"))});
            if (!izbran->ucitelj.isNull())
                nUc.insert({izbran->ucitelj.toLongLong(), v.dan, ura});
            if (!vir.value(i, QStringLiteral("ID_PROSTORA")).isNull())
                nPro.insert({vir.integer(i, QStringLiteral("ID_PROSTORA")), v.dan, ura});
        }
        for (qint64 o : odd)
            nOdd.insert({o, v.dan, ura});
        auto zadene = [](const std::set<Celica> &nove, const std::set<Celica> &mnozica) {
            for (const Celica &x : nove)
                if (mnozica.count(x))
                    return true;
            return false;
        };
        if (ura < 0 || ura > 15)
            razlog = QStringLiteral("zunaj dneva");
        else if (vrstice.empty())
            razlog = QStringLiteral("ni razporeda");
        else if (const auto t = tedenskih.find(*enota); t != tedenskih.end() && kopiranihEnote[*enota] >= t->second)
            razlog = QStringLiteral("preveč ur");
        else if (zadene(nOdd, p.prepovedOddelka) || zadene(nUc, p.prepovedUcitelja) || zadene(nPro, p.prepovedProstora))
            razlog = QStringLiteral("prepovedano");
        else if (zadene(nOdd, oddelki) || zadene(nUc, ucitelji) || zadene(nPro, prostori))
            razlog = QStringLiteral("zasedeno");
        if (!razlog.isEmpty()) {
            rez.izpusceni.push_back({v.oddelek, v.predmet, v.dan, v.ura, razlog});
            continue;
        }
        oddelki.insert(nOdd.begin(), nOdd.end());
        ucitelji.insert(nUc.begin(), nUc.end());
        prostori.insert(nPro.begin(), nPro.end());
        for (const auto &[razpored, soba] : vrstice)
            vstavi.push_back({razpored, soba, v.dan, ura, v.tip, urnik, vTurnus});
        ++kopiranihEnote[*enota];
        ++rez.kopiranih;
    }

    basicdata::WriteAction action;
    action.exec(QStringLiteral("Delete FROM TERMINI WHERE TERMINI.ID_TURNUSA=? AND TERMINI.ID_URNIKA=?"),
                {vTurnus, urnik});
    for (const QVariantList &vrstica : vstavi)
        action.exec(QStringLiteral("INSERT INTO TERMINI (ID_RAZPOREDA,ID_PROSTORA,DAN,URA,TIP,ID_URNIKA,ID_TURNUSA) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                    vrstica);
    for (qint64 o : p.oddelkiPredmetnika)
        for (int d = 1; d <= 5; ++d)
            if (!p.okvir.count({vTurnus, o, d}))
                action.exec(QStringLiteral("INSERT INTO ODDELKI_OKVIR (ID_ODDELKA,ID_URNIKA,ID_TURNUSA,DAN,PRVA_URA) "
                                           "VALUES (?, ?, ?, ?, ?)"),
                            {o, urnik, vTurnus, d, Prva(p, vTurnus, o, d)});
    if (!action.commit())
        return {};
    rez.kopirano = true;
    core::ShowMessage(core::MsgInformation, QStringLiteral("Kopiranih ur: #, izpuščenih ur: #."), rez.kopiranih,
                      int(rez.izpusceni.size()));
    return rez;
}

} // namespace zentrel::timetable

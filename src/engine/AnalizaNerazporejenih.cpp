#include "AnalizaNerazporejenih.h"

#include "DokaziNemogocosti.h"
#include "PravilaCelice.h"
#include "Sestavljalnik.h"
#include "StaticnaPravila.h"

#include <algorithm>
#include <map>

namespace zentrel::engine {

using namespace pravila;

namespace {

// What keeps unit u out of one cell of its frame; the short code of the first rule that fails.
CelicaOkvirja Celica(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, QString &prvo) {
    CelicaOkvirja c{dan, ura, false, {}};
    const Predavanje &p = m.predavanja[size_t(u)];
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k) {
        const int t = m.oddelki[size_t(odd[k])].zasedenost(dan, ura);
        if (t >= 1)
            c.ovire.push_back({OviraCelice::OddelekZaseden, m.oddelki[size_t(odd[k])].oznaka,
                               OznakaPredavanja(m, m.termini[size_t(t)].predavanje)});
    }
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int uc = p.izvajalci[size_t(j)].ucitelj;
        if (uc < 1)
            continue;
        const UciteljUrnika &t = m.ucitelji[size_t(uc)];
        bool prej = false;
        for (int i = 1; i < j; ++i)
            prej |= p.izvajalci[size_t(i)].ucitelj == uc;
        if (prej) {
            c.ovire.push_back({OviraCelice::UciteljDvakrat, t.oznaka, {}});
            continue;
        }
        if (t.prepovedano(dan, ura))
            c.ovire.push_back({OviraCelice::UciteljPrepovedan, t.oznaka, {}});
        if (t.zasedenost(dan, ura).termin >= 1)
            c.ovire.push_back({OviraCelice::UciteljZaseden, t.oznaka,
                               OznakaPredavanja(m, m.termini[size_t(t.zasedenost(dan, ura).termin)].predavanje)});
        else if (!RazponUcitelja(t, dan, ura))
            c.ovire.push_back({OviraCelice::RazponUcitelja, t.oznaka, {}});
    }
    int izbrane[NajvecIzvajalcev + 1];
    const bool prostori = ProstoriNaVoljo(m, priprava, u, dan, ura, izbrane);
    if (!prostori) {
        QStringList skupine;
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
            const int g = p.izvajalci[size_t(j)].skupinaProstorov;
            if (g >= 1 && !skupine.contains(m.prostori[size_t(g)].oznaka))
                skupine << m.prostori[size_t(g)].oznaka;
        }
        c.ovire.push_back({OviraCelice::NiProstora, skupine.join(QStringLiteral(", ")), {}});
    }
    // Rules that no move of other lessons can change come first.
    if (!NiPrepovedano(m, u, dan, ura))
        prvo = QStringLiteral("prepoved");
    else if (!OddelkiProsti(m, u, dan, ura))
        prvo = QStringLiteral("oddelek");
    else if (!UciteljiProsti(m, u, dan, ura))
        prvo = QStringLiteral("ucitelj");
    else if (!RazponUciteljev(m, u, dan, ura))
        prvo = QStringLiteral("razpon");
    else if (!prostori)
        prvo = QStringLiteral("prostor");
    return c;
}

QString BesediloOvire(const OviraCelice &o) {
    switch (o.vrsta) {
    case OviraCelice::OddelekZaseden:
        return QStringLiteral("oddelek %1 zaseden").arg(o.kdo);
    case OviraCelice::UciteljZaseden:
        return QStringLiteral("učitelj %1 zaseden").arg(o.kdo);
    case OviraCelice::UciteljPrepovedan:
        return QStringLiteral("učitelj %1 prepovedan").arg(o.kdo);
    case OviraCelice::RazponUcitelja:
        return QStringLiteral("predolg dan učitelja %1").arg(o.kdo);
    case OviraCelice::UciteljDvakrat:
        return QStringLiteral("učitelj %1 vpisan dvakrat").arg(o.kdo);
    case OviraCelice::NiProstora:
        return QStringLiteral("ni prostega prostora %1").arg(o.kdo);
    }
    return {};
}

// The sentence for a unit that other lessons keep out (what the data prove impossible is explained
// by DokazPredavanja): every obstacle with the number of cells it
// blocks, the most frequent first.
QString OpisOvir(const NerazporejenoPredavanje &n) {
    std::map<QString, int> stevci;
    QStringList vrstni;
    int prostih = 0;
    int zaporednih = 0, najvecZaporednih = 0; // free cells in a row on one day
    const CelicaOkvirja *prejsnja = nullptr;
    for (const CelicaOkvirja &c : n.celice) {
        const bool prosta = !c.danZaseden && c.ovire.empty();
        const bool nadaljuje = prejsnja && prejsnja->dan == c.dan && prejsnja->ura + 1 == c.ura;
        zaporednih = prosta ? (nadaljuje ? zaporednih + 1 : 1) : 0;
        najvecZaporednih = std::max(najvecZaporednih, zaporednih);
        prejsnja = &c;
        if (c.danZaseden)
            continue;
        prostih += prosta ? 1 : 0;
        for (const OviraCelice &o : c.ovire) {
            const QString b = BesediloOvire(o);
            if (stevci[b]++ == 0)
                vrstni << b;
        }
    }
    // Worded for a timetable that was never constructed as much as for one the rounds left short.
    if (prostih > 0) {
        if (n.blok < 2)
            return QStringLiteral("V okvirju je prosto mesto; uro lahko postavite vanj.");
        return najvecZaporednih >= n.blok
                   ? QStringLiteral("V okvirju so proste zaporedne ure za cel blok.")
                   : QStringLiteral("V okvirju ni %1 zaporednih prostih ur.").arg(n.blok);
    }
    std::stable_sort(vrstni.begin(), vrstni.end(),
                     [&](const QString &a, const QString &b) { return stevci[a] > stevci[b]; });
    QStringList deli;
    for (const QString &b : vrstni)
        deli << QStringLiteral("%1 (%2)").arg(b).arg(stevci[b]);
    return QStringLiteral("V okvirju ni prostega mesta: ") + deli.join(QStringLiteral(", ")) + u'.';
}

} // namespace

QString OpisCelic(const NerazporejenoPredavanje &n) {
    QStringList celice;
    for (const CelicaOkvirja &c : n.celice) {
        QStringList ovire;
        for (const OviraCelice &o : c.ovire)
            ovire << BesediloOvire(o) + (o.zaradi.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(o.zaradi));
        if (c.danZaseden)
            ovire = QStringList{QStringLiteral("že ima uro tega dne")};
        celice << QStringLiteral("%1.%2: %3")
                      .arg(c.dan)
                      .arg(c.ura)
                      .arg(ovire.isEmpty() ? QStringLiteral("prosto") : ovire.join(QStringLiteral(", ")));
    }
    return celice.join(QStringLiteral("; "));
}

QString OznakaPredavanja(const ModelUrnika &m, int u) {
    const Predavanje &p = m.predavanja[size_t(u)];
    const QString skupina = p.skupinaOddelkov >= 1 ? m.skupineOddelkov[size_t(p.skupinaOddelkov)].oznaka : QString();
    return skupina + u' ' + m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka;
}

NerazporejenoPredavanje AnalizirajPredavanje(const ModelUrnika &m, const PripravaUrnika &priprava, int u) {
    const Predavanje &p = m.predavanja[size_t(u)];
    NerazporejenoPredavanje n;
    n.predavanje = u;
    if (p.skupinaOddelkov >= 1)
        n.skupina = m.skupineOddelkov[size_t(p.skupinaOddelkov)].oznaka;
    n.predmet = m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka;
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
        if (p.izvajalci[size_t(j)].ucitelj >= 1)
            n.ucitelji << m.ucitelji[size_t(p.izvajalci[size_t(j)].ucitelj)].oznaka;
    n.ur = std::max(0, p.preostalo) + p.nerazporejeno;
    const std::vector<int> kosi = KosiPredavanja(m, u);
    n.blok = kosi.empty() ? 0 : kosi.front();
    std::map<QString, int> prva;
    bool odprtDan = false;
    for (int dan = 1; dan <= 5; ++dan) {
        const bool zaseden = m.imaTerminNaDan(u, dan);
        odprtDan |= !zaseden;
        for (int ura = 0; ura < StUr; ++ura) {
            if (!VOkvirju(m, priprava, u, dan, ura))
                continue;
            QString prvo;
            CelicaOkvirja c = Celica(m, priprava, u, dan, ura, prvo);
            c.danZaseden = zaseden;
            if (!zaseden && !prvo.isEmpty())
                ++prva[prvo];
            n.celice.push_back(std::move(c));
        }
    }
    n.razlog = odprtDan ? QStringLiteral("okvir") : QStringLiteral("dan");
    int najvec = 0;
    for (const QString &r : {QStringLiteral("oddelek"), QStringLiteral("ucitelj"), QStringLiteral("razpon"),
                             QStringLiteral("prepoved"), QStringLiteral("prostor")})
        if (prva[r] > najvec) {
            najvec = prva[r];
            n.razlog = r;
        }
    // A proof from the data comes first; periods it does not account for are kept out by other
    // lessons, and their obstacles follow.
    const DokazNemogocosti dokaz = DokazPredavanja(m, priprava, u);
    n.nemogoce = dokaz.ur > 0 && dokaz.ur >= n.ur;
    n.opis = dokaz.ur > 0 ? dokaz.opis : OpisOvir(n);
    if (dokaz.ur > 0 && !n.nemogoce)
        n.opis += u' ' + OpisOvir(n);
    // A class that cannot hold all its lessons keeps one of them out whatever is moved.
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k)
        if (const DokazNemogocosti oddelek = DokazOddelka(m, priprava, odd[k]); oddelek.ur > 0)
            n.opis += u' ' + oddelek.opis;
    return n;
}

std::vector<NerazporejenoPredavanje> AnalizirajNerazporejene(const ModelUrnika &m, const PripravaUrnika &priprava) {
    std::vector<NerazporejenoPredavanje> seznam;
    for (int u = 1; u <= m.steviloPredavanj(); ++u)
        if (std::max(0, m.predavanja[size_t(u)].preostalo) + m.predavanja[size_t(u)].nerazporejeno > 0)
            seznam.push_back(AnalizirajPredavanje(m, priprava, u));
    return seznam;
}

NeizogibnoNerazporejeno Neizogibno(const ModelUrnika &m, const PripravaUrnika &priprava) {
    NeizogibnoNerazporejeno n;
    // Only cabinets count as rooms a lesson cannot leave: the second round may give a lesson of
    // an ordinary room another classroom.
    const std::vector<DokazNemogocosti> dokazi = DokaziNemogocosti(m, priprava, true);
    int predavanj = 0, najvecOdEnega = 0, okvirji = 0;
    std::vector<char> steta(m.predavanja.size(), 0);
    for (const DokazNemogocosti &d : dokazi) {
        if (d.predavanje >= 1) {
            const Predavanje &p = m.predavanja[size_t(d.predavanje)];
            predavanj += std::min(d.ur, std::max(0, p.preostalo) + p.nerazporejeno);
            // A unit none of whose periods fits leaves the search; the others stay in it.
            if (d.ur >= ProsteUrePredavanja(m, d.predavanje))
                n.predavanja.push_back(d.predavanje);
            continue;
        }
        najvecOdEnega = std::max(najvecOdEnega, d.ur);
        if (d.vrsta != DokazNemogocosti::PreobremenjenOddelek && d.vrsta != DokazNemogocosti::OkvirOddelka)
            continue;
        n.oddelki.emplace_back(d.kdo, d.ur);
        // Classes that share no unit miss their periods each on its own.
        std::vector<int> enote;
        bool deli = false;
        for (int u = 1; u <= m.steviloPredavanj(); ++u) {
            const auto &odd = m.oddelkiPredavanja(u);
            if (std::find(odd.begin() + 1, odd.end(), d.kdo) != odd.end()) {
                deli |= steta[size_t(u)] != 0;
                enote.push_back(u);
            }
        }
        if (deli)
            continue;
        okvirji += d.ur;
        for (int u : enote)
            steta[size_t(u)] = 1;
    }
    n.ur = std::max({predavanj, okvirji, najvecOdEnega});
    return n;
}

} // namespace zentrel::engine

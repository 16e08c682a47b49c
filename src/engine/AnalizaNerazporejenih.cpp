#include "AnalizaNerazporejenih.h"

#include "PravilaCelice.h"
#include "Sestavljalnik.h"
#include "StaticnaPravila.h"

#include <algorithm>
#include <map>

namespace zentrel::engine {

using namespace pravila;

namespace {

// The blocks the unit still has to place: those left and those placed on days it may leave, the
// longest first.
std::vector<int> BlokiZaRazporediti(const ModelUrnika &m, int u, bool fiksniDan[StDni]) {
    std::vector<int> bloki = KosiPredavanja(m, u);
    const auto &odd = m.oddelkiPredavanja(u);
    for (int dan = 1; dan <= 5 && odd.size() > 1; ++dan) {
        int ur = 0;
        fiksniDan[dan] = false;
        for (int ura = 0; ura < StUr; ++ura) {
            const int t = m.oddelki[size_t(odd[1])].zasedenost(dan, ura);
            if (t >= 1 && m.termini[size_t(t)].predavanje == u) {
                ++ur;
                fiksniDan[dan] |= FiksenTermin(m, t);
            }
        }
        if (ur > 0 && !fiksniDan[dan])
            bloki.push_back(ur);
    }
    std::sort(bloki.rbegin(), bloki.rend());
    return bloki;
}

// Whether the blocks find days of their own under the rules: with blocks longest first, the i-th
// needs at least i days that hold it (a day that holds a block holds every shorter one). Returns
// 0 when they do, else the number of days needed and sets `naVoljo` to the days there are.
int ManjkajociDnevi(const ModelUrnika &m, const PripravaUrnika &priprava, int u, const std::vector<int> &bloki,
                    const bool fiksniDan[StDni], int samoUcitelj, int &naVoljo) {
    int najdaljsi[StDni] = {};
    for (int dan = 1; dan <= 5; ++dan) {
        if (fiksniDan[dan])
            continue;
        for (int ura = 0, zapored = 0; ura < StUr; ++ura) {
            zapored = StaticnoProsta(m, priprava, u, dan, ura, samoUcitelj) ? zapored + 1 : 0;
            najdaljsi[dan] = std::max(najdaljsi[dan], zapored);
        }
    }
    for (size_t i = 0; i < bloki.size(); ++i) {
        naVoljo = 0;
        for (int dan = 1; dan <= 5; ++dan)
            naVoljo += najdaljsi[dan] >= bloki[i] ? 1 : 0;
        if (naVoljo < int(i) + 1)
            return int(i) + 1;
    }
    return 0;
}

// Fills nemogoce and opis when the fixed rules leave the unit too few days.
void PreveriMoznost(const ModelUrnika &m, const PripravaUrnika &priprava, int u, NerazporejenoPredavanje &n) {
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
        for (int i = 1; i < j; ++i)
            if (p.izvajalci[size_t(j)].ucitelj >= 1 &&
                p.izvajalci[size_t(j)].ucitelj == p.izvajalci[size_t(i)].ucitelj) {
                n.nemogoce = true;
                n.opis = QStringLiteral("Ni mogoče razporediti: učitelj %1 je pri tem predmetu vpisan dvakrat.")
                             .arg(m.ucitelji[size_t(p.izvajalci[size_t(j)].ucitelj)].oznaka);
                return;
            }
    bool fiksniDan[StDni] = {};
    const std::vector<int> bloki = BlokiZaRazporediti(m, u, fiksniDan);
    int naVoljo = 0;
    const int potrebnih = ManjkajociDnevi(m, priprava, u, bloki, fiksniDan, -1, naVoljo);
    if (potrebnih == 0)
        return;
    n.nemogoce = true;
    if (bloki.size() > 5) {
        n.opis = QStringLiteral("Ni mogoče razporediti: ure predmeta so razdeljene na več dni, kot jih ima teden.");
        return;
    }
    QString vzrok = QStringLiteral("okvir, prepovedane ure in stalni predmeti");
    int dni = 0;
    if (ManjkajociDnevi(m, priprava, u, bloki, fiksniDan, 0, dni) > 0) {
        vzrok = QStringLiteral("okvir oddelka");
    } else {
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
            const int t = p.izvajalci[size_t(j)].ucitelj;
            if (t >= 1 && ManjkajociDnevi(m, priprava, u, bloki, fiksniDan, t, dni) > 0) {
                vzrok = QStringLiteral("prepovedane ure učitelja %1").arg(m.ucitelji[size_t(t)].oznaka);
                break;
            }
        }
    }
    n.opis = QStringLiteral("Ni mogoče razporediti: dni na voljo %1, potrebnih %2 (%3).")
                 .arg(naVoljo)
                 .arg(potrebnih)
                 .arg(vzrok);
}

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

// The sentence for a unit that other lessons keep out (a unit with too few days or cells for it
// is impossible and explained by PreveriMoznost): every obstacle with the number of cells it
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
    PreveriMoznost(m, priprava, u, n);
    if (!n.nemogoce)
        n.opis = OpisOvir(n);
    // A class whose frame cannot hold all its lessons keeps one of them out whatever is moved.
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k)
        if (const int manjka = ManjkajoceUreOddelka(m, priprava, odd[k]); manjka > 0)
            n.opis += QStringLiteral(" Okvir oddelka %1 ne more sprejeti vseh njegovih ur (manjka %2).")
                          .arg(m.oddelki[size_t(odd[k])].oznaka)
                          .arg(manjka);
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
    int nemogocih = 0;
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const Predavanje &p = m.predavanja[size_t(u)];
        const int ur = std::max(0, p.preostalo) + p.nerazporejeno;
        if (ur > 0 && AnalizirajPredavanje(m, priprava, u).nemogoce) {
            n.predavanja.push_back(u);
            nemogocih += ur;
        }
    }
    // Classes that share no unit miss their periods each on its own.
    int okvirji = 0;
    std::vector<char> steta(m.predavanja.size(), 0);
    for (int o = 1; o <= m.steviloOddelkov(); ++o) {
        const int manjka = ManjkajoceUreOddelka(m, priprava, o);
        if (manjka == 0)
            continue;
        n.oddelki.emplace_back(o, manjka);
        std::vector<int> enote;
        bool deli = false;
        for (int u = 1; u <= m.steviloPredavanj(); ++u) {
            const auto &odd = m.oddelkiPredavanja(u);
            if (std::find(odd.begin() + 1, odd.end(), o) != odd.end()) {
                deli |= steta[size_t(u)] != 0;
                enote.push_back(u);
            }
        }
        if (deli)
            continue;
        okvirji += manjka;
        for (int u : enote)
            steta[size_t(u)] = 1;
    }
    n.ur = std::max(nemogocih, okvirji);
    return n;
}

} // namespace zentrel::engine

#include "AnalizaNerazporejenih.h"

#include "PravilaCelice.h"
#include "Sestavljalnik.h"

#include <algorithm>
#include <map>

namespace zentrel::timetable {

using namespace pravila;

namespace {

// A lesson that no construction moves: fixed by hand ("s") or of a unit placed only by hand.
bool Fiksen(const ModelUrnika &m, int t) {
    return t >= 1 && (m.termini[size_t(t)].tip == QLatin1String("s") ||
                      m.predavanja[size_t(m.termini[size_t(t)].predavanje)].zahtevnost == 0);
}

// Which of the rules no move of another lesson changes are applied: all of them, only the
// frame, or the frame and the forbidden periods of one teacher.
struct StaticnaPravila {
    bool vse = true;
    int ucitelj = 0;
};

bool StaticnoProsta(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura,
                    const StaticnaPravila &pravila) {
    if (!VOkvirju(m, priprava, u, dan, ura))
        return false;
    const Predavanje &p = m.predavanja[size_t(u)];
    if (!pravila.vse)
        return pravila.ucitelj < 1 || !m.ucitelji[size_t(pravila.ucitelj)].prepovedano(dan, ura);
    if (!NiPrepovedano(m, u, dan, ura))
        return false;
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k)
        if (Fiksen(m, m.oddelki[size_t(odd[k])].zasedenost(dan, ura)))
            return false;
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const IzvajalecPredavanja &e = p.izvajalci[size_t(j)];
        if (e.ucitelj >= 1 && Fiksen(m, m.ucitelji[size_t(e.ucitelj)].zasedenost(dan, ura).termin))
            return false;
        if (e.skupinaProstorov < 1)
            continue;
        bool soba = false;
        for (size_t k = 1; k < m.prostori[size_t(e.skupinaProstorov)].clani.size() && !soba; ++k) {
            const ProstorUrnika &r = m.prostori[size_t(m.prostori[size_t(e.skupinaProstorov)].clani[k])];
            soba = !r.prepovedano(dan, ura) && !Fiksen(m, r.zasedenost(dan, ura).termin);
        }
        if (!soba)
            return false;
    }
    return true;
}

// The blocks the unit still has to place: those left and those placed on days it may leave, the
// longest first.
std::vector<int> BlokiZaRazporediti(const ModelUrnika &m, int u, bool fiksniDan[StDni]) {
    const Predavanje &p = m.predavanja[size_t(u)];
    std::vector<int> bloki;
    for (int r = std::max(0, p.preostalo) + p.nerazporejeno; r > 0;) {
        const int b = std::max(1, DolzinaBlokaPredavanja(p, r));
        bloki.push_back(b);
        r -= b;
    }
    const auto &odd = m.oddelkiPredavanja(u);
    for (int dan = 1; dan <= 5 && odd.size() > 1; ++dan) {
        int ur = 0;
        fiksniDan[dan] = false;
        for (int ura = 0; ura < StUr; ++ura) {
            const int t = m.oddelki[size_t(odd[1])].zasedenost(dan, ura);
            if (t >= 1 && m.termini[size_t(t)].predavanje == u) {
                ++ur;
                fiksniDan[dan] |= Fiksen(m, t);
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
                    const bool fiksniDan[StDni], const StaticnaPravila &pravila, int &naVoljo) {
    int najdaljsi[StDni] = {};
    for (int dan = 1; dan <= 5; ++dan) {
        if (fiksniDan[dan])
            continue;
        for (int ura = 0, zapored = 0; ura < StUr; ++ura) {
            zapored = StaticnoProsta(m, priprava, u, dan, ura, pravila) ? zapored + 1 : 0;
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
    const int potrebnih = ManjkajociDnevi(m, priprava, u, bloki, fiksniDan, {}, naVoljo);
    if (potrebnih == 0)
        return;
    n.nemogoce = true;
    if (bloki.size() > 5) {
        n.opis = QStringLiteral("Ni mogoče razporediti: ure predmeta so razdeljene na več dni, kot jih ima teden.");
        return;
    }
    QString vzrok = QStringLiteral("okvir, prepovedane ure in stalni predmeti");
    int dni = 0;
    if (ManjkajociDnevi(m, priprava, u, bloki, fiksniDan, {false, 0}, dni) > 0) {
        vzrok = QStringLiteral("okvir oddelka");
    } else {
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
            const int t = p.izvajalci[size_t(j)].ucitelj;
            if (t >= 1 && ManjkajociDnevi(m, priprava, u, bloki, fiksniDan, {false, t}, dni) > 0) {
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
    for (const CelicaOkvirja &c : n.celice) {
        if (c.danZaseden)
            continue;
        prostih += c.ovire.empty() ? 1 : 0;
        for (const OviraCelice &o : c.ovire) {
            const QString b = BesediloOvire(o);
            if (stevci[b]++ == 0)
                vrstni << b;
        }
    }
    if (prostih > 0)
        return n.blok >= 2 ? QStringLiteral("V okvirju ni %1 zaporednih prostih ur.").arg(n.blok)
                           : QStringLiteral("V okvirju je prosto mesto, a sestavljanje ga ni uporabilo.");
    std::stable_sort(vrstni.begin(), vrstni.end(),
                     [&](const QString &a, const QString &b) { return stevci[a] > stevci[b]; });
    QStringList deli;
    for (const QString &b : vrstni)
        deli << QStringLiteral("%1 (%2)").arg(b).arg(stevci[b]);
    return QStringLiteral("V okvirju ni prostega mesta: ") + deli.join(QStringLiteral(", ")) + u'.';
}

} // namespace

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
    n.blok = n.ur > 0 ? std::max(1, DolzinaBlokaPredavanja(p, n.ur)) : 0;
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
    return n;
}

std::vector<NerazporejenoPredavanje> AnalizirajNerazporejene(const ModelUrnika &m, const PripravaUrnika &priprava) {
    std::vector<NerazporejenoPredavanje> seznam;
    for (int u = 1; u <= m.steviloPredavanj(); ++u)
        if (std::max(0, m.predavanja[size_t(u)].preostalo) + m.predavanja[size_t(u)].nerazporejeno > 0)
            seznam.push_back(AnalizirajPredavanje(m, priprava, u));
    return seznam;
}

} // namespace zentrel::timetable

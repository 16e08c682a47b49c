#include "StaticnaPravila.h"

#include "PravilaCelice.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace zentrel::engine {

using namespace pravila;

bool FiksenTermin(const ModelUrnika &m, int t) {
    return t >= 1 && (m.termini[size_t(t)].tip == QLatin1String("s") ||
                      m.predavanja[size_t(m.termini[size_t(t)].predavanje)].zahtevnost == 0);
}

bool BlokPremakljiv(const ModelUrnika &m, int u, int dan) {
    const Predavanje &p = m.predavanja[size_t(u)];
    if (p.skupinaOddelkov < 1 || p.zahtevnost == 0)
        return false;
    for (int t : m.terminiNaDan(u, dan))
        if (m.termini[size_t(t)].tip == QLatin1String("s"))
            return false;
    return true;
}

bool StaticnoProsta(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int samoUcitelj) {
    if (!VOkvirju(m, priprava, u, dan, ura))
        return false;
    if (samoUcitelj >= 0)
        return samoUcitelj == 0 || !m.ucitelji[size_t(samoUcitelj)].prepovedano(dan, ura);
    if (!NiPrepovedano(m, u, dan, ura))
        return false;
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k)
        if (FiksenTermin(m, m.oddelki[size_t(odd[k])].zasedenost(dan, ura)))
            return false;
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const IzvajalecPredavanja &e = p.izvajalci[size_t(j)];
        if (e.ucitelj >= 1 && FiksenTermin(m, m.ucitelji[size_t(e.ucitelj)].zasedenost(dan, ura).termin))
            return false;
        if (e.skupinaProstorov < 1)
            continue;
        bool soba = false;
        for (size_t k = 1; k < m.prostori[size_t(e.skupinaProstorov)].clani.size() && !soba; ++k) {
            const ProstorUrnika &r = m.prostori[size_t(m.prostori[size_t(e.skupinaProstorov)].clani[k])];
            soba = !r.prepovedano(dan, ura) && !FiksenTermin(m, r.zasedenost(dan, ura).termin);
        }
        if (!soba)
            return false;
    }
    return true;
}

int ManjkajoceUreOddelka(const ModelUrnika &m, const PripravaUrnika &priprava, int oddelek) {
    // One slot per period still for the construction to place or move; the cells each may take.
    std::vector<std::vector<int>> celiceMest;
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const Predavanje &p = m.predavanja[size_t(u)];
        const auto &odd = m.oddelkiPredavanja(u);
        if (p.zahtevnost == 0 || std::find(odd.begin() + 1, odd.end(), oddelek) == odd.end())
            continue;
        int fiksnih = 0;
        std::vector<int> celice;
        for (int dan = 1; dan <= 5; ++dan)
            for (int ura = 0; ura < StUr; ++ura) {
                const int t = m.oddelki[size_t(oddelek)].zasedenost(dan, ura);
                if (t >= 1 && m.termini[size_t(t)].predavanje == u && FiksenTermin(m, t))
                    ++fiksnih;
                else if (StaticnoProsta(m, priprava, u, dan, ura))
                    celice.push_back(dan * StUr + ura);
            }
        for (int i = fiksnih; i < p.tedenskeUre; ++i)
            celiceMest.push_back(celice);
    }
    // Kuhn's matching of slots to cells.
    std::vector<int> lastnik(StDni * StUr, -1);
    std::vector<char> obiskana;
    const std::function<bool(int)> dodeli = [&](int mesto) {
        for (int c : celiceMest[size_t(mesto)]) {
            if (obiskana[size_t(c)])
                continue;
            obiskana[size_t(c)] = 1;
            if (lastnik[size_t(c)] < 0 || dodeli(lastnik[size_t(c)])) {
                lastnik[size_t(c)] = mesto;
                return true;
            }
        }
        return false;
    };
    int manjka = 0;
    for (int mesto = 0; mesto < int(celiceMest.size()); ++mesto) {
        obiskana.assign(StDni * StUr, 0);
        manjka += dodeli(mesto) ? 0 : 1;
    }
    return manjka;
}

} // namespace zentrel::engine

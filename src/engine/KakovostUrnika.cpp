#include "KakovostUrnika.h"

#include <bit>
#include <map>

namespace zentrel::engine {

int LuknjeDneva(int zasedeneUre) {
    if (zasedeneUre == 0)
        return 0;
    const unsigned maska = unsigned(zasedeneUre);
    const int prva = std::countr_zero(maska);
    const int zadnja = 31 - std::countl_zero(maska);
    return zadnja - prva + 1 - std::popcount(maska);
}

int ZasedeneUreOddelka(const ModelUrnika &m, int oddelek, int dan) {
    int maska = 0;
    for (int ura = 0; ura < StUr; ++ura)
        if (m.oddelki[size_t(oddelek)].zasedenost(dan, ura) >= 1)
            maska |= 1 << ura;
    return maska;
}

std::vector<std::vector<int>> SorodnaPredavanja(const ModelUrnika &m) {
    std::map<std::pair<int, int>, std::vector<int>> poPredmetu;
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const Predavanje &p = m.predavanja[size_t(u)];
        if (p.skupinaOddelkov >= 1)
            poPredmetu[{p.skupinaOddelkov, p.skupinaPredmetov}].push_back(u);
    }
    std::vector<std::vector<int>> sorodna(m.predavanja.size());
    for (const auto &[kljuc, enote] : poPredmetu)
        for (int u : enote)
            for (int v : enote)
                if (u != v)
                    sorodna[size_t(u)].push_back(v);
    return sorodna;
}

int SkupniDnevi(const ModelUrnika &m, int u, int v) {
    int dni = 0;
    for (int dan = 1; dan <= 5; ++dan)
        dni += m.imaTerminNaDan(u, dan) && m.imaTerminNaDan(v, dan) ? 1 : 0;
    return dni;
}

KakovostUrnika Kakovost(const ModelUrnika &m) {
    KakovostUrnika k;
    for (int dan = 1; dan <= 5; ++dan) {
        for (int t = 1; t <= m.steviloUciteljev(); ++t)
            k.luknjeUciteljev += LuknjeDneva(m.ucitelji[size_t(t)].zasedeneUre[dan]);
        for (int o = 1; o <= m.steviloOddelkov(); ++o)
            k.luknjeOddelkov += LuknjeDneva(ZasedeneUreOddelka(m, o, dan));
    }
    const std::vector<std::vector<int>> sorodna = SorodnaPredavanja(m);
    for (int u = 1; u < int(sorodna.size()); ++u)
        for (int v : sorodna[size_t(u)])
            k.ponovitve += v > u ? SkupniDnevi(m, u, v) : 0;
    return k;
}

} // namespace zentrel::engine

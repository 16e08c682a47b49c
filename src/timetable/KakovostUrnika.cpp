#include "KakovostUrnika.h"

#include <bit>
#include <map>

namespace zentrel::timetable {

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

std::vector<std::pair<int, int>> SorodnaPredavanja(const ModelUrnika &m) {
    std::map<std::pair<int, int>, std::vector<int>> poPredmetu;
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const Predavanje &p = m.predavanja[size_t(u)];
        if (p.skupinaOddelkov >= 1)
            poPredmetu[{p.skupinaOddelkov, p.skupinaPredmetov}].push_back(u);
    }
    std::vector<std::pair<int, int>> pari;
    for (const auto &[kljuc, enote] : poPredmetu)
        for (size_t i = 0; i < enote.size(); ++i)
            for (size_t j = i + 1; j < enote.size(); ++j)
                pari.emplace_back(enote[i], enote[j]);
    return pari;
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
    for (const auto &[u, v] : SorodnaPredavanja(m))
        k.ponovitve += SkupniDnevi(m, u, v);
    return k;
}

} // namespace zentrel::timetable

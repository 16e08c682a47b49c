#include "KakovostUrnika.h"

#include <algorithm>
#include <bit>

namespace zentrel::engine {

int Utezeno(const KakovostUrnika &k) {
    constexpr int UtezPonovitve = 3;
    constexpr int UtezOddelka = 2;
    return k.luknjeUciteljev + UtezOddelka * k.luknjeOddelkov + UtezPonovitve * (k.ponovitve + k.izbirniBloki);
}

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

namespace {

// The subjects of the places of a class's day, once per place (each run of consecutive periods of
// one unit, and the unit `dodano` added), into `predmeti`; returns the elective places, which have
// no subjects there.
int PredmetiMest(const ModelUrnika &m, int oddelek, int dan, int dodano, std::vector<int> &predmeti) {
    int mesta[StUr + 1];
    int n = 0;
    int prejsnje = 0;
    for (int ura = 0; ura < StUr; ++ura) {
        const int t = m.oddelki[size_t(oddelek)].zasedenost(dan, ura);
        const int u = t >= 1 ? m.termini[size_t(t)].predavanje : 0;
        if (u >= 1 && u != prejsnje)
            mesta[n++] = u;
        prejsnje = u;
    }
    if (dodano >= 1)
        mesta[n++] = dodano;
    int izbirnih = 0;
    for (int i = 0; i < n; ++i) {
        const Predavanje &p = m.predavanja[size_t(mesta[i])];
        if (p.skupinaOddelkov >= 1 && m.skupineOddelkov[size_t(p.skupinaOddelkov)].izbirna) {
            ++izbirnih;
            continue;
        }
        const size_t od = predmeti.size();
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
            const int s = p.izvajalci[size_t(j)].predmet;
            if (std::find(predmeti.begin() + long(od), predmeti.end(), s) == predmeti.end())
                predmeti.push_back(s);
        }
    }
    return izbirnih;
}

// Places of a day's list beyond the first of each subject; sorts the list.
int Ponovitve(std::vector<int> &predmeti) {
    std::sort(predmeti.begin(), predmeti.end());
    int ponovitev = 0;
    for (size_t i = 1; i < predmeti.size(); ++i)
        ponovitev += predmeti[i] == predmeti[i - 1] ? 1 : 0;
    return ponovitev;
}

// Places of one subject beyond the days of the week, summed over the subjects of the list; sorts
// the list.
int MestaCezDni(std::vector<int> &predmeti) {
    std::sort(predmeti.begin(), predmeti.end());
    int cez = 0;
    for (size_t i = 0, j = 0; i < predmeti.size(); i = j) {
        while (j < predmeti.size() && predmeti[j] == predmeti[i])
            ++j;
        cez += std::max(0, int(j - i) - DniTedna);
    }
    return cez;
}

} // namespace

KakovostUrnika PonovitveDneva(const ModelUrnika &m, int oddelek, int dan, int dodano) {
    // Kept between calls, as the completion step asks for every move it weighs.
    static thread_local std::vector<int> predmeti;
    predmeti.clear();
    KakovostUrnika k;
    k.izbirniBloki = std::max(0, PredmetiMest(m, oddelek, dan, dodano, predmeti) - 1);
    k.ponovitve = Ponovitve(predmeti);
    return k;
}

KakovostUrnika DodanePonovitve(const ModelUrnika &m, int u, int dan) {
    KakovostUrnika r;
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k) {
        const KakovostUrnika prej = PonovitveDneva(m, odd[k], dan), potem = PonovitveDneva(m, odd[k], dan, u);
        r.ponovitve += potem.ponovitve - prej.ponovitve;
        r.izbirniBloki += potem.izbirniBloki - prej.izbirniBloki;
    }
    return r;
}

KakovostUrnika DodaneLuknje(const ModelUrnika &m, int u, int dan, int ura, int dolzina) {
    KakovostUrnika r;
    const int biti = ((1 << dolzina) - 1) << ura;
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
        if (const int uc = p.izvajalci[size_t(j)].ucitelj; uc >= 1) {
            const int maska = m.ucitelji[size_t(uc)].zasedeneUre[dan];
            r.luknjeUciteljev += LuknjeDneva(maska | biti) - LuknjeDneva(maska);
        }
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k) {
        const int maska = ZasedeneUreOddelka(m, odd[k], dan);
        r.luknjeOddelkov += LuknjeDneva(maska | biti) - LuknjeDneva(maska);
    }
    return r;
}

KakovostUrnika RazlikaPonovitev(const ModelUrnika &m, int u, int dan0, int dan1) {
    KakovostUrnika r;
    if (dan0 == dan1)
        return r;
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k) {
        const KakovostUrnika prej0 = PonovitveDneva(m, odd[k], dan0, u), prej1 = PonovitveDneva(m, odd[k], dan1);
        const KakovostUrnika potem0 = PonovitveDneva(m, odd[k], dan0), potem1 = PonovitveDneva(m, odd[k], dan1, u);
        r.ponovitve += potem0.ponovitve + potem1.ponovitve - prej0.ponovitve - prej1.ponovitve;
        r.izbirniBloki += potem0.izbirniBloki + potem1.izbirniBloki - prej0.izbirniBloki - prej1.izbirniBloki;
    }
    return r;
}

KakovostUrnika Kakovost(const ModelUrnika &m) {
    KakovostUrnika k;
    for (int dan = 1; dan <= DniTedna; ++dan)
        for (int t = 1; t <= m.steviloUciteljev(); ++t)
            k.luknjeUciteljev += LuknjeDneva(m.ucitelji[size_t(t)].zasedeneUre[dan]);
    std::vector<int> tedna, dneva;
    for (int o = 1; o <= m.steviloOddelkov(); ++o) {
        tedna.clear();
        for (int dan = 1; dan <= DniTedna; ++dan) {
            k.luknjeOddelkov += LuknjeDneva(ZasedeneUreOddelka(m, o, dan));
            dneva.clear();
            k.izbirniBloki += std::max(0, PredmetiMest(m, o, dan, 0, dneva) - 1);
            tedna.insert(tedna.end(), dneva.begin(), dneva.end());
            k.ponovitve += Ponovitve(dneva);
        }
        k.neizogibnePonovitve += MestaCezDni(tedna);
    }
    return k;
}

} // namespace zentrel::engine

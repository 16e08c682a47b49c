#include "PravilaCelice.h"

namespace zentrel::timetable::pravila {

bool VOkvirju(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura) {
    const int s = m.predavanja[size_t(u)].skupinaOddelkov;
    return s >= 1 && priprava.okvirjiSkupin[size_t(s)].okvir(dan, ura) == 1;
}

bool OddelkiProsti(const ModelUrnika &m, int u, int dan, int ura) {
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k)
        if (m.oddelki[size_t(odd[k])].zasedenost(dan, ura) >= 1)
            return false;
    return true;
}

bool UciteljiProsti(const ModelUrnika &m, int u, int dan, int ura) {
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int t = p.izvajalci[size_t(j)].ucitelj;
        if (t >= 1 && m.ucitelji[size_t(t)].zasedenost(dan, ura).termin >= 1)
            return false;
    }
    return true;
}

bool RazponUcitelja(const UciteljUrnika &t, int dan, int ura) {
    int maska = 0;
    if (ura >= 7)
        maska |= (1 << (ura - 6)) - 1; // periods 0..ura-7
    if (ura <= 8)
        maska |= (0xFFFF >> (ura + 7)) << (ura + 7); // periods ura+7..15
    return (t.zasedeneUre[dan] & maska) == 0;
}

bool RazponUciteljev(const ModelUrnika &m, int u, int dan, int ura) {
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int t = p.izvajalci[size_t(j)].ucitelj;
        if (t >= 1 && !RazponUcitelja(m.ucitelji[size_t(t)], dan, ura))
            return false;
    }
    return true;
}

bool NiPrepovedano(const ModelUrnika &m, int u, int dan, int ura) {
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k)
        if (m.oddelki[size_t(odd[k])].prepovedano(dan, ura))
            return false;
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int t = p.izvajalci[size_t(j)].ucitelj;
        if (t >= 1 && m.ucitelji[size_t(t)].prepovedano(dan, ura))
            return false;
    }
    return true;
}

bool ProstorUstreza(const ModelUrnika &m, int prostor, int dan, int ura) {
    const ProstorUrnika &r = m.prostori[size_t(prostor)];
    return r.zasedenost(dan, ura).termin < 1 && !r.prepovedano(dan, ura);
}

namespace {

bool Zaseden(const int *izbrane, const char *koncan, int n, int soba) {
    for (int j = 1; j <= n; ++j)
        if (koncan[j] && izbrane[j] == soba)
            return true;
    return false;
}

} // namespace

bool ProstoriNaVoljo(const ModelUrnika &m, int u, int dan, int ura, int *izbrane) {
    const Predavanje &p = m.predavanja[size_t(u)];
    const int n = p.steviloIzvajalcev();
    if (n == 1) {
        izbrane[1] = 0;
        const int g = p.izvajalci[1].skupinaProstorov;
        if (g < 1)
            return true;
        const auto &clani = m.prostori[size_t(g)].clani;
        for (size_t k = 1; k < clani.size(); ++k)
            if (ProstorUstreza(m, clani[k], dan, ura)) {
                izbrane[1] = clani[k];
                return true;
            }
        return false;
    }
    // Done flags live on the stack: a unit has few entries, and the hot loop must not allocate.
    constexpr int Najvec = 64;
    char koncan[Najvec + 1] = {};
    if (n > Najvec)
        return false;
    for (int j = 1; j <= n; ++j) {
        izbrane[j] = 0;
        const int g = p.izvajalci[size_t(j)].skupinaProstorov;
        if (g < 1) {
            koncan[j] = 1;
            continue;
        }
        const ProstorUrnika &skupina = m.prostori[size_t(g)];
        if (skupina.steviloClanov() == 0)
            return false;
        if (skupina.steviloClanov() == 1) {
            if (!ProstorUstreza(m, skupina.clani[1], dan, ura))
                return false;
            izbrane[j] = skupina.clani[1];
            koncan[j] = 1;
        }
    }
    int prejsnja = 1;
    for (;;) {
        int s = 0;
        for (int j = 1; j <= n; ++j) {
            if (koncan[j])
                continue;
            const int c = m.prostori[size_t(p.izvajalci[size_t(j)].skupinaProstorov)].steviloClanov();
            if (c > prejsnja && (s == 0 || c < s))
                s = c;
        }
        if (s == 0)
            return true;
        for (int j = 1; j <= n; ++j) {
            if (koncan[j])
                continue;
            const auto &clani = m.prostori[size_t(p.izvajalci[size_t(j)].skupinaProstorov)].clani;
            if (int(clani.size()) - 1 != s)
                continue;
            for (size_t k = 1; k < clani.size() && !koncan[j]; ++k)
                if (!Zaseden(izbrane, koncan, n, clani[k]) && ProstorUstreza(m, clani[k], dan, ura)) {
                    izbrane[j] = clani[k];
                    koncan[j] = 1;
                }
            if (!koncan[j])
                return false;
        }
        prejsnja = s;
    }
}

bool CelicaUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int *izbrane) {
    return VOkvirju(m, priprava, u, dan, ura) && OddelkiProsti(m, u, dan, ura) && UciteljiProsti(m, u, dan, ura) &&
           RazponUciteljev(m, u, dan, ura) && NiPrepovedano(m, u, dan, ura) && ProstoriNaVoljo(m, u, dan, ura, izbrane);
}

bool BlokUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int b, int *izbrane) {
    if (ura + b - 1 > ZadnjaUra)
        return false;
    for (int q = ura; q < ura + b; ++q)
        if (!CelicaUstreza(m, priprava, u, dan, q, izbrane))
            return false;
    return true;
}

bool SprosceniTest(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura) {
    return VOkvirju(m, priprava, u, dan, ura) && NiPrepovedano(m, u, dan, ura) && RazponUciteljev(m, u, dan, ura);
}

} // namespace zentrel::timetable::pravila

#include "RocnaPravila.h"

#include <algorithm>

using namespace zentrel::engine;

namespace zentrel::timetable::rocno {

namespace {

bool Zaseden(const ModelUrnika &m, int soba, int dan, int ura) {
    return m.prostori[size_t(soba)].zasedenost(dan, ura).termin >= 1;
}

bool SobaPrepovedana(const ModelUrnika &m, int soba, int dan, int ura) {
    return m.prostori[size_t(soba)].prepovedano(dan, ura);
}

int Skupina(const ModelUrnika &m, const Termin &t, size_t z) {
    return m.predavanja[size_t(t.predavanje)].izvajalci[size_t(t.zasedbe[z].izvajalec)].skupinaProstorov;
}

int Ucitelj(const ModelUrnika &m, const Termin &t, size_t z) {
    return m.predavanja[size_t(t.predavanje)].izvajalci[size_t(t.zasedbe[z].izvajalec)].ucitelj;
}

void Dodaj(std::vector<int> &seznam, int t) {
    if (t >= 1 && std::find(seznam.begin(), seznam.end(), t) == seznam.end())
        seznam.push_back(t);
}

} // namespace

Termin NovTermin(const ModelUrnika &m, int u) {
    Termin t;
    t.predavanje = u;
    for (int j = 1; j <= m.predavanja[size_t(u)].steviloIzvajalcev(); ++j)
        t.zasedbe.push_back({0, j, 0});
    return t;
}

IzbiraProstorov IzberiProstore(const ModelUrnika &m, const Termin &t, int dan, int ura) {
    IzbiraProstorov r;
    const size_t n = t.zasedbe.size();
    r.prostori.assign(n, 0);
    std::vector<char> koncan(n, 0);
    // A room of a group of several rooms is one entry's alone; single rooms may be shared.
    auto vzeta = [&](int soba, size_t razen) {
        for (size_t k = 1; k < n; ++k)
            if (k != razen && koncan[k] && r.prostori[k] == soba)
                return true;
        return false;
    };
    for (size_t z = 1; z < n; ++z) {
        const int prej = t.zasedbe[z].prostor;
        if (Skupina(m, t, z) < 1) {
            koncan[z] = 1;
        } else if (prej >= 1 && !Zaseden(m, prej, dan, ura) && !SobaPrepovedana(m, prej, dan, ura)) {
            r.prostori[z] = prej;
            koncan[z] = 1;
        }
    }
    for (size_t z = 1; z < n; ++z) {
        if (koncan[z])
            continue;
        const ProstorUrnika &g = m.prostori[size_t(Skupina(m, t, z))];
        if (g.steviloClanov() == 0) {
            koncan[z] = 1; // a group without rooms leaves the entry without a room
        } else if (g.steviloClanov() == 1) {
            r.prostori[z] = g.clani[1];
            koncan[z] = 1;
            if (Zaseden(m, g.clani[1], dan, ura))
                Dodaj(r.vNapoto, m.prostori[size_t(g.clani[1])].zasedenost(dan, ura).termin);
        }
    }
    // Groups of several rooms, the smallest first, as the construction assigns them.
    std::vector<size_t> vecji;
    for (size_t z = 1; z < n; ++z)
        if (!koncan[z])
            vecji.push_back(z);
    std::stable_sort(vecji.begin(), vecji.end(), [&](size_t a, size_t b) {
        return m.prostori[size_t(Skupina(m, t, a))].steviloClanov() <
               m.prostori[size_t(Skupina(m, t, b))].steviloClanov();
    });
    for (size_t z : vecji) {
        int prva = 0, dovoljena = 0, prostih = 0;
        for (int soba : ProstiClani(m, Skupina(m, t, z), dan, ura)) {
            if (vzeta(soba, z))
                continue;
            ++prostih;
            if (prva == 0)
                prva = soba;
            if (dovoljena == 0 && !SobaPrepovedana(m, soba, dan, ura))
                dovoljena = soba;
        }
        if (prva == 0) {
            r.vsiZasedeni = true;
            continue;
        }
        r.prostori[z] = dovoljena ? dovoljena : prva;
        koncan[z] = 1;
        if (prostih > 1)
            r.izbirne.push_back(int(z));
    }
    return r;
}

VNapoto PreveriCelico(const ModelUrnika &m, const Termin &t, int dan, int ura) {
    VNapoto v;
    const auto &odd = m.oddelkiPredavanja(t.predavanje);
    for (size_t k = 1; k < odd.size(); ++k)
        Dodaj(v.termini, m.oddelki[size_t(odd[k])].zasedenost(dan, ura));
    for (size_t z = 1; z < t.zasedbe.size(); ++z) {
        const int uc = Ucitelj(m, t, z);
        if (uc >= 1)
            Dodaj(v.termini, m.ucitelji[size_t(uc)].zasedenost(dan, ura).termin);
    }
    const IzbiraProstorov p = IzberiProstore(m, t, dan, ura);
    for (int x : p.vNapoto)
        Dodaj(v.termini, x);
    v.vsiProstoriZasedeni = p.vsiZasedeni;
    return v;
}

bool Prepovedano(const ModelUrnika &m, const Termin &t, const std::vector<int> &prostori, int dan, int ura) {
    const auto &odd = m.oddelkiPredavanja(t.predavanje);
    for (size_t k = 1; k < odd.size(); ++k)
        if (m.oddelki[size_t(odd[k])].prepovedano(dan, ura))
            return true;
    for (size_t z = 1; z < t.zasedbe.size(); ++z) {
        const int uc = Ucitelj(m, t, z);
        if (uc >= 1 && m.ucitelji[size_t(uc)].prepovedano(dan, ura))
            return true;
    }
    for (size_t z = 1; z < prostori.size(); ++z)
        if (prostori[z] >= 1 && SobaPrepovedana(m, prostori[z], dan, ura))
            return true;
    return false;
}

ZastavicePrenosa Zastavice(const ModelUrnika &m, const Termin &t, int dan, int ura) {
    ZastavicePrenosa f;
    const auto &odd = m.oddelkiPredavanja(t.predavanje);
    for (size_t k = 1; k < odd.size(); ++k) {
        const OddelekUrnika &o = m.oddelki[size_t(odd[k])];
        f.oddelekZaseden |= o.zasedenost(dan, ura) >= 1;
        f.oddelekPrepovedan |= o.prepovedano(dan, ura);
    }
    for (size_t z = 1; z < t.zasedbe.size(); ++z) {
        const int uc = Ucitelj(m, t, z);
        if (uc >= 1) {
            f.uciteljZaseden |= m.ucitelji[size_t(uc)].zasedenost(dan, ura).termin >= 1;
            f.uciteljPrepovedan |= m.ucitelji[size_t(uc)].prepovedano(dan, ura);
        }
        const int g = Skupina(m, t, z);
        if (g < 1 || m.prostori[size_t(g)].steviloClanov() == 0)
            continue;
        std::vector<int> kandidati(m.prostori[size_t(g)].clani.begin() + 1, m.prostori[size_t(g)].clani.end());
        if (t.zasedbe[z].prostor >= 1)
            kandidati.push_back(t.zasedbe[z].prostor);
        bool uporaben = false, vsiPrepovedani = true;
        for (int soba : kandidati) {
            const bool prepovedan = SobaPrepovedana(m, soba, dan, ura);
            vsiPrepovedani &= prepovedan;
            uporaben |= !prepovedan && !Zaseden(m, soba, dan, ura);
        }
        f.prostorPrepovedan |= vsiPrepovedani;
        f.prostorZaseden |= !uporaben && !vsiPrepovedani;
    }
    return f;
}

std::vector<int> ProstiClani(const ModelUrnika &m, int skupina, int dan, int ura) {
    std::vector<int> proste;
    if (skupina < 1)
        return proste;
    const auto &clani = m.prostori[size_t(skupina)].clani;
    for (size_t k = 1; k < clani.size(); ++k)
        if (!Zaseden(m, clani[k], dan, ura))
            proste.push_back(clani[k]);
    return proste;
}

int TerminPredavanja(const ModelUrnika &m, int u, int dan, int ura) {
    if (dan < 1 || dan > 5 || ura < 0 || ura > ZadnjaUra)
        return 0;
    int t = 0;
    const auto &odd = m.oddelkiPredavanja(u);
    if (odd.size() >= 2) {
        t = m.oddelki[size_t(odd[1])].zasedenost(dan, ura);
    } else {
        const Predavanje &p = m.predavanja[size_t(u)];
        for (int j = 1; j <= p.steviloIzvajalcev() && t == 0; ++j)
            if (p.izvajalci[size_t(j)].ucitelj >= 1)
                t = m.ucitelji[size_t(p.izvajalci[size_t(j)].ucitelj)].zasedenost(dan, ura).termin;
    }
    return t >= 1 && m.termini[size_t(t)].predavanje == u ? t : 0;
}

bool DelBloka(const ModelUrnika &m, int t) {
    const Termin &x = m.termini[size_t(t)];
    return TerminPredavanja(m, x.predavanje, x.dan, x.ura - 1) >= 1 ||
           TerminPredavanja(m, x.predavanje, x.dan, x.ura + 1) >= 1;
}

void Zasedi(ModelUrnika &m, int t) {
    const Termin &x = m.termini[size_t(t)];
    const Predavanje &p = m.predavanja[size_t(x.predavanje)];
    if (p.skupinaOddelkov >= 1)
        m.skupineOddelkov[size_t(p.skupinaOddelkov)].zasedenost(x.dan, x.ura) = t;
    const auto &odd = m.oddelkiPredavanja(x.predavanje);
    for (size_t k = 1; k < odd.size(); ++k)
        m.oddelki[size_t(odd[k])].zasedenost(x.dan, x.ura) = t;
    for (size_t z = 1; z < x.zasedbe.size(); ++z) {
        const int uc = p.izvajalci[size_t(x.zasedbe[z].izvajalec)].ucitelj;
        if (uc >= 1) {
            m.ucitelji[size_t(uc)].zasedenost(x.dan, x.ura) = {t, int(z)};
            m.ucitelji[size_t(uc)].zasedeneUre[x.dan] |= 1 << x.ura;
        }
        const int soba = x.zasedbe[z].prostor;
        if (soba >= 1 && m.prostori[size_t(soba)].zasedenost(x.dan, x.ura).termin < 1)
            m.prostori[size_t(soba)].zasedenost(x.dan, x.ura) = {t, int(z)};
    }
}

void Sprosti(ModelUrnika &m, int t) {
    const Termin &x = m.termini[size_t(t)];
    const Predavanje &p = m.predavanja[size_t(x.predavanje)];
    if (p.skupinaOddelkov >= 1 && m.skupineOddelkov[size_t(p.skupinaOddelkov)].zasedenost(x.dan, x.ura) == t)
        m.skupineOddelkov[size_t(p.skupinaOddelkov)].zasedenost(x.dan, x.ura) = 0;
    const auto &odd = m.oddelkiPredavanja(x.predavanje);
    for (size_t k = 1; k < odd.size(); ++k)
        if (m.oddelki[size_t(odd[k])].zasedenost(x.dan, x.ura) == t)
            m.oddelki[size_t(odd[k])].zasedenost(x.dan, x.ura) = 0;
    for (size_t z = 1; z < x.zasedbe.size(); ++z) {
        const int uc = p.izvajalci[size_t(x.zasedbe[z].izvajalec)].ucitelj;
        if (uc >= 1 && m.ucitelji[size_t(uc)].zasedenost(x.dan, x.ura).termin == t) {
            m.ucitelji[size_t(uc)].zasedenost(x.dan, x.ura) = {};
            m.ucitelji[size_t(uc)].zasedeneUre[x.dan] &= ~(1 << x.ura);
        }
        const int soba = x.zasedbe[z].prostor;
        if (soba >= 1 && m.prostori[size_t(soba)].zasedenost(x.dan, x.ura).termin == t)
            m.prostori[size_t(soba)].zasedenost(x.dan, x.ura) = {};
    }
}

} // namespace zentrel::timetable::rocno

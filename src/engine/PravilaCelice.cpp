#include "PravilaCelice.h"

#include <algorithm>

namespace zentrel::engine::pravila {

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
        if (t < 1)
            continue;
        if (m.ucitelji[size_t(t)].zasedenost(dan, ura).termin >= 1)
            return false;
        for (int i = 1; i < j; ++i)
            if (p.izvajalci[size_t(i)].ucitelj == t)
                return false;
    }
    return true;
}

bool RazponDovoljen(int zasedeneUre, int ura) {
    int maska = 0;
    if (ura >= 7)
        maska |= (1 << (ura - 6)) - 1; // periods 0..ura-7
    if (ura <= 8)
        maska |= (0xFFFF >> (ura + 7)) << (ura + 7); // periods ura+7..15
    return (zasedeneUre & maska) == 0;
}

bool RazponUcitelja(const UciteljUrnika &t, int dan, int ura) {
    return RazponDovoljen(t.zasedeneUre[dan], ura);
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

// True when one of the rooms of placed period t (or, with t < 1, none) lies in a building other than `stavba`.
bool DrugaStavba(const ModelUrnika &m, int t, qint64 stavba) {
    if (t < 1)
        return false;
    for (size_t z = 1; z < m.termini[size_t(t)].zasedbe.size(); ++z) {
        const int r = m.termini[size_t(t)].zasedbe[z].prostor;
        if (r >= 1 && m.prostori[size_t(r)].stavba != 0 && m.prostori[size_t(r)].stavba != stavba)
            return true;
    }
    return false;
}

} // namespace

bool StavbaUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int soba,
                   const int *prejsnje, bool naslednjiVBloku) {
    if (!priprava.selitev)
        return true;
    const qint64 stavba = m.prostori[size_t(soba)].stavba;
    if (stavba == 0)
        return true;
    if (prejsnje) {
        for (int j = 1; j <= m.predavanja[size_t(u)].steviloIzvajalcev(); ++j)
            if (prejsnje[j] >= 1 && m.prostori[size_t(prejsnje[j])].stavba != 0 &&
                m.prostori[size_t(prejsnje[j])].stavba != stavba)
                return false;
    }
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k) {
        const MrezaDni<int> &zasedenost = m.oddelki[size_t(odd[k])].zasedenost;
        if (!prejsnje && ura > 0 && DrugaStavba(m, zasedenost(dan, ura - 1), stavba))
            return false;
        if (!naslednjiVBloku && ura < ZadnjaUra && DrugaStavba(m, zasedenost(dan, ura + 1), stavba))
            return false;
    }
    return true;
}

namespace {

// The state of one room matching: each entry of a room group is offered its usable members,
// least wanted first; a room already taken may pass on when its entry can switch to another.
class Priredba {
public:
    Priredba(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int *izbrane)
        : m(m), priprava(priprava), p(m.predavanja[size_t(u)]), dan(dan), ura(ura), izbrane(izbrane) {
        m_kandidati.clear();
        m_skupne.clear();
        m_skupinske.clear();
    }

    // Builds the offer of entry j: members passing the room and building tests, not held by an
    // entry of a single room. False when there is none.
    bool ponudi(int u, int j, const int *prejsnje, bool naslednjiVBloku) {
        m_od[j] = int(m_kandidati.size());
        const auto &clani = m.prostori[size_t(p.izvajalci[size_t(j)].skupinaProstorov)].clani;
        for (size_t k = 1; k < clani.size(); ++k) {
            const int r = clani[k];
            if (!zasedenaSkupno(r) && ProstorUstreza(m, r, dan, ura) &&
                StavbaUstreza(m, priprava, u, dan, ura, r, prejsnje, naslednjiVBloku))
                m_kandidati.push_back(r);
        }
        m_do[j] = int(m_kandidati.size());
        // Stable, so that members of equal demand keep their order.
        std::stable_sort(m_kandidati.begin() + m_od[j], m_kandidati.end(),
                         [this](int a, int b) { return povprasevanje(a) < povprasevanje(b); });
        return m_do[j] > m_od[j];
    }
    // Kuhn's augmenting path from entry j.
    bool dodeli(int j) {
        for (int i = m_od[j]; i < m_do[j]; ++i) {
            const int r = m_kandidati[size_t(i)];
            if (std::find(m_obiskane.begin(), m_obiskane.end(), r) != m_obiskane.end())
                continue;
            m_obiskane.push_back(r);
            const int lastnik = lastnikSobe(r);
            if (lastnik == 0 || dodeli(lastnik)) {
                izbrane[j] = r;
                return true;
            }
        }
        return false;
    }
    bool dodeliZnova(int j) {
        m_obiskane.clear();
        return dodeli(j);
    }
    void skupna(int r) { m_skupne.push_back(r); }
    void skupinska(int j) { m_skupinske.push_back(j); }

private:
    float povprasevanje(int r) const {
        return size_t(r) < priprava.povprasevanja.size() ? priprava.povprasevanja[size_t(r)].povprasevanje(dan, ura)
                                                         : 0.0f;
    }
    bool zasedenaSkupno(int r) const { return std::find(m_skupne.begin(), m_skupne.end(), r) != m_skupne.end(); }
    int lastnikSobe(int r) const {
        for (int j : m_skupinske)
            if (izbrane[j] == r)
                return j;
        return 0;
    }

    const ModelUrnika &m;
    const PripravaUrnika &priprava;
    const Predavanje &p;
    int dan, ura;
    int *izbrane;
    int m_od[NajvecIzvajalcev + 1]{};
    int m_do[NajvecIzvajalcev + 1]{};
    // One matching runs at a time; the lists keep their memory, as the cell test is the hot loop.
    static inline thread_local std::vector<int> m_kandidati, m_obiskane, m_skupne, m_skupinske;
};

} // namespace

bool ProstoriNaVoljo(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int *izbrane,
                     const int *prejsnje, bool naslednjiVBloku) {
    const Predavanje &p = m.predavanja[size_t(u)];
    const int n = p.steviloIzvajalcev();
    if (n > NajvecIzvajalcev)
        return false;
    int skupinskih = 0;
    int edina = 0;
    // Entries of a single room take it, and share it with every other entry naming it.
    for (int j = 1; j <= n; ++j) {
        izbrane[j] = 0;
        const int g = p.izvajalci[size_t(j)].skupinaProstorov;
        if (g < 1)
            continue;
        if (m.prostori[size_t(g)].isGroup) {
            ++skupinskih;
            edina = j;
            continue;
        }
        if (!ProstorUstreza(m, g, dan, ura) || !StavbaUstreza(m, priprava, u, dan, ura, g, prejsnje, naslednjiVBloku))
            return false;
        izbrane[j] = g;
    }
    if (skupinskih == 0)
        return true;
    if (skupinskih == 1 && n == 1) {
        // The common case of one entry: the least wanted usable member, without the matching's lists.
        const auto &clani = m.prostori[size_t(p.izvajalci[1].skupinaProstorov)].clani;
        float najmanj = 0;
        for (size_t k = 1; k < clani.size(); ++k) {
            const int r = clani[k];
            const float d = size_t(r) < priprava.povprasevanja.size()
                                ? priprava.povprasevanja[size_t(r)].povprasevanje(dan, ura)
                                : 0.0f;
            if ((izbrane[1] == 0 || d < najmanj) && ProstorUstreza(m, r, dan, ura) &&
                StavbaUstreza(m, priprava, u, dan, ura, r, prejsnje, naslednjiVBloku)) {
                izbrane[1] = r;
                najmanj = d;
            }
        }
        return izbrane[edina] >= 1;
    }
    Priredba priredba(m, priprava, u, dan, ura, izbrane);
    for (int j = 1; j <= n; ++j)
        if (izbrane[j] >= 1)
            priredba.skupna(izbrane[j]);
    for (int j = 1; j <= n; ++j) {
        const int g = p.izvajalci[size_t(j)].skupinaProstorov;
        if (g < 1 || !m.prostori[size_t(g)].isGroup)
            continue;
        if (!priredba.ponudi(u, j, prejsnje, naslednjiVBloku))
            return false;
        priredba.skupinska(j);
        if (!priredba.dodeliZnova(j))
            return false;
    }
    return true;
}

bool CelicaUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int *izbrane,
                   const int *prejsnje, bool naslednjiVBloku) {
    return VOkvirju(m, priprava, u, dan, ura) && OddelkiProsti(m, u, dan, ura) && UciteljiProsti(m, u, dan, ura) &&
           RazponUciteljev(m, u, dan, ura) && NiPrepovedano(m, u, dan, ura) &&
           ProstoriNaVoljo(m, priprava, u, dan, ura, izbrane, prejsnje, naslednjiVBloku);
}

bool BlokUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int b,
                 SobeBloka &sobe) {
    if (b < 1 || ura + b - 1 > ZadnjaUra)
        return false;
    for (int i = 0; i < b; ++i)
        if (!CelicaUstreza(m, priprava, u, dan, ura + i, sobe.soba[i], i > 0 ? sobe.soba[i - 1] : nullptr, i < b - 1))
            return false;
    return true;
}

bool SprosceniTest(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura) {
    return VOkvirju(m, priprava, u, dan, ura) && NiPrepovedano(m, u, dan, ura) && RazponUciteljev(m, u, dan, ura);
}

} // namespace zentrel::engine::pravila

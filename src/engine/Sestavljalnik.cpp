#include "Sestavljalnik.h"

#include "PravilaCelice.h"

#include <algorithm>
#include <cmath>

namespace zentrel::engine {

using namespace pravila;

Sestavljalnik::Sestavljalnik(ModelUrnika &model, PripravaUrnika &priprava, quint32 seme)
    : m(model), m_priprava(priprava), m_rng(seme) {
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        m_skupaj += m.predavanja[size_t(u)].tedenskeUre;
        // A unit with more placed periods than weekly ones must not hide another unit's
        // missing periods from the count.
        m_nerazporejene += std::max(0, m.predavanja[size_t(u)].preostalo) + m.predavanja[size_t(u)].nerazporejeno;
    }
    m_polozaji.assign(m.predavanja.size(), 0);
    m_veljavno.assign(m.predavanja.size(), 0);
    zgradiIndekse();
}

int Sestavljalnik::maksimumNapredka() const {
    return int(std::nearbyint(m_zacetekNapredka * 44.1 / 43));
}

double Sestavljalnik::nakljucno() {
    return double(m_rng()) / 4294967296.0;
}

void Sestavljalnik::napreduj(int ure) {
    m_napredek += ure;
    if (korak)
        korak();
}

int DolzinaBlokaPredavanja(const Predavanje &p, int preostalo) {
    int b;
    if (p.dolzinaBloka >= 2) {
        b = std::min(p.dolzinaBloka, preostalo);
    } else if (p.tedenskeUre <= 5) {
        b = 1;
    } else {
        // Single periods spread over the five days: the first H mod 5 days get one more.
        const int q = p.tedenskeUre / 5;
        int r = p.tedenskeUre % 5;
        int placano = p.tedenskeUre - preostalo;
        for (int i = 0; i < 5 && placano >= 1 && r >= 1; ++i) {
            placano -= q + 1;
            r -= 1;
        }
        b = r >= 1 ? q + 1 : q;
    }
    // Never more than is left to place (hand-placed periods can leave fewer than a block).
    return std::min(b, std::max(preostalo, 0));
}

std::vector<int> KosiPredavanja(const ModelUrnika &m, int u) {
    const Predavanje &p = m.predavanja[size_t(u)];
    const int ur = std::max(0, p.preostalo) + p.nerazporejeno;
    std::vector<int> kosi;
    if (p.dolzinaBloka >= 2 || p.tedenskeUre <= 5) {
        const int dolzina = std::max(1, p.dolzinaBloka);
        for (int r = ur; r > 0; r -= dolzina)
            kosi.push_back(std::min(dolzina, r));
        return kosi;
    }
    int prostih = 0;
    for (int dan = 1; dan <= 5; ++dan)
        prostih += m.imaTerminNaDan(u, dan) ? 0 : 1;
    const int dni = std::min(std::max(prostih, 1), ur);
    for (int i = 0; i < dni; ++i)
        kosi.push_back(ur / dni + (i < ur % dni ? 1 : 0));
    return kosi;
}

int Sestavljalnik::DolzinaBloka(int u) const {
    return DolzinaBlokaPredavanja(m.predavanja[size_t(u)], m.predavanja[size_t(u)].preostalo);
}

void Sestavljalnik::zgradiIndekse() {
    m_predavanjaOddelka.assign(m.oddelki.size(), {});
    m_predavanjaProstora.assign(m.prostori.size(), {});
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const auto &odd = m.oddelkiPredavanja(u);
        for (size_t k = 1; k < odd.size(); ++k)
            m_predavanjaOddelka[size_t(odd[k])].push_back(u);
        const Predavanje &p = m.predavanja[size_t(u)];
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
            const int g = p.izvajalci[size_t(j)].skupinaProstorov;
            if (g < 1)
                continue;
            for (size_t k = 1; k < m.prostori[size_t(g)].clani.size(); ++k)
                m_predavanjaProstora[size_t(m.prostori[size_t(g)].clani[k])].push_back(u);
        }
    }
}

void Sestavljalnik::razveljaviVse() {
    std::fill(m_veljavno.begin(), m_veljavno.end(), 0);
}

// The feasible positions of a unit change only when a cell of one of its classes, teachers or
// candidate rooms changes; placed period t names exactly those of the units around it.
void Sestavljalnik::razveljaviOkoli(int t) {
    const Termin &termin = m.termini[size_t(t)];
    razveljavi(termin.predavanje);
    const auto &odd = m.oddelkiPredavanja(termin.predavanje);
    for (size_t k = 1; k < odd.size(); ++k)
        for (int v : m_predavanjaOddelka[size_t(odd[k])])
            razveljavi(v);
    const Predavanje &p = m.predavanja[size_t(termin.predavanje)];
    for (size_t z = 1; z < termin.zasedbe.size(); ++z) {
        const int uc = p.izvajalci[size_t(termin.zasedbe[z].izvajalec)].ucitelj;
        if (uc >= 1)
            for (size_t k = 1; k < m.ucitelji[size_t(uc)].predavanja.size(); ++k)
                razveljavi(m.ucitelji[size_t(uc)].predavanja[k].predavanje);
        if (termin.zasedbe[z].prostor >= 1)
            for (int v : m_predavanjaProstora[size_t(termin.zasedbe[z].prostor)])
                razveljavi(v);
    }
}

int Sestavljalnik::steviloPolozajev(int u) {
    const int b = DolzinaBloka(u);
    if (b < 1 || b > StUr)
        return 0;
    int n = 0;
    for (int dan = 1; dan <= 5; ++dan) {
        if (m.imaTerminNaDan(u, dan))
            continue;
        // Each cell is tested once; a block fits where b consecutive cells pass.
        int zapored = 0;
        for (int ura = 0; ura < StUr; ++ura) {
            zapored = CelicaUstreza(m, m_priprava, u, dan, ura, m_sobe.soba[0]) ? zapored + 1 : 0;
            if (zapored >= b)
                ++n;
        }
    }
    return n;
}

double Sestavljalnik::PrednostPredavanja(int u) {
    const Predavanje &p = m.predavanja[size_t(u)];
    if (p.preostalo <= 0)
        return 0;
    if (m_brezPredpomnilnika || !m_veljavno[size_t(u)]) {
        m_polozaji[size_t(u)] = steviloPolozajev(u);
        m_veljavno[size_t(u)] = 1;
    }
    const int n = m_polozaji[size_t(u)];
    if (n == 0)
        return -1;
    double w = 3.0 * (int(m.oddelkiPredavanja(u).size()) - 1) + p.steviloIzvajalcev();
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const IzvajalecPredavanja &e = p.izvajalci[size_t(j)];
        if (e.ucitelj >= 1)
            w += 5 * m_priprava.profili[size_t(e.ucitelj)].utez;
        if (e.skupinaProstorov < 1)
            continue;
        const ProstorUrnika &g = m.prostori[size_t(e.skupinaProstorov)];
        if (g.isGroup) {
            if (g.steviloClanov() > 0)
                w += 2.0 / g.steviloClanov();
        } else {
            bool prej = false;
            for (int i = 1; i < j; ++i)
                prej |= p.izvajalci[size_t(i)].skupinaProstorov == e.skupinaProstorov;
            if (!prej)
                w += 2;
        }
    }
    return p.preostalo * w / n;
}

int Sestavljalnik::IzbiraProstora(int u, int izvajalec, int dan, int ura) const {
    const int g = m.predavanja[size_t(u)].izvajalci[size_t(izvajalec)].skupinaProstorov;
    if (g < 1)
        return 0;
    int izbran = 0;
    float meja = 1000.0f;
    const auto &clani = m.prostori[size_t(g)].clani;
    for (size_t k = 1; k < clani.size(); ++k) {
        const int r = clani[k];
        if (ProstorUstreza(m, r, dan, ura) && m_priprava.povprasevanja[size_t(r)].povprasevanje(dan, ura) < meja) {
            meja = m_priprava.povprasevanja[size_t(r)].povprasevanje(dan, ura);
            izbran = r;
        }
    }
    return izbran;
}

double Sestavljalnik::OcenaPolozaja(int u, int dan, int ura, int b) {
    const Predavanje &p = m.predavanja[size_t(u)];
    double ocena = 100000 + 5 * (nakljucno() + 1.1);
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t k = 1; k < odd.size(); ++k) {
        const int c = odd[k];
        const OddelekUrnika &o = m.oddelki[size_t(c)];
        ocena -= 50.0 * std::abs(ura - m_priprava.okvirjiOddelkov[size_t(c)].prvaUra[dan]);
        if (ura > 0 && o.zasedenost(dan, ura - 1) >= 1)
            ocena += 100;
        if (ura + b < StUr && o.zasedenost(dan, ura + b) >= 1)
            ocena += 100;
    }
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int t = p.izvajalci[size_t(j)].ucitelj;
        if (t < 1)
            continue;
        const int maska = m.ucitelji[size_t(t)].zasedeneUre[dan];
        // Adjacent lessons +40, one free period between +20, two 0, further gaps cost 20 each.
        for (int q = ura - 1; q >= 0; --q)
            if (maska & (1 << q)) {
                ocena -= (ura - 1 - q - 2) * 20.0;
                break;
            }
        for (int q = ura + b; q < StUr; ++q)
            if (maska & (1 << q)) {
                ocena -= (q - (ura + b) - 2) * 20.0;
                break;
            }
        const ProfilUcitelja &prof = m_priprava.profili[size_t(t)];
        ocena += (15 - std::fabs(b / 2.0 + ura - prof.sredina)) * 20 * prof.utez;
    }
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
        for (int q = ura; q < ura + b; ++q) {
            const int r = IzbiraProstora(u, j, dan, q);
            if (r >= 1)
                ocena += 10 / (double(m_priprava.povprasevanja[size_t(r)].povprasevanje(dan, q)) + 0.8);
        }
    if (p.zahtevnost == 3 || p.zahtevnost == 1) {
        int obremenitev = 0;
        for (size_t k = 1; k < odd.size(); ++k)
            for (int q = 0; q < StUr; ++q) {
                const int t = m.oddelki[size_t(odd[k])].zasedenost(dan, q);
                if (t >= 1)
                    obremenitev += m.predavanja[size_t(m.termini[size_t(t)].predavanje)].zahtevnost;
            }
        // Hard units prefer light days, easy units heavy ones.
        ocena += p.zahtevnost == 3 ? 30.0 * (10000 - obremenitev) : 30.0 * obremenitev;
    }
    return ocena;
}

void Sestavljalnik::pisi(int &celica, int vrednost) {
    if (m_belezi)
        m_dnevnik.push_back({&celica, celica, -1});
    celica = vrednost;
}

void Sestavljalnik::spremeniPreostalo(Predavanje &p, int razlika) {
    // The count of unplaced periods is the sum of max(Remaining, 0): periods placed beyond a
    // unit's weekly ones neither hide nor add missing ones.
    m_nerazporejene += std::max(p.preostalo + razlika, 0) - std::max(p.preostalo, 0);
    pisi(p.preostalo, p.preostalo + razlika);
}

void Sestavljalnik::pisiDan(int t, int dan) {
    if (m_belezi)
        m_dnevnik.push_back({nullptr, m.termini[size_t(t)].dan, t});
    m.termini[size_t(t)].dan = dan;
}

bool Sestavljalnik::Postavi(int u, int dan, int ura, int b) {
    if (!BlokUstreza(m, m_priprava, u, dan, ura, b, m_sobe))
        return false;
    Predavanje &p = m.predavanja[size_t(u)];
    const int n = p.steviloIzvajalcev();
    for (int i = 0; i < b; ++i) {
        const int q = ura + i;
        const int t = int(m.termini.size());
        Termin novi;
        novi.dan = dan;
        novi.ura = q;
        novi.tip = QStringLiteral("x");
        novi.predavanje = u;
        novi.zasedbe.resize(size_t(n) + 1);
        for (int j = 1; j <= n; ++j)
            novi.zasedbe[size_t(j)] = {0, j, m_sobe.soba[i][j]};
        m.termini.push_back(std::move(novi));
        for (int j = 1; j <= n; ++j) {
            const int r = m_sobe.soba[i][j];
            // Entries sharing one single room enter it once, under the first of them.
            if (r >= 1 && m.prostori[size_t(r)].zasedenost(dan, q).termin != t) {
                ZasedbaCelice &cell = m.prostori[size_t(r)].zasedenost(dan, q);
                pisi(cell.termin, t);
                pisi(cell.zasedba, j);
            }
            const int uc = p.izvajalci[size_t(j)].ucitelj;
            if (uc >= 1) {
                UciteljUrnika &ucitelj = m.ucitelji[size_t(uc)];
                pisi(ucitelj.zasedenost(dan, q).termin, t);
                pisi(ucitelj.zasedenost(dan, q).zasedba, j);
                pisi(ucitelj.zasedeneUre[dan], ucitelj.zasedeneUre[dan] | (1 << q));
            }
        }
        if (p.skupinaOddelkov >= 1)
            pisi(m.skupineOddelkov[size_t(p.skupinaOddelkov)].zasedenost(dan, q), t);
        const auto &odd = m.oddelkiPredavanja(u);
        for (size_t k = 1; k < odd.size(); ++k)
            pisi(m.oddelki[size_t(odd[k])].zasedenost(dan, q), t);
        if (!m_belezi)
            razveljaviOkoli(t);
    }
    spremeniPreostalo(p, -b);
    napreduj(b);
    return true;
}

void Sestavljalnik::PrviKrog() {
    zgradiIndekse();
    razveljaviVse();
    for (;;) {
        double najboljsa = 0; // kept as an integer, as the choice has always been made
        int izbran = 0;
        bool obupaj = false;
        for (int u = 1; u <= m.steviloPredavanj(); ++u) {
            const double prednost = PrednostPredavanja(u);
            if (prednost == -1) {
                izbran = u;
                obupaj = true;
                break;
            }
            if (prednost > najboljsa) {
                najboljsa = std::nearbyint(prednost);
                izbran = u;
            }
        }
        if (izbran == 0)
            return;
        Predavanje &p = m.predavanja[size_t(izbran)];
        const int b = DolzinaBloka(izbran);
        if (!obupaj) {
            double najOcena = 0;
            int najDan = 0;
            int najUra = 0;
            for (int dan = 1; dan <= 5; ++dan) {
                if (m.imaTerminNaDan(izbran, dan))
                    continue;
                for (int ura = 0; ura + b - 1 <= ZadnjaUra; ++ura)
                    if (BlokUstreza(m, m_priprava, izbran, dan, ura, b, m_sobe)) {
                        const double ocena = OcenaPolozaja(izbran, dan, ura, b);
                        if (ocena > najOcena) {
                            najOcena = ocena;
                            najDan = dan;
                            najUra = ura;
                        }
                    }
            }
            if (najDan > 0 && Postavi(izbran, najDan, najUra, b))
                continue;
            // No position scored above 0: give the block up rather than choose it forever.
        }
        p.preostalo -= b;
        p.nerazporejeno += b;
        razveljavi(izbran);
        napreduj(b);
    }
}

void Sestavljalnik::VrniOpuscene() {
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        Predavanje &p = m.predavanja[size_t(u)];
        // Added to what is left, so that nothing a unit still had to place is lost.
        p.preostalo += p.nerazporejeno;
        p.nerazporejeno = 0;
    }
}

void ProsteUcilnice(ModelUrnika &m, int u) {
    Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        int &g = p.izvajalci[size_t(j)].skupinaProstorov;
        if (g < 1 || m.prostori[size_t(g)].steviloClanov() != 1 ||
            m.prostori[size_t(m.prostori[size_t(g)].clani[1])].kabinet)
            continue;
        // Entries sharing one single room (two teachers in one room) keep it: the pool would
        // give each of them a room of its own.
        bool deljena = false;
        for (int i = 1; i <= p.steviloIzvajalcev(); ++i)
            deljena |= i != j && p.izvajalci[size_t(i)].skupinaProstorov == g;
        if (!deljena || m.prostori[size_t(g)].isGroup)
            g = m.prosteUcilnice;
    }
}

void Sestavljalnik::DrugiKrog() {
    for (int u = 1; u <= m.steviloPredavanj(); ++u)
        if (m.predavanja[size_t(u)].nerazporejeno > 0)
            ProsteUcilnice(m, u);
    VrniOpuscene();
    PrviKrog();
}

} // namespace zentrel::engine

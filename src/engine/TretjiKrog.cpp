// The third round of construction: iterative deepening that makes room for unplaced units by
// moving single periods of other units.
//
// Every attempt works against a snapshot. Instead of copying the placed periods, rooms,
// teachers, units and classes at every recursion level, each write made while the round runs
// is recorded with its old value (an undo log); restoring a snapshot replays the log backwards
// to its mark and drops the placed periods appended since. The state reached is the one a full
// copy would give back, at a cost proportional to what the attempt changed.

#include "AnalizaNerazporejenih.h"
#include "PravilaCelice.h"
#include "Sestavljalnik.h"

namespace zentrel::engine {

using namespace pravila;

qint64 Sestavljalnik::msOdZadnjeSpremembe() const {
    return m_tretjiZacetek.isValid() ? m_tretjiZacetek.elapsed() - m_zadnjaSprememba : 0;
}

Sestavljalnik::Oznaka Sestavljalnik::posnetek() {
    if (m_kopiraj)
        m_kopije.push_back({m.termini, m.prostori, m.ucitelji, m.predavanja, m.oddelki, m.skupineOddelkov});
    return {m_dnevnik.size(), m.termini.size(), m_nerazporejene, m_kopije.size()};
}

void Sestavljalnik::opustiPosnetek(const Oznaka &o) {
    if (m_kopiraj)
        m_kopije.resize(o.kopija - 1);
}

void Sestavljalnik::obnovi(const Oznaka &o) {
    if (m_kopiraj) {
        const Kopija &k = m_kopije[o.kopija - 1];
        m.termini = k.termini;
        m.prostori = k.prostori;
        m.ucitelji = k.ucitelji;
        m.predavanja = k.predavanja;
        m.oddelki = k.oddelki;
        m.skupineOddelkov = k.skupine;
        m_nerazporejene = o.nerazporejene;
        return;
    }
    for (size_t i = m_dnevnik.size(); i > o.dnevnik; --i) {
        const Zapis &z = m_dnevnik[i - 1];
        if (z.naslov)
            *z.naslov = z.stara;
        else
            m.termini[size_t(z.termin)].dan = z.stara;
    }
    m_dnevnik.resize(o.dnevnik);
    m.termini.resize(o.termini);
    m_nerazporejene = o.nerazporejene;
}

Sestavljalnik::Oznaka Sestavljalnik::ZacniPoskus() {
    m_belezi = true;
    return posnetek();
}

void Sestavljalnik::PrekliciPoskus(const Oznaka &o) {
    obnovi(o);
    PotrdiPoskus();
}

void Sestavljalnik::PotrdiPoskus() {
    m_dnevnik.clear();
    m_belezi = false;
}

void Sestavljalnik::ZgostiTermine() {
    // In place: the vector keeps its memory, as the search calls this again and again.
    std::vector<int> &novi = m_novaMesta;
    novi.assign(m.termini.size(), 0);
    size_t ohranjenih = 1;
    for (size_t t = 1; t < m.termini.size(); ++t) {
        if (m.termini[t].dan == 0 && m.termini[t].tip == QLatin1String("x"))
            continue;
        novi[t] = int(ohranjenih);
        if (ohranjenih != t)
            m.termini[ohranjenih] = std::move(m.termini[t]);
        ++ohranjenih;
    }
    if (ohranjenih == m.termini.size())
        return;
    m.termini.resize(ohranjenih);
    // Only periods in use are entered in the grids, and every one of them is kept.
    auto preslikaj = [&](int &celica) {
        if (celica >= 1)
            celica = novi[size_t(celica)];
    };
    for (auto &s : m.skupineOddelkov)
        for (auto &vrstica : s.zasedenost.cells)
            for (int &c : vrstica)
                preslikaj(c);
    for (auto &o : m.oddelki)
        for (auto &vrstica : o.zasedenost.cells)
            for (int &c : vrstica)
                preslikaj(c);
    for (auto &u : m.ucitelji)
        for (auto &vrstica : u.zasedenost.cells)
            for (ZasedbaCelice &c : vrstica)
                preslikaj(c.termin);
    for (auto &r : m.prostori)
        for (auto &vrstica : r.zasedenost.cells)
            for (ZasedbaCelice &c : vrstica)
                preslikaj(c.termin);
}

void Sestavljalnik::NaloziStanje(const ModelUrnika &stanje) {
    m = stanje;
    m_nerazporejene = 0;
    for (const Predavanje &p : m.predavanja)
        m_nerazporejene += std::max(0, p.preostalo) + p.nerazporejeno;
    zgradiIndekse();
    razveljaviVse();
}

// Only periods the user did not fix ("s") of units placed period by period may move; lessons of
// units that are placed only by hand (difficulty 0) never move.
bool Sestavljalnik::odstranljiv(int t) const {
    const Termin &termin = m.termini[size_t(t)];
    const Predavanje &p = m.predavanja[size_t(termin.predavanje)];
    return termin.dan > 0 && termin.tip != QLatin1String("s") && p.dolzinaBloka == 1 && p.zahtevnost != 0;
}

// Removes placed period t: its unit gets the period back to place, its cells are freed in every
// grid, and its day becomes 0 so that saving deletes its rows.
void Sestavljalnik::odstraniTermin(int t) {
    Termin &termin = m.termini[size_t(t)];
    const int dan = termin.dan;
    const int ura = termin.ura;
    Predavanje &p = m.predavanja[size_t(termin.predavanje)];
    spremeniPreostalo(p, 1);
    if (p.skupinaOddelkov >= 1) {
        int &cell = m.skupineOddelkov[size_t(p.skupinaOddelkov)].zasedenost(dan, ura);
        if (cell == t)
            pisi(cell, 0);
    }
    const auto &odd = m.oddelkiPredavanja(termin.predavanje);
    for (size_t k = 1; k < odd.size(); ++k) {
        int &cell = m.oddelki[size_t(odd[k])].zasedenost(dan, ura);
        if (cell == t)
            pisi(cell, 0);
    }
    for (size_t z = 1; z < termin.zasedbe.size(); ++z) {
        const int r = termin.zasedbe[z].prostor;
        if (r >= 1 && m.prostori[size_t(r)].zasedenost(dan, ura).termin == t) {
            pisi(m.prostori[size_t(r)].zasedenost(dan, ura).termin, 0);
            pisi(m.prostori[size_t(r)].zasedenost(dan, ura).zasedba, 0);
        }
        const int uc = p.izvajalci[size_t(termin.zasedbe[z].izvajalec)].ucitelj;
        if (uc >= 1 && m.ucitelji[size_t(uc)].zasedenost(dan, ura).termin == t) {
            UciteljUrnika &ucitelj = m.ucitelji[size_t(uc)];
            pisi(ucitelj.zasedenost(dan, ura).termin, 0);
            pisi(ucitelj.zasedenost(dan, ura).zasedba, 0);
            pisi(ucitelj.zasedeneUre[dan], ucitelj.zasedeneUre[dan] & ~(1 << ura));
        }
    }
    pisiDan(t, 0);
}

// Frees the rooms the unit's entries need at one cell: per room group as many rooms as entries
// name it (entries naming one single room share it). Occupied rooms are emptied in member order,
// skipping periods that may not move; fails when the group cannot offer enough rooms.
bool Sestavljalnik::sprostiProstore(int u, int dan, int ura) {
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int g = p.izvajalci[size_t(j)].skupinaProstorov;
        if (g < 1)
            continue;
        bool prej = false;
        int potrebno = 0;
        for (int i = 1; i <= p.steviloIzvajalcev(); ++i) {
            if (p.izvajalci[size_t(i)].skupinaProstorov != g)
                continue;
            prej |= i < j;
            ++potrebno;
        }
        if (prej)
            continue;
        const auto &clani = m.prostori[size_t(g)].clani;
        const int clanov = int(clani.size()) - 1;
        if (clanov == 1)
            potrebno = 1;
        if (clanov < potrebno)
            return false;
        int prostih = 0;
        for (size_t k = 1; k < clani.size(); ++k)
            prostih += ProstorUstreza(m, clani[k], dan, ura) ? 1 : 0;
        for (size_t k = 1; k < clani.size() && prostih < potrebno; ++k) {
            const ProstorUrnika &r = m.prostori[size_t(clani[k])];
            const int t = r.zasedenost(dan, ura).termin;
            if (t < 1 || r.prepovedano(dan, ura) || !odstranljiv(t))
                continue;
            m_zbrani.push_back(m.termini[size_t(t)].predavanje);
            odstraniTermin(t);
            ++prostih;
        }
        if (prostih < potrebno)
            return false;
    }
    return true;
}

// Clears the cells of a block: the periods occupying the unit's classes and teachers, and
// enough rooms. The units of removed periods are collected on m_zbrani. False when a period
// that must go may not move.
bool Sestavljalnik::izprazni(int u, int dan, int ura, int b) {
    const Predavanje &p = m.predavanja[size_t(u)];
    const auto &odd = m.oddelkiPredavanja(u);
    for (int q = ura; q < ura + b; ++q) {
        for (size_t k = 1; k < odd.size(); ++k) {
            const int t = m.oddelki[size_t(odd[k])].zasedenost(dan, q);
            if (t < 1)
                continue;
            if (!odstranljiv(t))
                return false;
            m_zbrani.push_back(m.termini[size_t(t)].predavanje);
            odstraniTermin(t);
        }
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
            const int uc = p.izvajalci[size_t(j)].ucitelj;
            if (uc < 1)
                continue;
            const int t = m.ucitelji[size_t(uc)].zasedenost(dan, q).termin;
            if (t < 1)
                continue;
            if (!odstranljiv(t))
                return false;
            m_zbrani.push_back(m.termini[size_t(t)].predavanje);
            odstraniTermin(t);
        }
        if (!sprostiProstore(u, dan, q))
            return false;
    }
    return true;
}

bool Sestavljalnik::postaviZGlobino(int u, int globina, int meja) {
    if (korak)
        korak();
    if (!tece())
        return false;
    if (m.predavanja[size_t(u)].preostalo <= 0)
        return true; // an earlier block of this unit already took the period back
    const Oznaka oznaka = posnetek();
    const bool uspeh = postaviOdPosnetka(u, globina, meja, oznaka);
    opustiPosnetek(oznaka);
    return uspeh;
}

bool Sestavljalnik::postaviOdPosnetka(int u, int globina, int meja, const Oznaka &oznaka) {
    const int b = DolzinaBloka(u);
    for (int dan = 1; dan <= 5; ++dan) {
        if (m.imaTerminNaDan(u, dan))
            continue;
        for (int ura = 0; ura + b - 1 <= ZadnjaUra; ++ura)
            if (Postavi(u, dan, ura, b))
                return true;
    }
    if (globina + 1 > meja)
        return false;
    for (int dan = 1; dan <= 5; ++dan) {
        if (m.imaTerminNaDan(u, dan))
            continue;
        for (int ura = 0; ura + b - 1 <= ZadnjaUra; ++ura) {
            bool sprosceno = true;
            for (int q = ura; q < ura + b && sprosceno; ++q)
                sprosceno = SprosceniTest(m, m_priprava, u, dan, q);
            if (!sprosceno)
                continue;
            const size_t zacetek = m_zbrani.size();
            if (izprazni(u, dan, ura, b) && Postavi(u, dan, ura, b)) {
                const size_t konec = m_zbrani.size();
                bool vsi = true;
                for (size_t i = zacetek; i < konec && vsi; ++i)
                    vsi = postaviZGlobino(m_zbrani[i], globina + 1, meja);
                if (vsi) {
                    m_zbrani.resize(zacetek);
                    return true;
                }
            }
            m_zbrani.resize(zacetek);
            obnovi(oznaka);
            if (!tece())
                return false;
        }
    }
    return false;
}

void Sestavljalnik::TretjiKrog() {
    m_spremembe = 0;
    m_tretjiZacetek.start();
    m_zadnjaSprememba = 0;
    if (zastavica)
        *zastavica = true;
    VrniOpuscene();
    // Units the fixed rules keep out are left alone: making room for them can never succeed; and
    // when no more than the fixed rules leave out is left, the round ends at once.
    const NeizogibnoNerazporejeno neizogibno = Neizogibno(m, m_priprava);
    std::vector<char> nemogoce(m.predavanja.size(), 0);
    for (int u : neizogibno.predavanja)
        nemogoce[size_t(u)] = 1;
    const int nedosegljivih = neizogibno.ur;
    m_belezi = !m_kopiraj;
    for (int k = 1; tece() && m_nerazporejene > nedosegljivih && k < 100; ++k) {
        for (int u = 1; u <= m.steviloPredavanj() && tece(); ++u) {
            if (m.predavanja[size_t(u)].preostalo <= 0 || nemogoce[size_t(u)])
                continue;
            const int prej = m_nerazporejene;
            postaviZGlobino(u, 0, k);
            m_dnevnik.clear();
            if (m_nerazporejene != prej) {
                ++m_spremembe;
                m_zadnjaSprememba = m_tretjiZacetek.elapsed();
            }
            if (m_nerazporejene == nedosegljivih)
                break;
        }
    }
    m_belezi = false;
    m_dnevnik.clear();
    if (zastavica)
        *zastavica = false;
}

} // namespace zentrel::engine

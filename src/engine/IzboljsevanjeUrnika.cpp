#include "IzboljsevanjeUrnika.h"

#include "StaticnaPravila.h"

#include <algorithm>

namespace zentrel::engine {

using namespace pravila;

namespace {

// Moves tried without an improvement after which the improving ends.
constexpr int MejaIzboljsevanja = 10000;

// A measure now at `zdaj` may change by `razlika` when it falls or stays within `meja`.
bool Dovoljeno(int zdaj, int razlika, int meja) {
    return razlika <= 0 || zdaj + razlika <= meja;
}

int Biti(int ura, int dolzina) {
    return ((1 << dolzina) - 1) << ura;
}

// The change of idle periods of one day mask or two, when the bits `bit0` of day dan0 (already
// taken out of maska0) go to `bit1` of day dan1 (maska1 is that day's mask).
int RazlikaLukenj(int maska0, int maska1, bool istiDan, int bit0, int bit1) {
    if (istiDan)
        return LuknjeDneva(maska0 | bit1) - LuknjeDneva(maska0 | bit0);
    return LuknjeDneva(maska0) + LuknjeDneva(maska1 | bit1) - LuknjeDneva(maska0 | bit0) - LuknjeDneva(maska1);
}

} // namespace

IzboljsevanjeUrnika::IzboljsevanjeUrnika(ModelUrnika &model, PripravaUrnika &priprava, Sestavljalnik &sestavljalnik,
                                         std::mt19937 &rng, const KakovostUrnika &meja)
    : m(model), m_priprava(priprava), m_s(sestavljalnik), m_rng(rng), m_meja(meja) {}

KakovostUrnika IzboljsevanjeUrnika::razlika(int u, int dan0, int ura0, int dan, int ura, int dolzina) const {
    const int bit0 = Biti(ura0, dolzina), bit1 = Biti(ura, dolzina);
    KakovostUrnika r;
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
        if (p.izvajalci[size_t(j)].ucitelj >= 1) {
            const UciteljUrnika &t = m.ucitelji[size_t(p.izvajalci[size_t(j)].ucitelj)];
            r.luknjeUciteljev += RazlikaLukenj(t.zasedeneUre[dan0], t.zasedeneUre[dan], dan == dan0, bit0, bit1);
        }
    const auto &odd = m.oddelkiPredavanja(u);
    for (size_t c = 1; c < odd.size(); ++c)
        r.luknjeOddelkov += RazlikaLukenj(ZasedeneUreOddelka(m, odd[c], dan0), ZasedeneUreOddelka(m, odd[c], dan),
                                          dan == dan0, bit0, bit1);
    const KakovostUrnika ponovitve = RazlikaPonovitev(m, u, dan0, dan);
    r.ponovitve = ponovitve.ponovitve;
    r.izbirniBloki = ponovitve.izbirniBloki;
    return r;
}

std::pair<int, int> IzboljsevanjeUrnika::premakljivBlok(int u, int dan) const {
    const std::vector<int> termini = m.terminiNaDan(u, dan);
    if (termini.empty() || !BlokPremakljiv(m, u, dan))
        return {0, 0};
    const int ura = m.termini[size_t(termini.front())].ura;
    const int dolzina = int(termini.size());
    if (m.termini[size_t(termini.back())].ura != ura + dolzina - 1)
        return {0, 0}; // a day placed by hand in pieces is left as it is
    return {ura, dolzina};
}

KakovostUrnika IzboljsevanjeUrnika::kakovostDni(const std::vector<int> &ucitelji, const std::vector<int> &oddelki,
                                                int dan0, int dan1) const {
    KakovostUrnika k;
    for (int dan : {dan0, dan1}) {
        for (int uc : ucitelji)
            k.luknjeUciteljev += LuknjeDneva(m.ucitelji[size_t(uc)].zasedeneUre[dan]);
        for (int o : oddelki) {
            k.luknjeOddelkov += LuknjeDneva(ZasedeneUreOddelka(m, o, dan));
            const KakovostUrnika d = PonovitveDneva(m, o, dan);
            k.ponovitve += d.ponovitve;
            k.izbirniBloki += d.izbirniBloki;
        }
    }
    return k;
}

bool IzboljsevanjeUrnika::zamenjaj(int u, int dan0) {
    const auto [ura0, dolzina] = premakljivBlok(u, dan0);
    const auto &odd = m.oddelkiPredavanja(u);
    if (dolzina == 0 || odd.size() < 2)
        return false;
    const int oddelek = odd[1 + m_rng() % (odd.size() - 1)];
    // Exchanges cost two placements: they are tried only to take a subject's repeat off a day,
    // where single moves most often find no way, and then with every block of the class that
    // fits. (Elective blocks of a class often share a day in every timetable the frames allow:
    // trying them would double the time of improving a large school for nothing.)
    if (PonovitveDneva(m, oddelek, dan0).ponovitve == 0)
        return false;
    const int prvi = int(m_rng() % 5);
    for (int i = 0; i < 5; ++i) {
        const int dan1 = 1 + (prvi + i) % 5;
        if (dan1 == dan0 || m.imaTerminNaDan(u, dan1))
            continue;
        for (int ura = 0, prejsnja = 0; ura < StUr; ++ura) {
            const int t = m.oddelki[size_t(oddelek)].zasedenost(dan1, ura);
            const int v = t >= 1 ? m.termini[size_t(t)].predavanje : 0;
            if (v < 1 || v == prejsnja || v == u || m.imaTerminNaDan(v, dan0))
                continue;
            prejsnja = v;
            const auto [ura1, d] = premakljivBlok(v, dan1);
            if (d == dolzina && poskusiZamenjavo(u, dan0, ura0, v, dan1, ura1, dolzina))
                return true;
        }
    }
    return false;
}

bool IzboljsevanjeUrnika::poskusiZamenjavo(int u, int dan0, int ura0, int v, int dan1, int ura1, int dolzina) {
    std::vector<int> ucitelji, oddelki;
    for (int w : {u, v}) {
        const Predavanje &p = m.predavanja[size_t(w)];
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
            if (const int uc = p.izvajalci[size_t(j)].ucitelj;
                uc >= 1 && std::find(ucitelji.begin(), ucitelji.end(), uc) == ucitelji.end())
                ucitelji.push_back(uc);
        const auto &o = m.oddelkiPredavanja(w);
        for (size_t c = 1; c < o.size(); ++c)
            if (std::find(oddelki.begin(), oddelki.end(), o[c]) == oddelki.end())
                oddelki.push_back(o[c]);
    }
    const KakovostUrnika prej = kakovostDni(ucitelji, oddelki, dan0, dan1);
    const Sestavljalnik::Oznaka oznaka = m_s.ZacniPoskus();
    for (int t : m.terminiNaDan(u, dan0))
        m_s.OdstraniTermin(t);
    for (int t : m.terminiNaDan(v, dan1))
        m_s.OdstraniTermin(t);
    bool ok = m_s.Postavi(u, dan1, ura1, dolzina) && m_s.Postavi(v, dan0, ura0, dolzina);
    KakovostUrnika r;
    if (ok) {
        const KakovostUrnika potem = kakovostDni(ucitelji, oddelki, dan0, dan1);
        r.luknjeUciteljev = potem.luknjeUciteljev - prej.luknjeUciteljev;
        r.luknjeOddelkov = potem.luknjeOddelkov - prej.luknjeOddelkov;
        r.ponovitve = potem.ponovitve - prej.ponovitve;
        r.izbirniBloki = potem.izbirniBloki - prej.izbirniBloki;
        ok = dovoljeno(r) && Utezeno(r) < 0;
    }
    if (!ok) {
        m_s.PrekliciPoskus(oznaka);
        return false;
    }
    m_s.PotrdiPoskus();
    sprejmi(r);
    return true;
}

bool IzboljsevanjeUrnika::dovoljeno(const KakovostUrnika &r) const {
    return Dovoljeno(m_trenutna.luknjeUciteljev, r.luknjeUciteljev, m_meja.luknjeUciteljev) &&
           Dovoljeno(m_trenutna.luknjeOddelkov, r.luknjeOddelkov, m_meja.luknjeOddelkov) &&
           Dovoljeno(m_trenutna.ponovitve, r.ponovitve, m_meja.ponovitve) &&
           Dovoljeno(m_trenutna.izbirniBloki, r.izbirniBloki, m_meja.izbirniBloki);
}

void IzboljsevanjeUrnika::sprejmi(const KakovostUrnika &r) {
    m_trenutna.luknjeUciteljev += r.luknjeUciteljev;
    m_trenutna.luknjeOddelkov += r.luknjeOddelkov;
    m_trenutna.ponovitve += r.ponovitve;
    m_trenutna.izbirniBloki += r.izbirniBloki;
    m_izboljsano = Utezeno(r) < 0;
}

bool IzboljsevanjeUrnika::premakni(int u, int dan0) {
    const auto [ura0, dolzina] = premakljivBlok(u, dan0);
    if (dolzina == 0)
        return false;
    const std::vector<int> termini = m.terminiNaDan(u, dan0);
    const Sestavljalnik::Oznaka oznaka = m_s.ZacniPoskus();
    for (int t : termini)
        m_s.OdstraniTermin(t);
    int najboljsa = 1, najDan = 0, najUra = 0, enakih = 0; // only moves that worsen nothing
    KakovostUrnika najRazlika;
    for (int dan = 1; dan <= 5; ++dan) {
        if (dan != dan0 && m.imaTerminNaDan(u, dan))
            continue;
        for (int ura = 0; ura + dolzina <= StUr; ++ura) {
            if ((dan == dan0 && ura == ura0) || !BlokUstreza(m, m_priprava, u, dan, ura, dolzina, m_sobe))
                continue;
            const KakovostUrnika r = razlika(u, dan0, ura0, dan, ura, dolzina);
            if (!dovoljeno(r) || Utezeno(r) > 0)
                continue;
            // Among equal moves one is drawn, each with the same chance.
            if (Utezeno(r) < najboljsa || (Utezeno(r) == najboljsa && m_rng() % unsigned(++enakih) == 0)) {
                if (Utezeno(r) < najboljsa)
                    enakih = 1;
                najboljsa = Utezeno(r);
                najDan = dan;
                najUra = ura;
                najRazlika = r;
            }
        }
    }
    // Moves that change nothing are taken now and then, to leave a plateau.
    if (najDan == 0 || (najboljsa == 0 && m_rng() % 4 != 0) || !m_s.Postavi(u, najDan, najUra, dolzina)) {
        m_s.PrekliciPoskus(oznaka);
        return false;
    }
    m_s.PotrdiPoskus();
    sprejmi(najRazlika);
    return true;
}

int IzboljsevanjeUrnika::zazeni(const std::function<bool()> &tece, const std::function<void()> &korak) {
    std::vector<int> enote;
    for (int u = 1; u <= m.steviloPredavanj(); ++u)
        if (m.predavanja[size_t(u)].skupinaOddelkov >= 1 && m.predavanja[size_t(u)].zahtevnost != 0)
            enote.push_back(u);
    m_trenutna = Kakovost(m);
    int premikov = 0;
    for (int korakov = 1, brezNapredka = 0; !enote.empty() && tece() && brezNapredka < MejaIzboljsevanja; ++korakov) {
        ++brezNapredka;
        korak();
        const int u = enote[m_rng() % enote.size()];
        const int dan = int(m_rng() % 5) + 1;
        m_izboljsano = false;
        if (premakni(u, dan) || zamenjaj(u, dan)) {
            ++premikov;
            if (m_izboljsano)
                brezNapredka = 0;
        }
        if (korakov % 256 == 0)
            m_s.ZgostiTermine();
    }
    m_s.ZgostiTermine();
    return premikov;
}

} // namespace zentrel::engine

#include "DokoncanjeUrnika.h"

#include "AnalizaNerazporejenih.h"
#include "IzboljsevanjeUrnika.h"
#include "PravilaCelice.h"
#include "StaticnaPravila.h"
#include "core/Messages.h"

#include <algorithm>

namespace zentrel::engine {

using namespace pravila;

namespace {

// The share of the step's time the search for places may take (the rest is for improving). It
// has no limit of steps without progress: a lesson it has not placed may still find a place.
constexpr double DelezRazporejanja = 0.8;
// Steps of the search without a better state after which it goes back to the best one.
constexpr int Mirovanje = 10000;
// How many periods more than the best state found the search may leave unplaced: a move that
// would take out more is not made. Unbounded, the walk settled 30 to 40 periods above its best
// on a large school and found a better state only just after going back to it.
constexpr int Odmik = 2;
// Restarts of the rounds, within this share of the step's time.
constexpr int Ponovitev = 8;
constexpr double DelezPonovitev = 0.3;
// What one unit of the weighted measures (Utezeno: an idle period of a teacher) adds to the
// cost of a position, up to a limit either way (wide frames give changes of dozens of idle
// periods), against about 1.5 for taking out a block of one period: a position that makes the
// timetable much worse costs about as much as taking out two more lessons. With ±1 the placing
// of a large school's last few lessons doubled its classes' idle periods in half the runs.
constexpr double CenaKakovosti = 1.0 / 3;
constexpr int MejaKakovosti = 9;
// What a position that repeats a subject that day, or gives a class a second elective block that
// day, adds beyond that: about taking out two single periods. Without it a free cell on a day that
// has the subject was taken before one where a lesson had to go, and improving can rarely undo a
// repeat that moving one lesson alone does not.
constexpr double CenaPonovitve = 3;

// The weighted change of the measures if unit u got a block of `dolzina` periods from `ura` on
// day dan, given the repeats and elective blocks a block would add that day.
int UtezenoDodano(const ModelUrnika &m, const KakovostUrnika &ponovitve, int u, int dan, int ura, int dolzina) {
    KakovostUrnika k = DodaneLuknje(m, u, dan, ura, dolzina);
    k.ponovitve = ponovitve.ponovitve;
    k.izbirniBloki = ponovitve.izbirniBloki;
    return Utezeno(k);
}

} // namespace

DokoncanjeUrnika::DokoncanjeUrnika(ModelUrnika &model, PripravaUrnika &priprava, Sestavljalnik &sestavljalnik,
                                   quint32 seme)
    : m(model), m_priprava(priprava), m_s(sestavljalnik), m_seme(seme), m_rng(seme) {
    m_tabu.assign(m.predavanja.size() * StDni, 0);
    m_postavljen.assign(m.predavanja.size() * StDni, -100);
    m_utez.assign(m.predavanja.size(), 1.0);
}

bool DokoncanjeUrnika::tece() const {
    return (zastavica == nullptr || *zastavica) && m_ura.elapsed() < qint64(casovnaOmejitev * 1000);
}

void DokoncanjeUrnika::obvesti() {
    if (korak && m_korak % 16 == 0)
        korak();
}

bool DokoncanjeUrnika::dodajOviro(int t, int dan, std::vector<Blok> &bloki) const {
    const int v = m.termini[size_t(t)].predavanje;
    for (const Blok &b : bloki)
        if (b.predavanje == v && b.dan == dan)
            return true;
    if (!BlokPremakljiv(m, v, dan))
        return false;
    bloki.push_back({v, dan});
    return true;
}

bool DokoncanjeUrnika::ovire(const Kos &k, int dan, int ura, std::vector<Blok> &bloki) {
    bloki.clear();
    const Predavanje &p = m.predavanja[size_t(k.predavanje)];
    const auto &odd = m.oddelkiPredavanja(k.predavanje);
    auto vBlokih = [&](int t) {
        for (const Blok &b : bloki)
            if (b.predavanje == m.termini[size_t(t)].predavanje && b.dan == dan)
                return true;
        return false;
    };
    for (int q = ura; q < ura + k.dolzina; ++q) {
        if (!VOkvirju(m, m_priprava, k.predavanje, dan, q) || !NiPrepovedano(m, k.predavanje, dan, q))
            return false;
        for (size_t c = 1; c < odd.size(); ++c) {
            const int t = m.oddelki[size_t(odd[c])].zasedenost(dan, q);
            if (t >= 1 && !dodajOviro(t, dan, bloki))
                return false;
        }
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
            const int uc = p.izvajalci[size_t(j)].ucitelj;
            const int t = uc >= 1 ? m.ucitelji[size_t(uc)].zasedenost(dan, q).termin : 0;
            if (t >= 1 && !dodajOviro(t, dan, bloki))
                return false;
        }
    }
    // A teacher's day spans at most seven periods: lessons outside the seven around the block go.
    const int od = ura + k.dolzina - 7;
    const int doUre = ura + 6;
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int uc = p.izvajalci[size_t(j)].ucitelj;
        if (uc < 1)
            continue;
        const UciteljUrnika &t = m.ucitelji[size_t(uc)];
        for (int q = 0; q < StUr; ++q)
            if ((q < od || q > doUre) && (t.zasedeneUre[dan] & (1 << q)) &&
                !dodajOviro(t.zasedenost(dan, q).termin, dan, bloki))
                return false;
    }
    // Rooms: per room group as many usable members as entries name it (entries naming one single
    // room share it), free or freed already; the missing ones are taken from the lessons cheapest
    // to move. The block test decides in the end.
    for (int q = ura; q < ura + k.dolzina; ++q)
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
            const int g = p.izvajalci[size_t(j)].skupinaProstorov;
            bool prej = false;
            int potrebno = 0;
            for (int i = 1; i <= p.steviloIzvajalcev(); ++i)
                if (p.izvajalci[size_t(i)].skupinaProstorov == g) {
                    prej |= i < j;
                    ++potrebno;
                }
            if (g < 1 || prej)
                continue;
            if (!m.prostori[size_t(g)].isGroup)
                potrebno = 1;
            for (;;) {
                int prostih = 0, izbran = 0;
                double najcenejsi = 0;
                for (size_t c = 1; c < m.prostori[size_t(g)].clani.size(); ++c) {
                    const ProstorUrnika &r = m.prostori[size_t(m.prostori[size_t(g)].clani[c])];
                    if (r.prepovedano(dan, q))
                        continue;
                    const int t = r.zasedenost(dan, q).termin;
                    if (t < 1 || vBlokih(t)) {
                        ++prostih;
                    } else if (BlokPremakljiv(m, m.termini[size_t(t)].predavanje, dan)) {
                        const double cena = cenaBloka(m.termini[size_t(t)].predavanje, dan);
                        if (izbran == 0 || cena < najcenejsi) {
                            najcenejsi = cena;
                            izbran = t;
                        }
                    }
                }
                if (prostih >= potrebno)
                    break;
                if (izbran == 0 || !dodajOviro(izbran, dan, bloki))
                    return false;
            }
        }
    return true;
}

double DokoncanjeUrnika::cenaBloka(int u, int dan) const {
    double cena = (double(m.terminiNaDan(u, dan).size()) + 0.5) * m_utez[size_t(u)];
    // A block placed a moment ago is not taken out again at once.
    if (m_korak - m_postavljen[size_t(u) * StDni + size_t(dan)] < 5)
        cena += 3;
    return cena;
}

bool DokoncanjeUrnika::postaviKos(size_t i) {
    const Kos k = m_kosi[i];
    struct Kandidat {
        double cena;
        int dan, ura;
        std::vector<Blok> bloki;
    };
    std::vector<Kandidat> kandidati;
    std::vector<Blok> bloki;
    for (int dan = 1; dan <= 5; ++dan) {
        if (m.imaTerminNaDan(k.predavanje, dan))
            continue;
        const KakovostUrnika ponovitve = DodanePonovitve(m, k.predavanje, dan);
        for (int ura = 0; ura + k.dolzina <= StUr; ++ura) {
            if (!ovire(k, dan, ura, bloki))
                continue;
            double cena = double(m_rng()) / 4294967296.0 * 0.5 +
                          CenaKakovosti * std::clamp(UtezenoDodano(m, ponovitve, k.predavanje, dan, ura, k.dolzina),
                                                     -MejaKakovosti, MejaKakovosti) +
                          CenaPonovitve * (ponovitve.ponovitve + ponovitve.izbirniBloki);
            int izrinjenih = 0;
            for (const Blok &b : bloki) {
                cena += cenaBloka(b.predavanje, b.dan);
                izrinjenih += int(m.terminiNaDan(b.predavanje, b.dan).size());
            }
            if (m_s.nerazporejeneUre() - k.dolzina + izrinjenih > m_najmanj + Odmik)
                continue;
            if (m_tabu[size_t(k.predavanje) * StDni + size_t(dan)] > m_korak)
                cena += 4;
            kandidati.push_back({cena, dan, ura, bloki});
        }
    }
    std::sort(kandidati.begin(), kandidati.end(), [](const Kandidat &a, const Kandidat &b) { return a.cena < b.cena; });
    for (size_t c = 0; c < kandidati.size() && c < 8; ++c) {
        const Kandidat &kand = kandidati[c];
        const Sestavljalnik::Oznaka oznaka = m_s.ZacniPoskus();
        std::vector<int> dolzine; // periods of each block taken out
        for (const Blok &b : kand.bloki) {
            const std::vector<int> termini = m.terminiNaDan(b.predavanje, b.dan);
            dolzine.push_back(int(termini.size()));
            for (int t : termini)
                m_s.OdstraniTermin(t);
        }
        if (!m_s.Postavi(k.predavanje, kand.dan, kand.ura, k.dolzina)) {
            m_s.PrekliciPoskus(oznaka);
            continue;
        }
        m_s.PotrdiPoskus();
        m_kosi.erase(m_kosi.begin() + std::ptrdiff_t(i));
        // The blocks are out already; the pool and the tabu learn of them.
        for (size_t j = 0; j < kand.bloki.size(); ++j) {
            const Blok &b = kand.bloki[j];
            m_tabu[size_t(b.predavanje) * StDni + size_t(b.dan)] = m_korak + 7 + int(m_rng() % 5);
            // A unit taken out again and again weighs more: the search turns to other lessons.
            m_utez[size_t(b.predavanje)] += 1;
            // The block goes back as the piece it was. Its unit's other missing periods are not
            // its to take: pieces of their own already, or kept out for good (Neizogibno), and
            // joined to this one they would put two periods of single lessons on one day.
            m_kosi.push_back({b.predavanje, dolzine[j]});
        }
        m_postavljen[size_t(k.predavanje) * StDni + size_t(kand.dan)] = m_korak;
        ++m_premikov;
        return true;
    }
    return false;
}

void DokoncanjeUrnika::razporedi() {
    if (m_kosi.empty())
        return;
    m_s.ZgostiTermine();
    ModelUrnika najboljsi = m;
    std::vector<Kos> najboljsiKosi = m_kosi;
    m_najmanj = m_s.nerazporejeneUre();
    int napredek = m_korak; // the step of the last best state
    while (!m_kosi.empty() && tece() && m_ura.elapsed() < qint64(casovnaOmejitev * 1000 * DelezRazporejanja) &&
           m_s.nerazporejeneUre() > m_spodnjaMeja) {
        ++m_korak;
        postaviKos(size_t(m_rng() % m_kosi.size()));
        if (m_korak % 1000 == 0)
            for (double &u : m_utez)
                u = 1 + (u - 1) / 2;
        if (m_s.nerazporejeneUre() < m_najmanj) {
            m_najmanj = m_s.nerazporejeneUre();
            napredek = m_korak;
            m_s.ZgostiTermine();
            if (!m_kosi.empty()) {
                najboljsi = m;
                najboljsiKosi = m_kosi;
            }
        } else if (m_korak - napredek >= Mirovanje) {
            // Long without a better state, the walk has strayed: it goes on from the best one,
            // with the weights it has learnt.
            m_s.NaloziStanje(najboljsi);
            m_kosi = najboljsiKosi;
            napredek = m_korak;
        }
        if (m_korak % 256 == 0)
            m_s.ZgostiTermine();
        obvesti();
    }
    // The state kept is the first with the fewest periods unplaced: a search that placed nothing
    // more leaves the timetable as the rounds made it.
    if (!m_kosi.empty()) {
        m_s.NaloziStanje(najboljsi);
        m_kosi = najboljsiKosi;
    }
}

bool DokoncanjeUrnika::postaviProsto(int u) {
    const Predavanje &p = m.predavanja[size_t(u)];
    if (p.skupinaOddelkov < 1 || p.preostalo <= 0)
        return false;
    // The unit's own pieces in the pool, else the pieces it is cut into (units kept out for good
    // have none in the pool, yet each of their periods that fits is placed).
    std::vector<int> dolzine;
    for (const Kos &k : m_kosi)
        if (k.predavanje == u)
            dolzine.push_back(k.dolzina);
    if (dolzine.empty())
        dolzine = KosiPredavanja(m, u);
    std::sort(dolzine.begin(), dolzine.end(), std::greater<>());
    dolzine.erase(std::unique(dolzine.begin(), dolzine.end()), dolzine.end());
    // The longest piece that fits, at the cell that makes the timetable best.
    for (int dolzina : dolzine) {
        int najDan = 0, najUra = 0, najboljse = 0;
        for (int dan = 1; dan <= 5; ++dan) {
            if (m.imaTerminNaDan(u, dan))
                continue;
            const KakovostUrnika ponovitve = DodanePonovitve(m, u, dan);
            for (int ura = 0; ura + dolzina <= StUr; ++ura) {
                if (!BlokUstreza(m, m_priprava, u, dan, ura, dolzina, m_sobe))
                    continue;
                const int utezeno = UtezenoDodano(m, ponovitve, u, dan, ura, dolzina);
                if (najDan == 0 || utezeno < najboljse) {
                    najDan = dan;
                    najUra = ura;
                    najboljse = utezeno;
                }
            }
        }
        if (najDan != 0 && m_s.Postavi(u, najDan, najUra, dolzina)) {
            for (size_t i = 0; i < m_kosi.size(); ++i)
                if (m_kosi[i].predavanje == u && m_kosi[i].dolzina == dolzina) {
                    m_kosi.erase(m_kosi.begin() + std::ptrdiff_t(i));
                    break;
                }
            ++m_premikov;
            return true;
        }
    }
    return false;
}

void DokoncanjeUrnika::postaviProste() {
    for (bool postavljeno = true; postavljeno;) {
        postavljeno = false;
        for (int u = 1; u <= m.steviloPredavanj(); ++u)
            while (postaviProsto(u))
                postavljeno = true;
    }
}

void DokoncanjeUrnika::izboljsaj() {
    m_izboljsuje = true;
    IzboljsevanjeUrnika izboljsevanje(m, m_priprava, m_s, m_rng, m_zacetna);
    m_premikov += izboljsevanje.zazeni([this] { return tece(); },
                                       [this] {
                                           ++m_korak;
                                           obvesti();
                                       });
}

void DokoncanjeUrnika::ponovi() {
    const std::vector<OkvirOddelka> prveUre = zacetek->priprava.okvirjiOddelkov;
    int najmanj = m_s.nerazporejeneUre();
    for (int i = 1;
         i <= Ponovitev && najmanj > 0 && tece() && m_ura.elapsed() < qint64(casovnaOmejitev * 1000 * DelezPonovitev);
         ++i) {
        ModelUrnika model = zacetek->model;
        PripravaUrnika priprava = zacetek->priprava;
        Sestavljalnik s(model, priprava, m_seme + quint32(i));
        s.PrviKrog();
        for (int k = 1; k <= zacetek->dodatneUre; ++k) {
            priprava.zgradiOkvirje(model, k, prveUre);
            s.VrniOpuscene();
            s.PrviKrog();
        }
        if (zacetek->kabineti)
            s.DrugiKrog();
        ++m_ponovitev;
        if (s.nerazporejeneUre() < najmanj) {
            najmanj = s.nerazporejeneUre();
            m_priprava = priprava;
            m_s.NaloziStanje(model);
        }
        if (korak)
            korak();
    }
}

void DokoncanjeUrnika::zazeni() {
    m_ura.start();
    m_zacetna = Kakovost(m);
    if (zacetek)
        ponovi();
    m_s.VrniOpuscene();
    const NeizogibnoNerazporejeno neizogibno = Neizogibno(m, m_priprava);
    m_nemogoca = neizogibno.predavanja;
    m_spodnjaMeja = neizogibno.ur;
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const Predavanje &p = m.predavanja[size_t(u)];
        if (p.skupinaOddelkov < 1 || std::max(0, p.preostalo) == 0 ||
            std::find(m_nemogoca.begin(), m_nemogoca.end(), u) != m_nemogoca.end())
            continue;
        for (int dolzina : KosiPredavanja(m, u))
            m_kosi.push_back({u, dolzina});
    }
    // Said at once, not after a search that cannot succeed.
    if (!m_nemogoca.empty()) {
        QStringList oznake;
        for (int u : m_nemogoca)
            oznake << OznakaPredavanja(m, u);
        core::ShowMessage(core::MsgStatus, QStringLiteral("Ni mogoče razporediti: #."),
                          oznake.join(QStringLiteral(", ")));
    }
    for (const auto &[oddelek, manjka] : neizogibno.oddelki)
        core::ShowMessage(core::MsgStatus,
                          QStringLiteral("Okvir oddelka # ne more sprejeti vseh njegovih ur (manjka #)."),
                          m.oddelki[size_t(oddelek)].oznaka, manjka);
    razporedi();
    postaviProste();
    izboljsaj();
    // Improving moves lessons: a cell it frees may take a lesson still unplaced.
    postaviProste();
    m_izboljsuje = false;
    m_kakovost = Kakovost(m);
}

} // namespace zentrel::engine

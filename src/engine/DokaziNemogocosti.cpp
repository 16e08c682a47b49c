#include "DokaziNemogocosti.h"

#include "Sestavljalnik.h"
#include "StaticnaPravila.h"

#include <algorithm>

namespace zentrel::engine {

namespace {

// Days that hold a lesson of unit u placed by hand (the unit comes once a day, so no other block
// of it goes there), and the number of those lessons: they are data, while lessons the
// construction placed are not.
int FiksniDnevi(const ModelUrnika &m, int u, bool fiksen[StDni]) {
    int ur = 0;
    const auto &odd = m.oddelkiPredavanja(u);
    for (int dan = 1; dan <= 5; ++dan) {
        fiksen[dan] = false;
        for (int ura = 0; ura < StUr && odd.size() > 1; ++ura) {
            const int t = m.oddelki[size_t(odd[1])].zasedenost(dan, ura);
            if (t >= 1 && m.termini[size_t(t)].predavanje == u &&
                (FiksenTermin(m, t) || m.termini[size_t(t)].tip == QLatin1String("r"))) {
                fiksen[dan] = true;
                ++ur;
            }
        }
    }
    return ur;
}

// What fits the week: periods, blocks (or days) that find room, and how many are needed.
struct Prileganje {
    int ur = 0;
    int naVoljo = 0;   // days that take a block
    int potrebnih = 0; // days the blocks need
    bool poDnevih = true; // false: the days suffice, their consecutive free periods do not
};

// How many of the `ur` periods of unit u fit on the days not fixed, each day holding one block of
// consecutive cells where the unit may ever be (StaticnoProsta with `samoUcitelj`). Blocks of a
// length fixed by the unit (its block length, or single periods for five or fewer a week) are
// matched to days longest first, each to the day of the shortest run that holds it (which is
// optimal, as a day holding a block holds every shorter one); more than five single periods a week
// go at most the unit's longest block to a day.
Prileganje Prilega(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int ur, const bool fiksen[StDni],
                   int samoUcitelj) {
    std::vector<int> teki;
    for (int dan = 1; dan <= 5; ++dan) {
        if (fiksen[dan])
            continue;
        int najdaljsi = 0;
        for (int ura = 0, zapored = 0; ura < StUr; ++ura) {
            zapored = StaticnoProsta(m, priprava, u, dan, ura, samoUcitelj) ? zapored + 1 : 0;
            najdaljsi = std::max(najdaljsi, zapored);
        }
        if (najdaljsi > 0)
            teki.push_back(najdaljsi);
    }
    std::sort(teki.begin(), teki.end());
    const Predavanje &p = m.predavanja[size_t(u)];
    Prileganje r;
    if (p.dolzinaBloka < 2 && p.tedenskeUre > 5) {
        const int najvec = DolzinaBlokaPredavanja(p, p.tedenskeUre);
        for (int tek : teki)
            r.ur += std::min(tek, najvec);
        r.ur = std::min(r.ur, ur);
        r.naVoljo = int(teki.size());
        r.potrebnih = (ur + najvec - 1) / najvec;
        r.poDnevih = r.naVoljo < r.potrebnih;
        return r;
    }
    const int dolzina = std::max(1, p.dolzinaBloka);
    std::vector<int> bloki;
    for (int ostane = ur; ostane > 0; ostane -= dolzina)
        bloki.push_back(std::min(dolzina, ostane));
    r.potrebnih = int(bloki.size());
    std::vector<char> zaseden(teki.size(), 0);
    for (int blok : bloki)
        for (size_t d = 0; d < teki.size(); ++d)
            if (!zaseden[d] && teki[d] >= blok) {
                zaseden[d] = 1;
                r.ur += blok;
                ++r.naVoljo;
                break;
            }
    return r;
}

// The rule that alone already leaves too little room: the unit's own lessons placed by hand, the
// frame, a teacher's forbidden periods, or only all of them together.
QString Zaradi(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int ur, const bool fiksen[StDni]) {
    const bool brez[StDni] = {};
    if (std::find(fiksen + 1, fiksen + StDni, true) != fiksen + StDni && Prilega(m, priprava, u, ur, brez, -1).ur >= ur)
        return QStringLiteral("dneve zasedajo ročno postavljene ure predmeta");
    if (Prilega(m, priprava, u, ur, fiksen, 0).ur < ur)
        return QStringLiteral("okvir oddelka");
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int t = p.izvajalci[size_t(j)].ucitelj;
        if (t >= 1 && Prilega(m, priprava, u, ur, fiksen, t).ur < ur)
            return QStringLiteral("prepovedane ure učitelja %1").arg(m.ucitelji[size_t(t)].oznaka);
    }
    return QStringLiteral("okvir, prepovedane ure in stalni predmeti");
}

// The units each teacher teaches, once per unit.
std::vector<std::vector<int>> PredavanjaUciteljev(const ModelUrnika &m) {
    std::vector<std::vector<int>> predavanja(m.ucitelji.size());
    for (int t = 1; t <= m.steviloUciteljev(); ++t)
        for (size_t k = 1; k < m.ucitelji[size_t(t)].predavanja.size(); ++k) {
            const int u = m.ucitelji[size_t(t)].predavanja[k].predavanje;
            if (std::find(predavanja[size_t(t)].begin(), predavanja[size_t(t)].end(), u) ==
                predavanja[size_t(t)].end())
                predavanja[size_t(t)].push_back(u);
        }
    return predavanja;
}

// Whether unit u is one the construction places, with a class group in the model.
bool Razporeja(const ModelUrnika &m, int u) {
    const Predavanje &p = m.predavanja[size_t(u)];
    return p.zahtevnost != 0 && p.skupinaOddelkov >= 1 && p.tedenskeUre > 0;
}

// Whether a cell lies in the frame of one of the units.
bool VOkvirjuEnega(const ModelUrnika &m, const PripravaUrnika &priprava, const std::vector<int> &enote, int dan,
                   int ura) {
    for (int u : enote)
        if (Razporeja(m, u) && StaticnoProsta(m, priprava, u, dan, ura, 0))
            return true;
    return false;
}

DokazNemogocosti PreobremenjenUcitelj(const ModelUrnika &m, const PripravaUrnika &priprava, int t,
                                      const std::vector<int> &enote) {
    DokazNemogocosti d{DokazNemogocosti::PreobremenjenUcitelj, 0, t, 0, {}};
    int ur = 0;
    for (int u : enote)
        ur += Razporeja(m, u) ? ProsteUrePredavanja(m, u) : 0;
    // Each day, the free cells of the best window of seven periods: the teacher is not forbidden
    // there, no fixed lesson holds the teacher, and a unit of the teacher may be there.
    const UciteljUrnika &uc = m.ucitelji[size_t(t)];
    int mest = 0, prostih = 0;
    for (int dan = 1; dan <= 5; ++dan) {
        int prosta[StUr] = {};
        for (int ura = 0; ura < StUr; ++ura)
            prosta[ura] = !uc.prepovedano(dan, ura) && !FiksenTermin(m, uc.zasedenost(dan, ura).termin) &&
                          VOkvirjuEnega(m, priprava, enote, dan, ura);
        int najvec = 0;
        for (int ura = 0; ura < StUr; ++ura)
            prostih += prosta[ura];
        for (int zacetek = 0; zacetek + 7 <= StUr; ++zacetek) {
            int v = 0;
            for (int ura = zacetek; ura < zacetek + 7; ++ura)
                v += prosta[ura];
            najvec = std::max(najvec, v);
        }
        mest += najvec;
    }
    if (ur > mest) {
        d.ur = ur - mest;
        d.razpon = ur <= prostih;
        d.opis = QStringLiteral("Učitelj %1: ur na teden %2, mogočih največ %3 (prepovedane ure, okvirji oddelkov "
                                "in največ 7 zaporednih ur na dan).")
                     .arg(uc.oznaka)
                     .arg(ur)
                     .arg(mest);
    }
    return d;
}

// `enote` receives the units that need the room.
DokazNemogocosti PreobremenjenProstor(const ModelUrnika &m, const PripravaUrnika &priprava, int r,
                                      std::vector<int> &enote) {
    DokazNemogocosti d{DokazNemogocosti::PreobremenjenProstor, 0, r, 0, {}};
    int ur = 0;
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const Predavanje &p = m.predavanja[size_t(u)];
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
            if (p.izvajalci[size_t(j)].skupinaProstorov == r && Razporeja(m, u)) {
                enote.push_back(u);
                ur += ProsteUrePredavanja(m, u);
                break;
            }
    }
    if (enote.empty())
        return d;
    const ProstorUrnika &soba = m.prostori[size_t(r)];
    int mest = 0;
    for (int dan = 1; dan <= 5; ++dan)
        for (int ura = 0; ura < StUr; ++ura)
            mest += !soba.prepovedano(dan, ura) && !FiksenTermin(m, soba.zasedenost(dan, ura).termin) &&
                    VOkvirjuEnega(m, priprava, enote, dan, ura);
    if (ur > mest) {
        d.ur = ur - mest;
        d.opis = QStringLiteral("Prostor %1: ur na teden %2, prostih ur v okvirjih %3.").arg(soba.oznaka).arg(ur).arg(mest);
    }
    return d;
}

} // namespace

DokazNemogocosti DokazOddelka(const ModelUrnika &m, const PripravaUrnika &priprava, int o) {
    DokazNemogocosti d{DokazNemogocosti::PreobremenjenOddelek, 0, o, 0, {}};
    // Every lesson of the class takes a cell of its week, those placed only by hand too.
    int ur = 0;
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const auto &odd = m.oddelkiPredavanja(u);
        if (std::find(odd.begin() + 1, odd.end(), o) != odd.end())
            ur += m.predavanja[size_t(u)].steviloUr;
    }
    int prostih = 0;
    for (int dan = 1; dan <= 5; ++dan)
        for (int ura = 0; ura < StUr; ++ura)
            prostih += m.oddelki[size_t(o)].prepovedano(dan, ura) ? 0 : 1;
    const QString &oznaka = m.oddelki[size_t(o)].oznaka;
    if (ur > prostih) {
        d.ur = ur - prostih;
        d.opis = QStringLiteral("Oddelek %1: ur na teden %2, ur brez prepovedi %3.").arg(oznaka).arg(ur).arg(prostih);
        return d;
    }
    // The frame's shortfall, unless the proofs of the class's own units already account for it.
    const int manjka = ManjkajoceUreOddelka(m, priprava, o);
    int predavanj = 0;
    for (int u = 1; u <= m.steviloPredavanj() && manjka > 0; ++u) {
        const auto &odd = m.oddelkiPredavanja(u);
        if (std::find(odd.begin() + 1, odd.end(), o) != odd.end())
            predavanj += DokazPredavanja(m, priprava, u).ur;
    }
    if (manjka > predavanj) {
        d.vrsta = DokazNemogocosti::OkvirOddelka;
        d.ur = manjka;
        d.opis = QStringLiteral("Okvir oddelka %1 ne more sprejeti vseh njegovih ur (manjka %2).").arg(oznaka).arg(manjka);
    }
    return d;
}

int ProsteUrePredavanja(const ModelUrnika &m, int u) {
    bool fiksen[StDni] = {};
    return std::max(0, m.predavanja[size_t(u)].tedenskeUre - FiksniDnevi(m, u, fiksen));
}

DokazNemogocosti DokazPredavanja(const ModelUrnika &m, const PripravaUrnika &priprava, int u) {
    DokazNemogocosti d{DokazNemogocosti::PremaloDni, u, 0, 0, {}};
    const Predavanje &p = m.predavanja[size_t(u)];
    bool fiksen[StDni] = {};
    const int ur = p.zahtevnost == 0 ? 0 : std::max(0, p.tedenskeUre - FiksniDnevi(m, u, fiksen));
    if (ur == 0)
        return d;
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int t = p.izvajalci[size_t(j)].ucitelj;
        for (int i = 1; i < j && t >= 1; ++i)
            if (p.izvajalci[size_t(i)].ucitelj == t) {
                d.vrsta = DokazNemogocosti::UciteljDvakrat;
                d.ur = ur;
                d.opis = QStringLiteral("Ni mogoče razporediti: učitelj %1 je pri tem predmetu vpisan dvakrat.")
                             .arg(m.ucitelji[size_t(t)].oznaka);
                return d;
            }
    }
    // Entries naming one room group each need a room of their own at the same time.
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const int g = p.izvajalci[size_t(j)].skupinaProstorov;
        if (g < 1 || !m.prostori[size_t(g)].isGroup)
            continue;
        int hkrati = 0;
        for (int i = 1; i <= p.steviloIzvajalcev(); ++i)
            hkrati += p.izvajalci[size_t(i)].skupinaProstorov == g ? 1 : 0;
        if (hkrati > m.prostori[size_t(g)].steviloClanov()) {
            d.vrsta = DokazNemogocosti::PremaloProstorov;
            d.ur = ur;
            d.opis = QStringLiteral("Ni mogoče razporediti: skupina prostorov %1 ima prostorov %2, pouk jih hkrati "
                                    "potrebuje %3.")
                         .arg(m.prostori[size_t(g)].oznaka)
                         .arg(m.prostori[size_t(g)].steviloClanov())
                         .arg(hkrati);
            return d;
        }
    }
    const Prileganje r = Prilega(m, priprava, u, ur, fiksen, -1);
    if (r.ur >= ur)
        return d;
    d.ur = ur - r.ur;
    const QString zaradi = Zaradi(m, priprava, u, ur, fiksen);
    d.opis = r.poDnevih ? QStringLiteral("Ni mogoče razporediti: dni na voljo %1, potrebnih %2 (%3); ostane "
                                         "nerazporejenih ur: %4.")
                              .arg(r.naVoljo)
                              .arg(r.potrebnih)
                              .arg(zaradi)
                              .arg(d.ur)
                        : QStringLiteral("Ni mogoče razporediti: v %1 dneh je zaporednih prostih ur le za %2 od %3 ur "
                                         "(%4); ostane nerazporejenih ur: %5.")
                              .arg(r.naVoljo)
                              .arg(r.ur)
                              .arg(ur)
                              .arg(zaradi)
                              .arg(d.ur);
    return d;
}

std::vector<DokazNemogocosti> DokaziNemogocosti(const ModelUrnika &m, const PripravaUrnika &priprava, bool kabineti) {
    std::vector<DokazNemogocosti> dokazi;
    std::vector<int> predavanj(m.predavanja.size(), 0); // periods each unit's own proof keeps out
    for (int u = 1; u <= m.steviloPredavanj(); ++u)
        if (DokazNemogocosti d = DokazPredavanja(m, priprava, u); d.ur > 0) {
            predavanj[size_t(u)] = d.ur;
            dokazi.push_back(std::move(d));
        }
    for (int o = 1; o <= m.steviloOddelkov(); ++o)
        if (DokazNemogocosti d = DokazOddelka(m, priprava, o); d.ur > 0)
            dokazi.push_back(std::move(d));
    // A teacher or room is named when its shortfall is more than the proofs of its units show.
    const auto vec = [&](const DokazNemogocosti &d, const std::vector<int> &enote) {
        int ur = 0;
        for (int u : enote)
            ur += predavanj[size_t(u)];
        return d.ur > ur;
    };
    const std::vector<std::vector<int>> poUciteljih = PredavanjaUciteljev(m);
    for (int t = 1; t <= m.steviloUciteljev(); ++t)
        if (DokazNemogocosti d = PreobremenjenUcitelj(m, priprava, t, poUciteljih[size_t(t)]);
            d.ur > 0 && vec(d, poUciteljih[size_t(t)]))
            dokazi.push_back(std::move(d));
    for (int r = 1; r <= m.steviloProstorov(); ++r) {
        const ProstorUrnika &soba = m.prostori[size_t(r)];
        if (soba.isGroup || (kabineti && !soba.kabinet))
            continue;
        std::vector<int> enote;
        if (DokazNemogocosti d = PreobremenjenProstor(m, priprava, r, enote); d.ur > 0 && vec(d, enote))
            dokazi.push_back(std::move(d));
    }
    return dokazi;
}

} // namespace zentrel::engine

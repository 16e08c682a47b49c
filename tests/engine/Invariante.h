#pragma once

#include "engine/ModelUrnika.h"

#include <QStringList>
#include <algorithm>

namespace zentrel::test {

using namespace zentrel::engine;

// Rebuilds every occupancy grid from the placed periods and compares it with the model's own:
// the grids must name exactly the periods in use, and nothing else.
// Teacher cells compared by placed period only: a teacher named by two entries of one unit may
// be entered under either entry.
inline bool SamoTermini(const MrezaDni<ZasedbaCelice> &a, const MrezaDni<ZasedbaCelice> &b) {
    for (int d = 0; d < StDni; ++d)
        for (int p = 0; p < StUr; ++p)
            if (a(d, p).termin != b(d, p).termin)
                return false;
    return true;
}

inline QStringList RazlikeZasedenosti(const ModelUrnika &m) {
    QStringList razlike;
    ModelUrnika prazen = m;
    for (auto &o : prazen.oddelki)
        o.zasedenost.fill(0);
    for (auto &s : prazen.skupineOddelkov)
        s.zasedenost.fill(0);
    for (auto &t : prazen.ucitelji) {
        t.zasedenost.fill({});
        std::fill(std::begin(t.zasedeneUre), std::end(t.zasedeneUre), 0);
    }
    for (auto &r : prazen.prostori)
        r.zasedenost.fill({});
    for (size_t t = 1; t < m.termini.size(); ++t) {
        const Termin &termin = m.termini[t];
        if (termin.dan <= 0)
            continue;
        const Predavanje &p = m.predavanja[size_t(termin.predavanje)];
        if (p.skupinaOddelkov >= 1)
            prazen.skupineOddelkov[size_t(p.skupinaOddelkov)].zasedenost(termin.dan, termin.ura) = int(t);
        for (size_t k = 1; k < m.oddelkiPredavanja(termin.predavanje).size(); ++k)
            prazen.oddelki[size_t(m.oddelkiPredavanja(termin.predavanje)[k])].zasedenost(termin.dan, termin.ura) =
                int(t);
        for (size_t z = 1; z < termin.zasedbe.size(); ++z) {
            const int uc = p.izvajalci[size_t(termin.zasedbe[z].izvajalec)].ucitelj;
            if (uc >= 1) {
                prazen.ucitelji[size_t(uc)].zasedenost(termin.dan, termin.ura).termin = int(t);
                prazen.ucitelji[size_t(uc)].zasedeneUre[termin.dan] |= 1 << termin.ura;
            }
            const int r = termin.zasedbe[z].prostor;
            if (r >= 1 && prazen.prostori[size_t(r)].zasedenost(termin.dan, termin.ura).termin == 0)
                prazen.prostori[size_t(r)].zasedenost(termin.dan, termin.ura) = {int(t), int(z)};
        }
    }
    for (size_t o = 1; o < m.oddelki.size(); ++o)
        if (!(prazen.oddelki[o].zasedenost == m.oddelki[o].zasedenost))
            razlike << QStringLiteral("oddelek %1").arg(m.oddelki[o].oznaka);
    for (size_t s = 1; s < m.skupineOddelkov.size(); ++s)
        if (!(prazen.skupineOddelkov[s].zasedenost == m.skupineOddelkov[s].zasedenost))
            razlike << QStringLiteral("skupina %1").arg(m.skupineOddelkov[s].oznaka);
    for (size_t t = 1; t < m.ucitelji.size(); ++t)
        if (!SamoTermini(prazen.ucitelji[t].zasedenost, m.ucitelji[t].zasedenost) ||
            !std::equal(std::begin(m.ucitelji[t].zasedeneUre), std::end(m.ucitelji[t].zasedeneUre),
                        std::begin(prazen.ucitelji[t].zasedeneUre)))
            razlike << QStringLiteral("ucitelj %1").arg(m.ucitelji[t].oznaka);
    for (size_t r = 1; r < m.prostori.size(); ++r)
        for (int d = 1; d <= 5; ++d)
            for (int p = 0; p < StUr; ++p)
                if ((prazen.prostori[r].zasedenost(d, p).termin >= 1) != (m.prostori[r].zasedenost(d, p).termin >= 1))
                    razlike << QStringLiteral("prostor %1 %2.%3").arg(m.prostori[r].oznaka).arg(d).arg(p);
    return razlike;
}

} // namespace zentrel::test

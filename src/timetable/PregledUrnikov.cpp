#include "PregledUrnikov.h"

#include "engine/KakovostUrnika.h"
#include "core/TextFunctions.h"
#include "shell/LookupTables.h"

#include <algorithm>

using namespace zentrel::engine;

namespace zentrel::timetable {

namespace {

// The short code of a lesson: the subject of its first entry ("ŠPO" of the group "$ŠPO6ab"),
// else its subject group's code without the group mark.
QString KratkaOznaka(const ModelUrnika &m, int u) {
    const Predavanje &p = m.predavanja[size_t(u)];
    const int predmet =
        p.steviloIzvajalcev() >= 1 && p.izvajalci[1].predmet >= 1 ? p.izvajalci[1].predmet : p.skupinaPredmetov;
    QString oznaka = m.skupinePredmetov[size_t(predmet)].oznaka;
    return oznaka.startsWith(u'$') ? oznaka.mid(1) : oznaka;
}

} // namespace

std::vector<int> OddelkiPoAbecedi(const ModelUrnika &m) {
    return m.oddelkiPoOznaki;
}

std::vector<int> UciteljiPoAbecedi(const ModelUrnika &m) {
    return m.uciteljiPoOznaki;
}

std::vector<NerazporejenoPredavanje> PreglejNerazporejene(const ModelUrnika &m) {
    PripravaUrnika priprava;
    if (!priprava.zgradiOkvirje(m, 0))
        return {};
    priprava.zgradiPovprasevanje(m);
    std::vector<NerazporejenoPredavanje> seznam = AnalizirajNerazporejene(m, priprava);
    std::stable_sort(seznam.begin(), seznam.end(),
                     [](const NerazporejenoPredavanje &a, const NerazporejenoPredavanje &b) {
                         const int s = core::CompareSlovenian(a.skupina, b.skupina);
                         return s != 0 ? s < 0 : core::CompareSlovenian(a.predmet, b.predmet) < 0;
                     });
    for (NerazporejenoPredavanje &n : seznam)
        if (m.predavanja[size_t(n.predavanje)].zahtevnost == 0)
            n.opis = shell::Lookup::ConstructionSizes().value(0) + QStringLiteral(": predmet se razporeja ročno.");
    return seznam;
}

std::pair<int, int> RazponUr(const ModelUrnika &m) {
    int prva = 1, zadnja = 8;
    for (size_t o = 1; o < m.oddelki.size(); ++o)
        for (int dan = 1; dan <= 5; ++dan)
            for (int ura = 0; ura < StUr; ++ura)
                if (m.oddelki[o].zasedenost(dan, ura) >= 1) {
                    prva = std::min(prva, ura);
                    zadnja = std::max(zadnja, std::min(ZadnjaUra, ura + 1));
                }
    return {prva, zadnja};
}

VsiUrniki PreglejVseUrnike(const ModelUrnika &m) {
    VsiUrniki v;
    int prva = StUr, zadnja = -1;
    for (int o : OddelkiPoAbecedi(m)) {
        VsiUrniki::Vrstica vrstica;
        vrstica.oddelek = m.oddelki[size_t(o)].oznaka;
        for (int dan = 1; dan <= 5; ++dan)
            for (int ura = 0; ura < StUr; ++ura) {
                const int t = m.oddelki[size_t(o)].zasedenost(dan, ura);
                if (t < 1)
                    continue;
                vrstica.celice[size_t((dan - 1) * StUr + ura)] = KratkaOznaka(m, m.termini[size_t(t)].predavanje);
                prva = std::min(prva, ura);
                zadnja = std::max(zadnja, ura);
            }
        v.vrstice.push_back(std::move(vrstica));
    }
    if (zadnja >= 0) {
        v.prvaUra = prva;
        v.zadnjaUra = zadnja;
    }
    return v;
}

Luknje PrestejLuknje(const ModelUrnika &m) {
    Luknje l;
    for (int o : OddelkiPoAbecedi(m)) {
        LuknjeVrstica vrstica{m.oddelki[size_t(o)].oznaka, {}, 0};
        for (int dan = 1; dan <= 5; ++dan) {
            vrstica.poDnevih[size_t(dan)] = LuknjeDneva(ZasedeneUreOddelka(m, o, dan));
            vrstica.skupaj += vrstica.poDnevih[size_t(dan)];
        }
        l.skupajOddelki += vrstica.skupaj;
        l.oddelki.push_back(vrstica);
    }
    for (int u : UciteljiPoAbecedi(m)) {
        LuknjeVrstica vrstica{m.ucitelji[size_t(u)].oznaka, {}, 0};
        for (int dan = 1; dan <= 5; ++dan) {
            vrstica.poDnevih[size_t(dan)] = LuknjeDneva(m.ucitelji[size_t(u)].zasedeneUre[dan]);
            vrstica.skupaj += vrstica.poDnevih[size_t(dan)];
        }
        l.skupajUcitelji += vrstica.skupaj;
        l.ucitelji.push_back(vrstica);
    }
    return l;
}

} // namespace zentrel::timetable

#include "PrikazUrnika.h"

#include "core/TextFunctions.h"
#include "shell/LookupTables.h"

#include <algorithm>

using namespace zentrel::engine;

namespace zentrel::timetable {

namespace {

void DodajEnkrat(QStringList &seznam, const QString &text) {
    if (!text.isEmpty() && !seznam.contains(text))
        seznam << text;
}

QStringList Ucitelji(const ModelUrnika &m, int u) {
    QStringList oznake;
    const Predavanje &p = m.predavanja[size_t(u)];
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
        if (p.izvajalci[size_t(j)].ucitelj >= 1)
            DodajEnkrat(oznake, m.ucitelji[size_t(p.izvajalci[size_t(j)].ucitelj)].oznaka);
    return oznake;
}

// The shown class or teacher takes part in the unit.
bool Sodeluje(const ModelUrnika &m, const PogledUrnika &pogled, int u) {
    if (pogled.ucitelj) {
        const Predavanje &p = m.predavanja[size_t(u)];
        for (int j = 1; j <= p.steviloIzvajalcev(); ++j)
            if (p.izvajalci[size_t(j)].ucitelj == pogled.indeks)
                return true;
        return false;
    }
    const auto &odd = m.oddelkiPredavanja(u);
    return std::find(odd.begin() + 1, odd.end(), pogled.indeks) != odd.end();
}

} // namespace

QString OznakaEnote(const ModelUrnika &m, int predavanje) {
    const Predavanje &p = m.predavanja[size_t(predavanje)];
    return p.skupinaOddelkov >= 1 ? m.skupineOddelkov[size_t(p.skupinaOddelkov)].oznaka
                                  : m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka;
}

int TerminVPogledu(const ModelUrnika &m, const PogledUrnika &pogled, int dan, int ura) {
    if (pogled.indeks < 1)
        return 0;
    if (pogled.ucitelj)
        return pogled.indeks < int(m.ucitelji.size()) ? m.ucitelji[size_t(pogled.indeks)].zasedenost(dan, ura).termin
                                                      : 0;
    return pogled.indeks < int(m.oddelki.size()) ? m.oddelki[size_t(pogled.indeks)].zasedenost(dan, ura) : 0;
}

QString BesediloTermina(const ModelUrnika &m, int termin, bool ucitelji) {
    const Termin &t = m.termini[size_t(termin)];
    const Predavanje &p = m.predavanja[size_t(t.predavanje)];
    QStringList vrstice{m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka};
    vrstice << (ucitelji ? Ucitelji(m, t.predavanje).join(QStringLiteral(", ")) : OznakaEnote(m, t.predavanje));
    QStringList sobe;
    for (size_t z = 1; z < t.zasedbe.size(); ++z)
        if (t.zasedbe[z].prostor >= 1)
            DodajEnkrat(sobe, m.prostori[size_t(t.zasedbe[z].prostor)].oznaka);
    vrstice << sobe.join(QStringLiteral(", "));
    return vrstice.join(u'\n');
}

std::array<CelicaUrnika, SteviloCelic> CeliceUrnika(const RocnoUrejanje &urejanje, const PogledUrnika &pogled) {
    const ModelUrnika &m = urejanje.model();
    std::array<CelicaUrnika, SteviloCelic> celice;
    const Prenos &prenos = urejanje.prenos();
    const int izbrano = prenos.prazen() ? pogled.izbranoPredavanje : prenos.predavanje;
    const int izbranPredmet = izbrano >= 1 ? m.predavanja[size_t(izbrano)].skupinaPredmetov : 0;
    const bool prenosTukaj = !prenos.prazen() && prenos.dan >= 1 && Sodeluje(m, pogled, prenos.predavanje);
    const auto zadnja = urejanje.zadnjaCelica(0);
    const auto predzadnja = urejanje.zadnjaCelica(1);
    const bool pokaziOddelke = pogled.ucitelj != pogled.zamenjaneOznake;
    for (int i = 0; i < SteviloCelic; ++i) {
        const int dan = DanCelice(i);
        const int ura = UraCelice(i);
        CelicaUrnika &c = celice[size_t(i)];
        if (pogled.indeks >= 1)
            c.prepoved = pogled.ucitelj ? m.ucitelji[size_t(pogled.indeks)].prepovedano(dan, ura)
                                        : m.oddelki[size_t(pogled.indeks)].prepovedano(dan, ura);
        c.prenos = urejanje.zastavice(dan, ura);
        c.izpraznjenTermin = prenosTukaj && dan == prenos.dan && ura >= prenos.ura && ura < prenos.ura + prenos.ur;
        c.zadnjiTermin = zadnja.first == dan && zadnja.second == ura;
        c.predZadnjiTermin = predzadnja.first == dan && predzadnja.second == ura;
        c.termin = TerminVPogledu(m, pogled, dan, ura);
        if (c.termin < 1)
            continue;
        const Termin &t = m.termini[size_t(c.termin)];
        const Predavanje &p = m.predavanja[size_t(t.predavanje)];
        c.oznaka = BesediloTermina(m, c.termin, !pokaziOddelke);
        c.stalenPredmet = t.tip == QLatin1String("s");
        c.dvojniPredmet = rocno::DelBloka(m, c.termin);
        c.samoTaTurnus = !p.vsiTurnusi;
        c.veckratZaseden = t.zasedbe.size() > 2;
        c.izbranPredmet = izbrano >= 1 && t.predavanje == izbrano;
        c.podobenPredmet = !c.izbranPredmet && izbranPredmet >= 1 && p.skupinaPredmetov == izbranPredmet;
        for (size_t z = 1; z < t.zasedbe.size(); ++z)
            c.brezProstora |=
                t.zasedbe[z].prostor < 1 && p.izvajalci[size_t(t.zasedbe[z].izvajalec)].skupinaProstorov >= 1;
        // A class's own group has the class's identifier; any other group is a combined or part group.
        c.nizjiNivo = !pogled.ucitelj && p.skupinaOddelkov >= 1 &&
                      m.skupineOddelkov[size_t(p.skupinaOddelkov)].id != m.oddelki[size_t(pogled.indeks)].id;
    }
    return celice;
}

std::vector<NerazporejenPredmet> NerazporejeniPredmeti(const ModelUrnika &m, const PogledUrnika &pogled) {
    std::vector<NerazporejenPredmet> seznam;
    if (pogled.indeks < 1)
        return seznam;
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const Predavanje &p = m.predavanja[size_t(u)];
        if (p.preostalo < 1 || !Sodeluje(m, pogled, u))
            continue;
        const QString drugo =
            pogled.ucitelj != pogled.zamenjaneOznake ? OznakaEnote(m, u) : Ucitelji(m, u).join(QStringLiteral(", "));
        seznam.push_back({u, QStringLiteral("%1 - %2 (%3)")
                                 .arg(m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka, drugo)
                                 .arg(p.preostalo)});
    }
    std::stable_sort(seznam.begin(), seznam.end(), [](const NerazporejenPredmet &a, const NerazporejenPredmet &b) {
        return core::CompareSlovenian(a.besedilo, b.besedilo) < 0;
    });
    return seznam;
}

QStringList BesediloZgodovine(const ModelUrnika &m, const std::vector<ElementVerige> &elementi) {
    QStringList vrstice;
    auto kje = [](int dan, int ura, const char *sicer) {
        return dan >= 1 ? QStringLiteral("%1 %2").arg(shell::Lookup::DayNames3().value(dan)).arg(ura)
                        : QString::fromUtf8(sicer);
    };
    for (const ElementVerige &e : elementi) {
        const Predavanje &p = m.predavanja[size_t(e.predavanje)];
        vrstice << QStringLiteral("%1 %2: %3 -> %4")
                       .arg(OznakaEnote(m, e.predavanje), m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka,
                            kje(e.izDan, e.izUra, "nerazporejeno"), kje(e.vDan, e.vUra, "odstranjeno"));
    }
    return vrstice;
}

SprotnaInformacija Sprotno(const ModelUrnika &m, int predavanje, int termin, int dan, int ura, bool skrijKabinete) {
    SprotnaInformacija s;
    if (predavanje < 1)
        return s;
    const Predavanje &p = m.predavanja[size_t(predavanje)];
    s.predmet = OznakaEnote(m, predavanje) + u' ' + m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka;
    for (int j = 1; j <= p.steviloIzvajalcev(); ++j) {
        const IzvajalecPredavanja &e = p.izvajalci[size_t(j)];
        if (e.ucitelj >= 1) {
            const UciteljUrnika &t = m.ucitelji[size_t(e.ucitelj)];
            DodajEnkrat(s.ucitelji, t.priimek.isEmpty() ? t.oznaka : t.oznaka + QStringLiteral(" - ") + t.priimek);
        }
        if (dan < 1)
            continue;
        for (int soba : rocno::ProstiClani(m, e.skupinaProstorov, dan, ura))
            if (!(skrijKabinete && m.prostori[size_t(soba)].kabinet))
                DodajEnkrat(s.prostiProstori, m.prostori[size_t(soba)].oznaka);
    }
    if (termin >= 1)
        for (size_t z = 1; z < m.termini[size_t(termin)].zasedbe.size(); ++z)
            if (m.termini[size_t(termin)].zasedbe[z].prostor >= 1)
                DodajEnkrat(s.prostori, m.prostori[size_t(m.termini[size_t(termin)].zasedbe[z].prostor)].oznaka);
    return s;
}

} // namespace zentrel::timetable

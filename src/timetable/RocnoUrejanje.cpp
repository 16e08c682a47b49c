#include "RocnoUrejanje.h"

#include "engine/PreberiModelUrnika.h"
#include "ZapisVerige.h"
#include "core/AppState.h"
#include "core/Messages.h"

#include <algorithm>

using namespace zentrel::engine;

namespace zentrel::timetable {

using namespace rocno;

namespace {

const QString NiBloka = QStringLiteral("Tu ni mogoče razporediti predmeta v bloku.");

bool Enaka(const Termin &a, const Termin &b) {
    if (a.dan != b.dan || a.ura != b.ura || a.tip != b.tip || a.zasedbe.size() != b.zasedbe.size())
        return false;
    for (size_t z = 1; z < a.zasedbe.size(); ++z)
        if (a.zasedbe[z].prostor != b.zasedbe[z].prostor)
            return false;
    return true;
}

} // namespace

bool RocnoUrejanje::nalozi() {
    m_koraki.clear();
    m_prenos = {};
    m_odprta = false;
    m_urnik = core::App().trenutniUrnik;
    m_turnus = core::App().trenutniTurnus;
    return PreberiModelUrnika(m, false);
}

RocnoUrejanje::Stanje RocnoUrejanje::stanje() const {
    if (!m_prenos.prazen())
        return Stanje::Nosi;
    return steviloPremikov() > 0 && !m_odprta ? Stanje::Potrditev : Stanje::Prosto;
}

int RocnoUrejanje::steviloPremikov() const {
    return int(std::count_if(m_koraki.begin(), m_koraki.end(), [](const Korak &k) { return !k.elementi.empty(); }));
}

std::vector<ElementVerige> RocnoUrejanje::zgodovina() const {
    std::vector<ElementVerige> vsi;
    for (const Korak &k : m_koraki)
        vsi.insert(vsi.end(), k.elementi.begin(), k.elementi.end());
    return vsi;
}

std::pair<int, int> RocnoUrejanje::zadnjaCelica(int odKonca) const {
    const std::vector<ElementVerige> z = zgodovina();
    if (odKonca < 0 || odKonca >= int(z.size()))
        return {0, 0};
    const ElementVerige &e = z[z.size() - 1 - size_t(odKonca)];
    return {e.vDan, e.vUra};
}

void RocnoUrejanje::preklopiNacin() {
    m_nacin = m_nacin == QLatin1String("s") ? QStringLiteral("r") : QStringLiteral("s");
}

bool RocnoUrejanje::vPrenosu(int termin) const {
    return std::find(m_prenos.termini.begin(), m_prenos.termini.end(), termin) != m_prenos.termini.end();
}

Termin RocnoUrejanje::opisPrenosa(int i) const {
    if (m_prenos.prazen())
        return {};
    if (m_prenos.termini.empty())
        return NovTermin(m, m_prenos.predavanje);
    return m.termini[size_t(m_prenos.termini[size_t(std::clamp(i, 0, int(m_prenos.termini.size()) - 1))])];
}

VNapoto RocnoUrejanje::vNapoto(int dan, int ura) const {
    return m_prenos.prazen() ? VNapoto{} : PreveriCelico(m, opisPrenosa(), dan, ura);
}

ZastavicePrenosa RocnoUrejanje::zastavice(int dan, int ura) const {
    return m_prenos.prazen() ? ZastavicePrenosa{} : Zastavice(m, opisPrenosa(), dan, ura);
}

RocnoUrejanje::Korak &RocnoUrejanje::zacniKorak() {
    Korak k;
    k.prenos = m_prenos;
    k.steviloTerminov = m.termini.size();
    m_koraki.push_back(std::move(k));
    m_odprta = false;
    return m_koraki.back();
}

void RocnoUrejanje::shrani(int t) {
    Korak &k = m_koraki.back();
    if (size_t(t) >= k.steviloTerminov)
        return; // created in this step: undoing the step drops it
    for (const auto &[x, zapis] : k.prej)
        if (x == t)
            return;
    k.prej.emplace_back(t, m.termini[size_t(t)]);
}

void RocnoUrejanje::shraniPreostalo(int u) {
    Korak &k = m_koraki.back();
    for (const auto &[x, preostalo] : k.preostalo)
        if (x == u)
            return;
    k.preostalo.emplace_back(u, m.predavanja[size_t(u)].preostalo);
}

void RocnoUrejanje::razveljavi(const Korak &k) {
    for (const auto &[t, zapis] : k.prej)
        if (vMrezi(t))
            Sprosti(m, t);
    for (size_t t = k.steviloTerminov; t < m.termini.size(); ++t)
        if (vMrezi(int(t)))
            Sprosti(m, int(t));
    m.termini.resize(k.steviloTerminov);
    for (const auto &[t, zapis] : k.prej)
        m.termini[size_t(t)] = zapis;
    for (const auto &[u, preostalo] : k.preostalo)
        m.predavanja[size_t(u)].preostalo = preostalo;
    m_prenos = k.prenos;
    for (const auto &[t, zapis] : k.prej)
        if (vMrezi(t))
            Zasedi(m, t);
}

int RocnoUrejanje::zadnjaEnota() const {
    for (auto k = m_koraki.rbegin(); k != m_koraki.rend(); ++k)
        if (!k->elementi.empty())
            return k->elementi.back().predavanje;
    return 0;
}

bool RocnoUrejanje::poberi(int termin, bool blok) {
    if (stanje() != Stanje::Prosto || termin < 1 || termin >= int(m.termini.size()) || !vMrezi(termin))
        return false;
    const Termin &x = m.termini[size_t(termin)];
    const int u = x.predavanje;
    std::vector<int> termini{termin};
    if (blok) {
        for (int p = x.ura - 1; TerminPredavanja(m, u, x.dan, p) >= 1; --p)
            termini.insert(termini.begin(), TerminPredavanja(m, u, x.dan, p));
        for (int p = x.ura + 1; TerminPredavanja(m, u, x.dan, p) >= 1; ++p)
            termini.push_back(TerminPredavanja(m, u, x.dan, p));
    }
    zacniKorak();
    for (int t : termini) {
        shrani(t);
        Sprosti(m, t);
    }
    const Termin &prvi = m.termini[size_t(termini.front())];
    m_prenos = {u, termini, prvi.dan, prvi.ura, int(termini.size())};
    return true;
}

bool RocnoUrejanje::poberiNerazporejenega(int predavanje, bool blok) {
    if (stanje() != Stanje::Prosto || predavanje < 1 || predavanje > m.steviloPredavanj())
        return false;
    const Predavanje &p = m.predavanja[size_t(predavanje)];
    if (p.preostalo < 1)
        return false;
    zacniKorak();
    m_prenos = {predavanje, {}, 0, 0, blok ? std::min(std::max(1, p.dolzinaBloka), p.preostalo) : 1};
    return true;
}

IzidSpusta RocnoUrejanje::zavrni(const QString &text) const {
    // The text goes in as a value so that a "#" in a label is shown as it stands.
    core::ShowMessage(core::MsgStatusWarning, QStringLiteral("#"), text);
    return IzidSpusta::Zavrnjeno;
}

QString RocnoUrejanje::oznakeVNapoto(const std::vector<int> &termini) const {
    QStringList oznake;
    for (int t : termini) {
        const Predavanje &p = m.predavanja[size_t(m.termini[size_t(t)].predavanje)];
        const QString o = QLatin1Char('(') +
                          (p.skupinaOddelkov >= 1 ? m.skupineOddelkov[size_t(p.skupinaOddelkov)].oznaka
                                                  : m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka) +
                          QLatin1Char(')');
        if (!oznake.contains(o))
            oznake << o;
    }
    return oznake.join(QStringLiteral(", "));
}

bool RocnoUrejanje::vprasajPrepoved(const std::vector<std::pair<Termin, IzbiraProstorov>> &cilji, int dan, int ura) {
    for (size_t i = 0; i < cilji.size(); ++i)
        if (Prepovedano(m, cilji[i].first, cilji[i].second.prostori, dan, ura + int(i)))
            return core::ShowMessage(core::MsgQuestion,
                                     QStringLiteral("Termin je prepovedan.\nAli želite vseeno nadaljevati?")) ==
                   core::Answer::Yes;
    return true;
}

bool RocnoUrejanje::izberiSobe(const Termin &opis, IzbiraProstorov &izbira, int dan, int ura, bool vprasaj) {
    if (!vprasaj || !izbiraProstora)
        return true;
    for (int z : izbira.izbirne) {
        ZahtevaProstora z0{opis.predavanje, opis.zasedbe[size_t(z)].izvajalec, dan, ura, {izbira.prostori[size_t(z)]}};
        const int skupina = m.predavanja[size_t(opis.predavanje)].izvajalci[size_t(z0.izvajalec)].skupinaProstorov;
        for (int soba : ProstiClani(m, skupina, dan, ura)) {
            bool vzeta = false;
            for (size_t k = 1; k < izbira.prostori.size(); ++k)
                vzeta |= int(k) != z && izbira.prostori[k] == soba;
            if (!vzeta && soba != z0.prostori.front())
                z0.prostori.push_back(soba);
        }
        const int izbrana = izbiraProstora(z0);
        if (izbrana < 1)
            return false;
        izbira.prostori[size_t(z)] = izbrana;
    }
    return true;
}

int RocnoUrejanje::postavi(int i, int dan, int ura, const std::vector<int> &prostori) {
    int t = 0;
    if (m_prenos.termini.empty()) {
        const int u = m_prenos.predavanje;
        shraniPreostalo(u);
        m.termini.push_back(NovTermin(m, u));
        --m.predavanja[size_t(u)].preostalo;
        t = int(m.termini.size()) - 1;
    } else {
        t = m_prenos.termini[size_t(i)];
        shrani(t);
    }
    Termin &x = m.termini[size_t(t)];
    x.dan = dan;
    x.ura = ura;
    x.tip = m_nacin;
    for (size_t z = 1; z < x.zasedbe.size() && z < prostori.size(); ++z)
        x.zasedbe[z].prostor = prostori[z];
    Zasedi(m, t);
    return t;
}

IzidSpusta RocnoUrejanje::zakljuci() {
    if (steviloPremikov() > 1)
        return IzidSpusta::CakaPotrditev;
    return potrdi() ? IzidSpusta::Zapisano : IzidSpusta::NapakaZapisa;
}

bool RocnoUrejanje::zamenjavaDovoljena(int termin) const {
    const Termin &x = m.termini[size_t(termin)];
    return x.tip != QLatin1String("s") && !DelBloka(m, termin) && x.predavanje != zadnjaEnota() &&
           x.predavanje != m_prenos.predavanje;
}

IzidSpusta RocnoUrejanje::spusti(int dan, int ura) {
    if (stanje() != Stanje::Nosi || dan < 1 || dan > 5 || ura < 0 || ura > ZadnjaUra)
        return IzidSpusta::Zavrnjeno;
    // Put back where it came from: the pick-up is undone and nothing is written.
    if (!m_prenos.termini.empty() && dan == m_prenos.dan && ura == m_prenos.ura && m_koraki.back().elementi.empty()) {
        korakNazaj();
        return IzidSpusta::Preklicano;
    }
    if (m_prenos.ur > 1)
        return spustiBlok(dan, ura);
    const Termin opis = opisPrenosa();
    const VNapoto v = PreveriCelico(m, opis, dan, ura);
    if (v.prosto()) {
        IzbiraProstorov izbira = IzberiProstore(m, opis, dan, ura);
        if (!vprasajPrepoved({{opis, izbira}}, dan, ura) || !izberiSobe(opis, izbira, dan, ura, true))
            return IzidSpusta::Preklicano;
        const ElementVerige e{m_prenos.predavanje, m_prenos.dan, m_prenos.ura, dan, ura, 1};
        zacniKorak();
        postavi(0, dan, ura, izbira.prostori);
        m_koraki.back().elementi.push_back(e);
        m_prenos = {};
        return zakljuci();
    }
    if (v.vsiProstoriZasedeni)
        return zavrni(QStringLiteral("Vsi prostori v skupini so zasedeni!"));
    if (v.termini.size() == 1 && zamenjavaDovoljena(v.termini.front()))
        return zamenjaj(v.termini.front(), dan, ura, true);
    return zavrni(QStringLiteral("Enote in skupine v napoto: ") + oznakeVNapoto(v.termini));
}

IzidSpusta RocnoUrejanje::spustiBlok(int dan, int ura) {
    const int ur = m_prenos.ur;
    if (ura + ur - 1 > ZadnjaUra)
        return zavrni(NiBloka);
    std::vector<std::pair<Termin, IzbiraProstorov>> cilji;
    for (int i = 0; i < ur; ++i) {
        const Termin opis = opisPrenosa(i);
        if (!PreveriCelico(m, opis, dan, ura + i).prosto())
            return zavrni(NiBloka);
        cilji.emplace_back(opis, IzberiProstore(m, opis, dan, ura + i));
    }
    if (!vprasajPrepoved(cilji, dan, ura))
        return IzidSpusta::Preklicano;
    for (int i = 0; i < ur; ++i)
        if (!izberiSobe(cilji[size_t(i)].first, cilji[size_t(i)].second, dan, ura + i, true))
            return IzidSpusta::Preklicano;
    const ElementVerige e{m_prenos.predavanje, m_prenos.dan, m_prenos.ura, dan, ura, ur};
    zacniKorak();
    for (int i = 0; i < ur; ++i)
        postavi(i, dan, ura + i, cilji[size_t(i)].second.prostori);
    m_koraki.back().elementi.push_back(e);
    m_prenos = {};
    return zakljuci();
}

IzidSpusta RocnoUrejanje::zamenjaj(int vNapoto, int dan, int ura, bool vprasaj) {
    const Termin opis = opisPrenosa();
    // The rooms are chosen with the displaced period off the grid: it may hold the room needed.
    Sprosti(m, vNapoto);
    IzbiraProstorov izbira = IzberiProstore(m, opis, dan, ura);
    Zasedi(m, vNapoto);
    if (!izbira.vNapoto.empty() || izbira.vsiZasedeni)
        return zavrni(QStringLiteral("Enote in skupine v napoto: ") + oznakeVNapoto({vNapoto}));
    if (vprasaj && (!vprasajPrepoved({{opis, izbira}}, dan, ura) || !izberiSobe(opis, izbira, dan, ura, true)))
        return IzidSpusta::Preklicano;
    const ElementVerige e{m_prenos.predavanje, m_prenos.dan, m_prenos.ura, dan, ura, 1};
    zacniKorak();
    shrani(vNapoto);
    Sprosti(m, vNapoto);
    postavi(0, dan, ura, izbira.prostori);
    m_koraki.back().elementi.push_back(e);
    m_prenos = {m.termini[size_t(vNapoto)].predavanje, {vNapoto}, dan, ura, 1};
    return IzidSpusta::Zamenjano;
}

IzidSpusta RocnoUrejanje::odstrani() {
    if (stanje() != Stanje::Nosi)
        return IzidSpusta::Zavrnjeno;
    if (m_prenos.termini.empty()) {
        korakNazaj(); // a lesson taken from the list goes back to it
        return IzidSpusta::Preklicano;
    }
    const ElementVerige e{m_prenos.predavanje, m_prenos.dan, m_prenos.ura, 0, 0, m_prenos.ur};
    zacniKorak();
    shraniPreostalo(m_prenos.predavanje);
    for (int t : m_prenos.termini) {
        shrani(t);
        m.termini[size_t(t)].dan = 0; // saving deletes its rows
    }
    m.predavanja[size_t(m_prenos.predavanje)].preostalo += m_prenos.ur;
    m_koraki.back().elementi.push_back(e);
    m_prenos = {};
    return zakljuci();
}

bool RocnoUrejanje::korakNazaj() {
    if (m_koraki.empty())
        return false;
    const Korak k = std::move(m_koraki.back());
    m_koraki.pop_back();
    razveljavi(k);
    m_odprta = false;
    return true;
}

void RocnoUrejanje::prekliciVse() {
    while (korakNazaj()) {
    }
}

void RocnoUrejanje::novaMenjava() {
    if (stanje() == Stanje::Potrditev)
        m_odprta = true;
}

bool RocnoUrejanje::potrdi() {
    if (stanje() == Stanje::Nosi)
        return false;
    std::vector<SpremembaTermina> spremembe;
    if (!m_koraki.empty()) {
        const size_t zacetek = m_koraki.front().steviloTerminov;
        std::vector<int> videni;
        for (const Korak &k : m_koraki)
            for (const auto &[t, zapis] : k.prej)
                if (std::find(videni.begin(), videni.end(), t) == videni.end()) {
                    videni.push_back(t);
                    if (size_t(t) >= zacetek)
                        spremembe.push_back({t, true});
                    else if (!Enaka(zapis, m.termini[size_t(t)]))
                        spremembe.push_back({t, false});
                }
        for (size_t t = zacetek; t < m.termini.size(); ++t)
            if (std::find(videni.begin(), videni.end(), int(t)) == videni.end())
                spremembe.push_back({int(t), true});
    }
    if (!spremembe.empty() && !ZapisiVerigo(m, m_urnik, m_turnus, spremembe)) {
        // The screen must never show what is not stored.
        nalozi();
        return false;
    }
    m_koraki.clear();
    m_odprta = false;
    return true;
}

bool RocnoUrejanje::preizkusiMenjavo(int dan, int ura) {
    const Termin opis = opisPrenosa();
    const VNapoto v = PreveriCelico(m, opis, dan, ura);
    if (v.termini.size() != 1 || v.vsiProstoriZasedeni)
        return false;
    const int w = v.termini.front();
    const Termin &x = m.termini[size_t(w)];
    if (!zamenjavaDovoljena(w) ||
        m.predavanja[size_t(x.predavanje)].skupinaOddelkov != m.predavanja[size_t(opis.predavanje)].skupinaOddelkov)
        return false;
    // The exchange tried in memory: the carried period at the cell, the displaced one tested at
    // the cell the carried one came from; then both as they were.
    const int c = m_prenos.termini.front();
    Sprosti(m, w);
    const IzbiraProstorov izbira = IzberiProstore(m, opis, dan, ura);
    bool ok = izbira.vNapoto.empty() && !izbira.vsiZasedeni && !Prepovedano(m, opis, izbira.prostori, dan, ura);
    if (ok) {
        const Termin staro = m.termini[size_t(c)];
        Termin &nosen = m.termini[size_t(c)];
        nosen.dan = dan;
        nosen.ura = ura;
        for (size_t z = 1; z < nosen.zasedbe.size(); ++z)
            nosen.zasedbe[z].prostor = izbira.prostori[z];
        Zasedi(m, c);
        const Termin premaknjen = m.termini[size_t(w)];
        const IzbiraProstorov nazaj = IzberiProstore(m, premaknjen, m_prenos.dan, m_prenos.ura);
        ok = PreveriCelico(m, premaknjen, m_prenos.dan, m_prenos.ura).prosto() &&
             !Prepovedano(m, premaknjen, nazaj.prostori, m_prenos.dan, m_prenos.ura);
        Sprosti(m, c);
        m.termini[size_t(c)] = staro;
    }
    Zasedi(m, w);
    return ok;
}

bool RocnoUrejanje::najdiMenjavo() {
    if (stanje() != Stanje::Nosi || m_prenos.ur != 1 || m_prenos.termini.empty()) {
        zavrni(QStringLiteral("Zamenjavo je mogoče iskati le za posamezno uro iz urnika."));
        return false;
    }
    const int izvor = (m_prenos.dan - 1) * StUr + m_prenos.ura;
    const int u = m_prenos.predavanje;
    for (int i = 0; i < 5 * StUr; ++i) {
        const int celica = (m_zadnjeIskanje + 1 + i) % (5 * StUr);
        const int dan = celica / StUr + 1;
        const int ura = celica % StUr;
        if (m.imaTerminNaDan(u, dan)) {
            i += ZadnjaUra - ura; // the unit is on this day already: the rest of the day is skipped
            continue;
        }
        if (celica == izvor || !preizkusiMenjavo(dan, ura))
            continue;
        m_zadnjeIskanje = celica;
        const int odDan = m_prenos.dan;
        const int odUra = m_prenos.ura;
        zamenjaj(PreveriCelico(m, opisPrenosa(), dan, ura).termini.front(), dan, ura, false);
        const Termin opis = opisPrenosa();
        const ElementVerige e{m_prenos.predavanje, m_prenos.dan, m_prenos.ura, odDan, odUra, 1};
        const IzbiraProstorov izbira = IzberiProstore(m, opis, odDan, odUra);
        zacniKorak();
        postavi(0, odDan, odUra, izbira.prostori);
        m_koraki.back().elementi.push_back(e);
        m_prenos = {};
        return true;
    }
    zavrni(QStringLiteral("Zamenjave ni bilo mogoče najti."));
    return false;
}

bool RocnoUrejanje::novProstor(int termin) {
    if (stanje() != Stanje::Prosto || verigaOdprta() || termin < 1 || termin >= int(m.termini.size()) ||
        !vMrezi(termin))
        return false;
    Termin x = m.termini[size_t(termin)];
    bool izbira = false, spremenjeno = false;
    for (size_t z = 1; z < x.zasedbe.size(); ++z) {
        const int skupina =
            m.predavanja[size_t(x.predavanje)].izvajalci[size_t(x.zasedbe[z].izvajalec)].skupinaProstorov;
        if (skupina < 1 || m.prostori[size_t(skupina)].steviloClanov() < 2)
            continue;
        izbira = true;
        ZahtevaProstora zahteva{x.predavanje, x.zasedbe[z].izvajalec, x.dan, x.ura, {}};
        if (x.zasedbe[z].prostor >= 1)
            zahteva.prostori.push_back(x.zasedbe[z].prostor);
        for (int soba : ProstiClani(m, skupina, x.dan, x.ura))
            zahteva.prostori.push_back(soba);
        const int izbrana = izbiraProstora ? izbiraProstora(zahteva) : x.zasedbe[z].prostor;
        if (izbrana < 1)
            return false;
        spremenjeno |= izbrana != x.zasedbe[z].prostor;
        x.zasedbe[z].prostor = izbrana;
    }
    if (!spremenjeno)
        return izbira;
    Sprosti(m, termin);
    m.termini[size_t(termin)] = x;
    Zasedi(m, termin);
    if (!ZapisiVerigo(m, m_urnik, m_turnus, {{termin, false}})) {
        nalozi();
        return false;
    }
    return true;
}

} // namespace zentrel::timetable

#include "PripravaUrnika.h"

#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"

#include <QStringList>
#include <algorithm>

namespace zentrel::engine {

namespace {
constexpr int CelicTedna = 5 * StUr;
}

// Fills `ure` cells round-robin over the days (day 1..5 at offset 0, then offset 1, ...), each
// day starting at its own first period, so that every class day starts at its first period and
// has no holes. A cell that is forbidden or past period 15 is passed over without using up a
// step, so the frame holds the class's weekly periods wherever the allowed cells can (a break
// period forbidden on every day must not cost the class a cell of its week).
void NapolniOkvir(OkvirOddelka &o, int ure) {
    int zadnjiDan = 0;
    int zadnjiOdmik = 0;
    for (int pos = 0, napolnjenih = 0; napolnjenih < ure && pos < CelicTedna; ++pos) {
        const int dan = pos % 5 + 1;
        const int odmik = pos / 5;
        const int ura = o.prvaUra[dan] + odmik;
        if (ura <= ZadnjaUra && o.okvir(dan, ura) == OkvirOddelka::Zunaj) {
            o.okvir(dan, ura) = OkvirOddelka::Dovoljeno;
            zadnjiDan = dan;
            zadnjiOdmik = odmik;
            ++napolnjenih;
        }
    }
    // Every day reaches the offset of the last filled cell.
    if (zadnjiDan >= 1 && zadnjiDan < 5)
        for (int dan = zadnjiDan + 1; dan <= 5; ++dan) {
            const int ura = o.prvaUra[dan] + zadnjiOdmik;
            if (ura >= 0 && ura <= ZadnjaUra && o.okvir(dan, ura) != OkvirOddelka::Prepovedano)
                o.okvir(dan, ura) = OkvirOddelka::Dovoljeno;
        }
}

bool PripravaUrnika::zgradiOkvirje(const ModelUrnika &model, int dodatneUre) {
    std::vector<OkvirOddelka> prve(model.oddelki.size());
    db::Connection &c = db::ProjectDb();
    const db::RowSet rows = c.query(QStringLiteral("SELECT ID_ODDELKA, PRVA_URA, DAN From ODDELKI_OKVIR "
                                                   " WHERE (((ODDELKI_OKVIR.ID_URNIKA)=%1) AND "
                                                   "((ODDELKI_OKVIR.ID_TURNUSA)=%2)) Order by ID_ODDELKA, DAN")
                                        .arg(core::App().trenutniUrnik)
                                        .arg(core::App().trenutniTurnus));
    if (c.lastError().isError())
        return false;
    // Classes are few; a linear look-up of each row's class keeps the maps out of this step.
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 id = db::ToLong(rows.value(r, 0));
        const qint64 prvaVrstice = db::ToLong(rows.value(r, 1));
        const qint64 danVrstice = db::ToLong(rows.value(r, 2));
        if (danVrstice < 1 || danVrstice > 5 || prvaVrstice < 0 || prvaVrstice > ZadnjaUra)
            continue;
        const int prva = int(prvaVrstice);
        const int dan = int(danVrstice);
        for (int o = 1; o <= model.steviloOddelkov(); ++o)
            if (model.oddelki[size_t(o)].id == id)
                prve[size_t(o)].prvaUra[dan] = prva;
    }
    zgradiOkvirje(model, dodatneUre, prve);
    return true;
}

void PripravaUrnika::zgradiOkvirje(const ModelUrnika &model, int dodatneUre, const std::vector<OkvirOddelka> &prve) {
    const int nOdd = model.steviloOddelkov();
    okvirjiOddelkov.assign(size_t(nOdd) + 1, OkvirOddelka{});
    for (int o = 1; o <= nOdd; ++o) {
        OkvirOddelka &ok = okvirjiOddelkov[size_t(o)];
        for (int d = 1; d <= 5; ++d) {
            ok.prvaUra[d] = o < int(prve.size()) ? prve[size_t(o)].prvaUra[d] : 1;
            for (int p = 0; p < StUr; ++p)
                ok.okvir(d, p) =
                    model.oddelki[size_t(o)].prepovedano(d, p) ? OkvirOddelka::Prepovedano : OkvirOddelka::Zunaj;
        }
    }
    m_tedenskeUre.assign(size_t(nOdd) + 1, 0);
    for (int u = 1; u <= model.steviloPredavanj(); ++u) {
        const auto &odd = model.oddelkiPredavanja(u);
        for (size_t k = 1; k < odd.size(); ++k)
            // Lessons placed only by hand take cells of the week too.
            m_tedenskeUre[size_t(odd[k])] += model.predavanja[size_t(u)].steviloUr;
    }
    for (int o = 1; o <= nOdd; ++o) {
        m_tedenskeUre[size_t(o)] += 5 * dodatneUre;
        NapolniOkvir(okvirjiOddelkov[size_t(o)], m_tedenskeUre[size_t(o)]);
    }
    okvirjiSkupin.assign(model.skupineOddelkov.size(), OkvirSkupine{});
    for (int s = 1; s <= model.steviloSkupinOddelkov(); ++s) {
        const auto &odd = model.skupineOddelkov[size_t(s)].oddelki;
        if (odd.size() < 2)
            continue;
        OkvirSkupine &ok = okvirjiSkupin[size_t(s)];
        for (int d = 1; d <= 5; ++d)
            for (int p = 0; p < StUr; ++p) {
                bool vsi = true;
                for (size_t k = 1; k < odd.size() && vsi; ++k)
                    vsi = okvirjiOddelkov[size_t(odd[k])].okvir(d, p) == OkvirOddelka::Dovoljeno;
                ok.okvir(d, p) = vsi ? 1 : 0;
                ok.dovoljeneCelice += vsi ? 1 : 0;
            }
    }
    zgradiProfile(model);
}

void PripravaUrnika::zgradiProfile(const ModelUrnika &model) {
    profili.assign(model.ucitelji.size(), ProfilUcitelja{});
    for (int u = 1; u <= model.steviloPredavanj(); ++u) {
        const Predavanje &pr = model.predavanja[size_t(u)];
        const auto &odd = model.oddelkiPredavanja(u);
        for (int j = 1; j <= pr.steviloIzvajalcev(); ++j) {
            const int t = pr.izvajalci[size_t(j)].ucitelj;
            if (t < 1)
                continue;
            ProfilUcitelja &prof = profili[size_t(t)];
            for (size_t k = 1; k < odd.size(); ++k) {
                const int c = odd[k];
                for (int d = 1; d <= 5; ++d) {
                    const int f = okvirjiOddelkov[size_t(c)].prvaUra[d];
                    const int e = std::min(15, f + m_tedenskeUre[size_t(c)] / 5 + 1);
                    prof.najzgodnejsaPrva[d] = std::min(prof.najzgodnejsaPrva[d], f);
                    prof.najzgodnejsaPrvaTedna = std::min(prof.najzgodnejsaPrvaTedna, f);
                    prof.najkasnejsaPrvaTedna = std::max(prof.najkasnejsaPrvaTedna, f);
                    prof.najkasnejsiKonec[d] = std::max(prof.najkasnejsiKonec[d], e);
                    prof.najkasnejsiKonecTedna = std::max(prof.najkasnejsiKonecTedna, e);
                }
            }
        }
    }
    for (ProfilUcitelja &prof : profili) {
        const int razlika = prof.najkasnejsaPrvaTedna - prof.najzgodnejsaPrvaTedna;
        prof.utez = razlika > 0 ? razlika : 0;
        prof.sredina = (prof.najkasnejsiKonecTedna + prof.najzgodnejsaPrvaTedna) / 2.0;
    }
}

void PripravaUrnika::zgradiPovprasevanje(const ModelUrnika &model) {
    povprasevanja.assign(model.prostori.size(), PovprasevanjeProstora{});
    struct Vnos {
        int predavanje, izvajalec, clanov;
    };
    std::vector<Vnos> seznam;
    for (int u = 1; u <= model.steviloPredavanj(); ++u) {
        const Predavanje &pr = model.predavanja[size_t(u)];
        for (int j = 1; j <= pr.steviloIzvajalcev(); ++j) {
            const int g = pr.izvajalci[size_t(j)].skupinaProstorov;
            if (g >= 1)
                seznam.push_back({u, j, model.prostori[size_t(g)].steviloClanov()});
        }
    }
    // Equal member counts keep the order of units and entries.
    std::stable_sort(seznam.begin(), seznam.end(), [](const Vnos &a, const Vnos &b) { return a.clanov < b.clanov; });
    for (const Vnos &v : seznam) {
        const Predavanje &pr = model.predavanja[size_t(v.predavanje)];
        const int s = pr.skupinaOddelkov;
        const int dovoljene = s >= 1 ? okvirjiSkupin[size_t(s)].dovoljeneCelice : 0;
        const float delez = dovoljene > 0 ? float(pr.tedenskeUre) / float(dovoljene) : 0.0f;
        if (delez <= 0)
            continue;
        const auto &clani = model.prostori[size_t(pr.izvajalci[size_t(v.izvajalec)].skupinaProstorov)].clani;
        int izbran = 0;
        float meja = 10000000.0f;
        for (size_t k = 1; k < clani.size(); ++k)
            if (povprasevanja[size_t(clani[k])].maksimalno < meja) {
                meja = povprasevanja[size_t(clani[k])].maksimalno;
                izbran = clani[k];
            }
        if (izbran == 0)
            continue;
        PovprasevanjeProstora &pp = povprasevanja[size_t(izbran)];
        const OkvirSkupine &ok = okvirjiSkupin[size_t(s)];
        for (int d = 1; d <= 5; ++d)
            for (int p = 0; p < StUr; ++p)
                if (ok.okvir(d, p) == 1) {
                    pp.povprasevanje(d, p) += delez;
                    pp.maksimalno = std::max(pp.maksimalno, pp.povprasevanje(d, p));
                }
    }
}

QStringList PripravaUrnika::preobremenjeniProstori(const ModelUrnika &model) const {
    QStringList labels;
    for (int r = 1; r < int(povprasevanja.size()) && r < int(model.prostori.size()); ++r)
        if (povprasevanja[size_t(r)].maksimalno >= 1.0f)
            labels << model.prostori[size_t(r)].oznaka;
    return labels;
}

} // namespace zentrel::engine

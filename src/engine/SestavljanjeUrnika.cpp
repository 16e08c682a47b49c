#include "SestavljanjeUrnika.h"

#include "DokoncanjeUrnika.h"
#include "PreberiModelUrnika.h"
#include "PripravaUrnika.h"
#include "Sestavljalnik.h"
#include "ShraniSestavljeno.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/Connection.h"
#include "db/MBaza.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <cmath>

namespace zentrel::engine {

using core::App;

QString SestavljanjeUrnika::BesediloOdstotka(int skupaj, int nerazporejene) {
    const double odstotek = skupaj > 0 ? (skupaj - nerazporejene) * 100.0 / skupaj : 0.0;
    return QStringLiteral("Sestavljeno: ") + QString::number(odstotek, 'f', 2) + u'%';
}

int SestavljanjeUrnika::napredek() const {
    return m_sestavljalnik ? m_sestavljalnik->napredek() : m_koncniNapredek;
}

int SestavljanjeUrnika::maksimumNapredka() const {
    return m_sestavljalnik ? m_sestavljalnik->maksimumNapredka() : m_koncniMaksimum;
}

PodatkiTretjegaKroga SestavljanjeUrnika::podatkiTretjegaKroga() const {
    PodatkiTretjegaKroga p;
    if (!m_sestavljalnik)
        return p;
    p.msOdZacetka = m_sestavljalnik->msOdZacetkaTretjega();
    p.msOdZadnjeSpremembe = m_sestavljalnik->msOdZadnjeSpremembe();
    p.spremembe = m_sestavljalnik->steviloSprememb();
    p.skupaj = m_sestavljalnik->skupajUr();
    p.razporejeno = p.skupaj - m_sestavljalnik->nerazporejeneUre();
    const double odstotek = p.skupaj > 0 ? p.razporejeno * 100.0 / p.skupaj : 0.0;
    p.odstotek = QString::number(odstotek, 'f', 2) + u'%';
    return p;
}

PodatkiDokoncanja SestavljanjeUrnika::podatkiDokoncanja() const {
    PodatkiDokoncanja p;
    if (!m_dokoncanje || !m_sestavljalnik)
        return p;
    p.msOdZacetka = m_dokoncanje->msOdZacetka();
    p.skupaj = m_sestavljalnik->skupajUr();
    p.razporejeno = p.skupaj - m_sestavljalnik->nerazporejeneUre();
    p.odstotek = QString::number(p.skupaj > 0 ? p.razporejeno * 100.0 / p.skupaj : 0.0, 'f', 2) + u'%';
    p.premikov = m_dokoncanje->premikov();
    p.izboljsuje = m_dokoncanje->izboljsuje();
    return p;
}

void SestavljanjeUrnika::ustavi() {
    App().runFlag = false;
}

void SestavljanjeUrnika::poKoraku() {
    if (m_vTretjem && m_sestavljalnik &&
        ((m_omejitev > 0 && m_sestavljalnik->msOdZacetkaTretjega() >= qint64(m_omejitev * 1000)) ||
         (m_mirovanje > 0 && m_sestavljalnik->msOdZadnjeSpremembe() >= qint64(m_mirovanje * 1000))))
        App().runFlag = false;
    if (korak)
        korak();
}

QString PreveriUrnikZaSestavljanje() {
    db::Connection &c = db::ProjectDb();
    const qint64 urnik = App().trenutniUrnik;
    const QVariant urnikov = c.scalar(QStringLiteral("SELECT count(*) FROM URNIKI WHERE ID = ?"), {urnik});
    const QVariant veljavnosti =
        urnikov.toLongLong() > 0
            ? c.scalar(QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA WHERE ID_URNIKA = ?"), {urnik})
            : QVariant(0);
    if (c.lastError().isError())
        return QStringLiteral("Napaka pri branju urnika.\n") + c.lastError().description;
    if (urnikov.toLongLong() == 0)
        return QStringLiteral("Niste izbrali nobenega urnika. Najprej pojdite na zavihek \"Izbira\"");
    if (veljavnosti.toLongLong() > 0)
        return QStringLiteral("Urnik je že veljaven. Sestavljanje je zato onemogočeno.");
    return {};
}

RezultatSestavljanja SestavljanjeUrnika::zazeni(const MoznostiSestavljanja &moznosti) {
    RezultatSestavljanja rez;
    if (m_stanje != 0)
        return rez; // re-entrant start: ignored
    rez.zagnano = true;
    m_stanje = 1;
    App().busy = true;
    struct Konec {
        SestavljanjeUrnika *job;
        ~Konec() {
            job->m_stanje = 0;
            job->m_sestavljalnik = nullptr;
            job->m_dokoncanje = nullptr;
            job->m_vTretjem = false;
            App().busy = false;
            App().runFlag = false;
        }
    } konec{this};

    QElapsedTimer ura;
    ura.start();
    rez.sporocilo = PreveriUrnikZaSestavljanje();
    if (!rez.sporocilo.isEmpty()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("#"), rez.sporocilo);
        return rez;
    }
    if (!PreberiModelUrnika(m_model, true))
        return rez;
    if (!m_model.neveljavniPodatki.isEmpty()) {
        rez.sporocilo = QStringLiteral("Sestavljanje ni mogoče, ker so v predmetnikih vrednosti zunaj meja:\n") +
                        m_model.neveljavniPodatki.join(u'\n');
        core::ShowMessage(core::MsgWarning, QStringLiteral("#"), rez.sporocilo);
        return rez;
    }
    if (m_model.steviloPredavanj() == 0) {
        rez.sporocilo = QStringLiteral("V razporedih ni vnesenih dovolj podatkov za sestavljanje urnika.");
        core::ShowMessage(core::MsgInformation, rez.sporocilo);
        return rez;
    }
    PripravaUrnika priprava;
    priprava.selitev = moznosti.selitev;
    if (!priprava.zgradiOkvirje(m_model, 0)) {
        core::ShowErrorMessage(QStringLiteral("Napaka pri branju urnika."), db::ProjectDb().lastError());
        return rez;
    }
    priprava.zgradiPovprasevanje(m_model);
    rez.seme = moznosti.seme ? *moznosti.seme : quint32(QDateTime::currentMSecsSinceEpoch());
    Sestavljalnik s(m_model, priprava, rez.seme);
    rez.skupaj = s.skupajUr();
    if (s.nerazporejeneUre() == 0) {
        rez.sporocilo = QStringLiteral("V urniku ni nerazporejenih ur");
        core::ShowMessage(core::MsgInformation, rez.sporocilo);
        return rez;
    }
    rez.preobremenjeni = priprava.preobremenjeniProstori(m_model);
    if (!rez.preobremenjeni.isEmpty())
        core::ShowMessage(core::MsgWarning, QStringLiteral("Preobremenjeni prostori: #"),
                          rez.preobremenjeni.join(QStringLiteral(", ")));
    rez.msPriprava = ura.restart();
    // The state as loaded, for the completion step's restarts of the rounds.
    std::optional<DokoncanjeUrnika::Zacetek> zacetek;
    if (moznosti.dokoncaj)
        zacetek = DokoncanjeUrnika::Zacetek{m_model, priprava, std::max(0, moznosti.dodatneUre), moznosti.kabineti};

    m_stanje = 2;
    m_sestavljalnik = &s;
    m_omejitev = moznosti.casovnaOmejitev;
    // With the completion step to follow, the third round hands over after a short standstill:
    // completion restarts the rounds with other seeds and searches beyond them, so a longer wait
    // in the third round only delays the result.
    constexpr double predajaDokoncanju = 1.0;
    m_mirovanje = moznosti.dokoncaj && (moznosti.mirovanje <= 0 || moznosti.mirovanje > predajaDokoncanju)
                      ? predajaDokoncanju
                      : moznosti.mirovanje;
    s.korak = [this] { poKoraku(); };
    s.zastavica = &App().runFlag;
    s.zacniNapredek();
    for (int k = 0; k <= std::max(0, moznosti.dodatneUre); ++k) {
        // Each repetition with wider frames takes up again what the previous one gave up: that
        // is what it is for.
        if (k > 0) {
            if (!priprava.zgradiOkvirje(m_model, k)) {
                core::ShowErrorMessage(QStringLiteral("Napaka pri branju urnika."), db::ProjectDb().lastError());
                return rez;
            }
            s.VrniOpuscene();
        }
        s.PrviKrog();
    }
    rez.msPrvi = ura.restart();
    rez.poPrvem = s.nerazporejeneUre();
    if (moznosti.kabineti)
        s.DrugiKrog();
    rez.msDrugi = ura.restart();
    rez.poDrugem = s.nerazporejeneUre();
    if (moznosti.tretjiKrog) {
        m_vTretjem = true;
        s.TretjiKrog();
        m_vTretjem = false;
    }
    rez.msTretji = ura.restart();
    rez.spremembe = s.steviloSprememb();
    rez.poTretjem = s.nerazporejeneUre();
    rez.kakovostPrej = Kakovost(m_model);
    rez.kakovost = rez.kakovostPrej;
    if (moznosti.dokoncaj) {
        DokoncanjeUrnika dokoncanje(m_model, priprava, s, rez.seme);
        dokoncanje.zacetek = std::move(zacetek);
        dokoncanje.casovnaOmejitev = moznosti.casDokoncanja;
        dokoncanje.korak = [this] { poKoraku(); };
        dokoncanje.zastavica = &App().runFlag;
        App().runFlag = true;
        m_dokoncanje = &dokoncanje;
        dokoncanje.zazeni();
        m_dokoncanje = nullptr;
        App().runFlag = false;
        rez.premikov = dokoncanje.premikov();
        rez.ponovitev = dokoncanje.ponovitev();
        rez.kakovost = dokoncanje.kakovost();
    }
    rez.msDokoncanje = ura.restart();

    core::ShowMessage(core::MsgStatus, QStringLiteral("Shranjujem podatke ..."));
    rez.nerazporejene = s.nerazporejeneUre();
    rez.shranjeno = ShraniSestavljeno(m_model);
    rez.msShranjevanje = ura.restart();
    rez.odstotek = rez.skupaj > 0 ? (rez.skupaj - rez.nerazporejene) * 100.0 / rez.skupaj : 0.0;
    rez.besedilo = BesediloOdstotka(rez.skupaj, rez.nerazporejene);
    rez.nerazporejena = AnalizirajNerazporejene(m_model, priprava);
    m_koncniNapredek = s.napredek();
    m_koncniMaksimum = s.maksimumNapredka();
    return rez;
}

RezultatSestavljanja ConstructTimetable(const MoznostiSestavljanja &moznosti,
                                        const std::function<void(int, int)> &napredek) {
    SestavljanjeUrnika job;
    if (napredek)
        job.korak = [&job, &napredek] { napredek(job.napredek(), job.maksimumNapredka()); };
    return job.zazeni(moznosti);
}

} // namespace zentrel::engine

#include "FUrnikRocno.h"

#include "BrisanjeUrnika.h"
#include "FBrisanjeUrnikaOddelka.h"
#include "FDolocitevProstora.h"
#include "FUrnikRocnoMeni.h"
#include "NastavitveUrnikov.h"
#include "PregledUrnikov.h"
#include "UrPrenosnik.h"
#include "UrSprotniInfo.h"
#include "UrUrnik.h"
#include "UrUrnikInfo.h"
#include "UrUrnikLabel.h"
#include "UrUrnikOpozorilo.h"
#include "UrnikIzbira.h"
#include "controls/FIskanje.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "controls/UrStatusLine.h"
#include "core/Messages.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

using namespace zentrel::engine;

namespace zentrel::timetable {

using Stanje = RocnoUrejanje::Stanje;

namespace {

const QString NamigBloka = QStringLiteral("Za izbiro bloka ur pritisnite Ctrl in levo tipko miške.");

controls::UrDataGrid *Seznam(QWidget *parent, const QString &naslov, const QStringList &polja,
                             const QStringList &napisi, const QList<int> &sirine) {
    auto *g = new controls::UrDataGrid(parent);
    g->SetCaption(naslov);
    g->SetDataField(polja);
    g->SetDataFieldCaption(napisi);
    g->SetDataFieldLenChrs(sirine);
    return g;
}

} // namespace

FUrnikRocno::FUrnikRocno(QWidget *parent)
    : QWidget(parent),
      OddelekDG(Seznam(this, QStringLiteral("Enote"), {QStringLiteral("OZNAKA")}, {QStringLiteral("Enote")}, {8})),
      UciteljDG(Seznam(this, QStringLiteral("Učitelji"), {QStringLiteral("OZNAKA"), QStringLiteral("PRIIMEK")},
                       {QStringLiteral("Učitelji"), QStringLiteral("Priimek")}, {7, 12})),
      FrameCaptionL(new UrUrnikLabel(this)), Urnik(new UrUrnik(this)), UrnikInfo(new UrUrnikInfo(this)),
      SprotniInfo(new UrSprotniInfo(this)), Opozorilo(new UrUrnikOpozorilo(this)), Prenosnik(new UrPrenosnik(this)),
      PopUpMenu(new FUrnikRocnoMeni(this)), NiUrnikaL(new QLabel(this)),
      RocnoBar(new controls::UrComndBarClient(this)) {
    setObjectName(QStringLiteral("FUrnikRocno"));
    RocnoBar->hide();
    NiUrnikaL->hide();
    Urnik->setToolTip(NamigBloka);
    auto *levo = new QVBoxLayout;
    levo->addWidget(OddelekDG, 1);
    levo->addWidget(UciteljDG, 1);
    auto *sredina = new QVBoxLayout;
    sredina->addWidget(FrameCaptionL);
    sredina->addWidget(Urnik, 1);
    sredina->addWidget(Opozorilo);
    auto *desno = new QVBoxLayout;
    desno->addWidget(UrnikInfo, 1);
    desno->addWidget(SprotniInfo);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(NiUrnikaL, 0, Qt::AlignTop);
    layout->addLayout(levo);
    layout->addLayout(sredina, 1);
    layout->addLayout(desno);
    UrnikInfo->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('n')) * 30);
    SprotniInfo->setMaximumWidth(UrnikInfo->maximumWidth());

    m_ed.izbiraProstora = [this](const ZahtevaProstora &z) { return FDolocitevProstora::Izberi(this, m_model, z); };
    SprotniInfo->SetSkrijKabinete(nastavitve::SkrijKabinete());
    connect(SprotniInfo, &UrSprotniInfo::SkrijKabineteSpremenjen, this, [this](bool on) {
        nastavitve::NastaviSkrijKabinete(on);
        pokaziSprotno(Urnik->Kazalec());
    });
    connect(OddelekDG, &controls::UrDataGrid::RowColChange, this,
            [this] { PrikaziOddelek(OddelekDG->Value(QStringLiteral("INDEKS")).toInt()); });
    connect(UciteljDG, &controls::UrDataGrid::RowColChange, this,
            [this] { PrikaziUcitelja(UciteljDG->Value(QStringLiteral("INDEKS")).toInt()); });
    connect(Urnik, &UrUrnik::Pritisk, this, &FUrnikRocno::pritiskCelice);
    connect(Urnik, &UrUrnik::Premik, this, [this](int celica, const QPoint &globalno) {
        if (m_ed.stanje() == Stanje::Nosi)
            pokaziPrenosnik(globalno);
        pokaziSprotno(celica);
    });
    connect(Urnik, &UrUrnik::Spust, this, &FUrnikRocno::spust);
    connect(Urnik, &UrUrnik::KazalecPremaknjen, this, [this](int celica) {
        pokaziSprotno(celica);
        if (m_ed.stanje() == Stanje::Nosi && m_pritisk < 0)
            pokaziNaKazalcu();
    });
    connect(Urnik, &UrUrnik::Tipka, this, &FUrnikRocno::tipka);
    connect(Urnik, &UrUrnik::Meni, this, &FUrnikRocno::meni);
    connect(UrnikInfo, &UrUrnikInfo::Pritisk, this, &FUrnikRocno::pritiskSeznama);
    connect(UrnikInfo, &UrUrnikInfo::Premik, this, [this](const QPoint &globalno) {
        if (m_ed.stanje() == Stanje::Nosi)
            pokaziPrenosnik(globalno);
    });
    connect(UrnikInfo, &UrUrnikInfo::Spust, this,
            [this](const QPoint &globalno) { spust(Urnik->CelicaNa(Urnik->mapFromGlobal(globalno)), globalno); });
    connect(UrnikInfo, &UrUrnikInfo::Tipka, this, &FUrnikRocno::tipkaSeznama);
    connect(UrnikInfo, &UrUrnikInfo::Izbran, this, [this](int predavanje) {
        m_pogled.izbranoPredavanje = predavanje;
        osvezi();
    });
    connect(Opozorilo, &UrUrnikOpozorilo::Potrjeno, this, [this] {
        m_ed.potrdi();
        osvezi();
    });
    connect(Opozorilo, &UrUrnikOpozorilo::Preklicano, this, [this] {
        m_ed.prekliciVse();
        osvezi();
    });
    connect(Opozorilo, &UrUrnikOpozorilo::NovaMenjavaIzbrana, this, [this] {
        m_ed.novaMenjava();
        osvezi();
    });
    connect(RocnoBar, &controls::UrComndBarClient::buttonClick, this, [this](int &koda, bool &) { gumb(koda); });
    connect(PopUpMenu->PopUpMenuNajdi, &QAction::triggered, this, &FUrnikRocno::najdi);
    connect(PopUpMenu->PopUpMenuMenjava, &QAction::triggered, this, &FUrnikRocno::najdiMenjavo);
    connect(PopUpMenu->PopUpMenuStalenVnos, &QAction::triggered, this, [this] {
        m_ed.preklopiNacin();
        osvezi();
    });
    connect(PopUpMenu->PopUpMenuPreklopUrnikov, &QAction::triggered, this, &FUrnikRocno::preklopiUrnik);
    connect(PopUpMenu->PopUpMenuPreklopOznak, &QAction::triggered, this, [this] {
        m_pogled.zamenjaneOznake = !m_pogled.zamenjaneOznake;
        osvezi();
    });
    connect(PopUpMenu->PopUpMenuNovProstor, &QAction::triggered, this, [this] {
        m_ed.novProstor(terminNaKazalcu());
        osvezi();
    });
    connect(PopUpMenu->PopUpMenuBrisiUrnikOddelka, &QAction::triggered, this, &FUrnikRocno::brisiUrnik);
    connect(PopUpMenu->PopUpMenuKorakNazaj, &QAction::triggered, this, [this] {
        m_ed.korakNazaj();
        osvezi();
    });
    connect(PopUpMenu->PopUpMenuPrekliciVse, &QAction::triggered, this, [this] {
        m_ed.prekliciVse();
        osvezi();
    });
}

FUrnikRocno::~FUrnikRocno() = default;

void FUrnikRocno::TabActivated() {
    const QString napaka = PreveriIzbranUrnik();
    NiUrnikaL->setText(napaka);
    NiUrnikaL->setVisible(!napaka.isEmpty());
    for (QWidget *w :
         std::initializer_list<QWidget *>{OddelekDG, UciteljDG, FrameCaptionL, Urnik, UrnikInfo, SprotniInfo})
        w->setVisible(napaka.isEmpty());
    if (!napaka.isEmpty()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("#"), napaka);
        if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
            bar->Init(RocnoBar, nullptr, {});
        return;
    }
    // The timetable may have changed in the other tabs; an open chain is kept as it is.
    if (!m_nalozen || (m_ed.stanje() == Stanje::Prosto && !m_ed.verigaOdprta()))
        nalozi();
    pripraviVrstico();
    osvezi();
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
        bar->StatusLine()->SetText(NamigBloka);
    Urnik->setFocus(Qt::OtherFocusReason);
}

void FUrnikRocno::BeforeTabClick(bool &pCancel, bool &pSomeActionDone) {
    pCancel = false;
    pSomeActionDone = zapriVerigo();
}

bool FUrnikRocno::CanClose() {
    zapriVerigo();
    return true;
}

bool FUrnikRocno::zapriVerigo() {
    if (m_ed.stanje() != Stanje::Nosi && !m_ed.verigaOdprta())
        return false;
    // A lesson still carried goes back: the chain can only be kept with every lesson placed.
    while (m_ed.stanje() == Stanje::Nosi)
        m_ed.korakNazaj();
    if (m_ed.verigaOdprta()) {
        if (core::ShowMessage(core::MsgQuestion, QStringLiteral("Ali želite shraniti opravljene spremembe?")) ==
            core::Answer::Yes)
            m_ed.potrdi();
        else
            m_ed.prekliciVse();
    }
    osvezi();
    return true;
}

bool FUrnikRocno::nalozi() {
    const qint64 oddelek = m_pogled.indeks >= 1 && !m_pogled.ucitelj ? m_model.oddelki[size_t(m_pogled.indeks)].id : -1;
    const qint64 ucitelj = m_pogled.indeks >= 1 && m_pogled.ucitelj ? m_model.ucitelji[size_t(m_pogled.indeks)].id : -1;
    m_nalozen = m_ed.nalozi();
    const auto [prva, zadnja] = RazponUr(m_model);
    Urnik->SetUre(prva, zadnja, OznakeUr());
    napolniSezname();
    // Back to the class or teacher shown before, by identifier: indices change with every load.
    m_pogled.indeks = 0;
    for (int i = 1; i <= m_model.steviloOddelkov(); ++i)
        if (m_model.oddelki[size_t(i)].id == oddelek)
            PrikaziOddelek(i);
    for (int i = 1; i <= m_model.steviloUciteljev(); ++i)
        if (m_model.ucitelji[size_t(i)].id == ucitelj)
            PrikaziUcitelja(i);
    if (m_pogled.indeks < 1 && OddelekDG->CurrentRow() >= 0)
        PrikaziOddelek(OddelekDG->Value(QStringLiteral("INDEKS")).toInt());
    return m_nalozen;
}

void FUrnikRocno::napolniSezname() {
    QVector<QVector<QVariant>> oddelki, ucitelji;
    for (int i : OddelkiPoAbecedi(m_model))
        oddelki.append({i, m_model.oddelki[size_t(i)].oznaka});
    for (int i : UciteljiPoAbecedi(m_model))
        ucitelji.append({i, m_model.ucitelji[size_t(i)].oznaka, m_model.ucitelji[size_t(i)].priimek});
    const QSignalBlocker a(OddelekDG), b(UciteljDG);
    OddelekDG->SetRowSet(db::RowSet({QStringLiteral("INDEKS"), QStringLiteral("OZNAKA")}, {}, oddelki));
    UciteljDG->SetRowSet(
        db::RowSet({QStringLiteral("INDEKS"), QStringLiteral("OZNAKA"), QStringLiteral("PRIIMEK")}, {}, ucitelji));
}

void FUrnikRocno::PrikaziOddelek(int oddelek) {
    prikazi(false, oddelek);
}

void FUrnikRocno::PrikaziUcitelja(int ucitelj) {
    prikazi(true, ucitelj);
}

void FUrnikRocno::prikazi(bool ucitelj, int indeks) {
    if (indeks < 1 || indeks > (ucitelj ? m_model.steviloUciteljev() : m_model.steviloOddelkov()))
        return;
    m_pogled = {ucitelj, indeks, m_pogled.zamenjaneOznake, 0};
    controls::UrDataGrid *seznam = ucitelj ? UciteljDG : OddelekDG;
    {
        const QSignalBlocker blokada(seznam);
        seznam->Find(QStringLiteral("INDEKS"), indeks);
    }
    pripraviVrstico();
    osvezi();
}

void FUrnikRocno::pripraviVrstico() {
    controls::UrComndBar *bar = controls::UrComndBar::CommandBar();
    if (!bar || !isVisible())
        return;
    // "Najdi" F3, "Menjava" F4 (the search for an exchange), "Briši vse" F10 (the shown week);
    // PgUp and PgDn move in the list of the week shown.
    controls::UrDataGrid *seznam = m_pogled.ucitelj ? UciteljDG : OddelekDG;
    bar->Init(RocnoBar, nullptr, {1, 51, 9, static_cast<controls::RecordGrid *>(seznam)});
}

void FUrnikRocno::osvezi() {
    const bool nosi = m_ed.stanje() == Stanje::Nosi;
    Urnik->Prikazi(CeliceUrnika(m_ed, m_pogled), nosi);
    UrnikInfo->SetPrikaziPreUciPro(m_pogled.ucitelj == m_pogled.zamenjaneOznake);
    UrnikInfo->PrikaziNerazporejene(NerazporejeniPredmeti(m_model, m_pogled));
    UrnikInfo->ZgodovinaClear();
    for (const QString &vrstica : BesediloZgodovine(m_model, m_ed.zgodovina()))
        UrnikInfo->DodajZgodovino(vrstica);
    Opozorilo->setVisible(m_ed.stanje() == Stanje::Potrditev);
    if (nosi) {
        const Prenos &p = m_ed.prenos();
        Prenosnik->SetOznaka(p.termini.empty() ? Sprotno(m_model, p.predavanje, 0, 0, 0, false).predmet
                                               : BesediloTermina(m_model, p.termini.front(),
                                                                 m_pogled.ucitelj == m_pogled.zamenjaneOznake));
        Prenosnik->SetSteviloUr(p.ur);
        Prenosnik->SetVisinaUre(Urnik->VisinaUre());
        if (!Prenosnik->isVisible())
            pokaziNaKazalcu();
    } else {
        Prenosnik->hide();
    }
    if (m_pogled.indeks >= 1) {
        FrameCaptionL->SetTopLabel(m_pogled.ucitelj ? QStringLiteral("Učitelj") : QStringLiteral("Enota"));
        if (m_pogled.ucitelj) {
            const UciteljUrnika &u = m_model.ucitelji[size_t(m_pogled.indeks)];
            FrameCaptionL->SetLeftLabel(u.oznaka);
            FrameCaptionL->SetCaption(QStringList{u.ime, u.vmesnoIme, u.priimek}.join(u' ').simplified());
        } else {
            const OddelekUrnika &o = m_model.oddelki[size_t(m_pogled.indeks)];
            const QString izmena = IzmenaOddelka(o.id);
            FrameCaptionL->SetLeftLabel(o.oznaka);
            FrameCaptionL->SetCaption(izmena.isEmpty() ? QString() : QStringLiteral("Izmena ") + izmena);
        }
    }
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
        bar->StatusLine()->SetStatus1(m_ed.nacin() == QLatin1String("s") ? QStringLiteral("S") : QString());
    pokaziSprotno(Urnik->Kazalec());
}

void FUrnikRocno::pokaziPrenosnik(const QPoint &globalno) {
    const QRect r = Urnik->PravokotnikCelice(Urnik->Kazalec());
    Prenosnik->Pokazi(mapFromGlobal(globalno) + QPoint(10, 10), r.width() > 0 ? r.width() : 100);
}

void FUrnikRocno::pokaziNaKazalcu() {
    // Below and right of the cell's middle, so that what the cell holds stays readable.
    const QRect r = Urnik->PravokotnikCelice(Urnik->Kazalec());
    Prenosnik->Pokazi(Urnik->pos() + r.topLeft() + QPoint(r.width() / 2, r.height() / 2), r.width());
}

void FUrnikRocno::pokaziSprotno(int celica) {
    if (celica < 0 || m_pogled.indeks < 1) {
        SprotniInfo->Clear();
        return;
    }
    const int dan = DanCelice(celica), ura = UraCelice(celica);
    const bool nosi = m_ed.stanje() == Stanje::Nosi;
    const Prenos &p = m_ed.prenos();
    const int t = nosi ? (p.termini.empty() ? 0 : p.termini.front()) : TerminVPogledu(m_model, m_pogled, dan, ura);
    const int u = nosi ? p.predavanje : t >= 1 ? m_model.termini[size_t(t)].predavanje : 0;
    SprotniInfo->Prikazi(Sprotno(m_model, u, t, dan, ura, SprotniInfo->SkrijKabinete()));
}

int FUrnikRocno::terminNaKazalcu() const {
    const int c = Urnik->Kazalec();
    return TerminVPogledu(m_model, m_pogled, DanCelice(c), UraCelice(c));
}

void FUrnikRocno::pritiskCelice(int celica, Qt::KeyboardModifiers modifiers) {
    m_pritisk = -1;
    m_izSeznama = false;
    if (celica < 0 || m_ed.stanje() != Stanje::Prosto)
        return; // while carrying, the release drops
    const int t = TerminVPogledu(m_model, m_pogled, DanCelice(celica), UraCelice(celica));
    if (t >= 1 && m_ed.poberi(t, modifiers.testFlag(Qt::ControlModifier))) {
        m_pritisk = celica;
        osvezi();
        pokaziPrenosnik(QCursor::pos());
    }
}

void FUrnikRocno::pritiskSeznama(int predavanje, Qt::KeyboardModifiers modifiers) {
    m_pritisk = -1;
    m_izSeznama = false;
    if (m_ed.stanje() == Stanje::Prosto && m_ed.poberiNerazporejenega(predavanje, modifiers & Qt::ControlModifier)) {
        m_izSeznama = true;
        osvezi();
        pokaziPrenosnik(QCursor::pos());
    }
}

void FUrnikRocno::spust(int celica, const QPoint &globalno) {
    if (m_ed.stanje() == Stanje::Nosi) {
        if (UrnikInfo->NerazporejeniGlobalno().contains(globalno)) {
            if (!m_izSeznama)
                m_ed.odstrani();
        } else if (celica >= 0 && celica != m_pritisk) {
            spustiNa(celica);
        }
    }
    m_pritisk = -1;
    m_izSeznama = false;
    osvezi();
}

void FUrnikRocno::spustiNa(int celica) {
    Urnik->SetKazalec(celica);
    m_ed.spusti(DanCelice(celica), UraCelice(celica));
}

void FUrnikRocno::tipka(int kljuc, Qt::KeyboardModifiers modifiers) {
    const int c = Urnik->Kazalec();
    if (kljuc == Qt::Key_Space) {
        if (m_ed.stanje() == Stanje::Nosi)
            spustiNa(c);
        else if (m_ed.stanje() == Stanje::Prosto && terminNaKazalcu() >= 1)
            m_ed.poberi(terminNaKazalcu(), modifiers.testFlag(Qt::ControlModifier));
    } else if (kljuc == Qt::Key_Delete && m_ed.stanje() == Stanje::Nosi) {
        m_ed.odstrani();
    } else if (kljuc == Qt::Key_Escape) {
        m_ed.korakNazaj();
    } else if (!Opozorilo->ObdelajTipko(kljuc)) {
        return;
    }
    Prenosnik->hide(); // shown again on the cell cursor
    osvezi();
}

void FUrnikRocno::tipkaSeznama(int kljuc, Qt::KeyboardModifiers modifiers) {
    if (kljuc == Qt::Key_Space && m_ed.stanje() == Stanje::Prosto) {
        if (m_ed.poberiNerazporejenega(UrnikInfo->OznaceniNerazporejeni(), modifiers.testFlag(Qt::ControlModifier)))
            Urnik->setFocus(Qt::OtherFocusReason);
    } else if ((kljuc == Qt::Key_Space || kljuc == Qt::Key_Delete) && m_ed.stanje() == Stanje::Nosi) {
        m_ed.odstrani();
    } else if (kljuc == Qt::Key_Escape) {
        m_ed.korakNazaj();
    }
    Prenosnik->hide();
    osvezi();
}

void FUrnikRocno::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape || Opozorilo->isVisible())
        tipka(event->key(), event->modifiers());
    else
        QWidget::keyPressEvent(event);
}

void FUrnikRocno::gumb(int koda) {
    if (koda == 2)
        najdi();
    else if (koda == 0)
        najdiMenjavo();
    else if (koda == 7)
        brisiUrnik();
}

void FUrnikRocno::meni(int celica, const QPoint &globalno) {
    if (celica >= 0)
        Urnik->SetKazalec(celica);
    PopUpMenu->Nastavi(m_pogled.ucitelj, m_pogled.ucitelj == m_pogled.zamenjaneOznake,
                       m_ed.nacin() == QLatin1String("s"), m_ed.stanje() == Stanje::Nosi, m_ed.verigaOdprta(),
                       terminNaKazalcu() >= 1);
    PopUpMenu->popup(globalno);
}

void FUrnikRocno::najdi() {
    controls::FIskanje::Search(m_pogled.ucitelj ? UciteljDG : OddelekDG, this);
}

void FUrnikRocno::najdiMenjavo() {
    m_ed.najdiMenjavo();
    Prenosnik->hide();
    osvezi();
}

void FUrnikRocno::preklopiUrnik() {
    // To the teacher (or class) of the lesson at the cell cursor, else to the one chosen in its list.
    const int t = terminNaKazalcu();
    if (m_pogled.ucitelj) {
        const auto &odd =
            t >= 1 ? m_model.oddelkiPredavanja(m_model.termini[size_t(t)].predavanje) : std::vector<int>{0};
        PrikaziOddelek(odd.size() > 1 ? odd[1] : OddelekDG->Value(QStringLiteral("INDEKS")).toInt());
    } else {
        int ucitelj = UciteljDG->Value(QStringLiteral("INDEKS")).toInt();
        if (t >= 1 && m_model.termini[size_t(t)].zasedbe.size() > 1) {
            const Termin &x = m_model.termini[size_t(t)];
            const int uc = m_model.predavanja[size_t(x.predavanje)].izvajalci[size_t(x.zasedbe[1].izvajalec)].ucitelj;
            if (uc >= 1)
                ucitelj = uc;
        }
        PrikaziUcitelja(ucitelj);
    }
}

void FUrnikRocno::brisiUrnik() {
    if (m_ed.stanje() != Stanje::Prosto || m_ed.verigaOdprta() || m_pogled.indeks < 1)
        return;
    const QString oznaka = m_pogled.ucitelj ? m_model.ucitelji[size_t(m_pogled.indeks)].oznaka
                                            : m_model.oddelki[size_t(m_pogled.indeks)].oznaka;
    FBrisanjeUrnikaOddelka d(m_pogled.ucitelj, oznaka, this);
    if (d.exec() != QDialog::Accepted)
        return;
    const int izbrisanih = BrisiUrnikEnote(m_model, m_pogled.ucitelj, m_pogled.indeks, d.BrisiStalne());
    if (izbrisanih >= 0) {
        core::ShowMessage(core::MsgStatus, QStringLiteral("Izbrisanih ur: #."), izbrisanih);
        nalozi();
    }
    osvezi();
}

} // namespace zentrel::timetable

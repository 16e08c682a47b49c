#include "FUrnikAvtomatsko.h"

#include "FAvtomatskoTretjiKrog.h"
#include "KopijaPredSestavljanjem.h"
#include "NastavitveSestavljanja.h"
#include "PregledPredSestavljanjem.h"
#include "UrnikIzbira.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrStatusLine.h"
#include "core/Messages.h"
#include "shell/FGlavna.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace zentrel::engine;

namespace zentrel::timetable {

namespace {
constexpr int VrsticaSestavi = 18; // command-table row "Sestavi" (F5)
}

FUrnikAvtomatsko::FUrnikAvtomatsko(QWidget *parent)
    : QWidget(parent), Selitev(new QCheckBox(QStringLiteral("Ura odmora pri selitvi med stavbami"), this)),
      Kabineti(
          new QCheckBox(QStringLiteral("V proste učilnice razporedi predmete, ki ne potrebujejo kabineta."), this)),
      TretjiKrog(new QCheckBox(QStringLiteral("Po koncu prvega kroga nadaljuj s sestavljanjem do prekinitve."), this)),
      Dokoncaj(new QCheckBox(QStringLiteral("Dokončaj z izboljševanjem"), this)),
      RaziriUreL(new QLabel(QStringLiteral("Povečaj maksimalno število ur na dan za"), this)),
      RaziriUreE(new QLineEdit(this)), NapredekPB(new QProgressBar(this)),
      SestavljenoL(new QLabel(QStringLiteral("Avtomatsko sestavljanje je zaključeno."), this)),
      PregledPB(new QPushButton(QStringLiteral("Pre&gled pred sestavljanjem"), this)), PregledTW(new QTreeWidget(this)),
      AvtomatskoBar(new controls::UrComndBarClient(this)) {
    setObjectName(QStringLiteral("FUrnikAvtomatsko"));
    AvtomatskoBar->hide();
    Selitev->setObjectName(QStringLiteral("Selitev"));
    Kabineti->setObjectName(QStringLiteral("Kabineti"));
    TretjiKrog->setObjectName(QStringLiteral("TretjiKrog"));
    Dokoncaj->setObjectName(QStringLiteral("Dokoncaj"));
    RaziriUreE->setObjectName(QStringLiteral("RaziriUreE"));
    RaziriUreE->setValidator(new QIntValidator(0, 15, RaziriUreE));
    RaziriUreE->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    RaziriUreL->setBuddy(RaziriUreE);
    NapredekPB->setObjectName(QStringLiteral("NapredekPB"));
    NapredekPB->setValue(0);
    SestavljenoL->setObjectName(QStringLiteral("SestavljenoL"));
    QFont f = SestavljenoL->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    SestavljenoL->setFont(f);
    auto *ure = new QHBoxLayout;
    ure->addWidget(RaziriUreL);
    ure->addWidget(RaziriUreE);
    ure->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Selitev);
    layout->addWidget(Kabineti);
    layout->addWidget(TretjiKrog);
    layout->addWidget(Dokoncaj);
    layout->addLayout(ure);
    layout->addSpacing(12);
    layout->addWidget(NapredekPB);
    layout->addWidget(SestavljenoL);
    layout->addSpacing(12);
    PregledPB->setObjectName(QStringLiteral("PregledPB"));
    PregledPB->setToolTip(QStringLiteral("Kaj bo ure pustilo nerazporejene in kje to popravite (Alt+G)"));
    PregledTW->setObjectName(QStringLiteral("PregledTW"));
    PregledTW->setHeaderLabels({QStringLiteral("Kaj bo ure pustilo nerazporejene"), QStringLiteral("Popravite")});
    PregledTW->setRootIsDecorated(false);
    PregledTW->setWordWrap(true);
    PregledTW->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    PregledTW->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    PregledTW->header()->setStretchLastSection(false);
    auto *pregled = new QHBoxLayout;
    pregled->addWidget(PregledPB);
    pregled->addStretch(1);
    layout->addLayout(pregled);
    layout->addWidget(PregledTW, 1);
    connect(PregledPB, &QPushButton::clicked, this, &FUrnikAvtomatsko::Preglej);
    connect(AvtomatskoBar, &controls::UrComndBarClient::buttonClick, this, [this](int &koda, bool &) {
        if (koda == 13)
            QTimer::singleShot(0, this, &FUrnikAvtomatsko::Sestavi); // the key's handling ends first
    });
    beriMoznosti();
}

FUrnikAvtomatsko::~FUrnikAvtomatsko() = default;

FAvtomatskoTretjiKrog *FUrnikAvtomatsko::TretjiKrogOkno() const {
    return m_tretji.data();
}

bool FUrnikAvtomatsko::UstavljivoTece() const {
    return m_job.tretjiKrogTece() || m_job.dokoncanjeTece();
}

void FUrnikAvtomatsko::beriMoznosti() {
    const MoznostiSestavljanja m = BeriNastavitveSestavljanja();
    Selitev->setChecked(m.selitev);
    Kabineti->setChecked(m.kabineti);
    TretjiKrog->setChecked(m.tretjiKrog);
    Dokoncaj->setChecked(m.dokoncaj);
    RaziriUreE->setText(m.dodatneUre > 0 ? QString::number(m.dodatneUre) : QString());
}

void FUrnikAvtomatsko::TabActivated() {
    controls::UrComndBar *bar = controls::UrComndBar::CommandBar();
    if (bar)
        bar->Init(AvtomatskoBar, nullptr, {VrsticaSestavi});
    if (m_job.stanje() != 0)
        return;
    Selitev->setEnabled(SelitevNaVoljo());
    m_ovira = PreveriUrnikZaSestavljanje();
    if (!m_ovira.isEmpty()) {
        if (PreveriIzbranUrnik().isEmpty()) {
            if (bar)
                bar->StatusLine()->SetWarningText(m_ovira);
        } else {
            core::ShowMessage(core::MsgWarning, QStringLiteral("#"), m_ovira);
        }
        if (bar)
            bar->ButtonActivate(false, {VrsticaSestavi});
    }
}

void FUrnikAvtomatsko::BeforeTabClick(bool &pCancel, bool &pSomeActionDone) {
    Q_UNUSED(pSomeActionDone)
    if (m_job.stanje() == 0)
        return;
    pCancel = true;
    if (UstavljivoTece())
        m_job.ustavi();
}

bool FUrnikAvtomatsko::CanClose() {
    if (m_job.stanje() == 0)
        return true;
    // Only the third round and the completion step can be interrupted: they stop, what they
    // placed is saved, then the work windows close.
    if (UstavljivoTece()) {
        m_job.ustavi();
        m_zapriPoKoncu = true;
    }
    return false;
}

void FUrnikAvtomatsko::omogoci(bool on) {
    for (QWidget *w : std::initializer_list<QWidget *>{Kabineti, TretjiKrog, Dokoncaj, RaziriUreE, PregledPB})
        w->setEnabled(on);
    Selitev->setEnabled(on && SelitevNaVoljo());
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
        bar->ButtonActivate(on, {VrsticaSestavi});
}

void FUrnikAvtomatsko::Sestavi() {
    if (m_job.stanje() != 0 || !m_ovira.isEmpty())
        return; // a second start while a run goes is ignored
    if (!KopijaPredSestavljanjem())
        return;
    // The options shown, and those the window does not show (the third round's idle limit) as kept.
    MoznostiSestavljanja moznosti = BeriNastavitveSestavljanja();
    moznosti.selitev = Selitev->isChecked();
    moznosti.kabineti = Kabineti->isChecked();
    moznosti.tretjiKrog = TretjiKrog->isChecked();
    moznosti.dokoncaj = Dokoncaj->isChecked();
    moznosti.dodatneUre = RaziriUreE->text().toInt(); // the field takes 0 to 15 only; empty is 0
    ShraniNastavitveSestavljanja(moznosti);
    omogoci(false);
    SestavljenoL->clear();
    NapredekPB->setValue(0);
    m_zadnjiKorak.invalidate();
    m_job.korak = [this] { korak(); };
    const RezultatSestavljanja rez = m_job.zazeni(moznosti);
    m_job.korak = nullptr;
    if (m_tretji)
        delete m_tretji.data();
    NapredekPB->setMaximum(std::max(1, m_job.maksimumNapredka()));
    NapredekPB->setValue(rez.shranjeno ? NapredekPB->maximum() : std::min(NapredekPB->maximum(), m_job.napredek()));
    SestavljenoL->setText(rez.shranjeno ? rez.besedilo : QStringLiteral("Avtomatsko sestavljanje je zaključeno."));
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
        bar->StatusLine()->Clear();
    omogoci(true);
    if (rez.shranjeno)
        QApplication::beep(); // the end of the construction is signalled with a beep
    if (m_zapriPoKoncu) {
        m_zapriPoKoncu = false;
        QTimer::singleShot(0, [] {
            if (shell::FGlavna *glavna = shell::FGlavna::instance())
                glavna->CloseAllWork();
        });
    }
}

void FUrnikAvtomatsko::Preglej() {
    if (m_job.stanje() != 0 || !PreveriIzbranUrnik().isEmpty())
        return;
    std::vector<VrsticaPregleda> vrstice;
    QString napaka;
    PregledTW->clear();
    if (!PreglejPredSestavljanjem(RaziriUreE->text().toInt(), Kabineti->isChecked(), vrstice, napaka)) {
        core::ShowMessage(core::MsgError, QStringLiteral("#"), napaka);
        return;
    }
    for (const VrsticaPregleda &v : vrstice)
        new QTreeWidgetItem(PregledTW, {v.opis, v.kje});
    if (vrstice.empty())
        new QTreeWidgetItem(PregledTW, {QStringLiteral("Pregled pred sestavljanjem: ni ovir."), QString()});
}

void FUrnikAvtomatsko::korak() {
    // Every step may come here; the window repaints every 25 ms, or sooner when the progress has
    // moved by a fiftieth, which keeps the stop button answering well within half a second and
    // the bar moving on a fast run without slowing the rounds.
    const int maksimum = std::max(1, m_job.maksimumNapredka());
    if (m_zadnjiKorak.isValid() && m_zadnjiKorak.elapsed() < 25 &&
        (m_job.napredek() - NapredekPB->value()) * 50 < maksimum)
        return;
    m_zadnjiKorak.start();
    NapredekPB->setMaximum(maksimum);
    NapredekPB->setValue(std::min(maksimum, m_job.napredek()));
    if (UstavljivoTece()) {
        if (!m_tretji) {
            m_tretji = new FAvtomatskoTretjiKrog(m_job, this);
            // Beside the main window, so that the grid of the work stays in view.
            if (QWidget *glavna = window())
                m_tretji->move(glavna->frameGeometry().topRight() - QPoint(m_tretji->sizeHint().width(), -80));
            m_tretji->show();
        }
        m_tretji->Osvezi();
    }
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
        bar->StatusLine()->SetText(QStringLiteral("Sestavljam") + QString(m_animacija++ % 20, u'.'));
    QCoreApplication::processEvents();
}

} // namespace zentrel::timetable

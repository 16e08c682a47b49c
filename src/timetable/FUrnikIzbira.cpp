#include "FUrnikIzbira.h"

#include "BrisanjeUrnika.h"
#include "FKopirajTurnus.h"
#include "FKopirajUrnik.h"
#include "FOpozoriloNerazporejenih.h"
#include "FUrnikiPage.h"
#include "NastavitveUrnikov.h"
#include "controls/FTabStrip.h"
#include "core/AppState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zentrel::timetable {

using core::App;

FUrnikIzbira::FUrnikIzbira(QWidget *parent)
    : QWidget(parent), PredmetnikCB(new QComboBox(this)), TurnusCB(new QComboBox(this)),
      BrisiStalneCB(new QCheckBox(QStringLiteral("Briši stalne predmete"), this)),
      OpozoriCB(new QCheckBox(QStringLiteral("Opozori na nerazporejene"), this)), UrnikiPage(new FUrnikiPage(this)) {
    setObjectName(QStringLiteral("FUrnikIzbira"));
    PredmetnikCB->setObjectName(QStringLiteral("PredmetnikCB"));
    TurnusCB->setObjectName(QStringLiteral("TurnusCB"));
    PredmetnikCB->setMinimumContentsLength(24);
    TurnusCB->setMinimumContentsLength(6);
    auto *vrsta = new QHBoxLayout;
    vrsta->addWidget(new QLabel(QStringLiteral("Razpored:"), this));
    vrsta->addWidget(PredmetnikCB);
    vrsta->addSpacing(16);
    vrsta->addWidget(new QLabel(QStringLiteral("Turnus:"), this));
    vrsta->addWidget(TurnusCB);
    vrsta->addSpacing(16);
    vrsta->addWidget(BrisiStalneCB);
    vrsta->addWidget(OpozoriCB);
    vrsta->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(vrsta);
    layout->addWidget(UrnikiPage, 1);

    BrisiStalneCB->setChecked(nastavitve::BrisiStalne());
    OpozoriCB->setChecked(nastavitve::OpozoriNaNerazporejene());
    connect(BrisiStalneCB, &QCheckBox::toggled, this, [](bool on) { nastavitve::NastaviBrisiStalne(on); });
    connect(OpozoriCB, &QCheckBox::toggled, this, [](bool on) { nastavitve::NastaviOpozoriNaNerazporejene(on); });
    connect(PredmetnikCB, &QComboBox::activated, this, [this](int i) {
        UrnikiPage->Izbira().izberiPredmetnik(PredmetnikCB->itemData(i).toLongLong());
        UrnikiPage->Osvezi();
        opozori();
    });
    connect(TurnusCB, &QComboBox::activated, this, [this](int i) {
        UrnikiPage->Izbira().izberiTurnus(TurnusCB->itemData(i).toLongLong());
        opozori();
    });
    connect(UrnikiPage, &FUrnikiPage::UrnikIzbran, this, &FUrnikIzbira::opozori);
    connect(UrnikiPage, &FUrnikiPage::Ukaz, this, &FUrnikIzbira::ukaz);
    connect(UrnikiPage, &FUrnikiPage::UrnikiSpremenjeni, this, [this] {
        if (controls::FTabStrip *strip = controls::FTabStrip::Of(this))
            strip->UpdateAvailability();
    });
}

void FUrnikIzbira::TabActivated() {
    UrnikiPage->Activate();
    napolniSezname();
}

void NapolniSeznam(QComboBox *seznam, const db::RowSet &vrstice, const QString &stolpec, qint64 izbran, qint64 brez) {
    const QSignalBlocker blokada(seznam);
    seznam->clear();
    for (int r = 0; r < vrstice.rowCount(); ++r) {
        const qint64 id = vrstice.integer(r, QStringLiteral("ID"));
        if (id == brez)
            continue;
        seznam->addItem(vrstice.text(r, stolpec), id);
        if (id == izbran)
            seznam->setCurrentIndex(seznam->count() - 1);
    }
}

void FUrnikIzbira::napolniSezname() {
    const UrnikIzbira &izbira = UrnikiPage->Izbira();
    NapolniSeznam(PredmetnikCB, izbira.predmetniki(), QStringLiteral("IME"), App().trenutniPredmetnik);
    NapolniSeznam(TurnusCB, izbira.turnusi(), QStringLiteral("OZNAKA"), App().trenutniTurnus);
}

void FUrnikIzbira::ukaz(int koda) {
    if (App().trenutniUrnik < 0)
        return;
    bool spremenjeno = false;
    if (koda == 5) {
        FKopirajUrnik d(this);
        spremenjeno = d.exec() == QDialog::Accepted;
        if (spremenjeno)
            UrnikiPage->Izbira().list().requeryAt(QStringLiteral("ID"), d.NoviUrnik());
    } else if (koda == 6) {
        FKopirajTurnus d(UrnikiPage->Izbira().turnusi(), this);
        d.exec();
    } else if (koda == 25) {
        BrisiTermineUrnika(BrisiStalneCB->isChecked());
    }
    if (spremenjeno) {
        UrnikiPage->Izbira().moveTo(UrnikiPage->Izbira().list().position());
        UrnikiPage->Osvezi();
    }
}

void FUrnikIzbira::opozori() {
    if (!OpozoriCB->isChecked() || App().trenutniUrnik < 0)
        return;
    const auto brez = UrnikiPage->Izbira().brezUcitelja();
    if (brez.isEmpty())
        return;
    FOpozoriloNerazporejenih d(brez, this);
    d.exec();
    if (d.NeOpozarjaj()) {
        const QSignalBlocker blokada(OpozoriCB);
        OpozoriCB->setChecked(false);
        nastavitve::NastaviOpozoriNaNerazporejene(false);
    }
}

} // namespace zentrel::timetable

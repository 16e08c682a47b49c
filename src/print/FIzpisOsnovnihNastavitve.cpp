#include "FIzpisOsnovnihNastavitve.h"

#include "IzpisIzbirnih.h"
#include "UrTiskalnik.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrMoverBox.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/SettingsFile.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::print {

namespace {

const QString kOptions = QStringLiteral("[print]");

// The folder slot of the exports of each page set.
int folderSlot(int set) {
    switch (set) {
    case 6:
        return 1;
    case 7:
        return 2;
    case 10:
        return 7;
    default:
        return 3;
    }
}

std::optional<ObrazecIzbirnih> formOf(const QString &tab) {
    if (tab == QLatin1String("Obvestila o dodeljenih"))
        return ObrazecIzbirnih::Dodeljeni;
    if (tab == QLatin1String("Obrazci za nedodeljene"))
        return ObrazecIzbirnih::Nedodeljeni;
    if (tab == QLatin1String("Obrazci za izbiro"))
        return ObrazecIzbirnih::Izbira;
    return std::nullopt;
}

// A check box of the printout's options, as the option was last left.
QCheckBox *option(QFormLayout *form, const char *caption, const char *name, bool checked) {
    auto *box = new QCheckBox(QString::fromUtf8(caption), form->parentWidget());
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    form->addRow(box);
    return box;
}

QDateEdit *dateField(QWidget *parent, const char *name, const QDate &date) {
    auto *edit = new QDateEdit(date, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("d. M. yyyy"));
    return edit;
}

} // namespace

FIzpisOsnovnihNastavitve::FIzpisOsnovnihNastavitve(int set, const QString &zavihek, QWidget *parent)
    : QWidget(parent), m_set(set), m_zavihek(zavihek), m_logic(db::ProjectDb(), core::App().trenutniPredmetnik) {
    setObjectName(QStringLiteral("FIzpisOsnovnihNastavitve"));
    IzpisBar = new controls::UrComndBarClient(this);
    TiskalnikL = new QLabel(VrsticaTiskalnika(), this);
    TiskalnikL->setObjectName(QStringLiteral("TiskalnikL"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(TiskalnikL, 0, 0, 1, 2);

    const IzbiraIzpisa izbira = IzpisOsnovnih::Izbira(set, zavihek);
    if (izbira == IzbiraIzpisa::Enote || izbira == IzbiraIzpisa::Ucitelji) {
        IzbiraMov = new controls::UrMoverBox(this);
        IzbiraMov->setObjectName(QStringLiteral("IzbiraMov"));
        IzbiraMov->SetCaptions(QStringLiteral("na voljo"), QStringLiteral("izbrani"));
        IzbiraMov->SetListFieldLeft(QStringLiteral("OZNAKA"));
        IzbiraMov->SetListFieldRight(QStringLiteral("OZNAKA"));
        const QString sql = izbira == IzbiraIzpisa::Enote
                                ? QStringLiteral("SELECT OZNAKA,ID FROM ODDELKI ORDER BY OZNAKA COLLATE SLOVENSKO")
                                : QStringLiteral("SELECT OZNAKA,ID FROM UCITELJI ORDER BY OZNAKA COLLATE SLOVENSKO");
        IzbiraMov->SetRowSourceLeft(db::ProjectDb().query(sql));
        IzbiraMov->SetRowSourceRight(db::ProjectDb().query(sql + QStringLiteral(" LIMIT 0")));
        IzbiraMov->FillIDLIsts();
        layout->addWidget(IzbiraMov, 1, 0);
    }

    auto *choices = new QGroupBox(zavihek, this);
    choices->setObjectName(QStringLiteral("IzbiraFrame"));
    auto *form = new QFormLayout(choices);
    if (izbira == IzbiraIzpisa::Datum || izbira == IzbiraIzpisa::Obdobje) {
        Koledar = dateField(choices, "Koledar", QDate::currentDate());
        form->addRow(izbira == IzbiraIzpisa::Datum ? QStringLiteral("Datum") : QStringLiteral("Od"), Koledar);
        if (izbira == IzbiraIzpisa::Obdobje) {
            KoledarDo = dateField(choices, "KoledarDo", QDate::currentDate());
            Koledar->setDate(QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1));
            form->addRow(QStringLiteral("Do"), KoledarDo);
        }
    }
    const QList<bool> options = shell::CheckBoxStates(kOptions, {false, false, false, false});
    if (zavihek == QLatin1String("Realizacija"))
        PodrobnoCB = option(form, "Izpis podrobnosti", "PodrobnoCB", options.value(0));
    if (IzpisOsnovnih::UporabljaLoceneSkupine(set, zavihek))
        LoceneSkupineCB = option(form, "Ločeni predmeti v skupini", "LoceneSkupineCB", options.value(1));
    if (set == 10 && zavihek == QStringLiteral("Nadomeščanja"))
        CelUrnikCB = option(form, "Izpiši tudi ure rednega pouka", "CelUrnikCB", options.value(2));
    if (IzpisOsnovnih::UporabljaPosamezneUcence(set, zavihek))
        IzpisiPosamezneUcenceCB = option(form, "Izpiši posamezne učence", "IzpisiPosamezneUcenceCB", options.value(3));
    if (const std::optional<ObrazecIzbirnih> obrazec = formOf(zavihek)) {
        MemoE = new QPlainTextEdit(Navodilo(db::ProjectDb(), core::App().trenutniPredmetnik, *obrazec), choices);
        MemoE->setObjectName(QStringLiteral("MemoE"));
        ShraniNavodilaB = new QPushButton(QStringLiteral("Shrani navodila"), choices);
        ShraniNavodilaB->setObjectName(QStringLiteral("ShraniNavodilaB"));
        form->addRow(QStringLiteral("Navodila"), MemoE);
        form->addRow(ShraniNavodilaB);
        connect(ShraniNavodilaB, &QPushButton::clicked, this, [this, o = *obrazec] {
            ShraniNavodilo(db::ProjectDb(), core::App().trenutniPredmetnik, o, MemoE->toPlainText());
        });
    }
    if (form->rowCount() == 0)
        form->addRow(new QLabel(QStringLiteral("Izpis nima izbir."), choices));
    layout->addWidget(choices, 1, IzbiraMov ? 1 : 0, Qt::AlignTop);
    layout->setColumnStretch(IzbiraMov ? 0 : 1, 1);
    layout->setRowStretch(1, 1);
    connect(IzpisBar, &controls::UrComndBarClient::buttonClick, this, [this](int &type, bool &) { Izhod(type); });
}

FIzpisOsnovnihNastavitve::~FIzpisOsnovnihNastavitve() {
    QList<bool> options = shell::CheckBoxStates(kOptions, {false, false, false, false});
    // Only the options this tab shows are stored; the others keep what another tab left.
    const QCheckBox *boxes[] = {PodrobnoCB, LoceneSkupineCB, CelUrnikCB, IzpisiPosamezneUcenceCB};
    for (int i = 0; i < 4; ++i)
        if (boxes[i])
            options[i] = boxes[i]->isChecked();
    shell::SetCheckBoxStates(kOptions, options);
}

void FIzpisOsnovnihNastavitve::TabActivated() {
    AktivirajOrodjarno(IzpisBar);
}

MoznostiIzpisa FIzpisOsnovnihNastavitve::moznosti() const {
    MoznostiIzpisa m;
    m.podrobno = PodrobnoCB && PodrobnoCB->isChecked();
    m.loceneSkupine = LoceneSkupineCB && LoceneSkupineCB->isChecked();
    m.celUrnik = CelUrnikCB && CelUrnikCB->isChecked();
    m.posamezniUcenci = IzpisiPosamezneUcenceCB && IzpisiPosamezneUcenceCB->isChecked();
    m.datum = Koledar ? Koledar->date() : QDate();
    m.datumDo = KoledarDo ? KoledarDo->date() : QDate();
    m.izbrani = IzbiraMov ? IzbiraMov->GetList() : QList<qint64>();
    return m;
}

void FIzpisOsnovnihNastavitve::Izhod(int command) {
    if (command == ukaz::Tiskalnik) {
        if (IzberiTiskalnik(this))
            TiskalnikL->setText(VrsticaTiskalnika());
        return;
    }
    NatisniZares(command);
}

bool FIzpisOsnovnihNastavitve::NatisniZares(int command) {
    const std::optional<Dokument> d = m_logic.Izpis(m_set, m_zavihek, moznosti());
    if (!d)
        return false;
    return IzvediIzhod(this, *d, IzhodUkaza(command), folderSlot(m_set), d->imePorocila());
}

void RegisterBasicPrintTabs() {
    for (const int set : {6, 7, 9, 10})
        for (const controls::TabDef &tab : controls::PageSet::Build(set).tabs())
            if (IzpisOsnovnih::ImaIzpis(set, tab.caption))
                controls::RegisterTabWindow(tab.id, [set, caption = tab.caption](QWidget *parent) {
                    return new FIzpisOsnovnihNastavitve(set, caption, parent);
                });
}

} // namespace zentrel::print

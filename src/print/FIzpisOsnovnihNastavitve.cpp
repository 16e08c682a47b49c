#include "FIzpisOsnovnihNastavitve.h"

#include "IzpisIzbirnih.h"
#include "UrTiskalnik.h"
#include "calendar/Datumi.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrMoverBox.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "shell/SettingsFile.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

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

// A date field: the text as typed is the date (a section-wise editor turned typing over its
// text into other dates); the button beside it drops down a calendar to choose from.
QLineEdit *dateField(QFormLayout *form, const QString &caption, const char *name, const QDate &date) {
    auto *row = new QWidget(form->parentWidget());
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *edit = new QLineEdit(calendar::DatumText(date), row);
    edit->setObjectName(QLatin1String(name));
    edit->setToolTip(QStringLiteral("Datum v obliki d. m. llll"));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00. 00. 00000")) + 12);
    auto *choose = new QToolButton(row);
    choose->setText(QStringLiteral("..."));
    choose->setToolTip(QStringLiteral("Izbira v koledarju"));
    choose->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(choose);
    auto *calendarView = new QCalendarWidget(menu);
    auto *action = new QWidgetAction(menu);
    action->setDefaultWidget(calendarView);
    menu->addAction(action);
    choose->setMenu(menu);
    QObject::connect(menu, &QMenu::aboutToShow, calendarView, [edit, calendarView] {
        const QDate typed = calendar::PreberiDatum(edit->text());
        calendarView->setSelectedDate(typed.isValid() ? typed : QDate::currentDate());
    });
    QObject::connect(calendarView, &QCalendarWidget::clicked, edit, [edit, menu](const QDate &d) {
        edit->setText(calendar::DatumText(d));
        menu->close();
    });
    // A date typed in another accepted form is shown in the usual one.
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit] {
        const QDate typed = calendar::PreberiDatum(edit->text());
        if (typed.isValid())
            edit->setText(calendar::DatumText(typed));
    });
    layout->addWidget(edit);
    layout->addWidget(choose);
    layout->addStretch(1);
    form->addRow(caption, row);
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
        const QDate today = QDate::currentDate();
        const bool period = izbira == IzbiraIzpisa::Obdobje;
        Koledar = dateField(form, period ? QStringLiteral("Od") : QStringLiteral("Datum"), "Koledar",
                            period ? QDate(today.year(), today.month(), 1) : today);
        if (period)
            KoledarDo = dateField(form, QStringLiteral("Do"), "KoledarDo", today);
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
    m.datum = Koledar ? calendar::PreberiDatum(Koledar->text()) : QDate();
    m.datumDo = KoledarDo ? calendar::PreberiDatum(KoledarDo->text()) : QDate();
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

bool FIzpisOsnovnihNastavitve::datumiPravilni() const {
    for (QLineEdit *field : {Koledar, KoledarDo})
        if (field && !calendar::PreberiDatum(field->text()).isValid()) {
            core::ShowMessage(core::MsgWarning, QStringLiteral("Nepravilen zapis datuma"));
            field->setFocus();
            field->selectAll();
            return false;
        }
    return true;
}

bool FIzpisOsnovnihNastavitve::NatisniZares(int command) {
    if (!datumiPravilni())
        return false;
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

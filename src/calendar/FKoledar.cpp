#include "FKoledar.h"

#include "Datumi.h"
#include "FBrisiProsteDni.h"
#include "FBrisiVeljavnost.h"
#include "FBrisiVeljavnostBloka.h"
#include "FDodajProsteDni.h"
#include "FDodajVeljavnost.h"
#include "FSpremeniDan.h"
#include "UrIzbirniSeznam.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "core/AppState.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentrel::calendar {

namespace {

// Command-table rows of the bar: "Dodaj" (Ins, 15), "Odstrani" (F9, 16), "Briši" (F10, 0).
constexpr int kAddRow = 21;
constexpr int kRemoveRow = 22;
constexpr int kBlockRow = 45;
constexpr int kAddCommand = 15;
constexpr int kRemoveCommand = 16;
constexpr int kBlockCommand = 0;

QColor rgb(quint32 value) {
    return QColor::fromRgb(value);
}

// A list under its caption, with the buttons below it.
QWidget *column(const QString &caption, QWidget *list, const QList<QPushButton *> &buttons) {
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(caption));
    layout->addWidget(list, 1);
    auto *row = new QHBoxLayout;
    for (QPushButton *b : buttons)
        row->addWidget(b);
    row->addStretch();
    layout->addLayout(row);
    return box;
}

} // namespace

FKoledar::FKoledar(Nacin nacin, QWidget *parent, const QDate &danes)
    : QWidget(parent), CaptionL(new QLabel), KoledarFG(new QTableWidget(12, 31)), PredmetnikiDG(new UrIzbirniSeznam),
      UrnikiDG(new UrIzbirniSeznam), VeljavnostDG(new UrIzbirniSeznam), ProstiDG(new UrIzbirniSeznam),
      SprememenjeniDneviDg(new UrIzbirniSeznam), GumbVeljavnost(new QPushButton),
      GumbBrisiObdobje(new QPushButton(QStringLiteral("Briši o&bdobje"))), GumbProsto(new QPushButton),
      GumbSpremeniDan(new QPushButton(QStringLiteral("Spremeni da&n"))),
      PrejsnjeLetoB(new QPushButton(QStringLiteral("<< Leto"))),
      PrejsnjiMesecB(new QPushButton(QStringLiteral("< Mesec"))),
      NaslednjiMesecB(new QPushButton(QStringLiteral("Mesec >"))),
      NaslednjeLetoB(new QPushButton(QStringLiteral("Leto >>"))), KoledarBar(new controls::UrComndBarClient(this)),
      m_pregled(danes), m_izbranDatum(danes) {
    setObjectName(QStringLiteral("FKoledar"));
    runDialog = [](QDialog &dialog) { dialog.exec(); };
    buildLayout();
    connect(PrejsnjeLetoB, &QPushButton::clicked, this, [this] { move(&LetniPregled::PrejsnjeLeto); });
    connect(PrejsnjiMesecB, &QPushButton::clicked, this, [this] { move(&LetniPregled::PrejsnjiMesec); });
    connect(NaslednjiMesecB, &QPushButton::clicked, this, [this] { move(&LetniPregled::NaslednjiMesec); });
    connect(NaslednjeLetoB, &QPushButton::clicked, this, [this] { move(&LetniPregled::NaslednjeLeto); });
    connect(KoledarFG, &QTableWidget::cellClicked, this,
            [this](int row, int column) { IzberiDatum(m_pregled.celica(row, column).datum); });
    connect(PredmetnikiDG, &UrIzbirniSeznam::IzbiraSpremenjena, this, [this] {
        UrnikiDG->Nastavi(m_pregled.urniki(PredmetnikiDG->Izbran()));
        VeljavnostDG->Nastavi(m_pregled.veljavnosti(-1));
        updateButtons();
    });
    connect(UrnikiDG, &UrIzbirniSeznam::IzbiraSpremenjena, this, [this] {
        VeljavnostDG->Nastavi(m_pregled.veljavnosti(UrnikiDG->Izbran()));
        listChosen(LetniPregled::SeznamVeljavnosti, -1);
    });
    connect(VeljavnostDG, &UrIzbirniSeznam::IzbiraSpremenjena, this,
            [this](qint64 id) { listChosen(LetniPregled::SeznamVeljavnosti, id); });
    connect(ProstiDG, &UrIzbirniSeznam::IzbiraSpremenjena, this,
            [this](qint64 id) { listChosen(LetniPregled::SeznamProstihDni, id); });
    connect(SprememenjeniDneviDg, &UrIzbirniSeznam::IzbiraSpremenjena, this,
            [this](qint64 id) { listChosen(LetniPregled::SeznamSpremenjenihDni, id); });
    connect(GumbVeljavnost, &QPushButton::clicked, this, &FKoledar::validityButton);
    connect(GumbBrisiObdobje, &QPushButton::clicked, this, [this] {
        FBrisiVeljavnostBloka dialog(m_izbranDatum, this);
        openDialog(dialog);
    });
    connect(GumbProsto, &QPushButton::clicked, this, &FKoledar::freeDaysButton);
    connect(KoledarBar, &controls::UrComndBarClient::buttonClick, this,
            [this](int &command, bool &) { barCommand(command); });
    connect(GumbSpremeniDan, &QPushButton::clicked, this, &FKoledar::changeDayButton);

    m_pregled.Preberi();
    // The program's current curriculum and timetable, else the first of each.
    PredmetnikiDG->Nastavi(m_pregled.predmetniki(), core::App().trenutniPredmetnik);
    if (PredmetnikiDG->Izbran() < 0 && PredmetnikiDG->rowCount() > 0)
        PredmetnikiDG->IzberiVrstico(0);
    UrnikiDG->Nastavi(m_pregled.urniki(PredmetnikiDG->Izbran()), core::App().trenutniUrnik);
    if (UrnikiDG->Izbran() < 0 && UrnikiDG->rowCount() > 0)
        UrnikiDG->IzberiVrstico(0);
    PrikaziForm(nacin);
}

void FKoledar::buildLayout() {
    auto *layout = new QVBoxLayout(this);
    auto *head = new QHBoxLayout;
    QFont big = CaptionL->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    CaptionL->setFont(big);
    head->addWidget(CaptionL);
    head->addStretch();
    for (QPushButton *b : {PrejsnjeLetoB, PrejsnjiMesecB, NaslednjiMesecB, NaslednjeLetoB})
        head->addWidget(b);
    layout->addLayout(head);

    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    KoledarFG->setHorizontalHeaderLabels(days);
    KoledarFG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    KoledarFG->setSelectionMode(QAbstractItemView::SingleSelection);
    const int cell = KoledarFG->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 8;
    KoledarFG->horizontalHeader()->setDefaultSectionSize(cell);
    KoledarFG->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    KoledarFG->verticalHeader()->setDefaultSectionSize(KoledarFG->fontMetrics().height() + 6);
    KoledarFG->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    KoledarFG->verticalHeader()->setMinimumWidth(
        KoledarFG->fontMetrics().horizontalAdvance(QStringLiteral("september 2026")) + 12);
    KoledarFG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    KoledarFG->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    KoledarFG->setFixedHeight(KoledarFG->verticalHeader()->defaultSectionSize() * 12 +
                              KoledarFG->horizontalHeader()->sizeHint().height() + 4);
    KoledarFG->setMinimumWidth(cell * 31 + KoledarFG->verticalHeader()->minimumWidth() + 4);
    layout->addWidget(KoledarFG);

    auto *lists = new QHBoxLayout;
    lists->addWidget(column(QStringLiteral("Predmetniki"), PredmetnikiDG, {}), 2);
    lists->addWidget(column(QStringLiteral("Urniki"), UrnikiDG, {}), 2);
    lists->addWidget(column(QStringLiteral("Veljavnost urnika"), VeljavnostDG, {GumbVeljavnost, GumbBrisiObdobje}), 3);
    lists->addWidget(column(QStringLiteral("Prosti dnevi"), ProstiDG, {GumbProsto}), 6);
    lists->addWidget(column(QStringLiteral("Spremenjeni dnevi"), SprememenjeniDneviDg, {GumbSpremeniDan}), 2);
    layout->addLayout(lists, 1);
}

void FKoledar::TabActivated() {
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
        bar->Init(KoledarBar, nullptr, {kAddRow, kRemoveRow, kBlockRow});
}

void FKoledar::barCommand(int command) {
    if (command == kBlockCommand) {
        GumbBrisiObdobje->click();
        return;
    }
    // One dialog changes a day and changes it back.
    if (m_aktiven == LetniPregled::SeznamSpremenjenihDni) {
        changeDayButton();
        return;
    }
    const bool free = m_aktiven == LetniPregled::SeznamProstihDni;
    UrIzbirniSeznam *list = free ? ProstiDG : VeljavnostDG;
    // "Dodaj" always adds, "Odstrani" deletes the chosen row: the list's button does either.
    if (command == kAddCommand && list->Izbran() >= 0) {
        list->Izberi(-1);
        listChosen(m_aktiven, -1);
    }
    if (command == kRemoveCommand && list->Izbran() < 0)
        return;
    (free ? GumbProsto : GumbVeljavnost)->click();
}

void FKoledar::PrikaziForm(Nacin nacin) {
    m_aktiven = nacin == NacinProsto         ? LetniPregled::SeznamProstihDni
                : nacin == NacinSpremembaDne ? LetniPregled::SeznamSpremenjenihDni
                                             : LetniPregled::SeznamVeljavnosti;
    fillLists();
    activeList()->setFocus();
    listChosen(m_aktiven, activeList()->Izbran());
}

UrIzbirniSeznam *FKoledar::activeList() const {
    return m_aktiven == LetniPregled::SeznamProstihDni        ? ProstiDG
           : m_aktiven == LetniPregled::SeznamSpremenjenihDni ? SprememenjeniDneviDg
                                                              : VeljavnostDG;
}

void FKoledar::fillLists() {
    VeljavnostDG->Nastavi(m_pregled.veljavnosti(UrnikiDG->Izbran()), VeljavnostDG->Izbran());
    ProstiDG->Nastavi(m_pregled.prostiDnevi(), ProstiDG->Izbran());
    SprememenjeniDneviDg->Nastavi(m_pregled.spremenjeniDnevi(), SprememenjeniDneviDg->Izbran());
    for (UrIzbirniSeznam *list : {PredmetnikiDG, UrnikiDG, VeljavnostDG, SprememenjeniDneviDg})
        list->PrilagodiSirino();
    ProstiDG->PrilagodiSirino(70);
}

void FKoledar::listChosen(LetniPregled::Seznam seznam, qint64 id) {
    // One list is active at a time: choosing in another lets the others' rows go.
    m_aktiven = seznam;
    if (seznam != LetniPregled::SeznamVeljavnosti)
        VeljavnostDG->Izberi(-1);
    if (seznam != LetniPregled::SeznamProstihDni)
        ProstiDG->Izberi(-1);
    if (seznam != LetniPregled::SeznamSpremenjenihDni)
        SprememenjeniDneviDg->Izberi(-1);
    m_pregled.oznaci(seznam, id);
    if (seznam == LetniPregled::SeznamSpremenjenihDni && id >= 0)
        m_izbranDatum = m_pregled.sprememba(id)->datum;
    updateButtons();
    NapolniKoledar();
}

void FKoledar::updateButtons() {
    const bool validity = VeljavnostDG->Izbran() >= 0;
    // The accelerators avoid the menu's letters (D, U, I, P).
    GumbVeljavnost->setText(validity ? QStringLiteral("Briši &veljavnost") : QStringLiteral("Dodaj &veljavnost"));
    GumbVeljavnost->setEnabled(validity || UrnikiDG->Izbran() >= 0);
    GumbProsto->setText(ProstiDG->Izbran() >= 0 ? QStringLiteral("Briši prost&e dni")
                                                : QStringLiteral("Dodaj prost&e dni"));
    GumbSpremeniDan->setToolTip(QStringLiteral("Spremeni dan ") + DatumText(m_izbranDatum));
}

void FKoledar::NapisiCaption() {
    CaptionL->setText(m_pregled.naslov());
}

void FKoledar::NapolniKoledar() {
    NapisiCaption();
    for (int row = 0; row < 12; ++row) {
        KoledarFG->setVerticalHeaderItem(row, new QTableWidgetItem(m_pregled.imeMeseca(row)));
        for (int day = 0; day < 31; ++day) {
            const CelicaLeta c = m_pregled.celica(row, day);
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (c.datum.isValid()) {
                item->setText(QString::number(c.datum.day()));
                item->setBackground(rgb(c.ozadje));
                item->setForeground(rgb(c.pisava));
                item->setToolTip(c.namig);
                QFont font = item->font();
                font.setBold(c.spremenjen || c.danes);
                font.setItalic(c.spremenjen);
                font.setUnderline(c.danes);
                item->setFont(font);
            } else {
                item->setFlags(Qt::NoItemFlags);
            }
            KoledarFG->setItem(row, day, item);
        }
    }
}

void FKoledar::IzberiDatum(const QDate &datum) {
    if (!datum.isValid())
        return;
    m_izbranDatum = datum;
    updateButtons();
}

void FKoledar::move(void (LetniPregled::*step)()) {
    (m_pregled.*step)();
    fillLists();
    NapolniKoledar();
}

void FKoledar::openDialog(QDialog &dialog) {
    runDialog(dialog);
    m_pregled.Preberi();
    fillLists();
    listChosen(m_aktiven, activeList()->Izbran());
}

void FKoledar::validityButton() {
    if (const Veljavnost *v = m_pregled.veljavnost(VeljavnostDG->Izbran())) {
        FBrisiVeljavnost dialog(*v, this);
        openDialog(dialog);
        return;
    }
    const qint64 urnik = UrnikiDG->Izbran();
    if (urnik < 0)
        return;
    const int row = UrnikiDG->currentRow();
    FDodajVeljavnost dialog(urnik, row >= 0 ? UrnikiDG->item(row, 0)->text() : QString(), m_izbranDatum, this);
    openDialog(dialog);
}

void FKoledar::freeDaysButton() {
    if (const ProstiDnevi *p = m_pregled.prosto(ProstiDG->Izbran())) {
        FBrisiProsteDni dialog(*p, this);
        openDialog(dialog);
        return;
    }
    FDodajProsteDni dialog(m_izbranDatum, this);
    openDialog(dialog);
}

void FKoledar::changeDayButton() {
    FSpremeniDan dialog(m_izbranDatum, this);
    openDialog(dialog);
}

} // namespace zentrel::calendar

#include "FOdsotnosti.h"

#include "Datumi.h"
#include "FPotrdiOdsotnosti.h"
#include "controls/CommandTable.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrKoledar.h"
#include "controls/UrOkvirIzbire.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentrel::calendar {

namespace {

// Command-table rows of the bar: "Dodaj" (Ins, command 15) and "Odstrani" (F9, command 16).
constexpr int kAddRow = 21;
constexpr int kRemoveRow = 22;
constexpr int kAddCommand = 15;
constexpr int kRemoveCommand = 16;

} // namespace

FOdsotnosti::FOdsotnosti(Odsotnosti::Vrsta vrsta, QWidget *parent, const QDate &datum)
    : QWidget(parent), Kol(new controls::UrKoledar), InformacijaL(new QLabel), Frame(new QGroupBox),
      UreFG(new QTableWidget), OdsotnostiBar(new controls::UrComndBarClient(this)), m_logic(vrsta) {
    setObjectName(QStringLiteral("FOdsotnosti"));
    runDialog = [](QDialog &dialog) { dialog.exec(); };
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(Kol);
    InformacijaL->setWordWrap(true);
    InformacijaL->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    left->addWidget(InformacijaL);
    left->addStretch();
    layout->addLayout(left);
    auto *frameLayout = new QVBoxLayout(Frame);
    frameLayout->addWidget(UreFG);
    layout->addWidget(Frame, 1);

    UreFG->setColumnCount(1 + VrsticaOdsotnosti::Ure);
    UreFG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    UreFG->setSelectionMode(QAbstractItemView::ContiguousSelection);
    UreFG->setTabKeyNavigation(false);
    UreFG->setItemDelegate(new controls::UrOkvirIzbire(UreFG));
    UreFG->verticalHeader()->hide();
    UreFG->verticalHeader()->setDefaultSectionSize(UreFG->fontMetrics().height() + 6);
    UreFG->horizontalHeader()->setDefaultSectionSize(UreFG->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                                                     10);
    UreFG->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    connect(Kol, &controls::UrKoledar::DateChanged, this, [this](const QDate &datum) {
        NastaviDatumSpremljanja(datum);
        NastaviDatum(datum);
    });
    connect(OdsotnostiBar, &controls::UrComndBarClient::buttonClick, this, [this](int &command, bool &) {
        if (command == kAddCommand)
            DodajOdsotnost();
        else if (command == kRemoveCommand)
            OdstraniOdsotnost();
    });
    Kol->SetDate(datum);
    PrikaziForm(vrsta);
}

void FOdsotnosti::PrikaziForm(Odsotnosti::Vrsta vrsta) {
    m_logic = Odsotnosti(vrsta);
    QStringList titles{m_logic.naslovObjekta()};
    for (int ura = 0; ura < VrsticaOdsotnosti::Ure; ++ura)
        titles << OznakaUre(ura);
    UreFG->setHorizontalHeaderLabels(titles);
    NastaviDatum(Kol->GetDate());
}

void FOdsotnosti::TabActivated() {
    // The day chosen meanwhile in another window of absences or substitutions.
    if (const QDate izbran = IzbranDatumSpremljanja(); izbran.isValid() && izbran != Kol->GetDate())
        NastaviDatum(izbran);
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
        bar->Init(OdsotnostiBar, nullptr, {kAddRow, kRemoveRow});
    Kol->SetFocus1();
}

void FOdsotnosti::NastaviDatum(const QDate &datum) {
    if (Kol->GetDate() != datum)
        Kol->SetDate(datum);
    m_logic.NastaviDatum(datum);
    const DanUrnika &dan = m_logic.dan();
    InformacijaL->setText(OpisDneva(dan));
    Frame->setTitle(DolgiDatum(datum));
    const QDate first(datum.year(), datum.month(), 1);
    Kol->SetDates(m_logic.dneviZOdsotnostmi(first, first.addMonths(1).addDays(-1)));
    fillGrid();
}

void FOdsotnosti::fillGrid() {
    const QVector<VrsticaOdsotnosti> &rows = m_logic.vrstice();
    UreFG->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        UreFG->setItem(r, 0, new QTableWidgetItem(rows[r].objekt));
        for (int ura = 0; ura < VrsticaOdsotnosti::Ure; ++ura) {
            auto *item = new QTableWidgetItem;
            if (const quint32 colour = m_logic.barva(r, ura))
                item->setBackground(QColor::fromRgb(colour));
            UreFG->setItem(r, ura + 1, item);
        }
    }
    UreFG->resizeColumnToContents(0);
    UreFG->setColumnWidth(0, UreFG->columnWidth(0) + 12);
}

bool FOdsotnosti::DodajOdsotnost() {
    return change(true);
}

bool FOdsotnosti::OdstraniOdsotnost() {
    return change(false);
}

bool FOdsotnosti::change(bool add) {
    const QList<QTableWidgetSelectionRange> ranges = UreFG->selectedRanges();
    if (ranges.isEmpty())
        return false;
    const QTableWidgetSelectionRange block = ranges.first();
    const auto confirm = [this](int vrsta, const QDate &datum, int od, int do_) {
        FPotrdiOdsotnosti dialog(vrsta, datum, od, do_, this);
        runDialog(dialog);
        return dialog.Potrjeno();
    };
    const bool done =
        add ? m_logic.Dodaj(block.topRow(), block.bottomRow(), block.leftColumn(), block.rightColumn(), confirm)
            : m_logic.Odstrani(block.topRow(), block.bottomRow(), block.leftColumn(), block.rightColumn(), confirm);
    if (done)
        NastaviDatum(m_logic.dan().datum);
    // The block stays marked, so that a refused change can be tried again at once.
    UreFG->setRangeSelected(block, true);
    UreFG->setFocus();
    return done;
}

} // namespace zentrel::calendar

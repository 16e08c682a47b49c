#include "FSestavljanjeSuplenc.h"

#include "Datumi.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrKoledar.h"
#include "controls/UrOkvirIzbire.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentrel::calendar {

namespace {

// Command-table rows of the bar: "Shrani" (F12, command 8) and "Odstrani" (F9, command 16); with
// no edit container the bar only passes them on.
constexpr int kSaveRow = 13;
constexpr int kDeleteRow = 22;
constexpr int kSaveCommand = 8;
constexpr int kDeleteCommand = 16;
constexpr int kPeriods = VrsticaOdsotnosti::Ure;

const QColor kRed(0xE0, 0x50, 0x50);
const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kAbsent(0xB0, 0xFF, 0xB0);
const QColor kOtherBuilding(0xF4, 0xA8, 0xAA);

QTableWidget *grid(const QStringList &titles, int widthChars) {
    auto *g = new QTableWidget(0, int(titles.size()));
    g->setHorizontalHeaderLabels(titles);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the next grid; the arrows move inside one.
    g->setTabKeyNavigation(false);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->horizontalHeader()->setStretchLastSection(true);
    g->setMinimumWidth(g->fontMetrics().horizontalAdvance(QString(widthChars, u'x')));
    // The layout shares out the width; the grid does not ask for more than its minimum.
    g->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    return g;
}

// A grid with one column per period under the caption "Urnik".
QTableWidget *periodGrid() {
    QStringList titles;
    for (int p = 0; p < kPeriods; ++p)
        titles << OznakaUre(p);
    auto *g = grid(titles, 0);
    g->setSelectionBehavior(QAbstractItemView::SelectItems);
    g->horizontalHeader()->setStretchLastSection(false);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->horizontalHeader()->setDefaultSectionSize(g->fontMetrics().horizontalAdvance(QStringLiteral("ŠPO*")) + 10);
    g->setMinimumWidth(g->horizontalHeader()->defaultSectionSize() * kPeriods + 2 * g->frameWidth());
    return g;
}

QTableWidgetItem *cell(const QString &text, const QColor &back = QColor()) {
    auto *item = new QTableWidgetItem(text);
    if (back.isValid())
        item->setBackground(back);
    return item;
}

QWidget *titled(const QString &title, QWidget *content) {
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(title));
    layout->addWidget(content, 1);
    return box;
}

} // namespace

FSestavljanjeSuplenc::FSestavljanjeSuplenc(QWidget *parent, const QDate &datum)
    : QWidget(parent), Kol(new controls::UrKoledar), InformacijaL(new QLabel),
      OddelkiFG(grid({QStringLiteral("Enota")}, 12)), OddUreFg(periodGrid()),
      UciteljiFG(grid({QStringLiteral("Oznaka"), QStringLiteral("prosto"), QStringLiteral("Točke")}, 24)),
      TockeFG(grid({QStringLiteral("Merilo"), QStringLiteral("Točke")}, 22)), UciteljUreFG(periodGrid()),
      PredmetiUciteljaFG(grid({QStringLiteral("Predmet")}, 10)), ProstoriFG(grid({QStringLiteral("Oznaka")}, 10)),
      SuplenceBar(new controls::UrComndBarClient(this)) {
    setObjectName(QStringLiteral("FSestavljanjeSuplenc"));
    // A chosen class or lesson keeps its colour (red or green says whether it is substituted).
    OddelkiFG->setItemDelegate(new controls::UrOkvirIzbire(OddelkiFG));
    OddUreFg->setItemDelegate(new controls::UrOkvirIzbire(OddUreFg));
    UciteljiFG->setSelectionBehavior(QAbstractItemView::SelectRows);
    UciteljiFG->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TockeFG->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *layout = new QGridLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(Kol);
    InformacijaL->setWordWrap(true);
    left->addWidget(InformacijaL);
    left->addWidget(titled(QStringLiteral("Enote"), OddelkiFG), 1);
    layout->addLayout(left, 0, 0, 3, 1);
    layout->addWidget(titled(QStringLiteral("Urnik"), OddUreFg), 0, 1, 1, 4);
    layout->addWidget(titled(QStringLiteral("Učitelji"), UciteljiFG), 1, 1);
    layout->addWidget(titled(QStringLiteral("Merila"), TockeFG), 1, 2);
    layout->addWidget(titled(QStringLiteral("Predmeti"), PredmetiUciteljaFG), 1, 3);
    layout->addWidget(titled(QStringLiteral("Prostori"), ProstoriFG), 1, 4);
    layout->addWidget(titled(QStringLiteral("Urnik"), UciteljUreFG), 2, 1, 1, 4);
    layout->setRowStretch(0, 2);
    layout->setRowStretch(1, 3);
    layout->setRowStretch(2, 2);
    layout->setColumnStretch(1, 3);
    layout->setColumnStretch(2, 3);
    layout->setColumnStretch(3, 2);
    layout->setColumnStretch(4, 2);

    connect(Kol, &controls::UrKoledar::DateChanged, this, [this](const QDate &datum) {
        NastaviDatumSpremljanja(datum);
        NastaviDatum(datum);
    });
    connect(OddelkiFG, &QTableWidget::currentCellChanged, this, [this](int row) { IzberiOddelek(row); });
    connect(OddUreFg, &QTableWidget::currentCellChanged, this, &FSestavljanjeSuplenc::IzberiUro);
    connect(UciteljiFG, &QTableWidget::currentCellChanged, this, &FSestavljanjeSuplenc::fillCandidate);
    connect(SuplenceBar, &controls::UrComndBarClient::buttonClick, this, [this](int &command, bool &) {
        if (command == kSaveCommand)
            Shrani();
        else if (command == kDeleteCommand)
            Brisi();
    });
    Kol->SetDate(datum);
    NastaviDatum(datum);
}

void FSestavljanjeSuplenc::TabActivated() {
    // The day chosen meanwhile in a window of absences.
    if (const QDate izbran = IzbranDatumSpremljanja(); izbran.isValid() && izbran != Kol->GetDate())
        NastaviDatum(izbran);
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar()) {
        bar->Init(SuplenceBar, nullptr, {kSaveRow, kDeleteRow});
        // "Shrani" is pressed in browse state here: there is no record being edited.
        bar->SetShowChangeAndResetDisabled(true);
        bar->UpdateButtons();
    }
    Kol->SetFocus1();
}

void FSestavljanjeSuplenc::NastaviDatum(const QDate &datum) {
    if (Kol->GetDate() != datum)
        Kol->SetDate(datum);
    m_logic.NastaviDatum(datum);
    InformacijaL->setText(DolgiDatum(datum) + u'\n' + OpisDneva(m_logic.dan()));
    fillClasses();
}

void FSestavljanjeSuplenc::clearFrom(QTableWidget *first) {
    const QList<QTableWidget *> chain{OddUreFg, UciteljiFG, TockeFG, UciteljUreFG, PredmetiUciteljaFG, ProstoriFG};
    for (qsizetype i = chain.indexOf(first); i >= 0 && i < chain.size(); ++i) {
        const QSignalBlocker block(chain[i]);
        chain[i]->setRowCount(0);
    }
}

void FSestavljanjeSuplenc::fillClasses() {
    const QSignalBlocker block(OddelkiFG);
    OddelkiFG->setRowCount(0);
    for (const PrizadetOddelek &o : m_logic.oddelki()) {
        const int row = OddelkiFG->rowCount();
        OddelkiFG->insertRow(row);
        OddelkiFG->setItem(row, 0, cell(o.oznaka, o.nadomescen ? kGreen : kRed));
    }
    OddelkiFG->setCurrentCell(-1, -1);
    clearFrom(OddUreFg);
}

void FSestavljanjeSuplenc::IzberiOddelek(int row) {
    if (row < 0 || row >= m_logic.oddelki().size())
        return;
    m_logic.IzberiOddelek(m_logic.oddelki()[row].id);
    fillLessons();
    // The first lesson still without a substitution is where the work is: it is chosen at once.
    for (int p = 0; p < kPeriods; ++p)
        for (int r = 0; r < m_celice.size(); ++r)
            for (const UraOddelka &u : m_logic.ure())
                if (u.idTermina == m_celice[r][p] && u.potrebujeNadomescanje() && !u.nadomescena()) {
                    OddUreFg->setCurrentCell(r, p);
                    return;
                }
}

void FSestavljanjeSuplenc::fillLessons() {
    clearFrom(OddUreFg);
    const QSignalBlocker block(OddUreFg);
    m_celice.clear();
    // Lessons of one period run in parallel (groups of the class): they stack in its column.
    for (const UraOddelka &u : m_logic.ure()) {
        if (u.ura < 0 || u.ura >= kPeriods)
            continue;
        int row = 0;
        while (row < m_celice.size() && m_celice[row][u.ura] >= 0)
            ++row;
        if (row == m_celice.size()) {
            m_celice.append(QVector<qint64>(kPeriods, -1));
            OddUreFg->insertRow(row);
        }
        m_celice[row][u.ura] = u.idTermina;
        const QColor back = !u.potrebujeNadomescanje() ? QColor() : u.nadomescena() ? kGreen : kRed;
        QTableWidgetItem *item = cell(u.oznakaPredmeta, back);
        item->setToolTip(QStringLiteral("%1, %2").arg(u.oznakaSkupinePredmetov, u.oznakaProstora));
        OddUreFg->setItem(row, u.ura, item);
    }
    OddUreFg->setCurrentCell(-1, -1);
}

void FSestavljanjeSuplenc::IzberiUro(int row, int column) {
    if (row < 0 || row >= m_celice.size() || column < 0 || column >= kPeriods || m_celice[row][column] < 0) {
        clearFrom(UciteljiFG);
        return;
    }
    m_logic.IzberiUro(m_celice[row][column]);
    fillCandidates();
    fillRooms();
}

void FSestavljanjeSuplenc::fillCandidates() {
    clearFrom(UciteljiFG);
    const bool shown = m_logic.kandidatiPonujeni();
    // With only the room absent there is nobody to choose: the room is all that changes.
    for (QWidget *w : {UciteljiFG, TockeFG, UciteljUreFG, PredmetiUciteljaFG})
        w->parentWidget()->setVisible(shown);
    if (!shown)
        return;
    {
        const QSignalBlocker block(UciteljiFG);
        for (const Kandidat &k : m_logic.kandidati()) {
            const int row = UciteljiFG->rowCount();
            UciteljiFG->insertRow(row);
            UciteljiFG->setItem(row, 0, cell(k.oznaka));
            UciteljiFG->setItem(row, 1, cell(k.velja(Zaseden) ? QString() : QStringLiteral("da")));
            UciteljiFG->setItem(row, 2, cell(QString::number(k.tocke)));
        }
    }
    UciteljiFG->setCurrentCell(m_logic.predlaganKandidat(), 0);
}

void FSestavljanjeSuplenc::fillCandidate() {
    clearFrom(TockeFG);
    fillRooms();
    const int row = UciteljiFG->currentRow();
    if (row < 0 || row >= m_logic.kandidati().size())
        return;
    const Kandidat &k = m_logic.kandidati()[row];
    for (int c = 0; c < SteviloKriterijev; ++c) {
        if (!k.velja(Kriterij(c)))
            continue;
        const int points = k.krat[c] * TockeKriterija(Kriterij(c));
        const int line = TockeFG->rowCount();
        TockeFG->insertRow(line);
        TockeFG->setItem(line, 0, cell(ImeKriterija(Kriterij(c)), points < 0 ? kRed : QColor()));
        TockeFG->setItem(line, 1, cell(QString::number(points), points < 0 ? kRed : QColor()));
    }
    // The candidate's day: lessons and substitutions stacked by period, absences shaded.
    QVector<QVector<bool>> used;
    for (const UraKandidata &u : m_logic.DanKandidata(k.id)) {
        for (int p = std::max(u.od, 0); p <= std::min(u.do_, kPeriods - 1); ++p) {
            int line = 0;
            while (line < used.size() && used[line][p])
                ++line;
            if (u.vrsta == UraKandidata::Odsotnost)
                line = 0;
            if (line == used.size()) {
                used.append(QVector<bool>(kPeriods, false));
                UciteljUreFG->insertRow(line);
            }
            if (u.vrsta == UraKandidata::Odsotnost) {
                QTableWidgetItem *item = UciteljUreFG->item(line, p);
                if (!item)
                    UciteljUreFG->setItem(line, p, item = cell(QString()));
                item->setBackground(kAbsent);
                continue;
            }
            used[line][p] = true;
            QTableWidgetItem *item = UciteljUreFG->item(line, p);
            const QColor back = item ? item->background().color() : QColor();
            const QString text = u.vrsta == UraKandidata::Nadomescanje ? u.predmet + u'*' : u.predmet;
            UciteljUreFG->setItem(line, p, cell(text, back));
        }
    }
    const UraOddelka *lesson = m_logic.ura();
    const QSignalBlocker block(PredmetiUciteljaFG);
    for (const auto &[id, code] : m_logic.PredmetiKandidata(k.id)) {
        const int line = PredmetiUciteljaFG->rowCount();
        PredmetiUciteljaFG->insertRow(line);
        QTableWidgetItem *item = cell(code);
        item->setData(Qt::UserRole, id);
        PredmetiUciteljaFG->setItem(line, 0, item);
        if (lesson && lesson->nadomescena() && lesson->sUcitelj == k.id && lesson->sPredmet == id)
            PredmetiUciteljaFG->setCurrentCell(line, 0);
    }
}

void FSestavljanjeSuplenc::fillRooms() {
    const QSignalBlocker block(ProstoriFG);
    ProstoriFG->setRowCount(0);
    const UraOddelka *lesson = m_logic.ura();
    if (!lesson)
        return;
    ProstoriFG->insertRow(0);
    ProstoriFG->setItem(0, 0, cell(QStringLiteral("brez. p.")));
    // The room the lesson has (the stored substitution's, else its own) is the one chosen, by
    // name: "brez. p." reads as no room at all, so it is chosen only for a room not offered.
    const qint64 room = lesson->nadomescena() ? lesson->sProstor : lesson->prostor;
    int chosen = 0;
    for (const PonujenProstor &p : m_logic.prostori()) {
        const int line = ProstoriFG->rowCount();
        ProstoriFG->insertRow(line);
        QTableWidgetItem *item = cell(p.oznaka, p.drugaStavba ? kOtherBuilding : QColor());
        item->setData(Qt::UserRole, p.id);
        ProstoriFG->setItem(line, 0, item);
        if (p.id == room)
            chosen = line;
    }
    ProstoriFG->setCurrentCell(chosen, 0);
}

bool FSestavljanjeSuplenc::Shrani() {
    const UraOddelka *lesson = m_logic.ura();
    if (!lesson)
        return false;
    const qint64 oddelek = m_logic.oddelek(), termin = lesson->idTermina;
    const int candidate = m_logic.kandidatiPonujeni() ? UciteljiFG->currentRow() : -1;
    const qint64 teacher =
        candidate >= 0 && candidate < m_logic.kandidati().size() ? m_logic.kandidati()[candidate].id : -1;
    QTableWidgetItem *subject = PredmetiUciteljaFG->currentItem();
    QTableWidgetItem *room = ProstoriFG->currentItem();
    const bool stored = m_logic.Shrani(teacher, subject ? subject->data(Qt::UserRole).toLongLong() : -1,
                                       room && room->row() > 0 ? room->data(Qt::UserRole).toLongLong() : -1);
    if (stored)
        reselect(oddelek, termin);
    return stored;
}

bool FSestavljanjeSuplenc::Brisi() {
    const UraOddelka *lesson = m_logic.ura();
    if (!lesson)
        return false;
    const qint64 oddelek = m_logic.oddelek(), termin = lesson->idTermina;
    const bool deleted = m_logic.Brisi();
    if (deleted)
        reselect(oddelek, termin);
    return deleted;
}

void FSestavljanjeSuplenc::reselect(qint64 oddelek, qint64 termin) {
    // The logic has reread the date; the grids follow it back to the same class and lesson.
    fillClasses();
    for (int row = 0; row < m_logic.oddelki().size(); ++row)
        if (m_logic.oddelki()[row].id == oddelek) {
            const QSignalBlocker block(OddelkiFG);
            OddelkiFG->setCurrentCell(row, 0);
        }
    fillLessons();
    for (int row = 0; row < m_celice.size(); ++row)
        for (int p = 0; p < kPeriods; ++p)
            if (m_celice[row][p] == termin)
                OddUreFg->setCurrentCell(row, p);
}

} // namespace zentrel::calendar

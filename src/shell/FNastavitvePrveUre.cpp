#include "FNastavitvePrveUre.h"

#include "LookupTables.h"
#include "controls/UrComboBox.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFrame.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrLabel.h"
#include "controls/UrListBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace zentrel::shell {

namespace {

// The list no wider than its columns and a scroll bar: the rest of the window goes to the fields.
void fitToColumns(zentrel::controls::UrDataGrid *grid, const QList<int> &widths) {
    QTableView *view = grid->DG();
    const int charWidth = view->fontMetrics().horizontalAdvance(QLatin1Char('n'));
    int width = 2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    for (int chars : widths)
        width += chars * charWidth + 8;
    grid->setMaximumWidth(width);
}

} // namespace

using namespace controls;

namespace {

const QStringList kFirstPeriodFields{QStringLiteral("PRVA_URA_PON"), QStringLiteral("PRVA_URA_TOR"),
                                     QStringLiteral("PRVA_URA_SRE"), QStringLiteral("PRVA_URA_CET"),
                                     QStringLiteral("PRVA_URA_PET")};

QString capitalised(const QString &s) {
    return s.isEmpty() ? s : s.left(1).toUpper() + s.mid(1);
}

} // namespace

FNastavitvePrveUre::FNastavitvePrveUre(QWidget *parent) : QWidget(parent) {
    TurnusiLB = new UrListBox(this);
    TurnusiLB->setObjectName(QStringLiteral("TurnusiLB"));
    IzmeneDG = new UrDataGrid(this);
    IzmeneDG->setObjectName(QStringLiteral("IzmeneDG"));
    PrveUreHL = new UrHeaderLine(this);
    PrveUreFrame = new UrFrame(this);
    PrveUreBar = new UrComndBarClient(this);

    auto *fields = new QGridLayout(PrveUreFrame->Body());
    for (int day = 0; day < NastavitvePrveUre::Days; ++day) {
        auto *label = new UrLabel(PrveUreFrame->Body());
        auto *choice = new UrComboBox(PrveUreFrame->Body());
        choice->setObjectName(QStringLiteral("DanDC") + QString::number(day + 1));
        choice->SetListFields(QStringLiteral("Oznaka"));
        choice->setMinimumContentsLength(6);
        choice->SetIdField(QStringLiteral("ID"));
        BindField(label, choice, kFirstPeriodFields[day], capitalised(Lookup::DayNames().value(day + 1)));
        PrveUreFrame->AddControl(choice);
        fields->addWidget(label, day, 0);
        fields->addWidget(choice, day, 1, Qt::AlignLeft);
        DanL << label;
        DanDC << choice;
    }
    fields->setRowStretch(NastavitvePrveUre::Days, 1);
    fields->setColumnStretch(2, 1);
    PrveUreFrame->SetCaption(QStringLiteral("Prva ura"));

    // The list chooses what the grid shows; it is no field of the record.
    TurnusiLB->SetCaption(QStringLiteral("Turnusi"));
    TurnusiLB->SetShowChange(false);
    TurnusiLB->SetListField(QStringLiteral("OZNAKA"));
    TurnusiLB->setMaximumWidth(120);

    QStringList captions{QStringLiteral("Izmena")};
    for (int day = 1; day <= NastavitvePrveUre::Days; ++day)
        captions << capitalised(Lookup::DayNames().value(day).left(3));
    IzmeneDG->SetCaption(QStringLiteral("Izmene"));
    IzmeneDG->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("URE_0_OZNAKA"), QStringLiteral("URE_1_OZNAKA"),
                            QStringLiteral("URE_2_OZNAKA"), QStringLiteral("URE_3_OZNAKA"),
                            QStringLiteral("URE_4_OZNAKA")});
    IzmeneDG->SetDataFieldCaption(captions);
    IzmeneDG->SetDataFieldLenChrs({6, 5, 5, 5, 5, 5});
    fitToColumns(IzmeneDG, {6, 5, 5, 5, 5, 5});

    auto *right = new QVBoxLayout;
    right->addWidget(PrveUreHL);
    right->addWidget(PrveUreFrame, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(TurnusiLB);
    layout->addWidget(IzmeneDG, 2);
    layout->addLayout(right, 1);

    connect(TurnusiLB, &UrListBox::Click, this, [this] { chooseTurnus(); });
    connect(IzmeneDG, &UrDataGrid::RowColChange, this, [this] { loadFields(); });
    connect(PrveUreBar, &UrComndBarClient::acceptEdit, this, [this](bool &cancel) { cancel = !acceptEdit(); });
    connect(PrveUreBar, &UrComndBarClient::cancelEdit, this, [this] { loadFields(); });

    Refresh();
}

void FNastavitvePrveUre::Activate() {
    // The other pages may have changed the turnusi, shifts or period codes meanwhile.
    Refresh();
    if (UrComndBar *bar = UrComndBar::CommandBar())
        bar->Init(PrveUreBar, PrveUreFrame, {4, 15, 13, IzmeneDG});
}

void FNastavitvePrveUre::Refresh() {
    const qint64 turnusId = m_turnusRow >= 0 ? m_turnusi.integer(m_turnusRow, QStringLiteral("ID")) : -1;
    const QVariant shift = IzmeneDG->Value(QStringLiteral("ID_IZMENE"));
    const db::RowSet periods = m_logic.PeriodRows();
    for (UrComboBox *choice : std::as_const(DanDC))
        choice->SetRowSource(periods);
    m_turnusi = m_logic.Turnusi();
    TurnusiLB->SetRowSource(m_turnusi);
    m_turnusRow = m_turnusi.isEmpty() ? -1 : 0;
    for (int r = 0; r < m_turnusi.rowCount(); ++r)
        if (m_turnusi.integer(r, QStringLiteral("ID")) == turnusId)
            m_turnusRow = r;
    TurnusiLB->SetListIndex(m_turnusRow);
    loadShifts();
    if (shift.isValid() && !shift.isNull() && IzmeneDG->Find(QStringLiteral("ID_IZMENE"), shift))
        loadFields();
}

// Another turnus is a move to other records: pending changes are saved first, or the choice
// goes back when they are refused.
void FNastavitvePrveUre::chooseTurnus() {
    const int row = TurnusiLB->ListIndex();
    if (row == m_turnusRow)
        return;
    UrComndBar *bar = UrComndBar::CommandBar();
    if (bar && bar->DataGrid() == IzmeneDG && !bar->RecordMoveAllowed()) {
        TurnusiLB->SetListIndex(m_turnusRow);
        return;
    }
    m_turnusRow = row;
    loadShifts();
}

void FNastavitvePrveUre::loadShifts() {
    const qint64 turnusId = m_turnusRow >= 0 ? m_turnusi.integer(m_turnusRow, QStringLiteral("ID")) : -1;
    IzmeneDG->SetRowSet(m_logic.Izmene(turnusId));
    loadFields();
}

void FNastavitvePrveUre::loadFields() {
    const int row = IzmeneDG->CurrentRow();
    PrveUreFrame->LoadFields(IzmeneDG->DataSource(), row);
    PrveUreHL->SetText(row < 0 || m_turnusRow < 0
                           ? QString()
                           : NastavitvePrveUre::Header(m_turnusi.text(m_turnusRow, QStringLiteral("OZNAKA")),
                                                       IzmeneDG->Value(QStringLiteral("OZNAKA")).toString()));
}

bool FNastavitvePrveUre::acceptEdit() {
    if (IzmeneDG->CurrentRow() < 0)
        return false;
    QStringList codes;
    for (UrComboBox *choice : std::as_const(DanDC))
        codes << choice->Text();
    if (!m_logic.AcceptEdit(IzmeneDG->Value(QStringLiteral("ID_TURNUSA")).toLongLong(),
                            IzmeneDG->Value(QStringLiteral("ID_IZMENE")).toLongLong(), codes))
        return false;
    const QVariant shift = IzmeneDG->Value(QStringLiteral("ID_IZMENE"));
    IzmeneDG->SetRowSet(m_logic.Izmene(m_turnusi.integer(m_turnusRow, QStringLiteral("ID"))));
    IzmeneDG->Find(QStringLiteral("ID_IZMENE"), shift);
    loadFields();
    return true;
}

} // namespace zentrel::shell

#include "FNastavitveUre.h"

#include "controls/CommandTable.h"
#include "controls/FIskanje.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFrame.h"
#include "controls/UrLabel.h"
#include "controls/UrText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QStyle>
#include <QTableView>

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

FNastavitveUre::FNastavitveUre(QWidget *parent) : QWidget(parent) {
    UreDG = new UrDataGrid(this);
    UreDG->setObjectName(QStringLiteral("UreDG"));
    UreFrame = new UrFrame(this);
    UreBar = new UrComndBarClient(this);
    OznakaL = new UrLabel(UreFrame->Body());
    OznakaE = new UrText(UreFrame->Body());
    OznakaE->setObjectName(QStringLiteral("OznakaE"));
    ImeL = new UrLabel(UreFrame->Body());
    ImeE = new UrText(UreFrame->Body());
    ImeE->setObjectName(QStringLiteral("ImeE"));

    auto *fields = new QGridLayout(UreFrame->Body());
    fields->addWidget(OznakaL, 0, 0);
    fields->addWidget(OznakaE, 0, 1, Qt::AlignLeft);
    fields->addWidget(ImeL, 1, 0);
    fields->addWidget(ImeE, 1, 1, Qt::AlignLeft);
    fields->setRowStretch(2, 1);
    fields->setColumnStretch(2, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(UreDG, 1);
    layout->addWidget(UreFrame, 1);

    UreFrame->SetCaption(QStringLiteral("Ura"));
    BindField(OznakaL, OznakaE, QStringLiteral("OZNAKA"), QStringLiteral("Oznaka"), 10);
    BindField(ImeL, ImeE, QStringLiteral("IME"), QStringLiteral("Ime"), 30);
    UreFrame->AddControl(OznakaE);
    UreFrame->AddControl(ImeE);

    UreDG->SetCaption(QStringLiteral("Ure"));
    UreDG->SetDataField({QStringLiteral("URA"), QStringLiteral("OZNAKA"), QStringLiteral("IME")});
    UreDG->SetDataFieldCaption({QStringLiteral("Ura"), QStringLiteral("Oznaka"), QStringLiteral("Ime")});
    UreDG->SetDataFieldAlign({ColumnAlign::Right, ColumnAlign::Left, ColumnAlign::Left});
    UreDG->SetDataFieldLenChrs({4, 10, 24});
    fitToColumns(UreDG, {4, 10, 24});
    UreDG->SetLeadingChar(QStringLiteral("OZNAKA"));
    UreDG->SetDataSource(NastavitveUre::RowsSql());

    connect(UreDG, &UrDataGrid::RowColChange, this, [this] { loadFields(); });
    connect(UreBar, &UrComndBarClient::buttonClick, this, [this](int &type, bool &) {
        if (type == Commands::Find)
            FIskanje::Search(UreDG, this);
    });
    connect(UreBar, &UrComndBarClient::acceptEdit, this, [this](bool &cancel) { cancel = !acceptEdit(); });
    connect(UreBar, &UrComndBarClient::cancelEdit, this, [this] { loadFields(); });
    loadFields();
}

void FNastavitveUre::Activate() {
    if (UrComndBar *bar = UrComndBar::CommandBar())
        bar->Init(UreBar, UreFrame, {0, 4, 15, 13, UreDG});
}

void FNastavitveUre::loadFields() {
    UreFrame->LoadFields(UreDG->DataSource(), UreDG->CurrentRow());
}

bool FNastavitveUre::acceptEdit() {
    if (UreDG->CurrentRow() < 0)
        return false;
    if (!m_logic.AcceptEdit(UreDG->Value(QStringLiteral("URA")).toLongLong(), OznakaE->Text(), ImeE->Text()))
        return false;
    UreDG->RequeryToSamePosition();
    loadFields();
    return true;
}

} // namespace zentrel::shell

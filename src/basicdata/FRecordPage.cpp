#include "FRecordPage.h"

#include "RecordLogic.h"
#include "controls/FIskanje.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFieldControl.h"
#include "controls/UrFrame.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrLabel.h"
#include "controls/UrText.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace zentrel::basicdata {

using namespace zentrel::controls;

FRecordPage::FRecordPage(QWidget *parent)
    : QWidget(parent), m_client(new UrComndBarClient(this)), m_grid(new UrDataGrid(this)),
      m_header(new UrHeaderLine(this)), m_frame(new UrFrame(this)) {
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(m_header);
    right->addWidget(m_frame, 1);
    layout->addLayout(right, 1);
    m_client->hide();

    connect(m_grid, &UrDataGrid::RowColChange, this, &FRecordPage::onRowColChange);
    connect(m_client, &UrComndBarClient::buttonClick, this, &FRecordPage::onButtonClick);
    connect(m_client, &UrComndBarClient::acceptAddNew, this, [this](bool &cancel) {
        cancel = !saveNew();
        if (cancel) {
            focusInvalid(logic().invalidField());
            return;
        }
        m_adding = false;
        syncGrid();
    });
    connect(m_client, &UrComndBarClient::acceptEdit, this, [this](bool &cancel) {
        cancel = !saveEdit();
        if (cancel)
            focusInvalid(logic().invalidField());
        else
            syncGrid();
    });
    connect(m_client, &UrComndBarClient::cancelEdit, this, [this] { showRecord(); });
    connect(m_client, &UrComndBarClient::cancelAddNew, this, [this] {
        m_adding = false;
        editGrid()->AddNewCancel();
        syncGrid();
    });
    connect(m_client, &UrComndBarClient::clearAddNew, this, [this] { startNew(); });
    connect(m_client, &UrComndBarClient::editEnd, this, [this] { refreshHeader(); });
}

FRecordPage::~FRecordPage() = default;

void FRecordPage::Activate() {
    reopen();
    syncGrid();
    fitGridWidth(m_grid);
    if (m_secondary)
        fitGridWidth(m_secondary);
    QList<InitParam> params;
    for (int row : m_rows)
        params << InitParam(row);
    params << InitParam(static_cast<RecordGrid *>(m_grid));
    if (m_secondary)
        params << InitParam(static_cast<RecordGrid *>(m_secondary));
    if (UrComndBar *bar = UrComndBar::CommandBar()) {
        bar->Init(m_client, m_frameless ? nullptr : m_frame, params);
        configureBar(*bar);
    }
    // The keys reach the bar from the focused widget: a page just shown takes the focus.
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus)) {
        if (m_grid->isVisibleTo(this))
            m_grid->DG()->setFocus();
        else if (!m_frame->ContContr().isEmpty())
            m_frame->ContContr().first()->focusTarget()->setFocus();
    }
}

void FRecordPage::fitGridWidth(UrDataGrid *grid) {
    // The list is as wide as its columns (the widths the page gave them) and a scroll bar; the
    // fields take the rest of the window, so no column is squeezed and none wastes space.
    QTableView *view = grid->DG();
    const int charWidth = view->fontMetrics().horizontalAdvance(QLatin1Char('n'));
    int width = 2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    for (int c = 0; c < grid->Model()->columnCount(); ++c) {
        const int chars = grid->Model()->widthInChars(c);
        width += chars > 0 ? chars * charWidth + 8 : view->horizontalHeader()->sectionSize(c);
    }
    grid->setMaximumWidth(width);
}

void FRecordPage::moved(int row) {
    records().moveTo(row);
}

RecordList &FRecordPage::records() {
    return logic().list();
}

void FRecordPage::addField(const QString &caption, UrFieldControl *control, const QString &field, int widthInChar) {
    auto *label = new UrLabel(m_frame->Body());
    BindField(label, control, field, caption, widthInChar);
    m_frame->AddControl(control);
    if (widthInChar > 0)
        limitWidth(control->widget(), widthInChar);
    place(label, control->widget());
}

void FRecordPage::addHoursFields(UrText *hours, UrText *block) {
    auto *label = new UrLabel(m_frame->Body());
    BindField(label, hours, QStringLiteral("STEVILO_UR"), QStringLiteral("Št. ur / dol. bloka"), 2);
    block->SetDataField(QStringLiteral("DOLZINA_TERMINA"));
    block->SetWidthInChar(2);
    auto *line = new QWidget;
    auto *layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    for (UrText *e : {hours, block}) {
        limitWidth(e, 3);
        e->SetOnlyNumeric(true);
        e->setMaxLength(2);
        m_frame->AddControl(e);
    }
    layout->addWidget(hours);
    layout->addWidget(new QLabel(QStringLiteral("/")));
    layout->addWidget(block);
    layout->addStretch();
    place(label, line);
}

void FRecordPage::addRow(const QString &caption, QWidget *widget) {
    place(caption.isEmpty() ? nullptr : new QLabel(caption + u':', m_frame->Body()), widget);
}

namespace {

// Whether a widget can use more height than it needs (a list, a grid, a mover box): its own
// policy says so, or the layout inside it has such a widget.
bool growsVertically(QWidget *widget) {
    const QSizePolicy::Policy policy = widget->sizePolicy().verticalPolicy();
    if (policy & QSizePolicy::ExpandFlag)
        return true;
    return (policy & QSizePolicy::GrowFlag) && widget->layout() &&
           (widget->layout()->expandingDirections() & Qt::Vertical);
}

// A yes/no column: a check mark instead of the stored number.
class CheckColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString text = option->text.trimmed();
        const bool on = !text.isEmpty() && text != QLatin1String("0") && text.compare(u"false", Qt::CaseInsensitive);
        option->features |= QStyleOptionViewItem::HasCheckIndicator;
        option->checkState = on ? Qt::Checked : Qt::Unchecked;
        option->text.clear();
    }
};

} // namespace

void FRecordPage::showAsCheck(UrDataGrid *grid, int column) {
    grid->DG()->setItemDelegateForColumn(column, new CheckColumnDelegate(grid->DG()));
}

void FRecordPage::place(QWidget *label, QWidget *widget) {
    auto *grid = qobject_cast<QGridLayout *>(m_frame->Body()->layout());
    if (!grid) {
        grid = new QGridLayout(m_frame->Body());
        grid->setColumnStretch(1, 1);
    }
    // Fields sit at the top with their natural heights. A row whose widget can use more height
    // (a mover box, a list) takes what is left; without one an empty last row takes it.
    const bool grows = growsVertically(widget);
    const int row = m_placedRows++;
    if (label)
        grid->addWidget(label, row, 0, grows ? Qt::AlignTop : Qt::AlignVCenter);
    // A field of a given width keeps it and sits at the left; the others fill the row.
    const bool sized = widget->maximumWidth() < QWIDGETSIZE_MAX;
    grid->addWidget(widget, row, label ? 1 : 0, 1, label ? 1 : 2, sized ? Qt::AlignLeft : Qt::Alignment());
    grid->setRowStretch(row, grows ? 1 : 0);
    m_growingRow = m_growingRow || grows;
    grid->setRowStretch(m_placedRows, m_growingRow ? 0 : 1);
}

void FRecordPage::limitWidth(QWidget *widget, int chars) {
    // Room for the characters, the frame of the field and, for a list, its drop-down button.
    const int extra = qobject_cast<QComboBox *>(widget) ? 36 : 12;
    widget->setFixedWidth(qMax(widget->minimumWidth(), widget->fontMetrics().horizontalAdvance(QLatin1Char('n')) * chars + extra));
}

QString FRecordPage::fieldText(const QString &field) const {
    const QVariant v = m_frame->FieldValue(field);
    return v.isValid() && !v.isNull() ? v.toString() : QString();
}

void FRecordPage::showRecord() {
    m_frame->LoadFields(records().rows(), records().position());
}

void FRecordPage::syncGrid() {
    m_syncing = true;
    m_grid->SetRowSet(records().rows());
    if (records().hasCurrent())
        m_grid->setCurrentRow(records().position());
    m_syncing = false;
    showRecord();
    refreshHeader();
}

void FRecordPage::refreshHeader() {
    m_header->SetText(headerText());
}

UrFieldControl *FRecordPage::fieldFor(const QString &field) const {
    return field.isEmpty() ? nullptr : m_frame->ControlOfField(field);
}

void FRecordPage::focusInvalid(const QString &field) {
    if (UrFieldControl *control = fieldFor(field))
        control->focusTarget()->setFocus();
}

void FRecordPage::onRowColChange() {
    if (m_syncing || m_adding)
        return;
    moved(m_grid->CurrentRow());
    showRecord();
    refreshHeader();
    // Outside the search the first field takes the focus, ready for "Uredi".
    UrComndBar *bar = UrComndBar::CommandBar();
    if (!m_frameless && isVisible() && bar && bar->State() != 4 && !m_frame->ContContr().isEmpty())
        m_frame->ContContr().first()->focusTarget()->setFocus();
}

void FRecordPage::onButtonClick(int &code, bool &cancel) {
    switch (code) {
    case 1: // find: the search dialog moves the grid, the fields follow
        FIskanje::Search(m_grid, this);
        break;
    case 3: // new record
        m_adding = true;
        editGrid()->AddNew();
        startNew();
        refreshHeader();
        break;
    case 7: // delete
        if (deleteRecord())
            syncGrid();
        break;
    default:
        otherCommand(code, cancel);
    }
}

} // namespace zentrel::basicdata

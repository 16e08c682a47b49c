#include "UrFGPrepovedi.h"

#include "controls/UrOkvirIzbire.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace zentrel::basicdata {

namespace {
const QColor Forbidden(214, 72, 72);
const QColor Free(Qt::white);
} // namespace

UrFGPrepovedi::UrFGPrepovedi(QWidget *parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    // The cursor and the selected block are framed, so that a forbidden cell stays red under them.
    setItemDelegate(new controls::UrOkvirIzbire(this));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // A header click selects the whole period or day, which the click then toggles.
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this] { toggleSelection(); });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this, [this] { toggleSelection(); });
    SetSmallsize(false);
    applyLocked(Locked());
}

void UrFGPrepovedi::SetPeriods(const QStringList &periods, const QStringList &days) {
    setRowCount(int(periods.size()));
    setColumnCount(int(days.size()));
    setVerticalHeaderLabels(periods);
    setHorizontalHeaderLabels(days);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (!item(r, c))
                setItem(r, c, new QTableWidgetItem);
    ClearCells();
    setFixedSize(sizeHint());
}

void UrFGPrepovedi::SetCells(const PrepovediCells &cells) {
    m_cells = cells;
    m_cells.resize(rowCount());
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            paintCell(r, c);
}

void UrFGPrepovedi::ClearCells() {
    SetCells(PrepovediCells(rowCount(), {false, false, false, false, false}));
}

void UrFGPrepovedi::SetCell(int period, int day, bool value) {
    if (period < 0 || period >= m_cells.size() || day < 1 || day > 5 || m_cells[period][size_t(day - 1)] == value)
        return;
    m_cells[period][size_t(day - 1)] = value;
    paintCell(period, day - 1);
    noteUserChange();
    emit CellsChanged();
}

void UrFGPrepovedi::paintCell(int row, int column) {
    if (QTableWidgetItem *cell = item(row, column))
        cell->setBackground(m_cells[row][size_t(column)] ? Forbidden : Free);
}

void UrFGPrepovedi::SetSmallsize(bool on) {
    m_small = on;
    QFont f = font();
    f.setPointSizeF(on ? 7.5 : 9);
    setFont(f);
    horizontalHeader()->setFont(f);
    verticalHeader()->setFont(f);
    const int cell = fontMetrics().height() + (on ? 2 : 6);
    verticalHeader()->setDefaultSectionSize(cell);
    horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("ČETx")) + 12);
    setFixedSize(sizeHint());
}

QSize UrFGPrepovedi::sizeHint() const {
    // As large as the cells: the grid never scrolls and takes no more room than it needs.
    const int w = verticalHeader()->sizeHint().width() + horizontalHeader()->length() + 2 * frameWidth();
    const int h = horizontalHeader()->sizeHint().height() + verticalHeader()->length() + 2 * frameWidth();
    return {w, h};
}

void UrFGPrepovedi::toggleSelection() {
    if (Locked() || !currentIndex().isValid())
        return;
    const int row = currentRow();
    const int column = currentColumn();
    const bool value = !m_cells[row][size_t(column)];
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    int top = row, bottom = row, left = column, right = column;
    for (const QTableWidgetSelectionRange &r : ranges) {
        top = std::min(top, r.topRow());
        bottom = std::max(bottom, r.bottomRow());
        left = std::min(left, r.leftColumn());
        right = std::max(right, r.rightColumn());
    }
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c)
            SetCell(r, c + 1, value);
}

void UrFGPrepovedi::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Space) {
        toggleSelection();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void UrFGPrepovedi::mouseReleaseEvent(QMouseEvent *event) {
    QTableWidget::mouseReleaseEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        toggleSelection();
}

void UrFGPrepovedi::applyLocked(bool locked) {
    // Locked, the grid still shows its cells and may be scrolled, but nothing toggles.
    setSelectionMode(locked ? QAbstractItemView::NoSelection : QAbstractItemView::ContiguousSelection);
    if (locked)
        clearSelection();
}

} // namespace zentrel::basicdata

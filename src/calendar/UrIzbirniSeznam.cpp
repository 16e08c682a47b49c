#include "UrIzbirniSeznam.h"

#include <QHeaderView>
#include <QScrollBar>

namespace zentrel::calendar {

UrIzbirniSeznam::UrIzbirniSeznam(QWidget *parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { clicked(row); });
}

void UrIzbirniSeznam::Nastavi(const SeznamKoledarja &seznam, qint64 izbran) {
    m_ids = seznam.id;
    setColumnCount(int(seznam.naslovi.size()));
    setHorizontalHeaderLabels(seznam.naslovi);
    setRowCount(int(seznam.vrstice.size()));
    for (int row = 0; row < seznam.vrstice.size(); ++row)
        for (int column = 0; column < seznam.vrstice[row].size(); ++column)
            setItem(row, column, new QTableWidgetItem(seznam.vrstice[row][column]));
    Izberi(izbran);
}

qint64 UrIzbirniSeznam::Izbran() const {
    return m_izbran >= 0 && m_izbran < m_ids.size() ? m_ids[m_izbran] : -1;
}

void UrIzbirniSeznam::Izberi(qint64 id) {
    m_izbran = int(m_ids.indexOf(id));
    clearSelection();
    if (m_izbran >= 0) {
        selectRow(m_izbran);
        scrollToItem(item(m_izbran, 0));
    }
}

void UrIzbirniSeznam::IzberiVrstico(int row) {
    if (row < 0 || row >= m_ids.size())
        return;
    m_izbran = row;
    clearSelection();
    selectRow(row);
    emit IzbiraSpremenjena(Izbran());
}

void UrIzbirniSeznam::PrilagodiSirino(int najvecZnakov) {
    resizeColumnsToContents();
    const int limit = fontMetrics().horizontalAdvance(QString(najvecZnakov, u'x'));
    int width = verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c) {
        // Long texts are cut at the limit, the column's caption never.
        setColumnWidth(c, std::max(std::min(columnWidth(c) + 8, limit), horizontalHeader()->sectionSizeHint(c)));
        width += columnWidth(c);
    }
    // The list asks for its columns' width (three dates and a caption fit), but never so much
    // that the window outgrows the screen: the last column then scrolls.
    setMinimumWidth(std::min(width, fontMetrics().horizontalAdvance(QString(48, u'x'))));
}

void UrIzbirniSeznam::clicked(int row) {
    m_izbran = row == m_izbran ? -1 : row;
    clearSelection();
    if (m_izbran >= 0)
        selectRow(m_izbran);
    emit IzbiraSpremenjena(Izbran());
}

} // namespace zentrel::calendar

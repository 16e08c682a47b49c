#pragma once

#include "Prepovedi.h"
#include "controls/UrFieldControl.h"

#include <QTableWidget>

namespace zentrel::basicdata {

// The day-by-period grid of forbidden periods: one row per period, five day columns; a
// forbidden cell is filled with the forbidden colour. While unlocked, a click or the space bar
// takes the opposite of the current cell's state and gives it to every cell of the selected
// block (a click on a row or column header selects the whole period or day). Enter, PgUp and
// PgDn are left to the command bar.
class UrFGPrepovedi : public QTableWidget, public controls::UrFieldControl {
    Q_OBJECT
public:
    explicit UrFGPrepovedi(QWidget *parent = nullptr);

    // The rows (period names) and columns (day names); every cell becomes free.
    void SetPeriods(const QStringList &periods, const QStringList &days);
    QTableWidget *FG() { return this; }
    const PrepovediCells &Cells() const { return m_cells; }
    // Shows cells as the program (not a change).
    void SetCells(const PrepovediCells &cells);
    void ClearCells();
    // Sets one cell (row of the period, day 1..5) as the user would (a change).
    void SetCell(int period, int day, bool value);
    // The compact look: small rows and font.
    bool Smallsize() const { return m_small; }
    void SetSmallsize(bool on);

    void LoadValue(const QVariant &) override {}
    QVariant CurrentValue() const override { return QVariant(); }
    QWidget *widget() override { return this; }
    QSize sizeHint() const override;

signals:
    void CellsChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void applyLocked(bool locked) override;
    void showChangedMark(bool) override {}

private:
    // Gives the selected block the opposite of the current cell's state.
    void toggleSelection();
    void paintCell(int row, int column);

    PrepovediCells m_cells;
    bool m_small = false;
};

} // namespace zentrel::basicdata

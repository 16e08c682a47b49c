#pragma once

#include "NastavitvePrveUre.h"

#include <QList>
#include <QWidget>

namespace zentrel::controls {
class UrComboBox;
class UrComndBarClient;
class UrDataGrid;
class UrFrame;
class UrHeaderLine;
class UrLabel;
class UrListBox;
} // namespace zentrel::controls

namespace zentrel::shell {

// The page "Prve ure" of the settings window: the rotating turnusi in a list, the shifts of the
// chosen one in a grid with their first periods Monday to Friday, and a choice of period per day.
class FNastavitvePrveUre : public QWidget {
    Q_OBJECT
public:
    explicit FNastavitvePrveUre(QWidget *parent = nullptr);

    void Activate();
    // Reads the turnusi, their shifts and the period codes again, keeping the current choice.
    void Refresh();

    controls::UrListBox *TurnusiLB;
    controls::UrDataGrid *IzmeneDG;
    controls::UrHeaderLine *PrveUreHL;
    controls::UrFrame *PrveUreFrame;
    QList<controls::UrLabel *> DanL;
    QList<controls::UrComboBox *> DanDC;
    controls::UrComndBarClient *PrveUreBar;

private:
    void chooseTurnus();
    void loadShifts();
    void loadFields();
    bool acceptEdit();

    NastavitvePrveUre m_logic;
    db::RowSet m_turnusi;
    int m_turnusRow = -1;
};

} // namespace zentrel::shell

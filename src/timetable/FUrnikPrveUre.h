#pragma once

#include "UrnikPrveUre.h"
#include "controls/TabWindow.h"

#include <QWidget>

class QComboBox;
class QLabel;

namespace zentrel::controls {
class UrComndBarClient;
class UrDataGrid;
} // namespace zentrel::controls

namespace zentrel::timetable {

// The tab "Prve ure": the classes ("Enote") and, for the chosen class, its first period on each
// day in the current timetable and turnus, chosen by the period's code and stored at once. A day
// without a row shows no period (the class then starts at period 1).
class FUrnikPrveUre : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    explicit FUrnikPrveUre(QWidget *parent = nullptr);

    void TabActivated() override;

    controls::UrDataGrid *OddelkiDG;
    QComboBox *PrvaUraCB[6] = {}; // days 1..5
    QLabel *NiUrnikaL;

private:
    void prikazi();
    void nastavi(int dan);

    UrnikPrveUre m_logika;
    controls::UrComndBarClient *m_bar;
    QWidget *m_delo;
};

} // namespace zentrel::timetable

#pragma once

#include "Datumi.h"
#include "Odsotnosti.h"
#include "controls/TabWindow.h"

#include <QWidget>
#include <functional>

class QDialog;
class QGroupBox;
class QLabel;
class QTableWidget;

namespace zentrel::controls {
class UrComndBarClient;
class UrKoledar;
} // namespace zentrel::controls

namespace zentrel::calendar {

// Absences of teachers, rooms or classes ("Odsotnosti"): a date chosen in the month calendar,
// what the day is, and the grid of every object against the periods with its lessons and
// absences. A marked block gets absences with "Dodaj" (Ins) and loses them with "Odstrani"
// (F9); a change that takes substitutions with it is confirmed in FPotrdiOdsotnosti first.
class FOdsotnosti : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    FOdsotnosti(Odsotnosti::Vrsta vrsta, QWidget *parent = nullptr, const QDate &datum = DatumSpremljanja());

    // Shows the window for the kind (54 teachers, 55 rooms, 56 classes) on its date.
    void PrikaziForm(Odsotnosti::Vrsta vrsta);
    void NastaviDatum(const QDate &datum);
    void TabActivated() override;
    // The two commands of the bar, as its buttons run them.
    bool DodajOdsotnost();
    bool OdstraniOdsotnost();

    const Odsotnosti &Logika() const { return m_logic; }

    controls::UrKoledar *Kol;
    QLabel *InformacijaL;
    QGroupBox *Frame;
    QTableWidget *UreFG;
    controls::UrComndBarClient *OdsotnostiBar;

    // Runs a dialog modally; tests replace it to drive the dialog themselves.
    std::function<void(QDialog &)> runDialog;

private:
    void fillGrid();
    bool change(bool add);

    Odsotnosti m_logic;
};

} // namespace zentrel::calendar

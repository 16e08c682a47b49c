#pragma once

#include "PrikazUrnika.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace zentrel::timetable {

// The room-assignment dialog: names the lesson that needs a room ("Potrebno je dololočiti
// prostor predmetom: ") and lists the free rooms of its group in cbProstori (column "Prostor"),
// the proposed one first and chosen. Enter takes the chosen room, Esc cancels.
class FDolocitevProstora : public QDialog {
    Q_OBJECT
public:
    FDolocitevProstora(const engine::ModelUrnika &m, const ZahtevaProstora &zahteva, QWidget *parent = nullptr);

    // The chosen room (model index), 0 when none.
    int IzbraniProstor() const;
    // Asks the user; returns the chosen room, or 0 when cancelled.
    static int Izberi(QWidget *parent, const engine::ModelUrnika &m, const ZahtevaProstora &zahteva);

    QLabel *Napis = nullptr;
    QTableWidget *cbProstori = nullptr;

private:
    std::vector<int> m_prostori;
};

} // namespace zentrel::timetable

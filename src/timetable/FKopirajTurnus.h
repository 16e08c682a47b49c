#pragma once

#include "db/RowSet.h"

#include <QDialog>

class QComboBox;

namespace zentrel::timetable {

// "Kopiranje turnusa": the placed periods of the current timetable in the turnus "Iz turnusa" are
// copied into "V turnus" (which never offers the source). "Kopiraj" (Enter) copies, Esc cancels.
class FKopirajTurnus : public QDialog {
    Q_OBJECT
public:
    FKopirajTurnus(const db::RowSet &turnusi, QWidget *parent = nullptr);

    QComboBox *IzTurnusaCB;
    QComboBox *VTurnusCB;

private:
    void napolniCilje();
    void kopiraj();
    db::RowSet m_turnusi;
};

} // namespace zentrel::timetable

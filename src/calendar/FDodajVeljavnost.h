#pragma once

#include "DanUrnika.h"
#include "FDialogKoledarja.h"

class QComboBox;
class QLabel;

namespace zentrel::calendar {

// "Dodaj": a validity for a timetable, from "Od" to "Do", starting with a turnus in which the
// timetable has lessons and rotating over up to as many weeks as it has such turnusi. A
// timetable without lessons says so and offers nothing.
class FDodajVeljavnost : public FDialogKoledarja {
    Q_OBJECT
public:
    FDodajVeljavnost(qint64 urnik, const QString &imeUrnika, const QDate &predlog, QWidget *parent = nullptr);

    QComboBox *ZacTurnusCB;
    QComboBox *SteTurCB;
    QLabel *SteTurL; // why the number of turnusi offered is what it is

protected:
    IzidUrejanja Izvedi(bool potrjeno) override;

private:
    qint64 m_urnik;
    QVector<Turnus> m_turnusi;
};

} // namespace zentrel::calendar

#pragma once

#include "FilterUcencev.h"

#include <QWidget>

class QComboBox;
class QRadioButton;

namespace zentrel::pupils {

// The filters of the "na voljo" side of a pupil mover: "Samo nerazporejeni", "Izbrani po
// letniku" (year of enrolment and parallel class) and "Izbrani iz razporeda" (a unit of a
// curriculum), and on the subject pages also the sex ("Vsi", "Samo fantje", "Samo dekleta") and
// the orientation. The filters are never locked: they only choose what is offered.
class UrFilterUcencev : public QWidget {
    Q_OBJECT
public:
    explicit UrFilterUcencev(bool withSexAndOrientation, QWidget *parent = nullptr);

    // Fills the choice lists again (the register may have changed), keeping the choices.
    void Reload();
    FilterUcencev Filter() const;

    QRadioButton *SamoNerazporejeniOB;
    QRadioButton *PoLetnikuOB;
    QRadioButton *IzRazporedaOB;
    QComboBox *LetoCB;
    QComboBox *ParalelkaCB;
    QComboBox *PredmetnikCB;
    QComboBox *OddelekCB;
    QRadioButton *VsiOB = nullptr;
    QRadioButton *SamoFantjeOB = nullptr;
    QRadioButton *SamoDekletaOB = nullptr;
    QComboBox *UsmeritevCB = nullptr;

signals:
    void Changed();

private:
    void fillParallels();

    bool m_filling = false;
};

} // namespace zentrel::pupils

#pragma once

#include "FPregledUrnika.h"

namespace zentrel::timetable {

// "Luknje": the idle periods between the first and the last lesson of each day, per class and
// per teacher, with each one's total and the totals of all classes and all teachers.
class FLuknje : public FPregledUrnika {
    Q_OBJECT
public:
    explicit FLuknje(QWidget *parent = nullptr);

    QTableWidget *OddelkiDG;
    QTableWidget *UciteljiDG;
    QLabel *SkupajL;

protected:
    void prikazi() override;
};

} // namespace zentrel::timetable

#pragma once

#include "FPregledUrnika.h"

namespace zentrel::timetable {

// "Vsi urniki": every class's week in one table, one row per class, a column per day and period
// (from the earliest to the latest period in use), each lesson as its subject's code.
class FVsiUrniki : public FPregledUrnika {
    Q_OBJECT
public:
    explicit FVsiUrniki(QWidget *parent = nullptr);

    QTableWidget *UrnikiDG;

protected:
    void prikazi() override;
};

} // namespace zentrel::timetable

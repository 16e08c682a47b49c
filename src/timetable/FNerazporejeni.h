#pragma once

#include "FPregledUrnika.h"

namespace zentrel::timetable {

// "Nerazporejeni": every unit with periods left to place, the number of its periods and why the
// construction could not place it.
class FNerazporejeni : public FPregledUrnika {
    Q_OBJECT
public:
    explicit FNerazporejeni(QWidget *parent = nullptr);

    QTableWidget *NerazporejeniDG;
    QLabel *SkupajL;

protected:
    void prikazi() override;
};

} // namespace zentrel::timetable

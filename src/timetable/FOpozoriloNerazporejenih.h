#pragma once

#include <QDialog>
#include <QList>
#include <QPair>

class QCheckBox;
class QTableWidget;

namespace zentrel::timetable {

// The warning shown when a timetable is chosen: "Naslednji predmeti so brez učitelja", the class
// ("Oddelek") and subject ("Predmet") of each assignment without a teacher, and the check box
// "Naslednjič ne opozarjaj več".
class FOpozoriloNerazporejenih : public QDialog {
    Q_OBJECT
public:
    FOpozoriloNerazporejenih(const QList<QPair<QString, QString>> &predmeti, QWidget *parent = nullptr);

    bool NeOpozarjaj() const;
    QTableWidget *PredmetiDG;
    QCheckBox *NeOpozarjajCB;
};

} // namespace zentrel::timetable

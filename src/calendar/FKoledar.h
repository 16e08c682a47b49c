#pragma once

#include "LetniPregled.h"
#include "controls/TabWindow.h"

#include <QWidget>
#include <functional>

class QDialog;
class QLabel;
class QPushButton;
class QTableWidget;

namespace zentrel::controls {
class UrComndBarClient;
}

namespace zentrel::calendar {

class UrIzbirniSeznam;

// The school calendar ("Koledar"): a year of twelve months from August, coloured by validity
// (timetable and rotation week in the hints), free days and changed days; the lists of
// curricula, timetables with their validities, free days and changed days; and the buttons
// that open the editing dialogs. A button adds while nothing is chosen in its list and deletes
// the chosen row otherwise; the view is refilled after every dialog. From the keyboard, the
// bar's "Dodaj" (Ins) adds to the active list, "Odstrani" (F9) deletes its chosen row and
// "Briši" (F10) deletes all validities in a period.
class FKoledar : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    // The tab the window serves: which list is active and so which rows the year view shows
    // highlighted.
    enum Nacin { NacinKoledar, NacinVeljavnost, NacinProsto, NacinSpremembaDne };

    explicit FKoledar(Nacin nacin, QWidget *parent = nullptr, const QDate &danes = QDate::currentDate());

    // Makes the list of the mode active and refills the window.
    void PrikaziForm(Nacin nacin);
    void NapolniKoledar();
    void NapisiCaption();
    void TabActivated() override;

    // Chooses a date of the year view (the change-day button works on it).
    void IzberiDatum(const QDate &datum);

    QLabel *CaptionL;
    QTableWidget *KoledarFG;
    UrIzbirniSeznam *PredmetnikiDG;
    UrIzbirniSeznam *UrnikiDG;
    UrIzbirniSeznam *VeljavnostDG;
    UrIzbirniSeznam *ProstiDG;
    UrIzbirniSeznam *SprememenjeniDneviDg;
    QPushButton *GumbVeljavnost;
    QPushButton *GumbBrisiObdobje;
    QPushButton *GumbProsto;
    QPushButton *GumbSpremeniDan;
    QPushButton *PrejsnjeLetoB;
    QPushButton *PrejsnjiMesecB;
    QPushButton *NaslednjiMesecB;
    QPushButton *NaslednjeLetoB;
    controls::UrComndBarClient *KoledarBar;

    // Runs a dialog modally; tests replace it to drive the dialog themselves.
    std::function<void(QDialog &)> runDialog;

private:
    void buildLayout();
    void fillLists();
    void listChosen(LetniPregled::Seznam seznam, qint64 id);
    UrIzbirniSeznam *activeList() const;
    void updateButtons();
    void openDialog(QDialog &dialog);
    void validityButton();
    void freeDaysButton();
    void changeDayButton();
    // The bar's commands: add to, or delete the chosen row of, the active list.
    void barCommand(int command);
    void move(void (LetniPregled::*step)());

    LetniPregled m_pregled;
    LetniPregled::Seznam m_aktiven = LetniPregled::SeznamVeljavnosti;
    QDate m_izbranDatum;
};

} // namespace zentrel::calendar

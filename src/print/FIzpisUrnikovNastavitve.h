#pragma once

#include "IzpisUrnikov.h"
#include "controls/TabWindow.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zentrel::controls {
class UrComndBarClient;
class UrMoverBox;
} // namespace zentrel::controls

namespace zentrel::print {

// The timetable printouts of the current timetable, one page of the tab strip each: the weeks
// of classes, teachers, pupils and rooms, the pupils' free periods, the lists of teachers, rooms
// and subjects, and the forbidden periods. Objects are chosen in the two lists; the command bar
// sends the printout to the preview (and the printer), to another printer, or to a CSV, HTML or
// XML file.
class FIzpisUrnikovNastavitve : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    // What a page prints.
    enum class Vsebina { Tedni, ProstiUcenci, Seznam, Prepovedi };
    struct Stran {
        Vsebina vsebina = Vsebina::Tedni;
        VrstaObjekta vrsta = VrstaObjekta::Enote;
        int seznam = 0; // the list of SeznamiUrnika()
    };

    FIzpisUrnikovNastavitve(const Stran &stran, QWidget *parent = nullptr);
    ~FIzpisUrnikovNastavitve() override;

    void TabActivated() override;
    // The outputs of the command bar (also for tests): command codes 18 preview, 19 printer,
    // 20 CSV, 22 HTML, 23 XML.
    void Izhod(int command);
    IzpisUrnikov &logic() { return *m_logic; }

    QLabel *UrnikL;
    QLabel *TiskalnikL;
    controls::UrMoverBox *ObjektiMov = nullptr;
    QPushButton *NenatisnjeniB = nullptr;
    QCheckBox *VsiTurnusiCB = nullptr;
    QCheckBox *OznaciNatisnjeneCB = nullptr;
    QRadioButton *ProstiUcenciOB = nullptr;
    QRadioButton *LuknjeOB = nullptr;
    QRadioButton *ProsteUreOB = nullptr;
    controls::UrComndBarClient *IzpisBar;

private:
    std::optional<Dokument> document(bool list);
    QString defaultName(const QString &suffix) const;
    QString optionsSection() const;
    void saveOptions();

    Stran m_stran;
    std::unique_ptr<IzpisUrnikov> m_logic;
};

// Registers the timetable printouts with page set 8 of the tab strip.
void RegisterTimetablePrintTabs();

} // namespace zentrel::print

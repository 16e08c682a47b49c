#pragma once

#include "IzpisOsnovnih.h"
#include "controls/TabWindow.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zentrel::controls {
class UrComndBarClient;
class UrMoverBox;
} // namespace zentrel::controls

namespace zentrel::print {

// The printouts of basic data, assignments, curricula, electives, the calendar, absences,
// substitutions and the realisation: one tab each. A tab shows only what its printout uses:
// the classes or teachers to choose, the date or period, its options, and on the elective forms
// the instruction text. The command bar sends the printout to the preview (and the printer),
// to another printer, or to a CSV, HTML or XML file.
class FIzpisOsnovnihNastavitve : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    FIzpisOsnovnihNastavitve(int set, const QString &zavihek, QWidget *parent = nullptr);
    ~FIzpisOsnovnihNastavitve() override;

    void TabActivated() override;
    // The outputs of the command bar: 18 preview, 19 printer, 20 CSV, 22 HTML, 23 XML.
    void Izhod(int command);
    // Starts the printout: builds the document from the choices and sends it to the output.
    bool NatisniZares(int command);

    QLabel *TiskalnikL;
    controls::UrMoverBox *IzbiraMov = nullptr;
    // Dates typed whole as "d. m. yyyy" (or chosen in the calendar beside them).
    QLineEdit *Koledar = nullptr;
    QLineEdit *KoledarDo = nullptr;
    QCheckBox *PodrobnoCB = nullptr;
    QCheckBox *LoceneSkupineCB = nullptr;
    QCheckBox *CelUrnikCB = nullptr;
    QCheckBox *IzpisiPosamezneUcenceCB = nullptr;
    QPlainTextEdit *MemoE = nullptr;
    QPushButton *ShraniNavodilaB = nullptr;
    controls::UrComndBarClient *IzpisBar;

private:
    MoznostiIzpisa moznosti() const;
    // Every date field shown holds a date that exists; else the message, and the focus goes there.
    bool datumiPravilni() const;

    int m_set;
    QString m_zavihek;
    IzpisOsnovnih m_logic;
};

// Registers the basic-data printouts with page sets 6, 7, 9 and 10 of the tab strip.
void RegisterBasicPrintTabs();

} // namespace zentrel::print

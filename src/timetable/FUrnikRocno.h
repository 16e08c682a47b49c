#pragma once

#include "PrikazUrnika.h"
#include "RocnoUrejanje.h"
#include "controls/TabWindow.h"

#include <QWidget>

class QLabel;

namespace zentrel::controls {
class UrComndBarClient;
class UrDataGrid;
} // namespace zentrel::controls

namespace zentrel::timetable {

class FUrnikRocnoMeni;
class UrPrenosnik;
class UrSprotniInfo;
class UrUrnik;
class UrUrnikInfo;
class UrUrnikLabel;
class UrUrnikOpozorilo;

// The tab "Ročno": the week of one class or teacher, edited by hand. The window lays out the
// lists of classes ("Enote") and teachers ("Učitelji"), the grid with its caption, the lists of
// unplaced lessons and of the chain's history, the running information and the confirmation
// strip, and hands every gesture to the editor (RocnoUrejanje), which holds the rules.
//
// Mouse: a press on a lesson picks it up (with Ctrl the whole block), a release on another cell
// drops it there; a press and release on the same cell only picks it up, and the next click
// drops it. A release on the list of unplaced lessons takes it off the timetable. Keyboard: the
// arrows move the cell cursor, the space bar picks up and drops (Ctrl+space a block), Delete
// takes the carried lesson off, Esc steps back, the menu key opens the pop-up menu; in the list
// of unplaced lessons the space bar picks the chosen lesson up.
class FUrnikRocno : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    explicit FUrnikRocno(QWidget *parent = nullptr);
    ~FUrnikRocno() override;

    // TabWindow: reads the timetable again (unless a chain is open) and takes the command bar.
    void TabActivated() override;
    // Leaving or closing with an open chain asks whether to keep it.
    void BeforeTabClick(bool &pCancel, bool &pSomeActionDone) override;
    bool CanClose() override;

    RocnoUrejanje &Urejanje() { return m_ed; }
    // Shows the week of a class or a teacher (model index).
    void PrikaziOddelek(int oddelek);
    void PrikaziUcitelja(int ucitelj);
    const PogledUrnika &Pogled() const { return m_pogled; }

    controls::UrDataGrid *OddelekDG = nullptr;
    controls::UrDataGrid *UciteljDG = nullptr;
    UrUrnikLabel *FrameCaptionL = nullptr;
    UrUrnik *Urnik = nullptr;
    UrUrnikInfo *UrnikInfo = nullptr;
    UrSprotniInfo *SprotniInfo = nullptr;
    UrUrnikOpozorilo *Opozorilo = nullptr;
    UrPrenosnik *Prenosnik = nullptr;
    FUrnikRocnoMeni *PopUpMenu = nullptr;
    QLabel *NiUrnikaL = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool nalozi();
    void napolniSezname();
    void prikazi(bool ucitelj, int indeks);
    void osvezi();
    void pokaziPrenosnik(const QPoint &globalno);
    void pokaziNaKazalcu();
    void pokaziSprotno(int celica);
    void pritiskCelice(int celica, Qt::KeyboardModifiers modifiers);
    void pritiskSeznama(int predavanje, Qt::KeyboardModifiers modifiers);
    void spust(int celica, const QPoint &globalno);
    void spustiNa(int celica);
    void tipka(int kljuc, Qt::KeyboardModifiers modifiers);
    void tipkaSeznama(int kljuc, Qt::KeyboardModifiers modifiers);
    void gumb(int koda);
    void meni(int celica, const QPoint &globalno);
    void najdi();
    void najdiMenjavo();
    void preklopiUrnik();
    void brisiUrnik();
    bool zapriVerigo();
    int terminNaKazalcu() const;
    void pripraviVrstico();

    engine::ModelUrnika m_model;
    RocnoUrejanje m_ed{m_model};
    PogledUrnika m_pogled;
    controls::UrComndBarClient *RocnoBar = nullptr;
    int m_pritisk = -1;       // cell where the press picked the lesson up; -1 none
    bool m_izSeznama = false; // the lesson in the carrier was picked up from the list by this press
    bool m_nalozen = false;
};

} // namespace zentrel::timetable

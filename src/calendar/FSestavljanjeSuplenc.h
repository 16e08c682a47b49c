#pragma once

#include "Datumi.h"
#include "SestavljanjeSuplenc.h"
#include "controls/TabWindow.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace zentrel::controls {
class UrComndBarClient;
class UrKoledar;
} // namespace zentrel::controls

namespace zentrel::calendar {

// Substitution planning ("Nadomeščanja"): a date in the month calendar, the classes with
// lessons falling out (green once all are substituted, red while one is not), the chosen
// class's lessons by period, and for the chosen lesson the ranked candidates with their
// criteria, the candidate's day and subjects, and the rooms offered. "Shrani" (F12) stores
// the choice, "Odstrani" (F9) deletes the lesson's stored substitution.
class FSestavljanjeSuplenc : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    explicit FSestavljanjeSuplenc(QWidget *parent = nullptr, const QDate &datum = DatumSpremljanja());

    void NastaviDatum(const QDate &datum);
    // Chooses a class by its row, a lesson by its cell.
    void IzberiOddelek(int row);
    void IzberiUro(int row, int column);
    // The bar's two commands.
    bool Shrani();
    bool Brisi();
    void TabActivated() override;

    const SestavljanjeSuplenc &Logika() const { return m_logic; }

    controls::UrKoledar *Kol;
    QLabel *InformacijaL;
    QTableWidget *OddelkiFG;
    QTableWidget *OddUreFg;
    QTableWidget *UciteljiFG;
    QTableWidget *TockeFG;
    QTableWidget *UciteljUreFG;
    QTableWidget *PredmetiUciteljaFG;
    QTableWidget *ProstoriFG;
    controls::UrComndBarClient *SuplenceBar;

private:
    void fillClasses();
    void fillLessons();
    void fillCandidates();
    void fillCandidate();
    void fillRooms();
    void clearFrom(QTableWidget *first);
    void reselect(qint64 oddelek, qint64 termin);

    SestavljanjeSuplenc m_logic;
    // The lesson ID of each cell of OddUreFg, by row and period.
    QVector<QVector<qint64>> m_celice;
};

} // namespace zentrel::calendar

#pragma once

#include "RocnoUrejanje.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace zentrel::timetable {

// Cell numbering of the week grid: day 1..5, period 0..15, index (day - 1) x 16 + period.
constexpr int SteviloCelic = 5 * engine::StUr;
inline int IndeksCelice(int dan, int ura) {
    return (dan - 1) * engine::StUr + ura;
}
inline int DanCelice(int indeks) {
    return indeks / engine::StUr + 1;
}
inline int UraCelice(int indeks) {
    return indeks % engine::StUr;
}

// What one cell of the week grid shows, and every mark it carries.
struct CelicaUrnika {
    QString oznaka;                 // subject, then teachers or units, then rooms, one line each
    int termin = 0;                 // the placed period shown, 0 for an empty cell
    bool prepoved = false;          // the shown class or teacher is forbidden here
    rocno::ZastavicePrenosa prenos; // the carried lesson's conflicts here
    bool brezProstora = false;      // an entry that needs a room has none
    bool samoTaTurnus = false;      // the lesson belongs to this turnus only
    bool izbranPredmet = false;     // the lesson chosen (carried or picked in the list)
    bool podobenPredmet = false;    // another lesson of the chosen lesson's subject
    bool dvojniPredmet = false;     // part of a block of consecutive periods
    bool stalenPredmet = false;     // placed as fixed ("s")
    bool veckratZaseden = false;    // several teachers teach the lesson at once
    bool izpraznjenTermin = false;  // the carried lesson left this cell
    bool nizjiNivo = false;         // a lesson of a group other than the class's own
    bool zadnjiTermin = false;      // where the chain's last move went
    bool predZadnjiTermin = false;  // where the move before it went
};

// Whose week the grid shows and how.
struct PogledUrnika {
    bool ucitelj = false;         // a teacher's week, else a class's
    int indeks = 0;               // class or teacher index in the model
    bool zamenjaneOznake = false; // the other texts: units for a class, teachers for a teacher
    int izbranoPredavanje = 0;    // the lesson picked in the list of unplaced lessons
};

// The placed period the view shows at a cell, 0 when none.
int TerminVPogledu(const engine::ModelUrnika &m, const PogledUrnika &pogled, int dan, int ura);

// The 80 cells of the shown week with their marks.
std::array<CelicaUrnika, SteviloCelic> CeliceUrnika(const RocnoUrejanje &urejanje, const PogledUrnika &pogled);

// The text of a placed period: subject, then its teachers (or its class group), then its rooms.
QString BesediloTermina(const engine::ModelUrnika &m, int termin, bool ucitelji);

// A lesson with periods still to place.
struct NerazporejenPredmet {
    int predavanje = 0;
    QString besedilo;
};
// The lessons of the shown class or teacher that have periods left to place, by their text.
std::vector<NerazporejenPredmet> NerazporejeniPredmeti(const engine::ModelUrnika &m, const PogledUrnika &pogled);

// One line per move of the chain: "5.a SLO: PON 3 -> TOR 2".
QStringList BesediloZgodovine(const engine::ModelUrnika &m, const std::vector<ElementVerige> &elementi);

// What the running information shows of a lesson at a cell: the lesson, its teachers and rooms,
// and the rooms of its groups free at that cell (cabinets left out on request).
struct SprotnaInformacija {
    QString predmet;
    QStringList ucitelji;
    QStringList prostori;
    QStringList prostiProstori;
};
SprotnaInformacija Sprotno(const engine::ModelUrnika &m, int predavanje, int termin, int dan, int ura, bool skrijKabinete);

// The label of a class group, or of the subject for a unit without one.
QString OznakaEnote(const engine::ModelUrnika &m, int predavanje);

} // namespace zentrel::timetable

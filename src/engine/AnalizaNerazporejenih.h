#pragma once

#include "ModelUrnika.h"
#include "PripravaUrnika.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace zentrel::engine {

// One thing that keeps a unit out of one cell of its frame.
struct OviraCelice {
    enum Vrsta {
        OddelekZaseden,    // a class of the group has another lesson there
        UciteljZaseden,    // a teacher of the unit teaches another lesson there
        UciteljPrepovedan, // the cell is forbidden for a teacher
        RazponUcitelja,    // the teacher's day would span more than seven periods
        UciteljDvakrat,    // one teacher is named by two entries of the unit
        NiProstora,        // no free room of a room group (rooms taken, forbidden, or in another building)
    };
    Vrsta vrsta = OddelekZaseden;
    QString kdo;    // label of the class, teacher or room group
    QString zaradi; // the lesson in the way ("1b MAT"), when there is one
};

// A cell of the unit's class-group frame and what keeps the unit out of it.
struct CelicaOkvirja {
    int dan = 0;
    int ura = 0;
    bool danZaseden = false;        // the unit already has a lesson that day (a unit comes once a day)
    std::vector<OviraCelice> ovire; // empty: the cell is free for the unit
};

// A unit with periods left to place, and why the construction could not place them.
struct NerazporejenoPredavanje {
    int predavanje = 0;
    QString skupina; // class-group label
    QString predmet; // subject-group label
    QStringList ucitelji;
    int ur = 0; // periods not placed
    // The rule that keeps it out most often: "okvir" (no frame cell on a day still open to it),
    // "oddelek", "ucitelj", "razpon", "prepoved", "prostor", or "dan" (every day has its lesson).
    QString razlog;
    int blok = 0;                      // periods of the next block to place
    std::vector<CelicaOkvirja> celice; // the frame's cells, by day and period
    // The data alone prove that none of its unplaced periods fits any timetable (DokazPredavanja).
    bool nemogoce = false;
    // The reason in a sentence, as the program shows it: the proof from the data, the obstacles in
    // the cells for what it does not account for; a further one names a class of the unit whose
    // frame cannot hold all its lessons (ManjkajoceUreOddelka).
    QString opis;
};

// The analysis of every unit that has periods left to place (Remaining above 0 or periods given
// up), in unit order. Lessons of type "s" and lessons of units of difficulty 0 count as fixed.
std::vector<NerazporejenoPredavanje> AnalizirajNerazporejene(const ModelUrnika &m, const PripravaUrnika &priprava);

// The analysis of one unit, whatever its periods left.
NerazporejenoPredavanje AnalizirajPredavanje(const ModelUrnika &m, const PripravaUrnika &priprava, int u);

// What no construction can place, as the data prove it (DokaziNemogocosti) before any search.
struct NeizogibnoNerazporejeno {
    std::vector<int> predavanja;              // units none of whose free periods fits: left out of searches
    std::vector<std::pair<int, int>> oddelki; // classes whose frame cannot hold all their lessons, and by how many
    int ur = 0; // periods left unplaced in any timetable (a lower bound): those of the units, or more, what
                // the frames of classes that share no unit miss
};
NeizogibnoNerazporejeno Neizogibno(const ModelUrnika &m, const PripravaUrnika &priprava);

// The cells of the frame with what keeps the unit out of each, for a listing: "1.1: oddelek 1a
// zaseden (1a MAT); 1.2: že ima uro tega dne; 2.1: prosto".
QString OpisCelic(const NerazporejenoPredavanje &n);

// "1a MAT": the class group and subject of a unit.
QString OznakaPredavanja(const ModelUrnika &m, int u);

} // namespace zentrel::engine

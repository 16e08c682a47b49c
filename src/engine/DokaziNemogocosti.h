#pragma once

#include "ModelUrnika.h"
#include "PripravaUrnika.h"

#include <QString>
#include <vector>

// Proofs that lessons cannot be placed, from the data alone: the assignments, the frames, the
// forbidden periods and the lessons no construction moves (fixed by hand, or of units placed only
// by hand). Where the rounds or a search happened to put the other lessons never counts, so a
// proof holds before a construction as after it, and the construction's "impossible" verdicts,
// the analysis of unplaced lessons and the check before a construction say the same.
namespace zentrel::engine {

struct DokazNemogocosti {
    enum Vrsta {
        UciteljDvakrat,       // one teacher named by two entries of a unit
        PremaloProstorov,     // a room group with fewer rooms than the entries of a unit need at once
        PremaloDni,           // fewer days, or consecutive free periods, than the blocks of a unit need
        PreobremenjenOddelek, // a class with more periods than periods not forbidden to it
        OkvirOddelka,         // a class whose frame cannot hold all its lessons
        PreobremenjenUcitelj, // a teacher with more periods than the free periods of the teacher's days
        PreobremenjenProstor, // a room that lessons cannot leave, with more periods than its free periods
    };
    Vrsta vrsta = PremaloDni;
    int predavanje = 0; // the unit (the first three kinds)
    int kdo = 0;        // the class, teacher or room (the others)
    int ur = 0;         // periods that no timetable holds because of it (at least); 0: no proof
    QString opis;       // the proof in a sentence, with its numbers
    bool razpon = false; // a teacher's free periods would suffice but for the 7-period working day
};

// The proof that some periods of unit u can never be placed; ur 0 when the data prove none.
DokazNemogocosti DokazPredavanja(const ModelUrnika &m, const PripravaUrnika &priprava, int u);

// The proof that class o cannot hold all its lessons: more periods than periods not forbidden to
// it, or a frame too small for them (unless the proofs of its units account for the shortfall).
DokazNemogocosti DokazOddelka(const ModelUrnika &m, const PripravaUrnika &priprava, int o);

// Periods of unit u still to place beside its lessons placed by hand (those the proofs are about).
int ProsteUrePredavanja(const ModelUrnika &m, int u);

// Every proof: units in unit order, then classes, teachers and rooms, each in index order. With
// `kabineti` (the second round) an entry of an ordinary room may take another classroom, so only
// cabinets are proven overloaded.
std::vector<DokazNemogocosti> DokaziNemogocosti(const ModelUrnika &m, const PripravaUrnika &priprava, bool kabineti);

} // namespace zentrel::engine

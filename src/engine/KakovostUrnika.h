#pragma once

#include "ModelUrnika.h"

#include <vector>

namespace zentrel::engine {

// How good a timetable is beyond its hard rules, measured on the model as a timetable officer
// reads a class's week:
//  - idle periods: free periods between the first and the last lesson of a teacher's or a
//    class's day;
//  - same-day repeats ("predmet dvakrat v dnevu"): for each class and day, every further place
//    at which one subject is taught that day, whatever the group or unit (the consecutive
//    periods of one unit are one place); elective blocks are left to the next measure;
//  - elective blocks on one day ("izbirni bloki istega dne"): for each class and day, every
//    elective block of the class (a unit of an elective group) beyond the first.
// Of the repeats, some are forced by the lessons placed: a class with more places of a subject in
// the week than the week has days has at least one repeat for each place beyond them (two units of
// five single periods of one subject give five), wherever they stand.
struct KakovostUrnika {
    int luknjeUciteljev = 0;
    int luknjeOddelkov = 0;
    int ponovitve = 0;
    int izbirniBloki = 0;
    int neizogibnePonovitve = 0; // the forced repeats; counted for the whole model only (Kakovost)
};

// The one sum by which the completion weighs the measures against each other: a subject twice on
// one day, or a second elective block on a day, counts as three idle periods of a teacher, an
// idle period of a class as two.
int Utezeno(const KakovostUrnika &k);

// Idle periods of a day given as a bit mask of its busy periods.
int LuknjeDneva(int zasedeneUre);
// Busy periods of a class on a day as a bit mask.
int ZasedeneUreOddelka(const ModelUrnika &m, int oddelek, int dan);

// Same-day repeats and elective blocks of one class on one day (the other fields 0); with
// `dodano` >= 1, as if that unit, which has no lesson there, had a block that day too.
KakovostUrnika PonovitveDneva(const ModelUrnika &m, int oddelek, int dan, int dodano = 0);
// The same-day repeats and elective blocks a block of unit u, which has no lesson on day dan,
// would add there (the other fields 0).
KakovostUrnika DodanePonovitve(const ModelUrnika &m, int u, int dan);
// The change of idle periods of its teachers and classes if unit u got a block of `dolzina`
// periods from period `ura` on day dan, where it has no lesson (the other fields 0).
KakovostUrnika DodaneLuknje(const ModelUrnika &m, int u, int dan, int ura, int dolzina);
// The change of same-day repeats and elective blocks when unit u's lessons of day dan0, already
// taken out of the model, go to day dan1 instead (the other fields 0).
KakovostUrnika RazlikaPonovitev(const ModelUrnika &m, int u, int dan0, int dan1);

// The measures of the whole model.
KakovostUrnika Kakovost(const ModelUrnika &m);

} // namespace zentrel::engine

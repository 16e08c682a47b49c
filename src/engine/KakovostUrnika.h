#pragma once

#include "ModelUrnika.h"

#include <vector>

namespace zentrel::engine {

// How good a timetable is beyond its hard rules, measured on the model:
//  - idle periods: free periods between the first and the last lesson of a teacher's or a
//    class's day;
//  - same-day repeats: a day on which a class group has two units of one subject (as when a
//    subject's alternate-week unit lands on the day of its every-week unit).
struct KakovostUrnika {
    int luknjeUciteljev = 0;
    int luknjeOddelkov = 0;
    int ponovitve = 0;
};

// Idle periods of a day given as a bit mask of its busy periods.
int LuknjeDneva(int zasedeneUre);
// Busy periods of a class on a day as a bit mask.
int ZasedeneUreOddelka(const ModelUrnika &m, int oddelek, int dan);
// For every unit the other units of its class group and subject (of other turnusi).
std::vector<std::vector<int>> SorodnaPredavanja(const ModelUrnika &m);
// Days on which both units of a pair have a lesson.
int SkupniDnevi(const ModelUrnika &m, int u, int v);

// The measures of the whole model.
KakovostUrnika Kakovost(const ModelUrnika &m);

} // namespace zentrel::engine

#pragma once

#include "engine/SestavljanjeUrnika.h"

namespace zentrel::timetable {

// The options of the construction window as zn.INI keeps them in "[construction]", one a line:
// Selitev, Kabineti and TretjiKrog as "Y"/"N", the extra periods per day as a number, the
// seconds without a change after which the third round stops, then "Dokončaj z izboljševanjem" as
// "Y"/"N". A line that is missing or out of range gives the option's default (off, 0 extra
// periods, 10 seconds).
engine::MoznostiSestavljanja BeriNastavitveSestavljanja();
// Keeps the options in the program's settings; zn.INI is written with the other settings.
void ShraniNastavitveSestavljanja(const engine::MoznostiSestavljanja &moznosti);

// Whether building changes can matter: the project has more than one building (the option is
// offered only then). False when the buildings cannot be read.
bool SelitevNaVoljo();

} // namespace zentrel::timetable

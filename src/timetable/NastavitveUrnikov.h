#pragma once

#include <QString>

// The workstation settings of the timetable windows, kept in zn.INI through the program's
// check-box sections (read at start-up, written when the program ends). The construction
// window's options have their own home (NastavitveSestavljanja).
namespace zentrel::timetable::nastavitve {

// "Briši stalne predmete" ("[timetable deletion]"), off by default.
bool BrisiStalne();
void NastaviBrisiStalne(bool on);

// "Opozori na nerazporejene" ("[unassigned warning]"), on by default.
bool OpozoriNaNerazporejene();
void NastaviOpozoriNaNerazporejene(bool on);

// SkrijKabineteCB of the running information ("[manual timetable]"), off by default.
bool SkrijKabinete();
void NastaviSkrijKabinete(bool on);

} // namespace zentrel::timetable::nastavitve

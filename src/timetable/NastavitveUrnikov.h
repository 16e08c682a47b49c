#pragma once

#include <QString>

// The workstation settings of the timetable windows, kept in zn.INI: the check boxes through the
// program's check-box sections (read at start-up, written when the program ends), the number of
// extra periods in a section of its own, written when it changes.
namespace zentrel::timetable::nastavitve {

// The options of the construction window ("[construction]": Selitev, Kabineti, TretjiKrog).
struct MoznostiOkna {
    bool selitev = false;
    bool kabineti = false;
    bool tretjiKrog = false;
    QString dodatneUre; // "Povečaj maksimalno število ur na dan za", as typed
};
MoznostiOkna Sestavljanje();
void ShraniSestavljanje(const MoznostiOkna &moznosti);

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

#pragma once

#include "NastavitveUrnikov.h"
#include "SestavljanjeUrnika.h"

#include <QString>

// What the construction window needs besides the construction job itself.
namespace zentrel::timetable::avtomatsko {

// True when the project has more than one building: only then may a free period be needed for
// moving between buildings ("Ura odmora pri selitvi med stavbami").
bool VecStavb();

// The extra periods per day as typed in "Povečaj maksimalno število ur na dan za": a whole number
// from 0 to 15, anything else 0.
int DodatneUre(const QString &vnos);

// The options of a run from the options of the window.
MoznostiSestavljanja Moznosti(const nastavitve::MoznostiOkna &okno);

// A time span as the third round's window shows it: "h:mm:ss".
QString Cas(qint64 ms);

// "Sestavljeno: " with the placed periods of the total and the percentage ("0.00%").
QString Sestavljeno(const PodatkiTretjegaKroga &p);

} // namespace zentrel::timetable::avtomatsko

#pragma once

#include <QString>
#include <vector>

namespace zentrel::timetable {

// One thing that will keep lessons out of the timetable, and where it is mended.
struct VrsticaPregleda {
    QString opis; // what and by how much ("Učitelj T1: ur na teden 36, ...")
    QString kje;  // window and tab ("Osnovni podatki → Učitelji → Prepovedi učiteljev")
    QString besedilo() const { return opis + QStringLiteral(" Popravite: ") + kje + u'.'; }
};

// "Pregled pred sestavljanjem": before any construction of the current timetable and turnus,
// what will keep lessons out: subjects of the curriculum that no teacher teaches, and everything
// the data prove impossible (DokaziNemogocosti: the same proofs as the construction's verdicts),
// among them lessons whose room group has too few rooms or none, and teachers whose classes lie
// in shifts too far apart for one working day. `dodatneUre` and `kabineti` are the construction's options (extra periods
// a day, the second round). Loads the model as the construction does. False, with `napaka`,
// when the project could not be read.
bool PreglejPredSestavljanjem(int dodatneUre, bool kabineti, std::vector<VrsticaPregleda> &vrstice, QString &napaka);

} // namespace zentrel::timetable

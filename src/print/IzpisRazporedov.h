#pragma once

#include "Dokument.h"
#include "db/Connection.h"

namespace zentrel::print {

// "Predmeti v predmetniku": a table per programme of the curriculum with its subjects,
// "Zahtevnost", "Turnus", "Število ur", "Dol" (lesson length), "Ur/dol" and the sum "Skupaj".
// With `loceneSkupine` each member subject of a subject group follows the group's row on a row
// of its own (code and pupil group), without hours: the group's hours are counted once.
Dokument PredmetiVPredmetnikih(db::Connection &connection, qint64 predmetnik, bool loceneSkupine);

// The teaching assignments of the curriculum by class ("Razpored", "Razpored enot"; all classes
// when `oddelki` is empty) with "Enota", "Izb.", "Skupina", "Pred", "Učitelj", "Pros", "Tur",
// "Število ur", "Dol", "Ur/dol".
Dokument RazporedEnot(db::Connection &connection, qint64 predmetnik, const QList<qint64> &oddelki,
                      const QString &naslov);
// The assignments of the chosen teachers ("Razpored učiteljev"), a block each with its hours
// summed: "Ucitelj", "Enota", "Predmet", "Prostor", "Turnus", "Število ur", "Dol", "Ur/dol".
Dokument RazporedUciteljev(db::Connection &connection, qint64 predmetnik, const QList<qint64> &ucitelji);

} // namespace zentrel::print

#pragma once

#include <QString>

namespace zentrel::timetable {

// Copies a timetable under a new name in the same curriculum, in one transaction: the new row of
// URNIKI, every placed period of every turnus with its type, room and day, and every first-period
// row. An empty name is refused with "Ime ne sme biti prazno.", a name the curriculum has already
// with "Urnik # že obstaja.", a missing source with "Urnika # ni.". Returns the new timetable's
// ID, or -1 when refused or failed.
qint64 KopirajUrnik(qint64 izUrnika, const QString &ime);

} // namespace zentrel::timetable

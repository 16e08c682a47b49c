#pragma once

#include "db/Connection.h"

#include <QByteArray>

namespace zentrel::engine {

// A fingerprint of the placed rows (TERMINI) of one timetable and turnus: every row's ID,
// assignment, room, day, period and type. Empty when the rows cannot be read (the connection
// holds the error).
QByteArray OdtisTerminov(db::Connection &c, qint64 urnik, qint64 turnus);

// The check every write of a loaded timetable makes first, inside its own transaction: it takes
// the project's write lock (so that no other program writes until this write commits or rolls
// back) and compares the placed rows with the fingerprint taken when the timetable was loaded.
// When another program changed them in between, or they cannot be read, it reports why and
// returns false: the caller then writes nothing and rolls back.
bool UrnikNespremenjen(db::Connection &c, qint64 urnik, qint64 turnus, const QByteArray &odtis);

} // namespace zentrel::engine

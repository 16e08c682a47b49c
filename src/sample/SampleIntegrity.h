#pragma once

#include "db/Connection.h"

#include <QStringList>

namespace zentrel::sample {

// Assignments that do not follow the chain class group -> programme -> subject group ->
// subject-in-group on all seven columns, or have no teacher (their identifiers).
QList<qint64> AssignmentsOffChain(db::Connection &connection);

// Lessons of the curriculum's programmes (class group, programme, subject group, turnus,
// subject-in-group) that no assignment covers, as "class group;subject group;turnus" texts.
QStringList LessonsWithoutAssignment(db::Connection &connection, qint64 curriculum);

// Rooms, classes and subjects without their own group of the same identifier, code and name
// and the member row (id, id); and own groups or named groups whose "$" rule is broken.
QStringList OwnGroupProblems(db::Connection &connection);

} // namespace zentrel::sample

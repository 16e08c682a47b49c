#pragma once

#include "Connection.h"

#include <QStringList>

namespace zentrel::db {

// The checks and repairs run every time a project is opened, in this order: current choices
// looked up, the program's own collation taken out of the stored schema, default turnusi, shifts, shift first periods
// and periods created when missing, orphan rows deleted, later columns added, default elective norms. All of it is one
// transaction: a failure leaves the file as it was. Errors of existing objects or missing
// items are stepped over, as the repairs expect them. Returns false on any other error
// (lastError() of the connection tells which).
bool RunOpeningChecks(Connection &connection);

// The tables of the schema that the file lacks.
QStringList MissingTables(Connection &connection);

// Reads the current timetable, curriculum and turnus names into the program state; a row
// that no longer exists gives an empty name and -7 (timetable) or -1 (curriculum, turnus).
void LookUpCurrentChoices(Connection &connection);

// Reads the default largest and smallest number of pupils of an elective group.
void ReadDefaultNorms(Connection &connection);

} // namespace zentrel::db

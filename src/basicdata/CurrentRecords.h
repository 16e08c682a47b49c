#pragma once

#include "core/AppState.h"

#include <QString>

namespace zentrel::basicdata {

// The records the basic-data tabs share program-wide: a record move in any teacher tab stores
// the teacher, and every teacher tab, when shown, goes to it; the same for classes, subjects and
// rooms. They are the program state's remembered rows, which opening a project forgets.
using CurrentRecords = core::RememberedRecords;

CurrentRecords &Trenutni();
// Forgets every shared record (a project was closed or opened).
void ResetTrenutni();

// The curriculum the basic-data windows work in: the program's current curriculum when it
// exists in the project, else the only curriculum when there is exactly one, else -1.
qint64 CurrentCurriculum();

// Makes name the program-wide school name and tells the main window (background, caption).
void SetSchoolName(const QString &name);

} // namespace zentrel::basicdata

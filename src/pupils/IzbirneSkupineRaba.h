#pragma once

#include "basicdata/WriteAction.h"

#include <QString>

// What the elective windows check and tidy around elective groups.
namespace zentrel::pupils {

// Rows of PREDMETI_V_SKUPINI (alias G, restricted by `condition` on G) whose groups have
// lessons in a timetable with validity (valid) or teaching assignments at all; -1 (reported)
// when the count fails.
qint64 CountElectiveRowsInUse(const QString &condition, bool valid);

// Removes, inside the action, what elective groups of the curriculum are left without: pupils'
// places whose row is gone, subject groups without rows, and programmes without subject groups
// together with their class groups.
bool RemoveEmptyElectiveGroups(basicdata::WriteAction &action, qint64 curriculum);

// Deletes, inside the action, the elective groups whose programmes the subquery gives: their
// pupils' places, subject groups (with rows, hours and assignments), class groups, programmes.
bool DeleteElectiveGroups(basicdata::WriteAction &action, qint64 curriculum, const QString &programmes);

// The subquery of the curriculum's elective programmes.
QString ElectiveProgrammes(qint64 curriculum);

} // namespace zentrel::pupils

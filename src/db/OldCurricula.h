#pragma once

#include "CopyRows.h"

// Curricula of projects made before version 7, where programmes and named groups ("$") were
// shared by all curricula. Copied, each programme and named group becomes local to the
// curriculum it is copied for, with the identifier old + 1000 × curriculum, and the rows that
// refer to them follow; copies that no class group of their curriculum uses are removed.
namespace zentrel::db {

// The identifier a programme or named group of curriculum `curriculum` gets, as SQL.
QString RemappedId(const QString &oldId, const QString &curriculum);

// The copy, for curriculum `curriculum` (SQL), of the source's member row `oldRow` (SQL) of a
// named subject group, whose copies are renumbered; any other member row keeps its identifier.
QString FollowedMemberRow(const QString &oldRow, const QString &curriculum);

// Refuses, with a message, a source whose remapped identifiers would meet each other or an
// identifier that keeps its value (old identifiers of 1000 and more): two groups would merge.
bool RemappedIdsAreFree(CopyContext &copy, qint64 curriculum);

// The programmes and the named subject and class groups with their members, per curriculum.
bool CopyOldProgrammesAndGroups(CopyContext &copy, qint64 curriculum);
// Which class group follows which programme, and the subjects of each programme.
bool CopyOldProgrammeLinks(CopyContext &copy, qint64 curriculum);
// The assignments, pointing at their curriculum's copies and at the new member rows.
bool CopyOldAssignments(CopyContext &copy, qint64 curriculum);
// Expressions that remap the class group, programme and member row columns of a row with
// ID_PREDMETNIKA of the source's `table`, given the source's class group joined as "g".
QList<QPair<QString, QString>> OldPlacementExpressions(CopyContext &copy, const QString &table);
// The substitutions that `condition` selects, their class groups remapped for their lessons'
// curricula.
RowCopy OldSubstitutions(const QString &condition);
// Removes programmes without a class group and local groups no programme of a class group
// uses, with the rows that hang on them.
bool RemoveUnusedCopies(CopyContext &copy);

} // namespace zentrel::db

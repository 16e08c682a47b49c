#pragma once

#include "WriteAction.h"

// The groups that every room, class and subject owns, and the removal of groups left without
// members. Each function runs inside the caller's WriteAction.
namespace zentrel::basicdata {

// Room groups: a member row may name a room or another group. Member rows that name neither
// any more go first, then groups without members; repeated until nothing changes, because a
// group that loses its last member may be the only member of another group.
bool RemoveEmptyRoomGroups(WriteAction &action);
// Class groups without any class (memberships go with their class through the schema).
bool RemoveEmptyClassGroups(WriteAction &action);
// Subject groups without any subject.
bool RemoveEmptySubjectGroups(WriteAction &action);

// Counts rows of a counting query on the project; -1 (reported) when it fails.
qint64 CountRows(const QString &sql);

} // namespace zentrel::basicdata

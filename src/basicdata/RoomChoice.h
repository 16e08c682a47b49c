#pragma once

#include "db/RowSet.h"

namespace zentrel::basicdata {

// The room list of the assignment windows: every room group (ID, OZNAKA, IME) with
//  USTR: "U" when the teacher wants it, "E" when it is a room of a class of the class group,
//        "P" when it suits the subject, in this order ("UP");
//  OBR:  its load, the hours of the curriculum's assignments that use it, counting the
//        programme rows of turnus 0 and of the given turnus;
// and OBR_USTR, the two as one text for a list; ordered by USTR descending, single rooms before named groups, OBR
// ascending and code, so that suitable and little used rooms come first. An empty row set (reported) on failure.
db::RowSet RoomList(qint64 curriculum, qint64 teacher, qint64 classGroup, qint64 subject, qint64 turnus);

} // namespace zentrel::basicdata

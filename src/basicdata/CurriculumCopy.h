#pragma once

#include "KopirajRazpored.h"

namespace zentrel::basicdata {

// Copies curriculum `source` into a new curriculum called `name`, in one transaction, and
// returns its identifier (-1, with the error reported and nothing written, on failure).
//
// The classes are always copied with their shifts (class teachers only with "kopiraj
// razrednike"); the other parts follow the boxes. Rows get new identifiers, and each copied row
// keeps the identifier it was copied from in ID_STAR; later tables find their new references by
// that column. Groups shared by all curricula (own subject and class groups, named shared
// groups) are not copied: their ID_STAR is their own identifier, so references to them stay.
// Assignments and timetables have no ID_STAR: their copies take the old identifier plus one
// fixed offset, which maps the placed lessons and first periods onto them.
qint64 CopyCurriculum(qint64 source, const QString &name, const CurriculumCopyChoices &choices);

} // namespace zentrel::basicdata

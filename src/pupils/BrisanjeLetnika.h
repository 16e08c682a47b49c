#pragma once

#include "db/RowSet.h"

#include <QString>

namespace zentrel::pupils {

// "Briši letnik": the years of enrolment in the register and the deletion of all pupils of one.
class BrisanjeLetnika {
public:
    // The distinct years (column LETOVPISA) in order; a pupil without a year gives an empty entry.
    static db::RowSet years();
    // Deletes every pupil of the year (an empty year: the pupils without one) with their
    // memberships and choices, in one transaction. The number deleted, or -1 (reported).
    static int deleteYear(const QString &year);
};

} // namespace zentrel::pupils

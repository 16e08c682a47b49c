#pragma once

#include "support/TempHome.h"

#include <QString>

namespace zentrel::fuzz {

// Opens, as the program does, a fresh project of the home's folder filled by the statements:
// the project a reader imports into. Returns the project's path; the run stops when it cannot be
// made, since every case would then fail for the same reason.
QString OpenProjectWith(test::TempHome &home, const QString &statements);

} // namespace zentrel::fuzz

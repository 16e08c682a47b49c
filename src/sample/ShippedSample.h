#pragma once

#include "SampleSchool.h"

#include <QString>

namespace zentrel::sample {

// The sample project the program ships: the sample school with its first timetable built by the
// construction in every rotation week and valid for the school year, and a second, empty
// timetable (with its class frames) on which the user can try the construction.
// Returns false and, when errorText is given, a Slovenian description of the failure; the file
// at path is then not left behind half-made.
bool MakeShippedSample(const QString &path, const SampleOptions &options, QString *errorText = nullptr);

} // namespace zentrel::sample

#pragma once

#include "FetDocument.h"

#include <QString>

namespace zentrel::fet {

// Largest week a project holds: Monday to Friday, periods 0 to 15.
constexpr int MaxDays = 5;
constexpr int MaxHours = 16;

// Reads a FET file of format version 5 or 6. Refuses, with a Slovenian text in `error` that
// names the file and the line or element at fault: a file that cannot be read, bad XML,
// another kind of XML file, another version, a missing or empty day or hour list, a week of
// more than MaxDays days or more than MaxHours hours a day.
bool ReadFetFile(const QString &path, FetDocument *document, QString *error);

} // namespace zentrel::fet

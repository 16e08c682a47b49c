#pragma once

#include <QString>
#include <QStringList>

namespace zentrel::shell {

// The sectioned text file zn.INI: a line "[name]" starts a section, the lines after it up to
// the next line that begins with "[" are its values, one per line.
//
// A plain line holding commas is read as several values (as files written by hand have it).
// A value that itself holds a comma or begins with a quotation mark is written between
// quotation marks, with inner quotation marks doubled, and read back as one value: values
// round-trip whatever they contain.

// The values of the section, followed by one empty entry; only the empty entry when the
// section is missing. A missing file is created empty.
QStringList ReadIniSection(const QString &file, const QString &section);

// Replaces the section's lines by the values (every entry, empty ones included), or appends
// the section at the end. Other sections stay as they are. False when the file cannot be written.
bool WriteIniSection(const QString &file, const QString &section, const QStringList &values);

// One stored line for a value, quoted when needed.
QString EncodeIniValue(const QString &value);
// The values a stored line holds.
QStringList DecodeIniLine(const QString &line);

} // namespace zentrel::shell

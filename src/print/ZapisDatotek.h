#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace zentrel::print {

// A file of an export: its name within the target folder and its content.
using DatotekaIzvoza = std::pair<QString, QByteArray>;

// Writes the bytes under a temporary name beside the path and renames it into place, so that
// the final name never holds a half-written file. A failure is reported (missing folder,
// write protection, other errors with the system's reason) and gives false.
bool ZapisiDatoteko(const QString &path, const QByteArray &bytes);

// Writes a set of files into a folder (created when missing): all of them are first written
// into a temporary folder beside it and only then renamed into place, so that a failure while
// writing leaves the folder as it was and no final name ever holds a half-written file.
// Reports as ZapisiDatoteko.
bool ZapisiDatoteke(const QString &folder, const QList<DatotekaIzvoza> &files);

} // namespace zentrel::print

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace zentrel::print {

// A file of an export: its name within the target folder and its content.
using DatotekaIzvoza = std::pair<QString, QByteArray>;

// Writes the bytes under a hidden temporary name beside the path and renames it into place, so
// that the final name never holds a half-written file; a write-protected file stays as it is. A
// failure is reported in words that name what is wrong (a missing folder, a folder the user may
// not write, a protected file, a full disk) and gives false.
bool ZapisiDatoteko(const QString &path, const QByteArray &bytes);

// Writes a set of files into a folder (made when missing, in an existing parent): all of them are
// first written into a hidden temporary folder inside it and only then moved into place, each
// older file of the same name put aside until all are in; a failure at any point puts the older
// files back, so that the folder never mixes new files with old ones. The temporary folder goes
// (unless older files could not be put back: then they wait in it, and the message says where),
// and so does a folder made for an export that failed. Reports as ZapisiDatoteko.
bool ZapisiDatoteke(const QString &folder, const QList<DatotekaIzvoza> &files);

} // namespace zentrel::print

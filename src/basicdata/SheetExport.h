#pragma once

#include "SheetKinds.h"

#include <QString>

namespace zentrel::basicdata {

// Writes the rows of a kind (SheetRowsSql, under the captions of SheetColumns) to a spreadsheet
// text file that SheetImport reads back without a change. Assignments are those of the
// curriculum (-1: the only one). The file is replaced whole or not at all. Returns the number
// of rows written; -1, with the message shown, when the file cannot be written.
int ExportSheet(SheetKind kind, const QString &path, qint64 curriculum = -1);

} // namespace zentrel::basicdata

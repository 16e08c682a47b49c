#pragma once

#include "Dokument.h"

#include <QByteArray>
#include <QString>

namespace zentrel::print {

// A field as CSV needs it: quoted (quotes doubled) when it holds ";", a quote or a line break,
// so that the columns never shift.
QString CsvPolje(const QString &text);
// The document as ";"-separated text: a block of lines per table, blocks parted by an empty
// line; a row gives as many lines as its tallest cell has lines, each line the items of every
// cell in order (a cell always gives as many fields as its widest line, missing ones empty).
// UTF-8 with a byte-order mark, so that spreadsheets read every letter; lines end in CR LF.
QByteArray IzvoziCSV(const Dokument &dokument);

} // namespace zentrel::print

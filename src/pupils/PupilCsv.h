#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading the semicolon-separated files that spreadsheet programs write.
namespace zentrel::pupils {

// The text of a file: UTF-8 (with or without a byte-order mark) when the bytes are valid UTF-8,
// otherwise Windows-1250, the encoding spreadsheet programs use for Slovenian text.
QString DecodeImportFile(const QByteArray &bytes);

// The lines of the text, without line ends (LF, CR LF or CR).
QStringList ImportLines(const QString &text);

// The cells of a line: tabs count as ";", cells are trimmed, and a cell in double quotes may
// hold ";" and doubled quotes ("a ""b""" is a "b"), as spreadsheet programs quote them.
QStringList SplitImportLine(const QString &line);

} // namespace zentrel::pupils

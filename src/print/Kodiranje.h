#pragma once

#include <QByteArray>
#include <QString>

namespace zentrel::print {

// Code pages of the exports.
inline constexpr const char *Iso88592 = "ISO-8859-2";
inline constexpr const char *Windows1250 = "windows-1250";

// The text in the code page; every character the code page cannot hold becomes a numeric
// character reference ("&#8364;"), so that an HTML or XML file never carries the encoder's
// substitute byte. Control characters other than tab, line feed and carriage return, which
// XML forbids even as references, become blanks.
QByteArray KodirajZReferencami(const QString &text, const char *codePage);

} // namespace zentrel::print

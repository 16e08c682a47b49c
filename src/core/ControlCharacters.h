#pragma once

#include <QString>

namespace zentrel::core {

// Control characters (NUL, escape, delete and the like, but not tab and line ends): no export
// format may carry them, and most readers stop at them or reject the file.
bool IsControlCharacter(QChar c);

// The text with each control character replaced by a blank, as the page writers have them.
QString BlankControlCharacters(const QString &text);

} // namespace zentrel::core

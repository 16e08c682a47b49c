#include "ControlCharacters.h"

namespace zentrel::core {

bool IsControlCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || (u >= 0x7f && u <= 0x9f);
}

QString BlankControlCharacters(const QString &text) {
    QString out = text;
    for (QChar &c : out)
        if (IsControlCharacter(c))
            c = u' ';
    return out;
}

} // namespace zentrel::core

#include "Kodiranje.h"

#include "core/ControlCharacters.h"

#include <QList>
#include <QStringEncoder>

namespace zentrel::print {

QByteArray KodirajZReferencami(const QString &text, const char *codePage) {
    QStringEncoder whole(codePage);
    QByteArray bytes = whole.encode(text);
    bool clean = !whole.hasError();
    for (const QChar c : text)
        if (core::IsControlCharacter(c))
            clean = false;
    if (clean)
        return bytes;

    // Character by character: only what the code page lacks takes the longer road.
    QByteArray out;
    out.reserve(bytes.size() + 16);
    for (const char32_t code : text.toUcs4()) {
        if (code < 0x10000 && core::IsControlCharacter(QChar(char16_t(code)))) { // no page may hold them
            out += ' ';
            continue;
        }
        QStringEncoder one(codePage);
        const QByteArray encoded = one.encode(QString::fromUcs4(&code, 1));
        if (one.hasError() || encoded.isEmpty())
            out += "&#" + QByteArray::number(quint32(code)) + ';';
        else
            out += encoded;
    }
    return out;
}

} // namespace zentrel::print

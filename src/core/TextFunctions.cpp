#include "TextFunctions.h"

#include "ControlCharacters.h"

#include <QCollator>

namespace zentrel::core {

namespace {

// File systems take names of 255 bytes; a name made safe leaves room for what callers add.
constexpr int kSafeFileNameBytes = 120;

// The text cut to at most `bytes` bytes of UTF-8, never inside a letter.
QString cutToBytes(const QString &text, int bytes) {
    QString out = text;
    while (out.toUtf8().size() > bytes) {
        out.chop(1);
        if (!out.isEmpty() && out.back().isHighSurrogate())
            out.chop(1);
    }
    return out;
}

} // namespace

// Control characters become "_" as well, and the name is cut to kSafeFileNameBytes bytes, never
// inside a letter: a code of any length or content gives a name every file system takes.
QString SafeFileName(const QString &text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || IsControlCharacter(c)) {
            out += u'_';
            continue;
        }
        switch (c.unicode()) {
        case u'/':
        case u'\\':
        case u'|':
        case u'<':
        case u'>':
        case u':':
        case u';':
        case u' ':
            out += u'_';
            break;
        case u'š':
            out += QLatin1String("sh");
            break;
        case u'ž':
            out += QLatin1String("zh");
            break;
        case u'Š':
            out += QLatin1String("Sh");
            break;
        case u'Ž':
            out += QLatin1String("Zh");
            break;
        case u'Č':
            out += QLatin1String("Ch");
            break;
        case u'č':
            out += QLatin1String("ch");
            break;
        case u'ć':
            out += QLatin1String("ch");
            break;
        case u'Ć':
            out += QLatin1String("Ch");
            break;
        case u'đ':
            out += QLatin1String("dj");
            break;
        case u'Đ':
            out += QLatin1String("Dj");
            break;
        default:
            out += c;
        }
    }
    return cutToBytes(out, kSafeFileNameBytes);
}

QString HtmlText(const QString &text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': // first of all: a raw "&" would start an entity ("Kemija & biologija")
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"': // names also go into attribute values
            out += QLatin1String("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::pair<QString, QString> SplitPath(const QString &path) {
    const int at = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (at < 0)
        return {QStringLiteral("/"), path};
    return {path.left(at + 1), path.mid(at + 1)};
}

bool SameText(const QString &left, const QString &right) {
    return left.trimmed().compare(right.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace zentrel::core

namespace zentrel::core {

int CompareSlovenian(QStringView left, QStringView right) {
    static const QCollator collator{QLocale(QLocale::Slovenian, QLocale::Slovenia)};
    const int order = collator.compare(left, right);
    return order != 0 ? order : left.compare(right);
}

} // namespace zentrel::core

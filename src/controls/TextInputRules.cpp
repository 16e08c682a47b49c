#include "TextInputRules.h"

namespace zentrel::controls {

QChar FilterTypedChar(QChar c, const QString &text, int position, const TextInputOptions &options) {
    if (c == u' ' && text.isEmpty())
        return {};
    if (c == u'$' && !options.allowD)
        return {};
    if (!c.isPrint())
        return c; // control characters (Backspace) are not filtered
    if (options.onlyNumeric && !(c >= u'0' && c <= u'9'))
        return {};
    switch (options.forceCase) {
    case ForceCase::Upper:
        return c.toUpper();
    case ForceCase::Lower:
        return c.toLower();
    case ForceCase::Words:
        return (position <= 0 || text.at(position - 1) == u' ') ? c.toUpper() : c.toLower();
    case ForceCase::DigitsOnly:
        return (c >= u'0' && c <= u'9') ? c : QChar();
    case ForceCase::FirstUpper:
        return position <= 0 ? c.toUpper() : c;
    default:
        return c;
    }
}

QString FilterTypedText(const QString &typed, const QString &text, int position, const TextInputOptions &options) {
    QString current = text;
    int pos = qBound(0, position, int(text.size()));
    QString accepted;
    for (const QChar c : typed) {
        const QChar out = FilterTypedChar(c, current, pos, options);
        if (out.isNull())
            continue;
        current.insert(pos++, out);
        accepted += out;
    }
    return accepted;
}

bool IsNumericOnlyColumnType(const QString &declaredType) {
    const QString t = declaredType.trimmed().toUpper();
    return t == QLatin1String("BYTE") || t == QLatin1String("TINYINT") || t == QLatin1String("UNSIGNED TINYINT");
}

} // namespace zentrel::controls

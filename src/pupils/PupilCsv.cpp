#include "PupilCsv.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace zentrel::pupils {

QString DecodeImportFile(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder drops a leading byte-order mark.
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1250("windows-1250");
    if (windows1250.isValid())
        return windows1250.decode(bytes);
    return QString::fromLatin1(bytes);
}

QStringList ImportLines(const QString &text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    // A final line end does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList SplitImportLine(const QString &line) {
    QStringList cells;
    QString cell;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line.at(i + 1) == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u';' || c == u'\t') {
            cells << (wasQuoted ? cell : cell.trimmed());
            cell.clear();
            wasQuoted = false;
        } else if (c == u'"' && cell.trimmed().isEmpty()) {
            cell.clear();
            quoted = wasQuoted = true;
        } else {
            cell += c;
        }
    }
    cells << (wasQuoted ? cell : cell.trimmed());
    return cells;
}

} // namespace zentrel::pupils

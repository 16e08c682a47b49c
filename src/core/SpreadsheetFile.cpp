#include "SpreadsheetFile.h"

#include "Messages.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace zentrel::core {

namespace {

// The UTF-8 shape of a byte string: how many valid multibyte sequences of characters likely in
// text it holds and where its first invalid byte is (-1 when there is none).
struct Utf8Scan {
    qsizetype multibyte = 0;
    qsizetype firstInvalid = -1;
};

// Length of the valid UTF-8 sequence at i (overlong forms and surrogates are invalid); 0 when
// the bytes there are not one.
int sequenceLength(const QByteArray &b, qsizetype i) {
    const auto at = [&](qsizetype k) { return k < b.size() ? static_cast<unsigned char>(b[k]) : 0u; };
    const unsigned lead = at(i);
    const auto follows = [&](qsizetype k, unsigned lo = 0x80, unsigned hi = 0xBF) {
        return at(k) >= lo && at(k) <= hi;
    };
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return follows(i + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned lo = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned hi = lead == 0xED ? 0x9F : 0xBF;
        return follows(i + 1, lo, hi) && follows(i + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned lo = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = lead == 0xF4 ? 0x8F : 0xBF;
        return follows(i + 1, lo, hi) && follows(i + 2) && follows(i + 3) ? 4 : 0;
    }
    return 0;
}

// A character that UTF-8 text of a Slovenian school holds beyond ASCII: the accented letters
// (U+00A0 to U+017F), dashes, quotes and the euro sign. Windows-1250 letters misread as UTF-8
// mostly give other characters ("ČŠ" would be U+020A).
bool likelyInText(char32_t c) {
    return (c >= 0xA0 && c <= 0x17F) || (c >= 0x2000 && c <= 0x206F) || c == 0x20AC;
}

Utf8Scan scanUtf8(const QByteArray &bytes, qsizetype from) {
    Utf8Scan scan;
    for (qsizetype i = from; i < bytes.size();) {
        const int length = sequenceLength(bytes, i);
        if (length == 0) {
            if (scan.firstInvalid < 0)
                scan.firstInvalid = i;
            ++i;
            continue;
        }
        if (length > 1 && likelyInText(QString::fromUtf8(bytes.constData() + i, length).toUcs4().value(0)))
            ++scan.multibyte;
        i += length;
    }
    return scan;
}

// The line (from 1) of a byte offset: line feeds before it, or carriage returns in a file
// that has no line feed at all.
int lineOfOffset(const QByteArray &bytes, qsizetype offset) {
    const QByteArrayView before(bytes.constData(), offset);
    const char end = bytes.contains('\n') ? '\n' : '\r';
    return static_cast<int>(before.count(end)) + 1;
}

} // namespace

bool SpreadsheetFile::refuse(const QString &text) {
    m_error = text;
    m_records.clear();
    return false;
}

bool SpreadsheetFile::readFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(FormatMessageText(QStringLiteral("Datoteke # ni mogoče prebrati."), path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refuse(FormatMessageText(QStringLiteral("Datoteke # ni mogoče prebrati."), path));
    return readBytes(bytes);
}

bool SpreadsheetFile::decode(const QByteArray &bytes, QString &text) {
    const auto startsWith = [&](const char *mark) { return bytes.startsWith(mark); };
    const bool littleEndian =
        startsWith("\xFF\xFE") || (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0 && bytes.size() % 2 == 0);
    const bool bigEndian =
        startsWith("\xFE\xFF") || (bytes.size() >= 2 && bytes[0] == 0 && bytes[1] != 0 && bytes.size() % 2 == 0);
    if (littleEndian || bigEndian) {
        m_encoding = littleEndian ? Encoding::Utf16LittleEndian : Encoding::Utf16BigEndian;
        QStringDecoder utf16(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        text = utf16.decode(bytes);
        if (utf16.hasError() || bytes.size() % 2 != 0) {
            // The decoder marks what it could not read with the replacement character.
            const qsizetype bad = text.indexOf(QChar::ReplacementCharacter);
            const int line = static_cast<int>(text.left(bad < 0 ? text.size() : bad).count(u'\n')) + 1;
            return refuse(QStringLiteral("Vrstica %1 datoteke ni veljavno besedilo UTF-16, zato datoteke ni mogoče "
                                         "prebrati.")
                              .arg(line));
        }
        if (text.startsWith(QChar::ByteOrderMark))
            text.remove(0, 1);
        return true;
    }

    const qsizetype start = startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const Utf8Scan scan = scanUtf8(bytes, start);
    if (scan.firstInvalid < 0) {
        m_encoding = Encoding::Utf8;
        text = QString::fromUtf8(bytes.constData() + start, bytes.size() - start);
        return true;
    }
    if (start > 0 || scan.multibyte > 0)
        return refuse(QStringLiteral("Vrstica %1 datoteke ni v kodiranju UTF-8 kot ostale vrstice, zato datoteke ni "
                                     "mogoče prebrati. Shranite jo v enem kodiranju (UTF-8, UTF-16 ali Windows-1250).")
                          .arg(lineOfOffset(bytes, scan.firstInvalid)));
    QStringDecoder windows1250("windows-1250");
    if (!windows1250.isValid())
        return refuse(QStringLiteral("Kodiranja Windows-1250 ni na voljo, zato datoteke ni mogoče prebrati."));
    m_encoding = Encoding::Windows1250;
    text = windows1250.decode(bytes);
    return true;
}

bool SpreadsheetFile::readBytes(const QByteArray &bytes) {
    QString text;
    if (!decode(bytes, text))
        return false;
    return readText(text);
}

bool SpreadsheetFile::readText(const QString &text) {
    m_error.clear();
    m_records.clear();

    // The separator is read off the first record, outside quotes.
    int semicolons = 0, tabs = 0, commas = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u';')
            ++semicolons;
        else if (!quoted && c == u'\t')
            ++tabs;
        else if (!quoted && c == u',')
            ++commas;
    }
    m_separator = semicolons >= tabs && semicolons >= commas ? u';' : tabs >= commas ? u'\t' : u',';

    QStringList cells;
    QString cell;
    bool inQuotes = false;
    bool cellQuoted = false;
    int line = 1;
    int recordLine = 1;
    int quoteLine = 1;
    const auto endCell = [&] {
        cells << (cellQuoted ? cell : cell.trimmed());
        cell.clear();
        cellQuoted = false;
    };
    const auto endRecord = [&] {
        endCell();
        if (std::any_of(cells.cbegin(), cells.cend(), [](const QString &c) { return !c.isEmpty(); }))
            m_records.append({recordLine, cells});
        cells.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isNull())
            return refuse(
                QStringLiteral("Vrstica %1 datoteke vsebuje znak NUL, zato datoteke ni mogoče prebrati.").arg(line));
        const bool lineEnd = c == u'\n' || c == u'\r';
        if (lineEnd) {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            ++line;
        }
        if (inQuotes) {
            if (lineEnd)
                cell += u'\n';
            else if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"')
                cell += text.at(++i);
            else if (c == u'"')
                inQuotes = false;
            else
                cell += c;
        } else if (lineEnd) {
            endRecord();
            recordLine = line;
        } else if (c == m_separator) {
            endCell();
        } else if (cellQuoted && c.isSpace()) {
            // Blanks between a closing quote and the separator are no part of the cell.
        } else if (c == u'"' && !cellQuoted && cell.trimmed().isEmpty()) {
            cell.clear();
            inQuotes = cellQuoted = true;
            quoteLine = line;
        } else {
            cell += c;
        }
    }
    if (inQuotes)
        return refuse(QStringLiteral("Narekovaj, odprt v vrstici %1 datoteke, ni nikjer zaprt, zato datoteke ni mogoče "
                                     "prebrati.")
                          .arg(quoteLine));
    endRecord();
    return true;
}

QByteArray SpreadsheetFile::Compose(const QList<QStringList> &records) {
    QString text;
    for (const QStringList &record : records) {
        QStringList cells;
        for (const QString &cell : record) {
            const bool quote = cell.contains(u';') || cell.contains(u'"') || cell.contains(u'\n') ||
                               cell.contains(u'\r') || cell != cell.trimmed();
            cells << (quote ? u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"' : cell);
        }
        text += cells.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString SpreadsheetFile::HeaderKey(const QString &name) {
    // Far longer than any column name or yes/no word, so it matches none of them; the Unicode
    // decomposition below takes time growing with the square of such a text's length.
    constexpr qsizetype kLongestKey = 200;
    const QString simple = name.simplified();
    if (simple.size() > kLongestKey)
        return simple.toLower();
    QString key;
    for (const QChar c : simple.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        key += c == u'đ' || c == u'Đ' ? QChar(u'd') : c.toLower();
    }
    return key.simplified();
}

int SpreadsheetFile::column(const QStringList &names) const {
    if (m_records.isEmpty())
        return -1;
    const QStringList &header = m_records.first().cells;
    for (const QString &name : names) {
        const QString key = HeaderKey(name);
        for (int i = 0; i < header.size(); ++i)
            if (HeaderKey(header[i]) == key)
                return i;
    }
    return -1;
}

} // namespace zentrel::core

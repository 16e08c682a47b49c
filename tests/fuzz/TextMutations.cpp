#include "Mutator.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

// Mutations that know a text file of lines and cells: whole lines duplicated, dropped or
// swapped, cells replaced by awkward values, very long cells, stray quotes and separators,
// other line ends, and the whole text in another encoding or with invalid bytes.
namespace zentrel::fuzz {

namespace {

// Cell values that have broken readers: empty, blank, huge numbers, impossible dates, quotes,
// apostrophes and SQL, placeholders, letters outside Latin-1, control characters.
const char *const kCells[] = {"",
                              " ",
                              "\"",
                              "\"\"",
                              "\"a;b\"",
                              "\"a\nb\"",
                              "0",
                              "-1",
                              "2147483648",
                              "-2147483649",
                              "99999999999999999999",
                              "1e308",
                              "NaN",
                              "31.2.2020",
                              "0.0.0",
                              "29.2.1900",
                              "1.1.1899",
                              "1.1.2101",
                              "9999-99-99",
                              "12/31/2020",
                              "'); DROP TABLE ERD_UCENEC; --",
                              "d'Or",
                              "%1",
                              "#",
                              "##",
                              "M",
                              "Ž",
                              "ž",
                              "z",
                              "x",
                              "\xc5\xbd",
                              "\xc4\x8d\xc5\xa1",
                              "\xf0\x9f\x98\x80",
                              "\xe2\x80\xae",
                              "\t",
                              "\x01",
                              "\x00"};

// Byte sequences no decoder should trust: overlong forms, surrogates, stray continuation
// bytes, a lone lead byte, byte-order marks in the middle, NUL.
const char *const kBadBytes[] = {"\xc0\x80", "\xed\xa0\x80",     "\x80", "\xc5", "\xef\xbb\xbf", "\xff\xfe",
                                 "\xfe\xff", "\xf4\x90\x80\x80", "\x00", "\r",   "\x1a"};

const char kSeparators[] = {';', '\t', ',', '"', '\n', '\r'};

QList<QByteArray> lines(const QByteArray &data) {
    return data.split('\n');
}

QByteArray joined(const QList<QByteArray> &parts, char separator) {
    QByteArray out;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += separator;
        out += parts[i];
    }
    return out;
}

QByteArray reencoded(const QByteArray &data, Random &random) {
    const QString text = QStringDecoder(QStringDecoder::Utf8).decode(data);
    switch (random.below(5)) {
    case 0:
        return QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom).encode(text);
    case 1:
        return QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom).encode(text);
    case 2:
        return QByteArray("\xef\xbb\xbf") + data;
    case 3:
        return QStringEncoder("windows-1250").encode(text);
    default:
        return QStringEncoder(QStringEncoder::Latin1).encode(text);
    }
}

} // namespace

void MutateText(QByteArray &data, Random &random) {
    const qsizetype at = qsizetype(random.below(quint64(data.size()) + 1));
    QList<QByteArray> rows = lines(data);
    const qsizetype row = qsizetype(random.below(quint64(rows.size())));
    switch (random.below(8)) {
    case 0: { // a line duplicated, dropped or swapped with another
        const qsizetype other = qsizetype(random.below(quint64(rows.size())));
        const quint64 how = random.below(3);
        if (how == 0)
            rows.insert(other, rows[row]);
        else if (how == 1 && rows.size() > 1)
            rows.removeAt(row);
        else
            rows.swapItemsAt(row, other);
        data = joined(rows, '\n');
        break;
    }
    case 1: { // a cell replaced by an awkward value
        QList<QByteArray> cells = rows[row].split(';');
        const char *value = random.pick(kCells);
        cells[qsizetype(random.below(quint64(cells.size())))] = QByteArray(value, value[0] ? qstrlen(value) : 1);
        rows[row] = joined(cells, ';');
        data = joined(rows, '\n');
        break;
    }
    case 2: { // a very long cell
        static const char *const kRuns[] = {"a", "\xc5\xbe", ";", "\"", " ", "9", "\xf0\x9f\x98\x80"};
        data.insert(at, QByteArray(random.pick(kRuns)).repeated(1 + random.length(70000)));
        break;
    }
    case 3: // the whole text in another encoding
        data = reencoded(data, random);
        break;
    case 4: { // invalid or surprising bytes
        const char *bytes = random.pick(kBadBytes);
        data.insert(at, QByteArray(bytes, bytes[0] ? qstrlen(bytes) : 1));
        break;
    }
    case 5: // other line ends
        data.replace("\r\n", "\n");
        data.replace('\n', random.chance(50) ? QByteArray("\r") : QByteArray("\r\n"));
        break;
    case 6: // a stray separator, quote or line end
        data.insert(at, random.pick(kSeparators));
        break;
    default: { // empty or blank lines in between
        rows.insert(row, random.chance(50) ? QByteArray() : QByteArray(" ;  ;"));
        data = joined(rows, '\n');
        break;
    }
    }
}

} // namespace zentrel::fuzz

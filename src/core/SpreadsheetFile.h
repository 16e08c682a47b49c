#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zentrel::core {

// One record of a spreadsheet text file: its cells and the file line it starts on (1 = the
// first line of the file). A quoted cell may span lines, so records and lines can differ.
struct SpreadsheetRecord {
    int line = 0;
    QStringList cells;
};

// The one reader of the text files spreadsheet programs save ("CSV", "Unicode text"), for every
// import that takes such files.
//
// Encoding: a byte-order mark decides (UTF-8, UTF-16 LE, UTF-16 BE); UTF-16 without a mark is
// recognised by the zero bytes of its first character. Otherwise valid UTF-8 is UTF-8, and a
// file whose valid multibyte UTF-8 sequences give no accented letter, dash or quote is
// Windows-1250. Such letters next to invalid bytes mean a file mixed from two encodings: it is
// refused with the line of the first invalid byte, since any guess would store wrong letters.
//
// Separator: the one of ";", tab and "," found most often in the first record outside quotes
// (";" wins ties, then tab); only that one separates. Cells in double quotes may hold the
// separator, doubled quotes and line ends, as spreadsheet programs write them; unquoted cells
// are trimmed. Empty lines are skipped. A NUL character and a quote left open at the end of the
// file are refused with their line.
class SpreadsheetFile {
public:
    enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Windows1250 };

    // Reads a file; false when it cannot be opened or read, error() saying why.
    bool readFile(const QString &path);
    // Reads the bytes of a file; false with error() set.
    bool readBytes(const QByteArray &bytes);
    // Reads text already decoded; false with error() set.
    bool readText(const QString &text);

    // The reason of the last refusal, a complete Slovenian sentence.
    const QString &error() const { return m_error; }
    Encoding encoding() const { return m_encoding; }
    QChar separator() const { return m_separator; }
    // Every non-empty record, the header first.
    const QList<SpreadsheetRecord> &records() const { return m_records; }

    // The position of the first header cell that matches a name, the names tried in their order
    // (letter case, accents and surrounding blanks ignored); -1 when none does.
    int column(const QStringList &names) const;
    // A header name folded for comparison: "Učitelj " and "ucitelj" give the same key. A text
    // longer than any name (over 200 characters) is only lower-cased and blanks-simplified.
    static QString HeaderKey(const QString &name);
    // A file as this reader reads it back unchanged and spreadsheet programs open it: UTF-8 with
    // a byte-order mark, ";" between cells, CR LF after each record; a cell holding ";", a
    // quote, a line end or blanks at either end goes in double quotes.
    static QByteArray Compose(const QList<QStringList> &records);

private:
    bool decode(const QByteArray &bytes, QString &text);
    bool refuse(const QString &text);

    QString m_error;
    Encoding m_encoding = Encoding::Utf8;
    QChar m_separator = u';';
    QList<SpreadsheetRecord> m_records;
};

} // namespace zentrel::core

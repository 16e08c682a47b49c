#include "core/SpreadsheetFile.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using zentrel::core::SpreadsheetFile;
using Encoding = SpreadsheetFile::Encoding;

namespace {

const QString kSample =
    QStringLiteral("Oznaka;Priimek;Opomba\r\nČŠ1;Žagar;\"a;b\r\nc \"\"d\"\"\"\r\n\r\n;;\r\nĐ2;Vrh;\r\n");

QList<QStringList> cells(const SpreadsheetFile &file) {
    QList<QStringList> all;
    for (const auto &record : file.records())
        all << record.cells;
    return all;
}

QList<int> lines(const SpreadsheetFile &file) {
    QList<int> all;
    for (const auto &record : file.records())
        all << record.line;
    return all;
}

QByteArray encoded(const QString &text, QStringConverter::Encoding encoding, bool bom) {
    QStringEncoder encoder(encoding, bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

} // namespace

TEST(SpreadsheetFileTest, EveryEncodingSpreadsheetsSaveGivesTheSameRecords) {
    QStringEncoder windows1250("windows-1250");
    ASSERT_TRUE(windows1250.isValid());
    const QList<std::tuple<QByteArray, Encoding, const char *>> files{
        {kSample.toUtf8(), Encoding::Utf8, "utf-8"},
        {encoded(kSample, QStringConverter::Utf8, true), Encoding::Utf8, "utf-8 bom"},
        {encoded(kSample, QStringConverter::Utf16LE, true), Encoding::Utf16LittleEndian, "utf-16le bom"},
        {encoded(kSample, QStringConverter::Utf16BE, true), Encoding::Utf16BigEndian, "utf-16be bom"},
        {encoded(kSample, QStringConverter::Utf16LE, false), Encoding::Utf16LittleEndian, "utf-16le"},
        {windows1250.encode(kSample), Encoding::Windows1250, "windows-1250"},
    };
    const QList<QStringList> expected{
        {"Oznaka", "Priimek", "Opomba"}, {"ČŠ1", "Žagar", "a;b\nc \"d\""}, {"Đ2", "Vrh", ""}};
    for (const auto &[bytes, encoding, name] : files) {
        SpreadsheetFile file;
        ASSERT_TRUE(file.readBytes(bytes)) << name << file.error().toStdString();
        EXPECT_EQ(file.encoding(), encoding) << name;
        EXPECT_EQ(cells(file), expected) << name;
        // Each record starts on its own file line; the empty ones are skipped.
        EXPECT_EQ(lines(file), (QList<int>{1, 2, 6})) << name;
    }
}

TEST(SpreadsheetFileTest, TheSeparatorOfTheHeaderAloneSeparates) {
    const QList<std::pair<QString, QChar>> files{
        {QStringLiteral("a;b,c;\"d;e\"\n1;2,3;4\n"), u';'},
        {QStringLiteral("a\tb;c\t\"d\te\"\n1\t2;3\t4\n"), u'\t'},
        {QStringLiteral("a,b;c,\"d,e\"\n1,2;3,4\n"), u','},
    };
    const QList<QStringList> expected{{"a", "b;c", "d;e"}, {"1", "2;3", "4"}};
    for (const auto &[text, separator] : files) {
        SpreadsheetFile file;
        ASSERT_TRUE(file.readText(text));
        EXPECT_EQ(file.separator(), separator);
        QList<QStringList> got = cells(file);
        for (QStringList &row : got)
            for (QString &cell : row)
                cell.replace(u',', u';').replace(u'\t', u';');
        EXPECT_EQ(got, expected) << text.toStdString();
    }
    // Quoted cells keep their blanks, unquoted ones lose them; a lone CR ends a line too.
    SpreadsheetFile file;
    ASSERT_TRUE(file.readText(QStringLiteral(" a ; \" b \" \r x;y")));
    EXPECT_EQ(cells(file), (QList<QStringList>{{"a", " b "}, {"x", "y"}}));
}

TEST(SpreadsheetFileTest, FilesThatCannotBeReadRightAreRefusedWithTheirLine) {
    const QList<std::pair<QByteArray, QString>> files{
        // Valid UTF-8 ("č") and one Windows-1250 byte ("š") in line 3.
        {QByteArray("a;b\n\xC4\x8D;1\nx\x9A;2\n"),
         QStringLiteral("Vrstica 3 datoteke ni v kodiranju UTF-8 kot ostale vrstice, zato datoteke ni mogoče "
                        "prebrati. Shranite jo v enem kodiranju (UTF-8, UTF-16 ali Windows-1250).")},
        // A byte-order mark promises UTF-8.
        {QByteArray("\xEF\xBB\xBF"
                    "a;b\nx\x9A;2\n"),
         QStringLiteral("Vrstica 2 datoteke ni v kodiranju UTF-8 kot ostale vrstice, zato datoteke ni mogoče "
                        "prebrati. Shranite jo v enem kodiranju (UTF-8, UTF-16 ali Windows-1250).")},
        {QByteArray("a;b\n1;2\n3;\"x") + QByteArray(1, '\0') + "y\"\n",
         QStringLiteral("Vrstica 3 datoteke vsebuje znak NUL, zato datoteke ni mogoče prebrati.")},
        {QByteArray("a;b\n1;\"open\n2;3\n"),
         QStringLiteral("Narekovaj, odprt v vrstici 2 datoteke, ni nikjer zaprt, zato datoteke ni mogoče prebrati.")},
        {QByteArray("\xFF\xFE"
                    "a\0;\0b",
                    7),
         QStringLiteral("Vrstica 1 datoteke ni veljavno besedilo UTF-16, zato datoteke ni mogoče prebrati.")},
    };
    for (const auto &[bytes, message] : files) {
        SpreadsheetFile file;
        EXPECT_FALSE(file.readBytes(bytes)) << bytes.toStdString();
        EXPECT_EQ(file.error(), message);
        EXPECT_TRUE(file.records().isEmpty());
    }
    SpreadsheetFile file;
    EXPECT_FALSE(file.readFile(QStringLiteral("/nonexistent/x.csv")));
    EXPECT_EQ(file.error(), QStringLiteral("Datoteke /nonexistent/x.csv ni mogoče prebrati."));
}

TEST(SpreadsheetFileTest, ColumnsAreFoundByNameWithoutCaseAccentsOrBlanks) {
    SpreadsheetFile file;
    ASSERT_TRUE(file.readText(QStringLiteral("Oznaka; UČITELJ ;Število  ur;Dolzina bloka\n")));
    EXPECT_EQ(file.column({QStringLiteral("učitelj")}), 1);
    EXPECT_EQ(file.column({QStringLiteral("Ur"), QStringLiteral("Stevilo ur")}), 2);
    EXPECT_EQ(file.column({QStringLiteral("Dolžina bloka")}), 3);
    EXPECT_EQ(file.column({QStringLiteral("Prostor")}), -1);

    // Blanks around a name do not make it a long text, however many there are.
    const QString blanks(300, u' ');
    ASSERT_TRUE(file.readText(QStringLiteral("Oznaka;\"") + blanks + QStringLiteral("UČITELJ ") + blanks +
                              QStringLiteral("\";") + QString(100000, QChar(0x00E8)) + u'\n'));
    EXPECT_EQ(file.column({QStringLiteral("učitelj")}), 1);
    EXPECT_EQ(file.column({QStringLiteral("Prostor")}), -1);
}

#include "pupils/UvozUcencev.h"
#include "PupilsFixture.h"
#include "shell/SafetyCopies.h"
#include "support/ProjectContents.h"

#include <QFile>
#include <QStringEncoder>

using namespace zentrel;
using namespace zentrel::pupils;
using zentrel::core::Answer;
using zentrel::test::PupilsFixture;

class UvozUcencevTest : public PupilsFixture {
protected:
    QStringList progress;
    UvozUcencev import{[this](const QString &text) { progress << text; }};

    QString write(const QByteArray &bytes) {
        const QString path = project.folder().file(QStringLiteral("učenci.csv"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    bool importLines(const QStringList &lines) { return import.importText(lines.join(u'\n')); }
    QStringList register_() {
        return column(
            QStringLiteral("SELECT OZNAKA || ';' || coalesce(PRIIMEK,'') || ';' || coalesce(IME,'') || ';' || "
                           "coalesce(SPOL,'') || ';' || coalesce(DATUMROJSTVA,'-') || ';' || "
                           "coalesce(LETOVPISA,'-') FROM ERD_UCENEC ORDER BY ID"));
    }
};

TEST_F(UvozUcencevTest, HeaderInAnyOrderAndCaseUnknownColumnsSkippedBothPassesShown) {
    ASSERT_TRUE(importLines({QStringLiteral("spol;OPOMBA;priimek;Enolična Oznaka;ime;Datum rojstva;Leto vpisa;IME"),
                             QStringLiteral("ženska;x;NOVAK;U1;ana;1.9.2012;2018;Beta"),
                             QStringLiteral("m;y;  kos ;U2;JURE;;;"), QString()}));
    EXPECT_EQ(register_(), (QStringList{"U1;Novak;Ana;Z;2012-09-01;2018", "U2;Kos;Jure;M;-;-"}));
    EXPECT_EQ(import.imported(), 2);
    EXPECT_EQ(progress, (QStringList{"Preverjam 1", "Preverjam 2", "Vpisujem 1", "Vpisujem 2"}));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(UvozUcencevTest, AnImportIsPrecededByASafetyCopyOfTheRegisterAsItWas) {
    pupil(1, QStringLiteral("Š1"), QStringLiteral("Obstoječi"));
    ASSERT_TRUE(importLines({QStringLiteral("Enolična oznaka;Priimek;Ime;Spol"), QStringLiteral("U2;Novak;Ana;m")}));
    EXPECT_EQ(register_().size(), 2);
    const QList<shell::SafetyCopy> copies = shell::ListSafetyCopies(project.path());
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(copies.first().operation, shell::SafetyCopyOperationName(QStringLiteral("Uvoz učencev")));
    EXPECT_EQ(test::RowCount(copies.first().path, QStringLiteral("ERD_UCENEC")), 1);
}

TEST_F(UvozUcencevTest, EveryRefusalNamesItsLineAndLeavesTheRegisterAsItWas) {
    pupil(1, QStringLiteral("Š1"), QStringLiteral("Obstoječi"));
    const QString header = QStringLiteral("Enolična oznaka;Priimek;Ime;Spol;Datum rojstva;Leto vpisa");
    const QList<QPair<QString, QString>> cases{
        {QStringLiteral("U3;Novak;Ana;X;;"), QStringLiteral("Napačna oznaka za spol v vrstici 2. Spol je lahko le M "
                                                            "oziroma Ž.")},
        {QStringLiteral("U3;Novak;Ana;Ž;31.4.2012;"), QStringLiteral("Napačen datum v vrstici 2")},
        {QStringLiteral("U3;Novak;Ana;Ž;;dvajset"), QStringLiteral("Napačno leto vpisa v vrstici 2")},
        {QStringLiteral("š1;Novak;Ana;Ž;;"), QStringLiteral("Učenec z š1 v vrstici 2 je že v bazi.")},
        {QStringLiteral("u2;Novak;Ana;Ž;;"), QStringLiteral("Učenec z u2 v vrstici 2 je v datoteki že v vrstici 1.")},
        {QStringLiteral(";Novak;Ana;Ž;;"), QStringLiteral("Oznaka ne sme biti prazna. Vrstica 2.")},
        {QStringLiteral("U3;;Ana;Ž;;"), QStringLiteral("Priimek ne sme biti prazen. Vrstica 2.")},
        {QStringLiteral("U3;Novak;Ana;;;"), QStringLiteral("Spol je potrebno določiti. Vrstica 2.")},
    };
    for (const auto &[line, message] : cases) {
        project.messages().clear();
        progress.clear();
        EXPECT_FALSE(
            importLines({header, QStringLiteral("U2;Prvi;Jan;M;;2020"), line, QStringLiteral("U9;Zadnji;Jan;M;;")}));
        EXPECT_EQ(messages(), QStringList{message}) << line.toStdString();
        // The checking pass stopped at the bad line; nothing was written.
        EXPECT_EQ(progress, (QStringList{"Preverjam 1", "Preverjam 2"}));
        EXPECT_EQ(register_(), QStringList{QStringLiteral("Š1;Obstoječi;Ana;Z;-;2020")});
    }
    project.messages().clear();
    EXPECT_FALSE(importLines({QStringLiteral("Enolična oznaka;Priimek;Ime;Datum rojstva"), QStringLiteral("U3;A;B;")}));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("V datoteki manjka obvezno polje Spol")});
    project.messages().clear();
    EXPECT_FALSE(import.importFile(project.folder().file(QStringLiteral("ni.csv"))));
    EXPECT_EQ(
        messages(),
        QStringList{
            QStringLiteral("Datoteke %1 ni mogoče prebrati.").arg(project.folder().file(QStringLiteral("ni.csv")))});
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ERD_UCENEC")), 1);
}

TEST_F(UvozUcencevTest, SpreadsheetFilesInWindows1250AndUtf8KeepSlovenianLettersAndApostrophes) {
    const QString text = QStringLiteral("Enolična oznaka\tPriimek\tIme\tSpol\tUsmeritev\r\n"
                                        "U1\tČUK\tšpela\tž\t\"šport; plavanje\"\r\n"
                                        "U2\tD'Agostin\tŽAN\tZ\t\"rekli so \"\"umetnost\"\"\"\r\n");
    QStringEncoder windows1250("windows-1250");
    ASSERT_TRUE(windows1250.isValid());
    const QByteArray cp1250 = windows1250.encode(text);
    ASSERT_TRUE(import.importFile(write(cp1250)));
    const QStringList expected{"U1;Čuk;Špela;Z;-;-", "U2;D'agostin;Žan;Z;-;-"};
    EXPECT_EQ(register_(), expected);
    EXPECT_EQ(column(QStringLiteral("SELECT USMERITEV FROM ERD_UCENEC ORDER BY ID")),
              (QStringList{"šport; plavanje", "rekli so \"umetnost\""}));

    run(QStringLiteral("DELETE FROM ERD_UCENEC"));
    ASSERT_TRUE(import.importFile(write(QByteArray("\xEF\xBB\xBF") + text.toUtf8())));
    EXPECT_EQ(register_(), expected);
}

TEST_F(UvozUcencevTest, UnicodeTextFilesQuotedLineEndsAndUnreadableFilesAsSpreadsheetsSaveThem) {
    // "Unicode text" of a spreadsheet: UTF-16 with a byte-order mark, tab or semicolon separated.
    const QString text = QStringLiteral("Enolična oznaka\tPriimek\tIme\tSpol\r\nU1\tČuk\tŠpela\tŽ\r\n");
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        for (const QString &sample : {text, QString(text).replace(u'\t', u';')}) {
            run(QStringLiteral("DELETE FROM ERD_UCENEC"));
            QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
            ASSERT_TRUE(import.importFile(write(encoder.encode(sample))));
            EXPECT_EQ(register_(), QStringList{QStringLiteral("U1;Čuk;Špela;Z;-;-")});
        }
    }

    // A line end inside quotes belongs to the note; X9 is no pupil.
    run(QStringLiteral("DELETE FROM ERD_UCENEC"));
    ASSERT_TRUE(import.importText(QStringLiteral("Enolična oznaka;Priimek;Ime;Spol;Usmeritev\n"
                                                 "X1;Novak;Ana;Ž;\"opomba\nX9;Vrh;Eva;Ž;\"\nX2;Kos;Jan;M;\n")));
    EXPECT_EQ(register_(), (QStringList{"X1;Novak;Ana;Z;-;-", "X2;Kos;Jan;M;-;-"}));
    EXPECT_EQ(column(QStringLiteral("SELECT USMERITEV FROM ERD_UCENEC WHERE OZNAKA='X1'")),
              QStringList{QStringLiteral("opomba\nX9;Vrh;Eva;Ž;")});
    // The record after the two-line cell keeps its own line in messages.
    project.messages().clear();
    EXPECT_FALSE(import.importText(QStringLiteral("Enolična oznaka;Priimek;Ime;Spol;Usmeritev\n"
                                                  "X3;Novak;Ana;Ž;\"a\nb\"\nX4;Kos;Jan;Q;\n")));
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("Napačna oznaka za spol v vrstici 3. Spol je lahko le M oziroma Ž.")});

    const QByteArray header("Enoli\xC4\x8Dna oznaka;Priimek;Ime;Spol\n");
    const QList<QPair<QByteArray, QString>> refused{
        // UTF-8 with one Windows-1250 byte (0x9A is "š" there).
        {header + "U1;Novak;Ana;Z\nU2;Ko\x9A;Jan;M\n",
         QStringLiteral("Vrstica 3 datoteke ni v kodiranju UTF-8 kot ostale vrstice, zato datoteke ni mogoče prebrati. "
                        "Shranite jo v enem kodiranju (UTF-8, UTF-16 ali Windows-1250).")},
        {header + "U1;Novak;Ana;Z\nU2;Kos;Ja" + QByteArray(1, '\0') + "n;M\n",
         QStringLiteral("Vrstica 3 datoteke vsebuje znak NUL, zato datoteke ni mogoče prebrati.")},
    };
    for (const auto &[bytes, message] : refused) {
        run(QStringLiteral("DELETE FROM ERD_UCENEC"));
        project.messages().clear();
        EXPECT_FALSE(import.importFile(write(bytes)));
        EXPECT_EQ(messages(), QStringList{message});
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ERD_UCENEC")), 0);
    }
}

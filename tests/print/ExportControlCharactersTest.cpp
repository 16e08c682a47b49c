#include "core/AppState.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "print/IzpisUrnikov.h"
#include "print/IzvozCsv.h"
#include "print/IzvozICalendar.h"
#include "print/IzvozXml.h"
#include "print/Kodiranje.h"
#include "print/Spletisce.h"
#include "support/SampleProject.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::print;

namespace {

// Bytes below the blank other than tab and line ends, and delete.
bool hasControlBytes(const QByteArray &bytes) {
    for (const char c : bytes)
        if ((uchar(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') || uchar(c) == 0x7f)
            return true;
    return false;
}

// Two classes whose codes hold control characters and one whose code is 300 letters long.
class CodesWithControlCharacters : public ::testing::Test {
protected:
    CodesWithControlCharacters() {
        core::App().trenutniUrnik = 1;
        core::App().trenutniTurnus = 1;
        EXPECT_TRUE(db::ProjectDb().exec(
            QStringLiteral("UPDATE ODDELKI SET OZNAKA = ?, IME = ? WHERE OZNAKA = '8.a'"),
            {QString::fromUtf8("8.a\0\x01", 5) + QStringLiteral("x"), QStringLiteral("Osmi\x1b[31m a")}));
        EXPECT_TRUE(db::ProjectDb().exec(QStringLiteral("UPDATE ODDELKI SET OZNAKA = ? WHERE OZNAKA = '9.b'"),
                                         {QStringLiteral("9.b\x7f\t")}));
        EXPECT_TRUE(db::ProjectDb().exec(QStringLiteral("UPDATE ODDELKI SET OZNAKA = ? WHERE OZNAKA = '7.a'"),
                                         {QString(300, QChar(u'č'))}));
        izbor.objekti = logic.urniki().Objekti(VrstaObjekta::Enote);
        QList<Objekt> chosen;
        for (const Objekt &o : izbor.objekti)
            if (o.oznaka.startsWith(QStringLiteral("8.a")) || o.oznaka.startsWith(QStringLiteral("9.b")) ||
                o.oznaka.size() == 300)
                chosen << o;
        izbor.objekti = chosen;
    }

    test::SampleProject sample;
    IzpisUrnikov logic{db::ProjectDb(), 1, 1};
    IzborUrnikov izbor;
};

} // namespace

TEST(ExportText, FileNamesAreSafeAndBounded) {
    EXPECT_EQ(core::SafeFileName(QString::fromUtf8("a\0b\x1b"
                                                   "c\x7f"
                                                   "d",
                                                   7)),
              QStringLiteral("a_b_c_d"));
    const QString longName = core::SafeFileName(QString(300, QChar(u'ü')));
    EXPECT_EQ(longName.toUtf8().size(), 120);
    EXPECT_EQ(core::SafeFileName(QStringLiteral("x") + QString(100, QChar(u'ü'))).toUtf8().size(), 119)
        << "a letter is never cut";
    QStringList taken;
    EXPECT_EQ(ImeStrani(VrstaObjekta::Enote, Objekt{5, QString(300, QChar(u'č')), {}, {}}, taken),
              QStringLiteral("Enote_") + QString(57, QChar(u'c')).replace(u'c', QStringLiteral("ch")).left(114) +
                  QStringLiteral(".html"));
}

TEST(ExportText, WritersDropControlCharactersAndCalendarLinesFoldWithinLetters) {
    EXPECT_EQ(CsvPolje(QString::fromUtf8("a\0;b\x01", 5)), QStringLiteral("\"a ;b \""));
    EXPECT_EQ(KodirajZReferencami(QStringLiteral("<a\x1b>\t\x7f") + QChar(0x85), Windows1250), QByteArray("<a >\t  "));
    EXPECT_EQ(KodirajZReferencami(QStringLiteral("a") + QChar(0) + QChar(0x85) + QStringLiteral("b"), Iso88592),
              QByteArray("a  b"));
    EXPECT_EQ(IcsText(QString::fromUtf8("a\0,b\n\x02", 6)), QStringLiteral("a \\,b\\n "));
}

TEST_F(CodesWithControlCharacters, EveryFormatIsWrittenWithSafeNamesAndNoControlBytes) {
    ASSERT_EQ(izbor.objekti.size(), 3);
    const QString site = sample.file(QStringLiteral("splet/index.html"));
    const QString calendars = sample.file(QStringLiteral("koledarji"));
    ASSERT_TRUE(QDir().mkpath(calendars));
    const QString csv = sample.file(QStringLiteral("u.csv"));
    const QString xml = sample.file(QStringLiteral("u.xml"));
    for (const auto &[format, path] : {std::pair{OblikaIzvoza::Html, site}, std::pair{OblikaIzvoza::Ics, calendars},
                                       std::pair{OblikaIzvoza::Csv, csv}, std::pair{OblikaIzvoza::Xml, xml}}) {
        sample.messages().clear();
        EXPECT_TRUE(IzvoziUrnike(logic.urniki(), izbor, format, path)) << path.toStdString();
        EXPECT_EQ(sample.messages().texts(), QStringList{QStringLiteral("Izvoz je zaključen.")});
    }
    const QStringList pages = QDir(sample.file(QStringLiteral("splet"))).entryList(QDir::Files);
    EXPECT_EQ(pages.size(), 3 + 2 + 3 + 3) << pages.join(u' ').toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("Enote_8.a__x.html")));
    EXPECT_TRUE(pages.contains(QStringLiteral("Enote_9.b__.html")));
    EXPECT_EQ(QDir(calendars).entryList(QDir::Files).size(), 3);
    QStringList written{csv, xml};
    for (QDirIterator it(sample.file(QStringLiteral("splet")), {QStringLiteral("*.html")}, QDir::Files); it.hasNext();)
        written << it.next();
    for (QDirIterator it(calendars, QDir::Files); it.hasNext();)
        written << it.next();
    for (const QString &file : written) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        const QByteArray bytes = f.readAll();
        EXPECT_FALSE(hasControlBytes(bytes)) << file.toStdString();
        EXPECT_LE(QFileInfo(file).fileName().toUtf8().size(), 130) << file.toStdString();
        if (!file.endsWith(QStringLiteral(".ics")))
            continue;
        for (const QByteArray &line : bytes.split('\n')) {
            EXPECT_LE(line.size(), 76) << line.toStdString(); // 75 octets and the carriage return
            EXPECT_TRUE(QString::fromUtf8(line).toUtf8() == line) << "a letter split: " << line.toStdString();
        }
    }
}

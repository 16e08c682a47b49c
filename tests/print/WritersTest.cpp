#include "print/Dokument.h"
#include "print/IzvozCsv.h"
#include "print/IzvozHtml.h"
#include "print/IzvozXml.h"
#include "print/Kodiranje.h"
#include "print/Slogi.h"

#include <gtest/gtest.h>

using namespace zentrel::print;

namespace {

// Two tables: a bordered one with a one-item cell and a cell of two lines (the second ruled
// over), and a plain one; texts that every format must escape or quote.
Dokument SmallDocument() {
    Dokument d;
    d.NovDokument();
    d.DodajTabelo(QStringLiteral("T"), true);
    d.DodajVrstico(QStringLiteral("R"));
    d.DodajCelicoZBesedilom(QStringLiteral("Kemija & biologija"), 1600, slog::Predmet, QStringLiteral("Subject"), 4);
    d.DodajCelico(1600, 0, QStringLiteral("C"));
    d.DodajVrstoBesedila(0, QStringLiteral("L"));
    d.DodajBesedilo(QStringLiteral("<1.a>"), slog::Enota, QStringLiteral("Unit"));
    d.DodajBesedilo(QString(), slog::Prostor, QStringLiteral("Room"));
    d.DodajVrstoBesedila(1, QStringLiteral("L"));
    d.DodajBesedilo(QStringLiteral("Čas; \"x\"\nnovo €\x01"), slog::Ucitelj, QStringLiteral("Teacher"));
    d.DodajTabelo();
    d.DodajVrstico();
    d.DodajCelicoZBesedilom(QStringLiteral("Žan O'Neil"), 800, slog::Besedilo, QString(), 0);
    return d;
}

QByteArray Iso(const char *utf8) {
    return KodirajZReferencami(QString::fromUtf8(utf8), Iso88592);
}

} // namespace

TEST(Writers, HtmlTagsEscapingAndEncoding) {
    const QByteArray html = IzvoziHTML(SmallDocument());
    const QByteArray expected = Iso(
        "<HTML><HEAD>\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<LINK href=\"zn.css\" type=text/css rel=stylesheet>\n"
        "</HEAD>\n<BODY>\n"
        "<TABLE BORDER=1 Width=0 Class=BorderBackground>\n"
        "<tr><TD valign=top  Class=Full ><TABLE BORDER=0 Width=100%><TR ><TD Nowrap Width=100%  Class = Subject>"
        "Kemija &amp; biologija</TD></TR></TABLE></TD>"
        "<TD valign=top ><TABLE BORDER=0 Width=100%><TR ><TD Nowrap Width=100%  Class = Unit>&lt;1.a&gt;</TD>"
        "<TD Nowrap Width=100%  Class = Room>&nbsp;</TD></TR><TR  Class=Overline ><TD Nowrap Width=100%  Class = "
        "Teacher>Čas; &quot;x&quot;\nnovo €\x01</TD></TR></TABLE></TD></tr>\n"
        "</table>\n<br>\n"
        "<TABLE BORDER=0 Width=0>\n"
        "<tr><TD valign=top ><TABLE BORDER=0 Width=100%><TR ><TD Nowrap Width=100%  Class = TextLeft>Žan O'Neil</TD>"
        "</TR></TABLE></TD></tr>\n"
        "</table>\n<br>\n"
        "</BODY>\n</HTML>\n");
    EXPECT_EQ(html, expected);
    // The letters are ISO-8859-2 bytes, the euro a reference, the control character a blank.
    EXPECT_TRUE(html.contains("\xC8"
                              "as;"));
    EXPECT_TRUE(html.contains("novo &#8364; </TD>"));
    EXPECT_TRUE(html.contains("\xAE"
                              "an"));
    EXPECT_FALSE(html.contains('\x1A'));
}

TEST(Writers, XmlTreeEscapingAndWindows1250) {
    const QByteArray xml = IzvoziXML(SmallDocument());
    const QByteArray expected =
        KodirajZReferencami(QString::fromUtf8("<?xml version=\"1.0\" encoding=\"windows-1250\" ?>\n"
                                              "<root>\n"
                                              "  <T>\n"
                                              "    <R>\n"
                                              "      <Subject>Kemija &amp; biologija</Subject>\n"
                                              "      <C>\n"
                                              "        <L>\n"
                                              "          <Unit>&lt;1.a&gt;</Unit>\n"
                                              "          <Room></Room>\n"
                                              "        </L>\n"
                                              "        <L>\n"
                                              "          <Teacher>Čas; \"x\"\nnovo € </Teacher>\n"
                                              "        </L>\n"
                                              "      </C>\n"
                                              "    </R>\n"
                                              "  </T>\n"
                                              "</root>\n"),
                            Windows1250);
    EXPECT_EQ(xml, expected);
    EXPECT_TRUE(xml.contains("<Teacher>\xC8"
                             "as"));
    EXPECT_TRUE(xml.contains("novo \x80 </Teacher>")); // Windows-1250 has the euro
    EXPECT_EQ(XmlText(QStringLiteral("a&<b>")), QStringLiteral("a&amp;&lt;b&gt;"));
    // The untagged second table (a caption) is left out; an unknown character is a reference.
    EXPECT_FALSE(xml.contains("Neil"));
    EXPECT_EQ(KodirajZReferencami(QStringLiteral("中"), Windows1250), QByteArray("&#20013;"));
}

TEST(Writers, CsvLinesPerCellLineAndQuoting) {
    const QByteArray csv = IzvoziCSV(SmallDocument());
    const QByteArray expected = QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("Kemija & biologija;<1.a>;\r\n"
                                                                               ";\"Čas; \"\"x\"\"\nnovo € \";\r\n"
                                                                               "\r\n"
                                                                               "Žan O'Neil\r\n")
                                                                 .toUtf8();
    EXPECT_EQ(csv, expected);
    EXPECT_EQ(CsvPolje(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(CsvPolje(QStringLiteral("a\rb")), QStringLiteral("\"a\rb\""));
    // Each character that makes a field quoted does so alone.
    EXPECT_EQ(CsvPolje(QStringLiteral(";")), QStringLiteral("\";\""));
    EXPECT_EQ(CsvPolje(QStringLiteral("a\"b")), QStringLiteral("\"a\"\"b\""));
    EXPECT_EQ(CsvPolje(QStringLiteral("a\nb")), QStringLiteral("\"a\nb\""));
}

TEST(Writers, ListFromQueryHasCaptionRowAndTaggedItems) {
    const zentrel::db::RowSet rows(
        {QStringLiteral("OZNAKA"), QStringLiteral("IME"), QStringLiteral("KABINET")}, {},
        {{QStringLiteral("U01"), QStringLiteral("Učilnica"), 1}, {QStringLiteral("KNJ"), QVariant(), 0}});
    Dokument d;
    d.DodajTabeloIzPoizvedbe(rows,
                             {{QStringLiteral("Oznaka"), 1600, 2, {}, {}},
                              {QStringLiteral("Ime"), 3000, 2, {}, {}},
                              {QStringLiteral("Kab"), 800, 2, QStringLiteral("KABINET"), QStringLiteral("Cab")}},
                             QStringLiteral("Rooms"), QStringLiteral("Room"));
    EXPECT_EQ(IzvoziCSV(d), QByteArray("\xEF\xBB\xBFOznaka;Ime;Kab\r\nU01;U\xC4\x8Dilnica;1\r\nKNJ;;0\r\n"));
    EXPECT_EQ(IzvoziXML(d), QByteArray("<?xml version=\"1.0\" encoding=\"windows-1250\" ?>\n<root>\n  <Rooms>\n"
                                       "    <Room>\n      <OZNAKA>U01</OZNAKA>\n      <IME>U\xE8ilnica</IME>\n"
                                       "      <Cab>1</Cab>\n    </Room>\n    <Room>\n      <OZNAKA>KNJ</OZNAKA>\n"
                                       "      <IME></IME>\n      <Cab>0</Cab>\n    </Room>\n  </Rooms>\n</root>\n"));
    ASSERT_EQ(d.tabele().first().vrstice.size(), 3);
    EXPECT_EQ(d.tabele().first().vrstice.first().celice.at(1).vrste.first().besedila.first().slog, slog::GlavaTabele);
}

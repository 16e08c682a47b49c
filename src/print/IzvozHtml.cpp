#include "IzvozHtml.h"

#include "Kodiranje.h"
#include "Slogi.h"
#include "core/TextFunctions.h"

namespace zentrel::print {

namespace {

QString tableOpen(bool border, bool strani) {
    if (!border)
        return QStringLiteral("<TABLE BORDER=0 Width=0>");
    return strani ? QStringLiteral("<TABLE BORDER=1 Width=100% Class=BorderBackground>")
                  : QStringLiteral("<TABLE BORDER=1 Width=0 Class=BorderBackground>");
}

void writeCell(QString &out, const Celica &celica) {
    out += QStringLiteral("<TD valign=top ") + FormatCeliceTiska(celica.format).razred;
    if (celica.razpon == 2)
        out += QStringLiteral(" ColSpan = 2 ");
    out += QStringLiteral("><TABLE BORDER=0 Width=100%>");
    for (const VrstaBesedila &vrsta : celica.vrste) {
        out += QStringLiteral("<TR ") + RazredVrste(vrsta.format) + u'>';
        for (const Besedilo &b : vrsta.besedila) {
            out += QStringLiteral("<TD Nowrap Width=100%  Class = ") + SlogTiska(b.slog).razred + u'>';
            out += b.besedilo.isEmpty() ? QStringLiteral("&nbsp;") : core::HtmlText(b.besedilo);
            out += QStringLiteral("</TD>");
        }
        out += QStringLiteral("</TR>");
    }
    out += QStringLiteral("</TABLE></TD>");
}

} // namespace

QString HtmlGlava(const QString &dodatek) {
    return QStringLiteral("<HTML><HEAD>\n"
                          "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-2\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                          "<LINK href=\"zn.css\" type=text/css rel=stylesheet>\n") +
           dodatek + QStringLiteral("</HEAD>\n");
}

QString HtmlTabele(const Dokument &dokument, bool strani) {
    QString out;
    for (const Tabela &tabela : dokument.tabele()) {
        out += tableOpen(tabela.obroba, strani) + u'\n';
        for (const Vrstica &vrstica : tabela.vrstice) {
            out += QStringLiteral("<tr>");
            if (vrstica.obroba)
                out += QStringLiteral("<TD>") + tableOpen(true, strani) + QStringLiteral("<tr>");
            for (const Celica &celica : vrstica.celice)
                writeCell(out, celica);
            if (vrstica.obroba)
                out += QStringLiteral("</tr></table></TD>");
            out += QStringLiteral("</tr>\n");
        }
        out += QStringLiteral("</table>\n<br>\n");
    }
    return out;
}

QByteArray IzvoziHTML(const Dokument &dokument) {
    const QString page =
        HtmlGlava() + QStringLiteral("<BODY>\n") + HtmlTabele(dokument) + QStringLiteral("</BODY>\n</HTML>\n");
    return KodirajZReferencami(page, Iso88592);
}

QByteArray IzvoziHTMLStran(const Dokument &dokument, const Dokument *zaTelefon) {
    QString body = HtmlTabele(dokument, true);
    if (zaTelefon)
        body = QStringLiteral("<div class=Teden>\n") + body + QStringLiteral("</div>\n<div class=Dnevi>\n") +
               HtmlTabele(*zaTelefon, true) + QStringLiteral("</div>\n");
    const QString page = HtmlGlava() + QStringLiteral("<BODY>\n<TABLE BORDER=0 width=650><TR><TD>\n") + body +
                         QStringLiteral("</TD></TR></TABLE>\n</BODY>\n</HTML>\n");
    return KodirajZReferencami(page, Iso88592);
}

} // namespace zentrel::print

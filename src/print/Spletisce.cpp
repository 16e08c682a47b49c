#include "Spletisce.h"

#include "IzvozHtml.h"
#include "Kodiranje.h"
#include "SeznamiUrnika.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

namespace zentrel::print {

namespace {

// Width of the frame with the list of objects, by kind.
int listWidth(VrstaObjekta vrsta) {
    switch (vrsta) {
    case VrstaObjekta::Enote:
        return 100;
    case VrstaObjekta::Ucitelji:
        return 200;
    case VrstaObjekta::Ucenci:
        return 250;
    case VrstaObjekta::Prostori:
        return 180;
    }
    return 200;
}

QString href(const QString &fileName) {
    return core::HtmlText(QString::fromLatin1(QUrl::toPercentEncoding(fileName, "._-")));
}

QString link(const QString &fileName, const QString &text) {
    return QStringLiteral("<A class=item  href=\"") + href(fileName) + QStringLiteral("\">") + core::HtmlText(text) +
           QStringLiteral("</a><br>\n");
}

} // namespace

QString ImeStrani(VrstaObjekta vrsta, const Objekt &objekt, QStringList &zasedena) {
    const QString base = core::SafeFileName(ImeVrste(vrsta) + u'_' + objekt.oznaka);
    QString name = base + QStringLiteral(".html");
    if (zasedena.contains(name, Qt::CaseInsensitive))
        name = base + u'_' + QString::number(objekt.id) + QStringLiteral(".html");
    zasedena << name;
    return name;
}

QList<DatotekaIzvoza> UstvariSpletisce(UrnikiObjektov &urniki, VrstaObjekta vrsta, const QList<Objekt> &objekti,
                                       const QList<UraUrnika> &ure, const OkvirTedna &okvir, const QString &imeKazala) {
    QList<DatotekaIzvoza> files;
    const QString folder = core::App().folders.program;
    for (const char *shipped : {"zn.css", "zn.gif", "dots.gif"}) {
        QFile f(folder + u'/' + QLatin1String(shipped));
        if (!f.open(QIODevice::ReadOnly)) {
            core::ShowMessage(core::MsgError, QStringLiteral("Ni datoteke #."), f.fileName());
            return {};
        }
        files << DatotekaIzvoza{QString::fromLatin1(shipped), f.readAll()};
    }

    QStringList taken{imeKazala, QStringLiteral("zn.css"), QStringLiteral("zn.gif"), QStringLiteral("dots.gif")};
    const QString listName =
        core::SafeFileName(QFileInfo(imeKazala).completeBaseName() + QStringLiteral("_seznam.html"));
    taken << listName;
    for (const SeznamUrnika &l : SeznamiUrnika())
        taken << l.datoteka;

    QString links;
    QString firstPage;
    for (const Objekt &o : objekti) {
        const QString page = ImeStrani(vrsta, o, taken);
        if (firstPage.isEmpty())
            firstPage = page;
        Dokument d;
        DodajTedne(d, vrsta, {o}, ure, okvir);
        const Dokument days = PoDnevih(d);
        files << DatotekaIzvoza{page, IzvoziHTMLStran(d, &days)};
        // Classes are known by their codes; the narrow list frame holds nothing longer.
        links += link(page, vrsta == VrstaObjekta::Enote ? o.oznaka : o.naziv);
    }

    QString index = QStringLiteral("<HTML>\n<HEAD>\n") + HtmlGlava().mid(QStringLiteral("<HTML><HEAD>\n").size());
    index.chop(QStringLiteral("</HEAD>\n").size());
    index += QStringLiteral("<base target=\"main\">\n</HEAD>\n<BODY>\n<p align=center>\n"
                            "<img border=0 src=zn.gif width=32 height=32><br>\n</P>\n<p align=left>\n");
    index += QStringLiteral("<b>") + core::HtmlText(ImeVrste(vrsta)) + QStringLiteral("</b><br>\n") + links;
    for (const SeznamUrnika &l : SeznamiUrnika()) {
        files << DatotekaIzvoza{l.datoteka, IzvoziHTMLStran(DokumentSeznama(urniki, l, okvir.datumTiska))};
        index += QStringLiteral("<br><b>") + l.vrsta + QStringLiteral("</b><br>\n") + link(l.datoteka, l.naslov);
    }
    index += QStringLiteral("</P>\n</BODY>\n</HTML>\n");
    files << DatotekaIzvoza{listName, KodirajZReferencami(index, Iso88592)};

    const QString frames =
        HtmlGlava(QStringLiteral("<TITLE>") + core::HtmlText(okvir.imeSole + QStringLiteral(" - ") + ImeVrste(vrsta)) +
                  QStringLiteral("</TITLE>\n")) +
        QStringLiteral("<FRAMESET cols=\"%1,*\">\n").arg(listWidth(vrsta)) +
        QStringLiteral("<FRAME name=\"vsebina\" target=\"main\" src=\"") + href(listName) +
        QStringLiteral("\" scrolling=auto>\n<FRAME name=\"main\" src=\"") +
        href(firstPage.isEmpty() ? SeznamiUrnika().first().datoteka : firstPage) +
        QStringLiteral("\" scrolling=auto noresize>\n<NOFRAMES><BODY>\n"
                       "<p>This page uses frames, but your browser doesn't support them.</p>\n"
                       "</BODY></NOFRAMES>\n</FRAMESET>\n</HTML>\n");
    files << DatotekaIzvoza{imeKazala, KodirajZReferencami(frames, Iso88592)};
    return files;
}

} // namespace zentrel::print

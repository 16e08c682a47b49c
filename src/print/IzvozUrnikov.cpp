#include "IzvozUrnikov.h"

#include "IzhodPdf.h"
#include "IzvozCsv.h"
#include "IzvozICalendar.h"
#include "IzvozXml.h"
#include "Spletisce.h"
#include "ZapisDatotek.h"
#include "core/AppState.h"
#include "core/Messages.h"

#include <QFileInfo>

namespace zentrel::print {

namespace {

QList<qint64> idsOf(const QList<Objekt> &objekti) {
    QList<qint64> ids;
    for (const Objekt &o : objekti)
        ids << o.id;
    return ids;
}

bool writeCalendars(UrnikiObjektov &urniki, const IzborUrnikov &izbor, const QString &pot) {
    const std::optional<calendar::KoledarskiPodatki> koledar = calendar::KoledarskiPodatki::Preberi(urniki.baza());
    if (!koledar)
        return false;
    const QMap<int, CasUre> casi = CasiUr(urniki.baza());
    const QList<UraUrnika> ure = urniki.Ure(izbor.vrsta, idsOf(izbor.objekti), izbor.turnus);
    if (izbor.objekti.size() == 1 && pot.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive))
        return ZapisiDatoteko(
            pot, IzvoziICalendar(*koledar, urniki.idUrnika(), izbor.vrsta, izbor.objekti.first(), ure, casi));
    QList<DatotekaIzvoza> files;
    QStringList taken;
    for (const Objekt &o : izbor.objekti) {
        QString name = ImeStrani(izbor.vrsta, o, taken);
        name.replace(name.size() - 5, 5, QStringLiteral(".ics"));
        files << DatotekaIzvoza{name, IzvoziICalendar(*koledar, urniki.idUrnika(), izbor.vrsta, o, ure, casi)};
    }
    return ZapisiDatoteke(pot, files);
}

} // namespace

OkvirTedna OkvirUrnika(UrnikiObjektov &urniki) {
    OkvirTedna okvir;
    std::tie(okvir.prvaUra, okvir.zadnjaUra) = urniki.RazponUr();
    okvir.oznakeUr = core::App().periodCodes;
    okvir.imeSole = core::App().schoolName;
    okvir.imeUrnika = urniki.ImeUrnika();
    return okvir;
}

QString ImeIzpisaUrnikov(VrstaObjekta vrsta) {
    return QStringLiteral("Urniki - ") + ImeVrste(vrsta);
}

namespace {

using Builder = void (*)(Dokument &, VrstaObjekta, const QList<Objekt> &, const QList<UraUrnika> &, const OkvirTedna &);

// A landscape document of the chosen objects' lessons, laid out by the builder.
Dokument weeksDocument(UrnikiObjektov &urniki, const IzborUrnikov &izbor, Builder build) {
    Dokument d;
    d.NovDokument(true);
    d.NastaviNaslov(ImeIzpisaUrnikov(izbor.vrsta));
    build(d, izbor.vrsta, izbor.objekti, urniki.Ure(izbor.vrsta, idsOf(izbor.objekti), izbor.turnus),
          OkvirUrnika(urniki));
    return d;
}

} // namespace

Dokument DokumentTednov(UrnikiObjektov &urniki, const IzborUrnikov &izbor) {
    return weeksDocument(urniki, izbor, DodajTedne);
}

Dokument DokumentSeznamaUr(UrnikiObjektov &urniki, const IzborUrnikov &izbor) {
    return weeksDocument(urniki, izbor, DodajSeznamUr);
}

bool IzvoziUrnike(UrnikiObjektov &urniki, const IzborUrnikov &izbor, OblikaIzvoza oblika, const QString &pot) {
    if (izbor.objekti.isEmpty()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Ničesar niste izbrali.."));
        return false;
    }
    bool ok = false;
    switch (oblika) {
    case OblikaIzvoza::Pdf: {
        const QByteArray pdf = PdfDokumenta(DokumentTednov(urniki, izbor));
        ok = !pdf.isEmpty() && ZapisiDatoteko(pot, pdf);
        break;
    }
    case OblikaIzvoza::Csv:
        ok = ZapisiDatoteko(pot, IzvoziCSV(DokumentSeznamaUr(urniki, izbor)));
        break;
    case OblikaIzvoza::Xml:
        ok = ZapisiDatoteko(pot, IzvoziXML(DokumentSeznamaUr(urniki, izbor)));
        break;
    case OblikaIzvoza::Html: {
        const QFileInfo index(pot);
        const QList<DatotekaIzvoza> files = UstvariSpletisce(
            urniki, izbor.vrsta, izbor.objekti, urniki.Ure(izbor.vrsta, idsOf(izbor.objekti), izbor.turnus),
            OkvirUrnika(urniki), index.fileName());
        ok = !files.isEmpty() && ZapisiDatoteke(index.absolutePath(), files);
        break;
    }
    case OblikaIzvoza::Ics:
        ok = writeCalendars(urniki, izbor, pot);
        break;
    }
    if (ok)
        core::ShowMessage(core::MsgInformationQuiet, QStringLiteral("Izvoz je zaključen."));
    return ok;
}

} // namespace zentrel::print

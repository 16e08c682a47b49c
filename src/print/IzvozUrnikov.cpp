#include "IzvozUrnikov.h"

#include "IzhodPdf.h"
#include "IzvozCsv.h"
#include "IzvozICalendar.h"
#include "IzvozXml.h"
#include "Spletisce.h"
#include "ZapisDatotek.h"
#include "core/AppState.h"
#include "core/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

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
    // Without a validity the lessons have no dates: every calendar would be empty.
    const auto &veljavnosti = koledar->veljavnosti();
    if (std::none_of(veljavnosti.begin(), veljavnosti.end(),
                     [&urniki](const calendar::Veljavnost &v) { return v.idUrnika == urniki.idUrnika(); })) {
        core::ShowMessage(core::MsgWarning,
                          QStringLiteral("Urnik # nima obdobja veljavnosti v koledarju, zato ni datumov za izvoz."),
                          urniki.ImeUrnika());
        return false;
    }
    const bool toFile = pot.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive) && !QFileInfo(pot).isDir();
    // Several objects go into a folder, a file each; a name that looks like a file is a mistake
    // rather than the name of a folder to make.
    if (toFile && izbor.objekti.size() > 1) {
        core::ShowMessage(core::MsgWarning,
                          QStringLiteral("Izbranih je več objektov, zato se njihovi urniki zapišejo v mapo, vsak v "
                                         "svojo datoteko .ics. Namesto datoteke # navedite mapo."),
                          QDir::toNativeSeparators(pot));
        return false;
    }
    const QMap<int, CasUre> casi = CasiUr(urniki.baza());
    const QList<UraUrnika> ure = urniki.Ure(izbor.vrsta, idsOf(izbor.objekti), izbor.turnus);
    if (toFile)
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

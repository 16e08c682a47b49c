#include "UrTiskalnik.h"

#include "FIzbiraTiskalnika.h"
#include "Fpreview.h"
#include "IzvozCsv.h"
#include "IzvozHtml.h"
#include "IzvozXml.h"
#include "UrIzris.h"
#include "ZapisDatotek.h"
#include "controls/UrComndBar.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "shell/FFileDialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zentrel::print {

namespace {

QString &chosen() {
    static QString name;
    return name;
}

struct Filter {
    QString filter;
    QString suffix;
};

Filter filterOf(Izhod izhod) {
    switch (izhod) {
    case Izhod::Csv:
        return {QStringLiteral("S podpičji ločene datoteke (*.csv)|*.csv|Vse datoteke (*.*)|*.*"),
                QStringLiteral(".csv")};
    case Izhod::Html:
        return {QStringLiteral("Html datoteke (*.html)|*.html|Vse datoteke (*.*)|*.*"), QStringLiteral(".html")};
    case Izhod::Xml:
        return {QStringLiteral("XML datoteke (*.xml)|*.xml|Vse datoteke (*.*)|*.*"), QStringLiteral(".xml")};
    case Izhod::Predogled:
        break;
    }
    return {QStringLiteral("PDF datoteke (*.pdf)|*.pdf|Vse datoteke (*.*)|*.*"), QStringLiteral(".pdf")};
}

QString askFile(QWidget *parent, const Filter &f, int slot, const QString &defaultName) {
    QString &folder = core::App().settings.folders[slot];
    const QString path = shell::FileDialog(parent, shell::FileDialogSave, QString(), folder,
                                           core::SafeFileName(defaultName) + f.suffix, f.filter, f.suffix);
    if (!path.isEmpty())
        folder = QFileInfo(path).absolutePath();
    return path;
}

bool printPdf(QWidget *parent, const Dokument &dokument) {
    const QString path = askFile(parent, filterOf(Izhod::Predogled), 4, dokument.imePorocila());
    if (path.isEmpty())
        return false;
    if (!ZapisiDatoteko(path, NarisiPdf(dokument)))
        return false;
    // The file is the printout: the user is told it is there, as after an export.
    core::ShowMessage(core::MsgInformationQuiet, QStringLiteral("Izpis je shranjen v datoteko #."),
                      QDir::toNativeSeparators(path));
    return true;
}

} // namespace

QString PdfTiskalnik() {
    return QStringLiteral("Tiskanje v PDF");
}

QStringList ImenaTiskalnikov() {
    QStringList names = QPrinterInfo::availablePrinterNames();
    names << PdfTiskalnik();
    return names;
}

QString IzbraniTiskalnik() {
    if (chosen().isEmpty() || !ImenaTiskalnikov().contains(chosen())) {
        const QString system = QPrinterInfo::defaultPrinterName();
        chosen() = system.isEmpty() ? PdfTiskalnik() : system;
    }
    return chosen();
}

void NastaviTiskalnik(const QString &ime) {
    chosen() = ime;
}

QString VrsticaTiskalnika() {
    return QStringLiteral("Izbrani tiskalnik: ") + IzbraniTiskalnik();
}

bool Natisni(QWidget *parent, const Dokument &dokument, int stran) {
    if (IzbraniTiskalnik() == PdfTiskalnik())
        return printPdf(parent, dokument);
    QPrinter printer(QPrinterInfo::printerInfo(IzbraniTiskalnik()), QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(dokument.lezece() ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(dokument.imePorocila());
    const UrIzris izris(dokument);
    int first = stran > 0 ? stran : 1;
    int last = stran > 0 ? stran : izris.SteviloStrani();
    if (stran == 0) {
        printer.setFromTo(1, izris.SteviloStrani());
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Tiskanje"));
        if (dialog.exec() != QDialog::Accepted)
            return false;
        if (printer.printRange() == QPrinter::PageRange) {
            first = std::max(1, printer.fromPage());
            last = std::min(izris.SteviloStrani(), printer.toPage());
        }
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        core::ShowMessage(core::MsgError, QStringLiteral("Tiskanje na tiskalnik # ni uspelo."), IzbraniTiskalnik());
        return false;
    }
    // The painter's unit becomes one twip of the page.
    painter.scale(printer.resolution() / 1440.0, printer.resolution() / 1440.0);
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) {
            core::ShowMessage(core::MsgError, QStringLiteral("Tiskanje na tiskalnik # ni uspelo."), IzbraniTiskalnik());
            break;
        }
        izris.NarisiStran(painter, page);
    }
    return painter.end();
}

void AktivirajOrodjarno(controls::UrComndBarClient *client) {
    if (controls::UrComndBar *bar = controls::UrComndBar::CommandBar())
        bar->Init(client, nullptr, {23, 26, 24, 27, 28});
}

Izhod IzhodUkaza(int command) {
    switch (command) {
    case ukaz::Csv:
        return Izhod::Csv;
    case ukaz::Html:
        return Izhod::Html;
    case ukaz::Xml:
        return Izhod::Xml;
    default:
        return Izhod::Predogled;
    }
}

bool IzberiTiskalnik(QWidget *parent) {
    FIzbiraTiskalnika dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}

QString ImeIzvoza(QWidget *parent, Izhod izhod, int slot, const QString &privzetoIme) {
    return askFile(parent, filterOf(izhod), slot, privzetoIme);
}

bool IzvediIzhod(QWidget *parent, const Dokument &dokument, Izhod izhod, int slot, const QString &privzetoIme) {
    if (izhod == Izhod::Predogled) {
        Fpreview preview(dokument, parent);
        return preview.exec() == Fpreview::NatisniVse && Natisni(parent, dokument);
    }
    const QString path = ImeIzvoza(parent, izhod, slot, privzetoIme);
    if (path.isEmpty())
        return false;
    bool ok = false;
    switch (izhod) {
    case Izhod::Csv:
        ok = ZapisiDatoteko(path, IzvoziCSV(dokument));
        break;
    case Izhod::Xml:
        ok = ZapisiDatoteko(path, IzvoziXML(dokument));
        break;
    case Izhod::Html: {
        QFile css(core::App().folders.program + QStringLiteral("/zn.css"));
        if (!css.open(QIODevice::ReadOnly)) {
            core::ShowMessage(core::MsgError, QStringLiteral("Ni datoteke #."), css.fileName());
            return false;
        }
        const QFileInfo info(path);
        ok = ZapisiDatoteke(info.absolutePath(), {DatotekaIzvoza{QStringLiteral("zn.css"), css.readAll()},
                                                  DatotekaIzvoza{info.fileName(), IzvoziHTML(dokument)}});
        break;
    }
    case Izhod::Predogled:
        break;
    }
    if (ok)
        core::ShowMessage(core::MsgInformationQuiet, QStringLiteral("Izvoz je zaključen."));
    return ok;
}

} // namespace zentrel::print

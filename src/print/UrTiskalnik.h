#pragma once

#include "Dokument.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace zentrel::controls {
class UrComndBarClient;
}

namespace zentrel::print {

// The program's printer: chosen among the installed printers and "Tiskanje v PDF", which is
// always there and writes a PDF file. The choice lasts for the run.
QString PdfTiskalnik();
QStringList ImenaTiskalnikov();
QString IzbraniTiskalnik();
void NastaviTiskalnik(const QString &ime);
// "Izbrani tiskalnik: " and the printer's name, for the printer line of the printout windows.
QString VrsticaTiskalnika();

// Prints the document on the chosen printer: all pages, or only page `stran`. A real printer
// first shows the print dialog (copies, pages); the PDF printer asks for a file name. Printing
// errors are reported and the job is ended in any case. False when nothing was printed.
bool Natisni(QWidget *parent, const Dokument &dokument, int stran = 0);

// The outputs of a printout window's toolbar.
enum class Izhod { Predogled, Csv, Html, Xml };

// The command codes of the printout toolbar: rows 23 ("Tiskalnik", the preview), 26
// ("Izb. tisk."), 24 ("CSV"), 27 ("HTML") and 28 ("XML") of the command table.
namespace ukaz {
constexpr int Predogled = 18;
constexpr int Tiskalnik = 19;
constexpr int Csv = 20;
constexpr int Html = 22;
constexpr int Xml = 23;
} // namespace ukaz
// Hands the command bar to a printout window: the toolbar's five buttons, the client hears them.
void AktivirajOrodjarno(controls::UrComndBarClient *client);
// The output of a command of the toolbar (the printer choice has none).
Izhod IzhodUkaza(int command);
// Lets the user choose the program's printer; true when he chose one.
bool IzberiTiskalnik(QWidget *parent);

// Runs an output for the document: the preview (from which the user may print), or an export
// to a file the user names in the save dialog (starting in the settings' folder `slot`, with
// the default name through the file-name rule). An HTML file gets zn.css beside it. Ends with
// "Izvoz je zaključen."; a cancelled dialog ends quietly. True when the file was written or,
// from the preview, the whole document printed.
bool IzvediIzhod(QWidget *parent, const Dokument &dokument, Izhod izhod, int slot, const QString &privzetoIme);

// Asks for the file of an export in the save dialog; empty when cancelled.
QString ImeIzvoza(QWidget *parent, Izhod izhod, int slot, const QString &privzetoIme);

} // namespace zentrel::print

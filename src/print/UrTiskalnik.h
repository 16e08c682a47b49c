#pragma once

#include "Dokument.h"

#include <QString>
#include <QStringList>

class QWidget;

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

// Runs an output for the document: the preview (from which the user may print), or an export
// to a file the user names in the save dialog (starting in the settings' folder `slot`, with
// the default name through the file-name rule). An HTML file gets zn.css beside it. Ends with
// "Izvoz je zaključen."; a cancelled dialog ends quietly. True when the file was written or,
// from the preview, the whole document printed.
bool IzvediIzhod(QWidget *parent, const Dokument &dokument, Izhod izhod, int slot, const QString &privzetoIme);

// Asks for the file of an export in the save dialog; empty when cancelled.
QString ImeIzvoza(QWidget *parent, Izhod izhod, int slot, const QString &privzetoIme);

} // namespace zentrel::print

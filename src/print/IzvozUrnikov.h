#pragma once

#include "TedenskiUrnik.h"

namespace zentrel::print {

enum class OblikaIzvoza { Pdf, Html, Csv, Xml, Ics };

// What a printout or export of weeks covers.
struct IzborUrnikov {
    VrstaObjekta vrsta = VrstaObjekta::Enote;
    QList<Objekt> objekti;
    qint64 turnus = -1; // -1 every turnus
};

// The periods, school and timetable names of the weeks of a timetable.
OkvirTedna OkvirUrnika(UrnikiObjektov &urniki);
// Report name of the weeks of a kind: "Urniki - Enote".
QString ImeIzpisaUrnikov(VrstaObjekta vrsta);
// The weeks of the chosen objects as a landscape document (print, preview, PDF, HTML).
Dokument DokumentTednov(UrnikiObjektov &urniki, const IzborUrnikov &izbor);
// Their lessons as a list (CSV and XML).
Dokument DokumentSeznamaUr(UrnikiObjektov &urniki, const IzborUrnikov &izbor);

// Writes the chosen weeks in a format: a PDF, CSV or XML file at `pot`, the HTML site into the
// folder of the index file `pot` (its name is the index page), the iCalendar files into the
// folder `pot`, one per object (a single object may go to a file `pot` ending in ".ics"; several
// objects and such a name are refused, as is a timetable without a validity in the calendar).
// Nothing chosen gives "Ničesar niste izbrali.."; success ends with "Izvoz je zaključen.". False
// on any failure, which has been reported and has left no half-written file under a final name.
bool IzvoziUrnike(UrnikiObjektov &urniki, const IzborUrnikov &izbor, OblikaIzvoza oblika, const QString &pot);

} // namespace zentrel::print

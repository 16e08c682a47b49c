#pragma once

#include "Dokument.h"
#include "UrnikiObjektov.h"

#include <QList>

namespace zentrel::print {

// A list of what a timetable uses: teachers, rooms or subjects, each with its code and
// description, restricted to the timetable's placed periods.
struct SeznamUrnika {
    QString datoteka; // the page of the linked site
    QString naslov;   // "Seznam učiteljev"
    QString vrsta;    // "Učitelji"
    QString sql;      // OZNAKA and OPIS; its one parameter is the timetable
};

const QList<SeznamUrnika> &SeznamiUrnika();

// The list as a document: a title row (title, product name, "Datum" and the date), then the
// codes (12 %) and descriptions (88 %) of a page 650 pixels wide.
Dokument DokumentSeznama(UrnikiObjektov &urniki, const SeznamUrnika &seznam, const QDate &datum = QDate::currentDate());

} // namespace zentrel::print

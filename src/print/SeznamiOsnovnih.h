#pragma once

#include "Dokument.h"
#include "IzpisOsnovnih.h"

namespace zentrel::print {

// A basic-data printout that is one list from one query. The query may use :predmetnik (the
// current curriculum), :od and :do (the period, ISO dates) and %1 (the chosen identifiers).
struct SeznamOsnovnih {
    int set = 6;
    QString zavihek;
    QString naslov;
    IzbiraIzpisa izbira = IzbiraIzpisa::Nic;
    QString sql;
    QList<StolpecSeznama> stolpci;
    QString oznakaTabele;
    QString oznakaVrstice;
    // The list with the member subjects of a group on one line, printed unless the subjects of
    // a group are to be listed separately; empty where the list has no subject groups.
    QString sqlSkupaj;
    QList<StolpecSeznama> stolpciSkupaj;
};

// The lists of page sets 6, 7 and 9.
const QList<SeznamOsnovnih> &SeznamiOsnovnih();
const SeznamOsnovnih *NajdiSeznam(int set, const QString &zavihek);

// The list as a document under the standard header (the joined form of sqlSkupaj unless
// moznosti.loceneSkupine); dates (columns OD, DO, DATUMROJSTVA) as the
// user reads them.
Dokument DokumentSeznamaOsnovnih(db::Connection &connection, const SeznamOsnovnih &seznam, qint64 predmetnik,
                                 const MoznostiIzpisa &moznosti);

} // namespace zentrel::print

#pragma once

#include "db/Connection.h"

#include <QDate>
#include <QString>

namespace zentrel::calendar {

// What a press of a calendar dialog's button came to. The dialog shows `sporocilo` in its
// status line; Potrdi asks for a second press that confirms a deletion the first press
// announced; Opravljeno closes the dialog.
struct IzidUrejanja {
    enum Stanje { Opravljeno, Potrdi, Zavrnjeno };
    // The field that holds the fault and gets the focus.
    enum Polje { Nobeno = -1, PoljeOd = 0, PoljeDo = 1, PoljeRazlog = 2 };

    Stanje stanje = Opravljeno;
    QString sporocilo;
    Polje polje = Nobeno;
    bool pisk = false; // the refusal is signalled with a beep

    static IzidUrejanja Opravljen() { return {}; }
    static IzidUrejanja Zavrnjen(const QString &text, Polje field = Nobeno, bool beep = false) {
        return {Zavrnjeno, text, field, beep};
    }
    // "Zbrisana bodo tudi vsa nadomeščanja v obdobju.": the next press deletes them too.
    static IzidUrejanja Potrditev();
    // A failed write: reported with the database's error, nothing kept.
    static IzidUrejanja NapakaBaze(const db::Connection &connection);
};

// Reads a period from its two date fields: "Nepravilen zapis datuma" (with a beep, on the
// first faulty field) for a text that is not a date, "Začetni datum je za končnim." for a
// period given backwards. On success sets a and b and returns Opravljeno.
IzidUrejanja PreberiObdobje(const QString &od, const QString &do_, QDate &a, QDate &b);

} // namespace zentrel::calendar

#pragma once

#include <QString>
#include <vector>

namespace zentrel::timetable {

// A placed period the turnus copy left out, and why.
struct IzpuscenTermin {
    QString oddelek; // class-group label
    QString predmet; // subject-group label
    int dan = 0;
    int ura = 0;    // in the source turnus
    QString razlog; // "zunaj dneva", "prepovedano", "zasedeno", "ni razporeda", "preveč ur"
};

struct RezultatKopiranjaTurnusa {
    bool kopirano = false;
    int kopiranih = 0; // placed periods copied
    std::vector<IzpuscenTermin> izpusceni;
};

// Copies the placed periods of one turnus of a timetable into another turnus of it, in one
// transaction. Each source placed period is copied once, every entry of it onto the target
// turnus's assignment of the same class group, subject group and subject (preferring the same
// teacher), and moved by the first periods: period - first(class, day, source) + first(class,
// day, target), the first period of a class and day being its row of ODDELKI_OKVIR, else the
// first period of its shift in that turnus, else 1 (a group of classes goes by its first class).
// A period that falls outside periods 0..15, onto a forbidden period of a class, teacher or
// room, onto a cell already taken by a copied period, whose assignment the target turnus lacks,
// or whose target unit already has its weekly periods, is left out and counted. The target's placed periods of this timetable are deleted
// first, after "Trenutni podatki v turnusu # bodo brisani!" / "Potrdi brisanje." when it has
// any; classes of the curriculum get ODDELKI_OKVIR rows of the target turnus where they have
// none. Refused for a timetable valid in the calendar ("Urnik je že veljaven. Kopiranje turnusov
// je zato onemogočeno."). Ends with the message "Kopiranih ur: #, izpuščenih ur: #.".
RezultatKopiranjaTurnusa KopirajTurnus(qint64 urnik, qint64 izTurnusa, qint64 vTurnus);

} // namespace zentrel::timetable

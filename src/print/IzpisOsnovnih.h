#pragma once

#include "Dokument.h"
#include "db/Connection.h"

#include <QDate>
#include <QList>
#include <optional>

namespace zentrel::print {

// What a basic-data printout chooses from before it is made.
enum class IzbiraIzpisa { Nic, Enote, Ucitelji, Datum, Obdobje };

// The choices of the printout window.
struct MoznostiIzpisa {
    bool podrobno = false;        // "Izpis podrobnosti"
    bool loceneSkupine = false;   // "Ločeni predmeti v skupini"
    bool celUrnik = false;        // "Izpiši tudi ure rednega pouka"
    bool posamezniUcenci = false; // "Izpiši posamezne učence"
    QDate datum;                  // the date, or the first day of a period
    QDate datumDo;                // the last day of a period
    QList<qint64> izbrani;        // the chosen classes or teachers
};

// The logic of the basic-data printout window: for each tab (by page set and caption) what it
// chooses and the document it makes. The curriculum is the current one.
class IzpisOsnovnih {
public:
    IzpisOsnovnih(db::Connection &connection, qint64 predmetnik);

    // The tabs of page sets 6, 7, 9 and 10 that have a printout.
    static bool ImaIzpis(int set, const QString &zavihek);
    static IzbiraIzpisa Izbira(int set, const QString &zavihek);
    // Whether the printout belongs to the current curriculum (it is refused without one).
    static bool PotrebujePredmetnik(int set, const QString &zavihek);
    // Whether "Ločeni predmeti v skupini" and "Izpiši posamezne učence" change the printout.
    static bool UporabljaLoceneSkupine(int set, const QString &zavihek);
    static bool UporabljaPosamezneUcence(int set, const QString &zavihek);
    // The document of a tab; empty when nothing is chosen where a choice is needed
    // ("Ničesar niste izbrali.."), without a current curriculum where one is needed
    // ("Ni izbranega razporeda."), or when the tab has no printout.
    std::optional<Dokument> Izpis(int set, const QString &zavihek, const MoznostiIzpisa &moznosti);

private:
    db::Connection &m_db;
    qint64 m_predmetnik;
};

} // namespace zentrel::print

#pragma once

#include "MrezaDni.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

// The in-memory model of one timetable for one turnus of one curriculum.
//
// Layout: plain records in arrays, references by array index, element 0 of every collection a
// dummy (so index 0 means "none"). Occupancy is kept redundantly per class group, class, teacher
// and room so that every conflict test is one grid read. Invariants after a load:
//  1. every occupancy cell names at most one placed period, and every placed period is entered in
//     the grids of its class group, of every class of that group, and of the rooms and teachers of
//     its entries;
//  2. every teacher's lesson list and every class group's unit list name each unit entry once.
namespace zentrel::engine {

struct ProstorUrnika {
    qint64 id = 0;
    QString oznaka;
    bool isGroup = false;
    qint64 stavba = 0;    // building of the room, 0 without one
    bool kabinet = false; // specialised room
    MrezaDni<bool> prepovedano;
    MrezaDni<ZasedbaCelice> zasedenost;
    std::vector<int> clani{0}; // member rooms from 1: the room itself for a single room
    int steviloClanov() const { return int(clani.size()) - 1; }
};

struct SkupinaPredmetovUrnika {
    qint64 id = 0;
    QString oznaka;
};

struct SkupinaOddelkovUrnika {
    qint64 id = 0;
    QString oznaka;
    bool izbirna = false;           // an elective group (its units are a class's elective blocks)
    std::vector<int> oddelki{0};    // classes of the group, from 1
    std::vector<int> predavanja{0}; // lesson units taught to the group, from 1
    MrezaDni<int> zasedenost;       // placed period, 0 = free
};

struct OddelekUrnika {
    qint64 id = 0;
    QString oznaka;
    std::vector<int> skupine{0}; // class groups the class belongs to
    MrezaDni<bool> prepovedano;
    MrezaDni<int> zasedenost;
};

// One teacher entry of a lesson unit, seen from the teacher.
struct PredavanjeUcitelja {
    int predavanje = 0;
    int izvajalec = 0;
};

struct UciteljUrnika {
    qint64 id = 0;
    QString oznaka, priimek, vmesnoIme, ime;
    MrezaDni<ZasedbaCelice> zasedenost;
    MrezaDni<bool> prepovedano;
    std::vector<PredavanjeUcitelja> predavanja{{}};
    // Busy periods of each day as bits, kept beside the grid so that the 7-period span rule is
    // one mask test instead of a walk over the day.
    int zasedeneUre[StDni]{};
};

struct IzvajalecPredavanja {
    qint64 idRazporeda = 0;
    int predmet = 0;          // subject group index
    int ucitelj = 0;          // teacher index
    int skupinaProstorov = 0; // room (group) index, 0 = needs no room
};

struct Predavanje {
    int skupinaOddelkov = -1; // -1: the class group is not in the model
    int skupinaPredmetov = 0;
    int preostalo = 0;     // Remaining
    int nerazporejeno = 0; // Unplaceable: periods the scheduler gave up on
    int tedenskeUre = 0;   // Weekly periods (0 for units of difficulty 0 in a load of rated units only)
    int steviloUr = 0;     // the programme's weekly periods, whatever the load
    int dolzinaBloka = 1;  // Block length
    int zahtevnost = 2;    // Difficulty 0..3
    bool vsiTurnusi = false;
    qint64 idTurnusa = 0;
    std::vector<IzvajalecPredavanja> izvajalci{{}};
    int steviloIzvajalcev() const { return int(izvajalci.size()) - 1; }
};

struct ZasedbaTermina {
    qint64 idTermina = 0; // TERMINI.ID, 0 until saved
    int izvajalec = 0;
    int prostor = 0; // room index, 0 = no room
};

// One lesson unit at one day and period. Day 0 marks a removed period that saving deletes.
struct Termin {
    int dan = 0;
    int ura = 0;
    QString tip; // "a", "r", "s"; "x" for periods created by a construction run until saved
    int predavanje = 0;
    std::vector<ZasedbaTermina> zasedbe{{}};
};

struct Prekrivanje {
    int termin = 0;
    int predavanje = 0;
    QString vrsta; // "skuodd", "odd", "pro", "Uci"
    int dan = 0;
    int ura = 0;
    // A single TERMINI row to delete (a row repeating an entry of its placed period); 0 = every
    // row of the placed period.
    qint64 vrstica = 0;
};

class ModelUrnika {
public:
    std::vector<ProstorUrnika> prostori{{}};
    int prosteUcilnice = 0; // index of the pseudo group "--U--"
    std::vector<SkupinaPredmetovUrnika> skupinePredmetov{{}};
    std::vector<SkupinaOddelkovUrnika> skupineOddelkov{{}};
    std::vector<OddelekUrnika> oddelki{{}};
    std::vector<UciteljUrnika> ucitelji{{}};
    std::vector<Predavanje> predavanja{{}};
    std::vector<Termin> termini{{}};
    std::vector<Prekrivanje> prekrivanja;
    // Numbers of the programmes outside what a week can hold, one line per unit and value
    // ("1a MAT: število ur 2147483647 (dovoljeno od 0 do 80)"); the model holds them bounded.
    QStringList neveljavniPodatki;
    // The fingerprint of the timetable's placed rows as loaded (OdtisTerminov): a write checks
    // that no other program changed them since, and takes the new fingerprint with it.
    QByteArray odtis;

    // Label-sorted index lists for the user interface.
    std::vector<int> prostoriPoOznaki, oddelkiPoOznaki, uciteljiPoOznaki;

    // Empties every collection except the overlap list.
    void clear();

    int steviloPredavanj() const { return int(predavanja.size()) - 1; }
    int steviloTerminov() const { return int(termini.size()) - 1; }
    int steviloOddelkov() const { return int(oddelki.size()) - 1; }
    int steviloUciteljev() const { return int(ucitelji.size()) - 1; }
    int steviloProstorov() const { return int(prostori.size()) - 1; }
    int steviloSkupinOddelkov() const { return int(skupineOddelkov.size()) - 1; }

    // The classes of a unit's class group; empty for a unit whose group is not in the model.
    const std::vector<int> &oddelkiPredavanja(int predavanje) const;
    // True when the unit has a placed period on that day (looked up in its first class).
    bool imaTerminNaDan(int predavanje, int dan) const;
    // The unit's placed periods on a day, in period order (empty for a unit without classes).
    std::vector<int> terminiNaDan(int predavanje, int dan) const;

private:
    std::vector<int> m_brezOddelkov{0};
};

// The model held for the program's timetable windows.
ModelUrnika &TrenutniModel();

} // namespace zentrel::engine

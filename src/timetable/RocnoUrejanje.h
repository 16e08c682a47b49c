#pragma once

#include "engine/ModelUrnika.h"
#include "RocnaPravila.h"

#include <QString>
#include <functional>
#include <vector>

namespace zentrel::timetable {

// The lesson the carrier holds.
struct Prenos {
    int predavanje = 0;
    std::vector<int> termini; // placed periods lifted off the grid, a block in period order; empty for new ones
    int dan = 0;              // where the first of them stood; 0 for a lesson not placed yet
    int ura = 0;
    int ur = 0; // periods carried
    bool prazen() const { return ur == 0; }
};

// One move of the chain, as its history shows it.
struct ElementVerige {
    int predavanje = 0;
    int izDan = 0, izUra = 0; // day 0: the lesson was not placed
    int vDan = 0, vUra = 0;   // day 0: taken off the timetable
    int ur = 1;
};

// The user is asked to choose the room of an entry among the free rooms of its group.
struct ZahtevaProstora {
    int predavanje = 0;
    int izvajalec = 0;
    int dan = 0, ura = 0;
    std::vector<int> prostori; // free rooms of the group, the proposed one first
};

enum class IzidSpusta {
    Zavrnjeno,     // refused; the reason is in the status line; nothing changed
    Preklicano,    // the user said no (forbidden period, room) or dropped the lesson where it was
    Zapisano,      // a plain move, written at once
    Zamenjano,     // exchanged: the lesson in the way is carried now
    CakaPotrditev, // the chain is closed and waits for confirmation
    NapakaZapisa,  // the write failed; the model was read again
};

// Manual editing of the current timetable over ModelUrnika: the carrier, the chain of moves and
// exchanges with its undo, the search for an exchange and the write of the chain.
//
// States (stanje()):
//  Prosto     nothing carried. After novaMenjava the chain stays open (verigaOdprta()).
//  Nosi       a lesson is in the carrier: picked up (poberi, poberiNerazporejenega) or displaced
//             by an exchange (spusti).
//  Potrditev  the carried lesson was placed and the chain holds two or more moves; it waits for
//             potrdi (write), prekliciVse (restore) or novaMenjava (keep the chain open).
// Transitions: Prosto -poberi-> Nosi -spusti on a free cell-> Prosto when the chain holds this one
// move (written at once), else Potrditev; Nosi -spusti on one period in the way-> Nosi (the
// displaced lesson is carried); Nosi -odstrani-> as a drop; korakNazaj undoes the last step (a
// pick-up included); prekliciVse undoes every step; najdiMenjavo performs an exchange in two
// steps and ends in Potrditev.
// Invariant: the occupancy grids name exactly the placed periods that have a day and are not in
// the carrier. Every step records the placed periods and Remaining counts it changes, so that
// undoing it restores them and their grid cells exactly.
class RocnoUrejanje {
public:
    enum class Stanje { Prosto, Nosi, Potrditev };

    explicit RocnoUrejanje(engine::ModelUrnika &model) : m(model) {}

    // Asked when a lesson's entry needs a room of a group of several free rooms; returns the
    // chosen room, or 0 to cancel the drop. Unset: the proposed room is taken.
    std::function<int(const ZahtevaProstora &)> izbiraProstora;

    // Reads the model of the current timetable (units of difficulty 0 included) and forgets the
    // chain. False when the load failed (reported).
    bool nalozi();
    engine::ModelUrnika &model() { return m; }
    const engine::ModelUrnika &model() const { return m; }

    Stanje stanje() const;
    const Prenos &prenos() const { return m_prenos; }
    bool verigaOdprta() const { return steviloPremikov() > 0; }
    int steviloPremikov() const;
    std::vector<ElementVerige> zgodovina() const;
    // The target cells of the last two moves of the chain ((0, 0) when none).
    std::pair<int, int> zadnjaCelica(int odKonca) const;

    // Placement mode: "r" ordinary, "s" fixed; stored as TIP of every period placed.
    const QString &nacin() const { return m_nacin; }
    void preklopiNacin();

    // Lifts a placed period on the grid into the carrier; with blok the whole run of consecutive
    // periods of its unit on that day. False when not allowed in this state.
    bool poberi(int termin, bool blok);
    // Takes a period not yet placed (with blok: a block of up to the unit's block length).
    bool poberiNerazporejenega(int predavanje, bool blok);
    // Drops the carried lesson on (dan, ura) by the rules of manual editing.
    IzidSpusta spusti(int dan, int ura);
    // Takes the carried lesson off the timetable (dropped on the list of unplaced lessons).
    IzidSpusta odstrani();
    // Finds and performs the next exchange for a carried single period; false when none.
    bool najdiMenjavo();
    // Undoes the last step of the chain; false when there is none.
    bool korakNazaj();
    // Undoes every step.
    void prekliciVse();
    // Writes the chain; on failure the model is read again. True when written.
    bool potrdi();
    // Keeps a closed chain open for further moves.
    void novaMenjava();

    // What stands in the way of the carried lesson at a cell, and the grid's flags there.
    rocno::VNapoto vNapoto(int dan, int ura) const;
    rocno::ZastavicePrenosa zastavice(int dan, int ura) const;
    // The placed period being carried, or (for a new lesson) its description.
    engine::Termin opisPrenosa(int i = 0) const;
    bool vPrenosu(int termin) const;

    // Asks for another room for each entry of a placed period whose group has several rooms,
    // and writes it. Only while no chain is open; false when cancelled or when no entry has a
    // choice of rooms.
    bool novProstor(int termin);

private:
    struct Korak {
        Prenos prenos; // the carrier before the step
        size_t steviloTerminov = 0;
        std::vector<std::pair<int, engine::Termin>> prej; // placed periods before the step
        std::vector<std::pair<int, int>> preostalo;
        std::vector<ElementVerige> elementi; // empty for a pick-up
    };

    Korak &zacniKorak();
    void shrani(int t);
    void shraniPreostalo(int u);
    void razveljavi(const Korak &k);
    bool vMrezi(int t) const { return m.termini[size_t(t)].dan > 0 && !vPrenosu(t); }
    int zadnjaEnota() const;
    bool vprasajPrepoved(const std::vector<std::pair<engine::Termin, rocno::IzbiraProstorov>> &cilji, int dan, int ura);
    bool izberiSobe(const engine::Termin &opis, rocno::IzbiraProstorov &izbira, int dan, int ura, bool vprasaj);
    int postavi(int i, int dan, int ura, const std::vector<int> &prostori);
    IzidSpusta zakljuci();
    bool zamenjavaDovoljena(int termin) const;
    IzidSpusta zavrni(const QString &text) const;
    QString oznakeVNapoto(const std::vector<int> &termini) const;
    IzidSpusta spustiBlok(int dan, int ura);
    IzidSpusta zamenjaj(int vNapoto, int dan, int ura, bool vprasaj);
    bool preizkusiMenjavo(int dan, int ura);

    engine::ModelUrnika &m;
    qint64 m_urnik = 0, m_turnus = 0;
    Prenos m_prenos;
    std::vector<Korak> m_koraki;
    bool m_odprta = false;
    QString m_nacin = QStringLiteral("r");
    int m_zadnjeIskanje = -1; // cell where the last search for an exchange stopped
};

} // namespace zentrel::timetable

#pragma once

#include "engine/ModelUrnika.h"

#include <vector>

// The rules of manual editing at one cell. By hand only occupancy is a hard rule: what stands in
// the way is refused or exchanged. Forbidden periods are soft (the user is asked), and the
// class frames and the teacher's 7-period span of automatic construction do not apply.
//
// The rules read a placed period (Termin) for its unit and its entries with their present rooms,
// so that a period being moved keeps its room where that room is free. A lesson that is not
// placed yet is described by a Termin with no day (NovTermin).
namespace zentrel::timetable::rocno {

// What stands in the way of a lesson at one cell.
struct VNapoto {
    std::vector<int> termini;         // placed periods in the way, each once, in the order found
    bool vsiProstoriZasedeni = false; // an entry's group of several rooms has no free room
    bool prosto() const { return termini.empty() && !vsiProstoriZasedeni; }
};

// The rooms a placed period's entries would use at a cell, one per entry of its zasedbe.
struct IzbiraProstorov {
    std::vector<int> prostori{0}; // room per zasedba (from 1), 0 = no room
    std::vector<int> vNapoto;     // placed periods holding a single room an entry needs
    bool vsiZasedeni = false;     // a group of several rooms has no free member
    // Zasedbe whose room is a new choice among several free rooms of their group: the user may
    // choose another (the room-assignment dialog).
    std::vector<int> izbirne;
};

// The conflict flags of one cell for a carried lesson, as the grid marks them.
struct ZastavicePrenosa {
    bool oddelekZaseden = false, uciteljZaseden = false, prostorZaseden = false;
    bool oddelekPrepovedan = false, uciteljPrepovedan = false, prostorPrepovedan = false;
};

// A placed period of unit u that is not on the grid yet: one zasedba per entry, no rooms.
engine::Termin NovTermin(const engine::ModelUrnika &m, int u);

// Rooms at (dan, ura) for the entries of t. An entry keeps its present room when that room is
// free and not forbidden there; an entry of a single room takes that room (when another period
// holds it, that period is in the way; entries naming the same single room share it); an entry
// of a group of several rooms takes the first free member not taken by another entry of t,
// preferring rooms that are not forbidden (none free: vsiZasedeni). A group without members
// gives no room.
IzbiraProstorov IzberiProstore(const engine::ModelUrnika &m, const engine::Termin &t, int dan, int ura);

// The placed periods in the way of t at (dan, ura): a teacher of one of its entries, a single
// room it needs, or a class of its class group is occupied there.
VNapoto PreveriCelico(const engine::ModelUrnika &m, const engine::Termin &t, int dan, int ura);

// True when a class of t's class group, a teacher of its entries or one of the given rooms
// (per zasedba, from 1) is forbidden at (dan, ura).
bool Prepovedano(const engine::ModelUrnika &m, const engine::Termin &t, const std::vector<int> &prostori, int dan, int ura);

// The grid's flags for t at (dan, ura): classes, teachers occupied or forbidden; the room flags
// when an entry's group has no usable member (occupied or forbidden) there, "forbidden" when
// every member is forbidden.
ZastavicePrenosa Zastavice(const engine::ModelUrnika &m, const engine::Termin &t, int dan, int ura);

// Free members of a room group at (dan, ura) in member order (forbidden ones included).
std::vector<int> ProstiClani(const engine::ModelUrnika &m, int skupina, int dan, int ura);

// The placed period of unit u on the grid at (dan, ura), 0 when none (looked up in its first
// class, or its first teacher for a unit without classes).
int TerminPredavanja(const engine::ModelUrnika &m, int u, int dan, int ura);

// True when the placed period has a period of its own unit directly before or after it on the
// same day: it is part of a block (a double period) and is not exchanged on its own.
bool DelBloka(const engine::ModelUrnika &m, int t);

// Enters placed period t in the occupancy grids of its class group, classes, teachers and rooms.
void Zasedi(engine::ModelUrnika &m, int t);
// Clears placed period t from every grid cell that names it.
void Sprosti(engine::ModelUrnika &m, int t);

} // namespace zentrel::timetable::rocno

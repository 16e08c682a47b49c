#pragma once

#include "ModelUrnika.h"
#include "PripravaUrnika.h"

// The conflict rules of automatic construction, one small function per rule. Each is a fixed
// number of grid reads: classes of the group x teacher entries x room members.
namespace zentrel::engine::pravila {

// A unit with more teacher entries than this is never placed (the room rule keeps its state
// on the stack).
constexpr int NajvecIzvajalcev = 64;

// Rooms the room rule chose for the periods of one block: row i is the block's period ura + i,
// column j the unit's entry j (from 1); 0 = no room.
struct SobeBloka {
    int soba[StUr][NajvecIzvajalcev + 1];
};

// Frame: the cell must lie in the frame of the unit's class group (every class's frame allows it).
bool VOkvirju(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura);

// Classes: every class of the unit's class group must be free at the cell.
bool OddelkiProsti(const ModelUrnika &m, int u, int dan, int ura);

// Teachers: every teacher of the unit must be free at the cell, and no teacher may hold two
// entries of the unit (one person cannot teach two groups at once).
bool UciteljiProsti(const ModelUrnika &m, int u, int dan, int ura);

// Teacher span: a teacher's working day spans at most 7 consecutive periods, so a lesson at
// period p needs the teacher free at periods 0..p-7 and p+7..15 of that day. `zasedeneUre` holds
// the teacher's busy periods of the day as bits.
bool RazponDovoljen(int zasedeneUre, int ura);
bool RazponUcitelja(const UciteljUrnika &t, int dan, int ura);
bool RazponUciteljev(const ModelUrnika &m, int u, int dan, int ura);

// Forbidden periods: no class of the group and no teacher of the unit may be forbidden at the cell.
bool NiPrepovedano(const ModelUrnika &m, int u, int dan, int ura);

// Room test for one room: the room is free at the cell and not forbidden there.
bool ProstorUstreza(const ModelUrnika &m, int prostor, int dan, int ura);

// Building changes (only with priprava.selitev): a class that changes buildings between two
// consecutive periods needs a free period between them, so room `soba` (in a building) may not
// be used at the cell when a class of the unit has a lesson in a room of another building in the
// period just before or just after. `prejsnje` gives the unit's own rooms of the period before
// when that period belongs to the same block (nullptr: look at the classes' lessons); with
// `naslednjiVBloku` the period after belongs to the block and is checked when it is placed.
// Rooms without a building never count as a change.
bool StavbaUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int soba,
                   const int *prejsnje = nullptr, bool naslednjiVBloku = false);

// Rooms: every entry that names a room group needs a room of its own that passes the room test
// and the building rule, except that entries naming one and the same single room share it. The
// rooms are found as a matching (a room taken by one entry may pass to another entry that can
// use nothing else), so whether the cell passes does not depend on the order in which entries
// and rooms are tried; each entry is offered its members in the order of increasing demand at
// the cell (member order among equals), so the rooms chosen are the least wanted ones. An entry
// whose group has no member never finds a room. `izbrane` (one slot per entry, from 1) receives
// the rooms; placing a block uses exactly these.
bool ProstoriNaVoljo(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int *izbrane,
                     const int *prejsnje = nullptr, bool naslednjiVBloku = false);

// All rules at one cell (for `prejsnje` and `naslednjiVBloku` see StavbaUstreza).
bool CelicaUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int *izbrane,
                   const int *prejsnje = nullptr, bool naslednjiVBloku = false);

// Block test: the block of b periods from `ura` fits in the day and every cell passes; `sobe`
// receives the rooms of every period of the block.
bool BlokUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int b, SobeBloka &sobe);

// Relaxed test of the third round: frame, forbidden periods and teacher span, without occupancy
// and without rooms.
bool SprosceniTest(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura);

} // namespace zentrel::engine::pravila

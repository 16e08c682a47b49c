#pragma once

#include "ModelUrnika.h"
#include "PripravaUrnika.h"

// The conflict rules of automatic construction, one small function per rule. Each is a fixed
// number of grid reads: classes of the group x teacher entries x room members.
namespace zentrel::timetable::pravila {

// Frame: the cell must lie in the frame of the unit's class group (every class's frame allows it).
bool VOkvirju(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura);

// Classes: every class of the unit's class group must be free at the cell.
bool OddelkiProsti(const ModelUrnika &m, int u, int dan, int ura);

// Teachers: every teacher of the unit must be free at the cell.
bool UciteljiProsti(const ModelUrnika &m, int u, int dan, int ura);

// Teacher span: a teacher's working day spans at most 7 consecutive periods, so a lesson at
// period p needs the teacher free at periods 0..p-7 and p+7..15 of that day.
bool RazponUcitelja(const UciteljUrnika &t, int dan, int ura);
bool RazponUciteljev(const ModelUrnika &m, int u, int dan, int ura);

// Forbidden periods: no class of the group and no teacher of the unit may be forbidden at the cell.
bool NiPrepovedano(const ModelUrnika &m, int u, int dan, int ura);

// Room test for one room: the room is free at the cell and not forbidden there.
bool ProstorUstreza(const ModelUrnika &m, int prostor, int dan, int ura);

// Rooms: a unit with one entry needs one member room of its group to pass the room test (no
// group: success). A unit with several entries runs the room assignment: entries of one-room
// groups take that room (entries naming the same single room share it); then entries of larger
// groups, smallest groups first and in entry order, each take the first member room not taken
// by another entry of the cell that passes the room test. An entry whose group has no member
// never finds a room. `izbrane` (one slot per entry, from 1) receives the rooms chosen.
bool ProstoriNaVoljo(const ModelUrnika &m, int u, int dan, int ura, int *izbrane);

// All rules at one cell.
bool CelicaUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int *izbrane);

// Block test: the block of b periods from `ura` fits in the day and every cell passes.
bool BlokUstreza(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura, int b, int *izbrane);

// Relaxed test of the third round: frame, forbidden periods and teacher span, without occupancy
// and without rooms.
bool SprosceniTest(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura);

} // namespace zentrel::timetable::pravila

#pragma once

#include "ModelUrnika.h"
#include "PripravaUrnika.h"

// The rules no move of another lesson changes: what no construction and no search can get round.
namespace zentrel::engine {

// A lesson no construction moves: fixed by hand ("s") or of a unit placed only by hand (difficulty 0).
bool FiksenTermin(const ModelUrnika &m, int t);

// Whether the lessons unit u has on a day may move (the completion step moves them as a whole):
// the unit has a class group and is placed automatically, and none of them is fixed.
bool BlokPremakljiv(const ModelUrnika &m, int u, int dan);

// Whether unit u may ever have a lesson at the cell: it lies in the class-group frame, no class or
// teacher of the unit is forbidden there nor held by a fixed lesson, and every room group of the
// unit has a member that is not forbidden there nor held by a fixed lesson. With `samoUcitelj`
// 0 only the frame counts, with a teacher index the frame and that teacher's forbidden periods.
bool StaticnoProsta(const ModelUrnika &m, const PripravaUrnika &priprava, int u, int dan, int ura,
                    int samoUcitelj = -1);

// The periods of a class that its frame can never hold: the lessons of the units it takes part in
// (those the construction places) are matched to the frame cells in which they may ever lie, fixed
// lessons keeping their cells; the periods left without a cell. 0 when every lesson finds one.
int ManjkajoceUreOddelka(const ModelUrnika &m, const PripravaUrnika &priprava, int oddelek);

} // namespace zentrel::engine

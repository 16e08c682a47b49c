#pragma once

#include "IzbirniModel.h"

namespace zentrel::pupils {

// The automatic assignment of pupils to elective groups on the in-memory records: open the
// groups each elective needs, fill them to their minimum and then their maximum, balance
// groups below their minimum, dissolve what stays too small, walk again, split groups above
// their maximum, and finish the blocks for writing. Groups read from the database stay where
// they are; pupils placed by hand are never moved.
//
// Invariants kept by every step: a pupil is in at most one group of a block, in at most one
// group of an elective, and never in more groups than his number of chosen electives (places
// given by hand may exceed it).
class DodeljevanjeIzbirnih {
public:
    explicit DodeljevanjeIzbirnih(ElectiveModel &model) : m(model) {}

    // Runs every step; the model then holds the groups to write.
    void run();
    ElectiveFigures figures() const;

    // The steps, public so that each can be tested on a small model.
    void openSlots();
    // Places choosers into every open group until it holds `limit` pupils: the minimum
    // (toMinimum) or the maximum.
    void fill(bool toMinimum);
    // Moves pupils into groups below their minimum from groups above theirs; the first run
    // moves only pupils who chose the elective, the second also its reserves.
    void balance(bool withReserves);
    // Dissolves the smallest group below its minimum (never one made by hand) and fills
    // again, until none is left. A dissolved group stays closed.
    void dissolve();
    void split();
    // The units of each block are those of its pupils (and of the group it was read from);
    // empty groups made by the run are dropped; new blocks get codes, groups of one elective
    // side by side the names "1. skupina", "2. skupina", ...
    void finish();

private:
    bool placeable(int pupil, int choice, int block) const;
    bool plannable(int pupil, int choice, int block) const;
    void place(int pupil, int choice, int block, int slot);
    void unplace(int pupil, int choice);
    // The teacher a new group of the elective gets in the block: -1 for none needed, -2 when
    // no teacher is free there.
    qint64 freeTeacher(int block, int elective) const;
    int openSlotsOf(int elective, int block = -1) const;
    void openSlot(int elective);
    bool fillSlot(int block, int slot, int limit);
    bool balanceSlot(int block, int slot, bool withReserves);

    ElectiveModel &m;
};

} // namespace zentrel::pupils

#pragma once

#include "WriteAction.h"

namespace zentrel::basicdata {

// The rows of one combined group of a curriculum: a programme with its subject group in one
// turnus, followed by one class group. Other programmes, class groups or curricula may use the
// same programme, subject group or class group (data made by hand, elective groups, a subject's
// own group); an edit must never change what they use, so the group first gets rows of its own
// for every shared part the edit touches. The decision table:
//
//  part           shared when                                      touched by
//  programme      it is followed by another class group            code, name; with other class groups
//                 (programmeWithGroups), has another subject       also hours, block, difficulty, turnus
//                 group (programmeWithSubjects) or belongs to      and a subject group of its own; with
//                 another curriculum (programmeForeign)            other subject groups also a class
//                                                                  group of its own
//  subject group  it is not this curriculum's own (a subject's     code, name, subjects
//                 group, a shared named group), another programme
//                 uses it, another class group follows its
//                 programme, or it belongs to an elective programme
//  class group    it is not this curriculum's own (a class's       code, name, classes
//                 group), another programme uses it, its programme
//                 has another subject group, or it belongs to an
//                 elective programme
//
// A shared part that is touched is copied into a new row of this curriculum (the programme with
// this group's subject rows, the subject group with its subject rows, the class group with its
// classes); this group's programme rows, class-group link, assignments and pupils' subject groups
// move to the copy, and the others keep the original. A programme with both other class groups
// and other subject groups is copied whole for this class group, which then follows the copy
// alone (its rows split further if the edit still needs it). A programme left without rows is
// removed.
struct CombinedGroupRows {
    qint64 curriculum = -1;
    qint64 programme = -1;
    qint64 subjectGroup = -1;
    qint64 classGroup = -1;
    qint64 turnus = -1;

    // The condition on RAZPORED of the group's assignments in every turnus of its programme row.
    QString assignmentCondition() const;
};

struct CombinedGroupSharing {
    bool programmeWithGroups = false;
    bool programmeWithSubjects = false;
    bool programmeForeign = false;
    bool subjectGroup = false;
    bool classGroup = false;
    bool programme() const { return programmeWithGroups || programmeWithSubjects || programmeForeign; }
};

// What else uses the group's rows; false (reported) when it cannot be read.
bool FindSharing(const CombinedGroupRows &group, CombinedGroupSharing &sharing);

// What an edit changes.
struct CombinedGroupTouch {
    bool programmeName = false; // the programme's code or name
    bool programmeRow = false;  // hours, block, difficulty or turnus
    bool subjectGroup = false;  // its code, name or subjects
    bool classGroup = false;    // its code, name or classes
};

// Which parts need rows of their own, by the decision table.
struct CombinedGroupDetach {
    bool programme = false;
    bool subjectGroup = false;
    bool classGroup = false;
};
CombinedGroupDetach PartsToDetach(const CombinedGroupSharing &sharing, const CombinedGroupTouch &touch);

// Gives the group its own rows for every shared part the edit touches, within the caller's action,
// and updates the identifiers in `group`.
void DetachGroup(WriteAction &action, CombinedGroupRows &group, CombinedGroupSharing sharing,
                 const CombinedGroupTouch &touch);

} // namespace zentrel::basicdata

#pragma once

#include "WriteAction.h"
#include "db/RowSet.h"

#include <QString>

// The rules that guard teaching assignments, shared by the teacher's and the class's view (and
// the combined groups): a lesson in a timetable with validity freezes what it depends on; a
// placed lesson goes away, after the user agrees, when its group changes.
namespace zentrel::basicdata {

// One assignment's place: the group (curriculum, class group, programme, subject group, turnus)
// whose rows are placed together as one lesson, and the subject row within the group.
struct AssignmentKey {
    qint64 curriculum = -1;
    qint64 classGroup = -1;
    qint64 programme = -1;
    qint64 subjectGroup = -1;
    qint64 turnus = -1;
    qint64 subject = -1;
    qint64 subjectRow = -1; // PREDMETI_V_SKUPINI.ID

    // The condition on RAZPORED of every assignment of the group.
    QString groupCondition() const;
};

// Lessons of the assignments matching a condition on RAZPORED in timetables with validity, in
// any timetable, and the number of such assignments; -1 (reported) on failure.
qint64 CountValidLessons(const QString &razporedCondition);
qint64 CountPlacedLessons(const QString &razporedCondition);
qint64 CountAssignments(const QString &razporedCondition);
// Deletes the lessons of the matching assignments within the caller's action; only those in
// timetables without validity when onlyWithoutValidity is set.
bool DeleteLessons(WriteAction &action, const QString &razporedCondition, bool onlyWithoutValidity = false);

// What may happen when a teacher joins a group.
enum class JoinCheck { Refused, Join, JoinRemovingLessons };
// Refuses ("Podatki že nastopajo v veljavnem urniku, zato jih ni mogoče spreminjati.") when the
// group has lessons in a timetable with validity; asks "Potrdi dodajanje novega učitelja v
// skupino predmetov." with "Skupina bo izbrisana iz urnikov tega razporeda!" when it has
// placed lessons (No refuses).
JoinCheck CheckNewTeacher(const AssignmentKey &key);
// Asks before an assignment goes: refuses with "Predmeta # ni mogoče brisati, ker nastopa v
// veljavnem urniku." (label) when it has lessons in a timetable with validity; otherwise asks
// question, with extraLine below it when the assignment has placed lessons. True to go on.
bool ConfirmAssignmentRemoval(qint64 assignment, const QString &label, const QString &question,
                              const QString &extraLine);
// Writes a new assignment (room group -1: none) within the caller's action.
bool InsertAssignment(WriteAction &action, const AssignmentKey &key, qint64 teacher, qint64 roomGroup);

// True when the room group exists or none (-1) is chosen.
bool RoomGroupExists(qint64 roomGroup);

// Weekly hours of rows with the columns hoursColumn and ID_TURNUSA: all of them (turnus -1), or
// those of the turnus together with the rows of every week (turnus 0), as "V turnusu" counts.
int SumHours(const db::RowSet &rows, const QString &hoursColumn, qint64 turnus = -1);

} // namespace zentrel::basicdata

#pragma once

#include "basicdata/WriteAction.h"

#include <QList>
#include <QString>

namespace zentrel::pupils {

// An elective group as it is stored: one programme of the curriculum, one class group of the
// units that take part ("Izbirna"), and subject groups ("Izbirna") that carry its electives
// side by side. Electives of different weekly hours share the group through passes: the first
// subject group carries the smallest number of hours of all electives, each further one the
// next smallest remaining number for the electives that still have hours left; their rows
// point to the elective's row of the first subject group.
struct ElectiveGroupPlan {
    QString code;
    qint64 set = -1; // the set of a group made by hand, -1 for the automatic assignment
    qint64 turnus = 0;
    int length = 1;     // DOLZINA_TERMINA, never more than a pass's hours
    int difficulty = 2; // ZAHTEVNOST
    QList<qint64> units;
    // One entry per elective taught in parallel (an elective may appear twice: two groups).
    QList<qint64> electives;
    QList<QString> groupNames; // the pupils' group name of each entry (may be shorter)
    QList<qint64> keepRows;    // identifier to give each entry's first row, -1 for a new one
    // An existing programme and class group to write into (a group being changed), or -1.
    qint64 programme = -1;
    qint64 classGroup = -1;
};

// What was written: the programme, the class group and each entry's row of the first pass.
struct WrittenGroup {
    qint64 programme = -1;
    qint64 classGroup = -1;
    qint64 firstSubjectGroup = -1;
    QList<qint64> rows;
};

// Writes the group in passes inside the caller's action (nothing is committed here). An
// existing programme and class group keep their identifiers and get the new code; their old
// subject groups must have been removed before. False when a statement failed.
bool WriteElectiveGroup(basicdata::WriteAction &action, db::Connection &connection, qint64 curriculum,
                        const ElectiveGroupPlan &plan, WrittenGroup *written = nullptr);

} // namespace zentrel::pupils

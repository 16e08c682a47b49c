#pragma once

#include "basicdata/RecordLogic.h"
#include "db/RowSet.h"

namespace zentrel::pupils {

struct NaborFields {
    QString ime;
    QString predpona;
    qint64 turnus = -1;
};

// The tab "Izbirni nabori": the sets of electives of the current curriculum. Name and prefix
// are required and unique within the curriculum. The set chosen last is shared by every tab
// of the elective process.
class IzbirniNabori : public basicdata::RecordLogic {
public:
    IzbirniNabori();

    // Re-reads the sets of the current curriculum and goes to the shared set.
    bool open();
    // Moves to a row and shares its set.
    bool moveTo(int row);

    NaborFields current() const;
    QString frameHeader(bool adding) const;
    // A new set: turnus 0.
    NaborFields newRecord() const;

    bool acceptAddNew(const NaborFields &f);
    // A changed turnus takes the set's electives out of the elective groups, after a question.
    bool acceptEdit(const NaborFields &f);
    // Refused while the set's groups are in a timetable with validity; otherwise asks.
    bool deleteCurrent();

    // "SELECT * FROM TURNUSI ORDER BY Oznaka".
    static db::RowSet turnusi();
    // The set shared by the elective tabs (-1: none yet).
    static qint64 &shared();

private:
    bool validate(const NaborFields &f, qint64 ownId);
    // The set's electives in elective groups: with lessons in a valid timetable, or at all.
    qint64 rowsInGroups(qint64 set, bool valid) const;

    qint64 m_curriculum = -1;
};

} // namespace zentrel::pupils

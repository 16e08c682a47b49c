#pragma once

#include "basicdata/RecordLogic.h"
#include "db/RowSet.h"

namespace zentrel::pupils {

// The fields of an elective as typed; numbers are checked when saved.
struct IzbirniPredmetFields {
    qint64 predmet = -1;
    QString steviloUr;
    QString normativMax;
    QString normativMin;
    QString steviloUciteljev;
};

// The tab "Predmeti v naboru": the electives of one set with their weekly hours, the largest and
// smallest group and the number of teachers who can teach them side by side.
class IzbirniPredmeti : public basicdata::RecordLogic {
public:
    IzbirniPredmeti() = default;

    // Reads the electives of a set (none for -1); keeps the current row where it can.
    bool load(qint64 set);
    qint64 set() const { return m_set; }

    IzbirniPredmetFields current() const;
    // A new elective: hours 1, group sizes from the program's defaults.
    IzbirniPredmetFields newRecord() const;
    QString frameHeader(bool adding) const;

    bool acceptAddNew(const IzbirniPredmetFields &f);
    // A change of subject or hours takes the elective out of its elective groups, after a question.
    bool acceptEdit(const IzbirniPredmetFields &f);
    // Refused while its groups are in a timetable with validity; asks; removes it with the
    // pupils' choices and its places in elective groups.
    bool deleteCurrent();

    // Subjects to choose from (ID, OZNAKA, IME).
    static db::RowSet subjects();
    // How many teachers teach the subject (UCITELJ_PREDMET).
    static int teacherCount(qint64 subject);

private:
    bool validate(const IzbirniPredmetFields &f, qint64 ownId);
    bool takeOutOfGroups(qint64 elective, bool ask);
    qint64 curriculumOfSet() const;

    qint64 m_set = -1;
};

} // namespace zentrel::pupils

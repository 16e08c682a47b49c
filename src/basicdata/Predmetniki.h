#pragma once

#include "SharedRecordLogic.h"

namespace zentrel::basicdata {

class WriteAction;

struct PredmetnikFields {
    QString oznaka; // shown as "Ime"
    QString ime;    // shown as "Opomba"
};

// The tab "Predmetniki": the programmes (table PROGRAMI) of the current curriculum, and the
// programme list of "Predmeti v predmetniku" and "Enote predmetnika". A record move stores the
// programme program-wide (Trenutni().program).
class Predmetniki : public SharedRecordLogic {
public:
    Predmetniki();

    // Re-reads the programmes of the current curriculum (the curriculum is looked up again).
    bool open();
    qint64 curriculum() const { return m_curriculum; }

    PredmetnikFields current() const;
    QString label() const;
    QString frameHeader(bool adding) const;

    // "Ime ne sme biti prazno.", then "To ime je že uporabljeno" for a name another ordinary
    // programme of the curriculum has. excludeId: the programme being edited, -1 when adding.
    bool validate(const PredmetnikFields &f, qint64 excludeId);
    // Inserts a programme of the curriculum under a new identifier within the caller's action;
    // the identifier.
    static qint64 Insert(WriteAction &action, qint64 curriculum, const PredmetnikFields &f);
    bool acceptAddNew(const PredmetnikFields &f);
    bool acceptEdit(const PredmetnikFields &f);
    // Refuses a programme with lessons in a timetable with validity; warns about lessons; deletes
    // it with its subjects, classes, assignments and lessons.
    bool deleteCurrent();

private:
    bool needCurriculum();

    qint64 m_curriculum = -1;
};

} // namespace zentrel::basicdata

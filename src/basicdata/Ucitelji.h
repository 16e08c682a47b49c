#pragma once

#include "SharedRecordLogic.h"

namespace zentrel::basicdata {

class WriteAction;

struct UciteljFields {
    QString oznaka;
    QString ime;
    QString vmesnoIme;
    QString priimek;
};

// The tab "Učitelji" and the record list of its link tabs ("Želi prostore", "Uči predmete").
// A record move stores the teacher program-wide (Trenutni().ucitelj).
class Ucitelji : public SharedRecordLogic {
public:
    Ucitelji();

    // Re-reads and goes to the program-wide current teacher when there is one.
    // Moves to a row and makes it the program-wide current teacher.

    UciteljFields current() const;
    // First, middle and surname, or the code: the label in headers and messages.
    QString label() const;
    QString frameHeader(bool adding) const;
    // "Prostori za:  name" and "Predmeti za:  name" of the link tabs.
    QString roomsCaption() const;
    QString subjectsCaption() const;

    // The refusal of the fields ("Oznaka ne sme biti prazna."); empty when they may be stored.
    static QString Problem(const UciteljFields &f);
    // Inserts (id -1: under a new identifier) or updates a teacher within the caller's action;
    // the teacher's identifier.
    static qint64 Write(WriteAction &action, qint64 id, const UciteljFields &f);

    // Shows the refusal of Problem().
    bool validate(const UciteljFields &f);
    bool acceptAddNew(const UciteljFields &f);
    bool acceptEdit(const UciteljFields &f);
    // Refuses a teacher with lessons in a timetable with validity; warns about assignments;
    // deletes the teacher with assignments, lessons and links.
    bool deleteCurrent();
};

} // namespace zentrel::basicdata

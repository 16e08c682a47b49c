#pragma once

#include "SharedRecordLogic.h"

namespace zentrel::basicdata {

class WriteAction;

struct PredmetFields {
    QString oznaka;
    QString ime;
    QString tip;
    bool kabinetni = false;
};

// The tab "Predmeti" and the record list of its link tabs ("Predmeti in prostori", "Učitelji
// predmetov"). Each subject owns a subject group with its identifier, code and name and the
// member row. A record move stores the subject program-wide (Trenutni().predmet).
class Predmeti : public SharedRecordLogic {
public:
    Predmeti();

    PredmetFields current() const;
    QString label() const;
    QString frameHeader(bool adding) const;
    // "Prostori za predmet CODE" and "Učitelji za predmet CODE".
    QString roomsCaption() const;
    QString teachersCaption() const;

    // "Oznaka ne sme biti prazna.".
    bool validate(const PredmetFields &f);
    // The refusal of the fields ("Oznaka ne sme biti prazna."); empty when they may be stored.
    static QString Problem(const PredmetFields &f);
    // Inserts (id -1: a new identifier, with the subject's own group) or updates a subject and
    // its own group within the caller's action; the subject's identifier.
    static qint64 Write(WriteAction &action, qint64 id, const PredmetFields &f);
    // New identifier over subject groups and subjects; the subject, its own group and member row.
    bool acceptAddNew(const PredmetFields &f);
    // Writes the subject and renames its own group.
    bool acceptEdit(const PredmetFields &f);
    // Refuses a subject in a timetable with validity; warns about assignments; deletes it with
    // its own group and every subject group left without subjects.
    bool deleteCurrent();
};

} // namespace zentrel::basicdata

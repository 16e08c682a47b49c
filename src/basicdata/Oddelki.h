#pragma once

#include "SharedRecordLogic.h"

namespace zentrel::basicdata {

class WriteAction;

struct OddelekFields {
    QString oznaka;
    QString ime;
};

// The tab "Enote": classes, and the record list of "Prostori enote". Each class owns a class
// group with its identifier, code and name, and is entered into every curriculum with shift 1.
// A record move stores the class program-wide (Trenutni().oddelek).
class Oddelki : public SharedRecordLogic {
public:
    Oddelki();

    OddelekFields current() const;
    QString label() const;
    QString frameHeader(bool adding) const;
    // "Prostori enote" and the class's code.
    QString roomsCaption() const;

    // "Oznaka ne sme biti prazna.".
    bool validate(const OddelekFields &f);
    // The refusal of the fields ("Oznaka ne sme biti prazna."); empty when they may be stored.
    static QString Problem(const OddelekFields &f);
    // Inserts (id -1: a new identifier, with the class's own group and its row in every
    // curriculum) or updates a class and its own group within the caller's action; the
    // class's identifier.
    static qint64 Write(WriteAction &action, qint64 id, const OddelekFields &f);
    // New identifier over class groups and classes; the class, its own group and member row,
    // and a row in every curriculum without class teacher, shift 1.
    bool acceptAddNew(const OddelekFields &f);
    // Writes the class and renames its own group.
    bool acceptEdit(const OddelekFields &f);
    // Refuses a class with lessons in a timetable with validity; warns about assignments of its
    // groups; deletes the class, its own group and the class groups left without classes.
    bool deleteCurrent();
};

} // namespace zentrel::basicdata

#pragma once

#include "SharedRecordLogic.h"

namespace zentrel::basicdata {

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

#pragma once

#include "RecordLogic.h"

namespace zentrel::basicdata {

struct StavbaFields {
    QString oznaka;
    QString ime;
};

// The tab "Stavbe": buildings. Deleting a building takes its rooms with it.
class Stavbe : public RecordLogic {
public:
    Stavbe();

    bool open() { return m_list.requery(); }
    StavbaFields current() const;
    // "Stavba:  label", "Nova stavba" while adding, "Stavba" without a record.
    QString frameHeader(bool adding) const;
    QString label() const;

    // "Oznaka ne sme biti prazna." for an empty code.
    bool validate(const StavbaFields &f);
    // Inserts the building and moves to it.
    bool acceptAddNew(const StavbaFields &f);
    // Writes the current building and returns to it by its code.
    bool acceptEdit(const StavbaFields &f);
    // Refuses the only building; asks (with the rooms warning when it has rooms), deletes it
    // with its rooms and removes the room groups left empty. True when deleted.
    bool deleteCurrent();
};

} // namespace zentrel::basicdata

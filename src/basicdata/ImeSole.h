#pragma once

#include "RecordLogic.h"

namespace zentrel::basicdata {

// The tab "Ime šole": the school's name in the INI row "Ime_Sole", also kept program-wide.
class ImeSole : public RecordLogic {
public:
    ImeSole();

    // Re-reads the row and makes its value the program-wide school name.
    bool open();
    // The stored name (what CancelEdit reloads).
    QString name() const;
    // "Ime šole ne sme biti prazno." for an empty name.
    bool validate(const QString &name);
    // Validates and stores the name; the program-wide school name follows.
    bool acceptEdit(const QString &name);
};

} // namespace zentrel::basicdata

#pragma once

#include "RecordLogic.h"

namespace zentrel::basicdata {

// Makes a curriculum the program's current one (-1: none) with its name, and remembers the
// choice in zn.INI. The current timetable and turnus stay only when the timetable belongs to
// that curriculum; otherwise both become -1, so that no timetable window (and no construction)
// works on a timetable of another curriculum. Every place that chooses a curriculum calls this.
void IzberiRazpored(qint64 curriculum);

// The tab "Izbira" of "Razporedi": the curricula (table PREDMETNIKI). A move in the list makes
// the curriculum current program-wide; an empty list leaves no current curriculum.
class RazporedIzbira : public RecordLogic {
public:
    RazporedIzbira();

    // Re-reads the curricula and goes to the current one (the first when it is not there), which
    // becomes current.
    bool open();
    // Moves to a row and makes its curriculum current.
    bool moveTo(int row);

    QString name() const;
    // "Nov razpored" while adding, else "Razpored:  NAME".
    QString frameHeader(bool adding) const;

    // "Ime ne sme biti prazno."; "To ime je že uporabljeno" when another curriculum has the name
    // (letter case and č/š/ž ignored). excludeId: the curriculum being renamed, -1 when adding.
    bool validate(const QString &name, qint64 excludeId);
    // A new curriculum with every class in it (shift 1, no class teacher); it becomes current.
    bool acceptAddNew(const QString &name);
    bool acceptEdit(const QString &name);
    // Refuses a curriculum with a timetable with validity; warns about placed lessons; deletes
    // it with its timetables, programmes, assignments and pupils' groups.
    bool deleteCurrent();
    // After a copy: re-reads the list and makes the copy current.
    void showCopy(qint64 curriculum);

private:
    void chooseCurrent();
};

} // namespace zentrel::basicdata

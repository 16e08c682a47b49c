#pragma once

#include "basicdata/RecordLogic.h"
#include "db/RowSet.h"

#include <QList>

namespace zentrel::pupils {

struct IzbirnaSkupinaFields {
    QString oznaka;
    qint64 nabor = -1;
    qint64 turnus = -1;
    int zahtevnost = 2;
    QString dolzina = QStringLiteral("1");
    QList<qint64> enote;    // units in the group's class group
    QList<qint64> predmeti; // electives taught side by side
};

// The tab "Izbirne skupine": the elective groups of the current curriculum (made by hand or
// by the automatic assignment), each with its units and its electives. Changing the units or
// electives of a group in a timetable with validity is refused; a group with teaching
// assignments loses them after a question. Pupils keep their places when the group changes.
class IzbirneSkupine : public basicdata::RecordLogic {
public:
    IzbirneSkupine() = default;

    bool open();
    bool moveTo(int row) { return m_list.moveTo(row); }

    IzbirnaSkupinaFields current() const;
    IzbirnaSkupinaFields newRecord() const;
    QString frameHeader(bool adding) const;

    // Units (ID, OZNAKA) of the current group, and the curriculum's other units.
    db::RowSet units() const;
    db::RowSet availableUnits(const QList<qint64> &chosen) const;
    // Electives (ID, PREDMET) of the current group, and those of the set (all sets for -1).
    db::RowSet electives() const;
    db::RowSet availableElectives(qint64 set, const QList<qint64> &chosen) const;
    // Sets of the curriculum (ID, IME) for the field "Nabor", and -1 for the groups of the
    // automatic assignment.
    db::RowSet sets() const;

    bool acceptAddNew(const IzbirnaSkupinaFields &f);
    bool acceptEdit(const IzbirnaSkupinaFields &f);
    bool deleteCurrent();

    // "Briši vse" and "Briši avt.": every elective group, or only those of the automatic
    // assignment (their pupils placed automatically, then their groups left without pupils).
    bool deleteAll(bool onlyAutomatic);

private:
    bool validate(const IzbirnaSkupinaFields &f, qint64 ownId);
    // Pass-1 rows of the current group: elective, row identifier and pupils' group name.
    db::RowSet slotRows() const;

    qint64 m_curriculum = -1;
};

} // namespace zentrel::pupils

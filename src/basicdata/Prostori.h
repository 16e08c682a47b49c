#pragma once

#include "RecordLogic.h"

namespace zentrel::basicdata {

class WriteAction;

struct ProstorFields {
    QString oznaka;
    QString ime;
    qint64 idStavbe = -1; // -1: no building chosen
    bool kabinet = true;
};

// The tab "Prostori": rooms. Each room owns a room group with its own identifier, code and
// name and the member row (room, room); they are created, renamed and deleted with it.
class Prostori : public RecordLogic {
public:
    Prostori();

    // Re-reads the rooms and the building list.
    bool open();
    // "SELECT * FROM STAVBE ORDER BY OZNAKA COLLATE SLOVENSKO": the choice list of "Stavba".
    const db::RowSet &buildings() const { return m_buildings.rows(); }

    ProstorFields current() const;
    // A new room: empty code and name, the only building when there is exactly one, cabinet on.
    ProstorFields newRecord() const;
    QString label() const;
    QString frameHeader(bool adding) const;

    // "Oznaka ne sme biti prazna.", then "Stavba ne sme biti prazna.".
    bool validate(const ProstorFields &f);
    // The refusal of the fields, the building checked against the buildings given (their ID);
    // empty when they may be stored. The field it concerns goes to field when given.
    static QString Problem(const ProstorFields &f, const db::RowSet &buildings, QString *field = nullptr);
    // Inserts (id -1: a new identifier, with the room's own group and member row) or updates a
    // room and renames its own group within the caller's action; the room's identifier.
    static qint64 Write(WriteAction &action, qint64 id, const ProstorFields &f);
    // New identifier over rooms and room groups; the room, its group and member row.
    bool acceptAddNew(const ProstorFields &f);
    // Writes the room and renames its own group.
    bool acceptEdit(const ProstorFields &f);
    // The window of the basic-data page set: only the cabinet flag is written.
    bool acceptEditKabinet(bool kabinet);
    // Asks "Potrdi brisanje prostora #.", deletes the room with its own group and the groups left empty.
    bool deleteCurrent();

private:
    RecordList m_buildings;
};

} // namespace zentrel::basicdata

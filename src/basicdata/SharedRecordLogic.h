#pragma once

#include "CurrentRecords.h"
#include "RecordLogic.h"

namespace zentrel::basicdata {

// A record list whose current record is shared program-wide (the current teacher, class,
// subject or programme of CurrentRecords), so that every tab about it opens on the same record.
class SharedRecordLogic : public RecordLogic {
public:
    // Re-reads the list and returns to the shared record (or makes the first one shared).
    bool open();
    // Moves to a row and shares its record.
    bool moveTo(int row);

protected:
    SharedRecordLogic(QString sql, qint64 CurrentRecords::*shared) : RecordLogic(std::move(sql)), m_shared(shared) {}
    void remember();

private:
    qint64 CurrentRecords::*m_shared;
};

} // namespace zentrel::basicdata

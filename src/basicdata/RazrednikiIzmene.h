#pragma once

#include "RecordLogic.h"

namespace zentrel::basicdata {

// The tab "Razredniki in izmene": the class teacher and the shift of every class of the
// current curriculum. Rows are only edited here, never added or deleted.
class RazrednikiIzmene : public RecordLogic {
public:
    RazrednikiIzmene();

    // Re-reads the classes of the current curriculum, the teachers and the shifts, and goes to
    // the program-wide current class.
    bool open();
    bool moveTo(int row);
    qint64 curriculum() const { return m_curriculum; }

    // Teachers for "Razrednik": ID, OZNAKA, RAZREDNIK (surname first), ordered by that name.
    const db::RowSet &teachers() const { return m_teachers.rows(); }
    // "SELECT * FROM IZMENE".
    const db::RowSet &shifts() const { return m_shifts.rows(); }

    qint64 razrednik() const; // -1 when none
    qint64 izmena() const;    // -1 when none
    QString label() const;
    // "Enota:  label".
    QString frameHeader() const;

    // "Izmena je obvezna." when no (existing) shift is chosen; the class teacher may be empty.
    bool validate(qint64 idIzmene);
    // Writes class teacher (or null) and shift of the current class in this curriculum.
    bool acceptEdit(qint64 idRazrednika, qint64 idIzmene);

private:
    qint64 m_curriculum = -1;
    RecordList m_teachers;
    RecordList m_shifts;
};

} // namespace zentrel::basicdata

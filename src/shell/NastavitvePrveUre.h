#pragma once

#include "db/RowSet.h"

#include <QString>
#include <QStringList>

namespace zentrel::shell {

// Rules of the page "Prve ure" of the settings window: for each turnus, the first period of
// every shift on Monday to Friday.
class NastavitvePrveUre {
public:
    static constexpr int Days = 5;

    // The rotating turnusi (turnus 0 has no first periods of its own).
    db::RowSet Turnusi();
    // The shifts of a turnus with the codes of their first periods in URE_0_OZNAKA .. URE_4_OZNAKA.
    db::RowSet Izmene(qint64 turnusId);
    // The period codes the days are chosen from.
    QStringList PeriodCodes();
    // The same as rows: "Oznaka" and the period number as "ID".
    db::RowSet PeriodRows();

    // "Turnus " code " - " "Izmena " code: the header above the fields.
    static QString Header(const QString &turnusCode, const QString &izmenaCode);

    // Stores the first periods (period codes, Monday first) of a shift in a turnus. A code that is
    // no period is reported ("Ura # ne obstaja.") and nothing is stored.
    bool AcceptEdit(qint64 turnusId, qint64 izmenaId, const QStringList &dayCodes);
};

} // namespace zentrel::shell

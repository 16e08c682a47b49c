#pragma once

#include "db/RowSet.h"

#include <QString>

namespace zentrel::shell {

// Rules of the page "Ure" of the settings window: the sixteen periods of a day, each with a
// code and a name. Periods are only edited; their number is fixed.
class NastavitveUre {
public:
    // "SELECT * FROM URE where ura<16 ORDER BY URA"
    static QString RowsSql();
    // Reads the periods; the row set the grid shows.
    db::RowSet Requery();

    // Validates and writes the code and name of period `ura`. Refuses an empty code
    // ("Oznaka ne sme biti prazna."), a code another period has, letter case aside
    // ("Oznaka # je že uporabljena."), or an empty name ("Ime ne sme biti prazno."); returns
    // whether it was stored.
    bool AcceptEdit(qint64 ura, const QString &oznaka, const QString &ime);
};

} // namespace zentrel::shell

#pragma once

#include "db/RowSet.h"

#include <QString>

// Searches of a record set by the text of one field, as the search dialog and the text
// choice lists do. The typed text is taken literally: no character of it acts as a wildcard.
namespace zentrel::controls::RecordSearch {

// First row from `from` whose field begins with the text, ignoring case; -1 when none.
int FindPrefix(const db::RowSet &rows, const QString &field, const QString &text, int from = 0);
// First row whose field equals the text, ignoring case; -1 when none.
int FindExact(const db::RowSet &rows, const QString &field, const QString &text, int from = 0);
// First row whose field holds exactly this value (compared as text); -1 when none.
int FindValue(const db::RowSet &rows, const QString &field, const QVariant &value);

} // namespace zentrel::controls::RecordSearch

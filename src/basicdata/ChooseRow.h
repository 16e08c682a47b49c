#pragma once

#include <QString>

namespace zentrel::basicdata {

// The row of `sql` (columns ID, IME) whose ID is `value` or whose name is `value` as a user
// sees it; with an empty value the row of `preferred`, else the first. -1 when none. What a
// command's "--curriculum ID|IME" names.
qint64 ChooseRow(const QString &sql, const QString &value, qint64 preferred);

} // namespace zentrel::basicdata

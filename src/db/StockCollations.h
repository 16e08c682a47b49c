#pragma once

#include "Connection.h"

namespace zentrel::db {

// Files written by earlier versions declare the program's own collation SLOVENSKO on their code
// and name columns. Any other SQLite tool then fails on ordinary statements over them (ORDER BY,
// GROUP BY, comparisons, UNION, VACUUM, restoring a dump), because it does not know that
// collation. These functions take the declaration out of the stored schema; the program still
// sorts in Slovenian order by naming the collation in its own queries.

// True when a table, index, view or trigger of the main database names SLOVENSKO.
bool DeclaresCustomCollation(Connection &connection);

// Rewrites the stored definitions without SLOVENSKO, rebuilds the indexes and checks the file,
// all in one transaction (a savepoint inside the caller's). Nothing happens to a file that has
// no such declaration. False, with the file unchanged, on any error.
bool ConvertToStockCollations(Connection &connection);

} // namespace zentrel::db

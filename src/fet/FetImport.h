#pragma once

#include "ImportReport.h"

#include <QString>

namespace zentrel::fet {

// Makes the project `newPath` from a FET file: read and mapped first (FetReader,
// FetImportPlan), then written in one transaction into a copy of the defaults database under a
// temporary name that replaces `newPath` in one rename. A refused file (bad XML, another kind
// of file, no day or hour list, too large a week) is reported through ShowMessage and nothing
// is made; false then. `report` receives what was made and what was left out.
bool ImportFetFile(const QString &fetPath, const QString &newPath, const QString &defaultsDatabase,
                   ImportReport *report);

} // namespace zentrel::fet

#pragma once

#include <QStringList>

namespace zentrel::pupils {

// zentrel-cli import-pupils PROJECT FILE.csv: the import of the pupils page, headless.
int RunImportPupilsCommand(const QStringList &args);

// zentrel-cli electives PROJECT [--curriculum ID] [--set ID] [--teachers] [--apply]: the
// automatic assignment of pupils to elective groups; prints its figures and writes only with
// --apply. With --stage izbira|dodeljevanje it only sets the stage of the elective process.
int RunElectivesCommand(const QStringList &args);

} // namespace zentrel::pupils

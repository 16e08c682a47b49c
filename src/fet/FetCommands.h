#pragma once

#include <QStringList>

namespace zentrel::fet {

// zentrel-cli import-fet FILE.fet NEW.znt [--force]: the new project and the import report.
int RunImportFetCommand(const QStringList &args);

// zentrel-cli export-fet PROJECT --timetable ID --turnus ID OUT.fet [--with-timetable]
int RunExportFetCommand(const QStringList &args);

} // namespace zentrel::fet

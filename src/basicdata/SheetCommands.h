#pragma once

#include <QStringList>

namespace zentrel::basicdata {

// zentrel-cli import-csv PROJECT --kind KIND FILE.csv [--apply] [--curriculum ID|IME]: prints
// what each row of the file would do (the window's preview) and writes only with --apply.
// Exit 0 when every row can be imported (and, with --apply, was), 1 otherwise.
int RunImportCsvCommand(const QStringList &args);

// zentrel-cli export-csv PROJECT --kind KIND OUT.csv [--curriculum ID|IME]: the rows of the kind
// in the columns the import reads.
int RunExportCsvCommand(const QStringList &args);

} // namespace zentrel::basicdata

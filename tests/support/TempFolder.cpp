#include "TempFolder.h"

namespace zentrel::test {

QString ProgramFolder() { return QStringLiteral(ZENTREL_PROGRAM_DIR); }

} // namespace zentrel::test

#include "FileMessages.h"

namespace zentrel::core {

QString WriteProtectedText() {
    return QStringLiteral("Datoteka # je zaščitena proti pisanju.\nOdstranite zaščito in poskusite znova.");
}

} // namespace zentrel::core

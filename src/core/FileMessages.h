#pragma once

#include <QString>

namespace zentrel::core {

// "Datoteka # je zaščitena proti pisanju." with the advice to remove the protection: the one
// text of every write a file's protection refuses.
QString WriteProtectedText();

} // namespace zentrel::core

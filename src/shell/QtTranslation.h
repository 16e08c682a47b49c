#pragma once

namespace zentrel::shell {

// Makes Qt's own dialogs (open, save, print, the standard buttons) speak Slovenian, like the
// rest of the program, with the translation the system installs beside Qt. False when it is not
// there (the dialogs then stay in English).
bool InstallQtTranslation();

} // namespace zentrel::shell

#pragma once

namespace zentrel::fet {

// Adds "Iz datoteke FET..." to "&Ustvari projekt" and "Izvozi v datoteko &FET..." to
// "&Datoteka" of the main window; called before the main window is made.
void RegisterFetMenuItems();

} // namespace zentrel::fet

#pragma once

namespace zentrel::print {

// Registers the printout windows with the tab strip, once at start-up: page sets 6, 7, 9 and 10
// (basic data, assignments, calendar and substitutions, realisation) and 8 (timetables).
void RegisterPrintTabs();

} // namespace zentrel::print

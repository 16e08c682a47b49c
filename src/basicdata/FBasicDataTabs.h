#pragma once

namespace zentrel::basicdata {

// Registers the basic-data windows with the tab strip, once at start-up: page set 0
// (infrastructure), page set 2 without pupils and forbidden periods, and in page set 3 the
// class teachers and the "Predmetniki" tabs.
void RegisterBasicDataTabs();

} // namespace zentrel::basicdata

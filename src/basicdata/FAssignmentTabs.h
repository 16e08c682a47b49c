#pragma once

namespace zentrel::basicdata {

// Registers with the tab strip, once at start-up, the windows of curricula, teaching
// assignments, forbidden periods and combined groups: in page set 2 the forbidden periods of
// rooms, classes and teachers; in page set 3 "Izbira", "Skupine" under "Predmetniki", and
// "Razpored" with "Razpored enote" and "Razpored učitelja".
void RegisterAssignmentTabs();

} // namespace zentrel::basicdata

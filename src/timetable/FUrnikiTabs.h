#pragma once

namespace zentrel::timetable {

// Registers the timetable windows with the tab strip, once at start-up: page set 4 "Urniki".
void RegisterTimetableTabs();

} // namespace zentrel::timetable

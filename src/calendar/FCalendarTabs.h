#pragma once

namespace zentrel::calendar {

// Registers the calendar, absence and substitution windows with the tab strip (page set 5),
// once at start-up.
void RegisterCalendarTabs();

} // namespace zentrel::calendar

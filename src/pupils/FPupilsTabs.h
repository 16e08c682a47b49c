#pragma once

namespace zentrel::pupils {

// Registers the windows of the pupils and electives tabs with the tab strip, and tells it the
// stage of the elective process (called once at start-up).
void RegisterPupilsTabs();

} // namespace zentrel::pupils

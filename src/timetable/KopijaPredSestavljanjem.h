#pragma once

namespace zentrel::timetable {

// The safety copy before a construction of the current timetable and turnus that has placed
// lessons: the run keeps, moves or removes them when it saves, so the hand-made state is copied
// first ("Sestavljanje urnika '<ime>'"). Nothing is copied when there is nothing placed or the
// construction will refuse to start. True when the construction may start; false when a copy
// could not be written and the user chose not to go on without one.
bool KopijaPredSestavljanjem();

} // namespace zentrel::timetable

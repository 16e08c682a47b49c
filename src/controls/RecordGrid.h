#pragma once

#include "RecordSource.h"

namespace zentrel::controls {

// Move directions of a record grid.
namespace MoveDirection {
constexpr int Next = 1;
constexpr int Previous = 2;
constexpr int Last = 3;
constexpr int First = 4;
} // namespace MoveDirection

// A record grid as the command bar sees it: its record set and a move that does not ask the bar
// again (the bar has already decided that the move is allowed).
class RecordGrid {
public:
    virtual ~RecordGrid() = default;
    virtual const RecordSource *recordSource() const = 0;
    // Moves the current record; returns whether the current record changed.
    virtual bool moveRecord(int direction) = 0;
};

} // namespace zentrel::controls

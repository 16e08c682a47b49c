#pragma once

#include <cstring>

namespace zentrel::engine {

// Days 1..5 are real; the grids keep day 0 so that a day number indexes them directly.
constexpr int StDni = 6;
constexpr int DniTedna = StDni - 1;
// Periods 0..15; period 0 is a real period.
constexpr int StUr = 16;
constexpr int ZadnjaUra = StUr - 1;

// A day-by-period grid (day 0..5, period 0..15). Cells are plain values so that every
// conflict test of the scheduler is one array read.
template <class T> struct MrezaDni {
    T cells[StDni][StUr]{};

    T &operator()(int day, int period) { return cells[day][period]; }
    const T &operator()(int day, int period) const { return cells[day][period]; }
    void fill(const T &value) {
        for (auto &row : cells)
            for (auto &cell : row)
                cell = value;
    }
    bool operator==(const MrezaDni &other) const {
        for (int d = 0; d < StDni; ++d)
            for (int p = 0; p < StUr; ++p)
                if (!(cells[d][p] == other.cells[d][p]))
                    return false;
        return true;
    }
};

// Occupancy of a teacher or room cell: the placed period and the entry inside it; 0 = free.
struct ZasedbaCelice {
    int termin = 0;
    int zasedba = 0;
    bool operator==(const ZasedbaCelice &) const = default;
};

} // namespace zentrel::engine

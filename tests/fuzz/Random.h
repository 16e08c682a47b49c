#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <random>

namespace zentrel::fuzz {

// The mutator's dice: one seed gives one sequence, so a case can be run again from its number.
class Random {
public:
    explicit Random(quint64 seed) : m_engine(seed) {}

    // A number in [0, n); 0 when n is 0.
    quint64 below(quint64 n) { return n == 0 ? 0 : m_engine() % n; }
    // A number in [low, high].
    qint64 between(qint64 low, qint64 high) { return low + qint64(below(quint64(high - low) + 1)); }
    bool chance(int percent) { return below(100) < quint64(percent); }
    // A length that is mostly small and now and then large: faults hide at both ends.
    int length(int largest) {
        const int limit = chance(80) ? qMin(largest, 16) : largest;
        return int(between(0, qMax(0, limit)));
    }
    template <typename T, size_t N> const T &pick(const T (&items)[N]) { return items[below(N)]; }

private:
    std::mt19937_64 m_engine;
};

} // namespace zentrel::fuzz

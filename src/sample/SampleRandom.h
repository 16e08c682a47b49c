#pragma once

#include <QtGlobal>

namespace zentrel::sample {

// A small deterministic generator (splitmix64): the same seed gives the same sequence on every
// platform and library version, which the standard distributions do not promise.
class SampleRandom {
public:
    explicit SampleRandom(quint64 seed) : m_state(seed * 0x9E3779B97F4A7C15ULL + 0x632BE59BD9B4E019ULL) {}

    quint64 next() {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number in [0, bound); 0 when bound is not positive.
    int below(int bound) { return bound > 0 ? int(next() % quint64(bound)) : 0; }
    // A whole number in [low, high].
    int between(int low, int high) { return low + below(high - low + 1); }
    // True with the given chance in percent.
    bool chance(int percent) { return below(100) < percent; }

private:
    quint64 m_state;
};

} // namespace zentrel::sample

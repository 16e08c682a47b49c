#include "MapaId.h"

#include <cmath>

namespace zentrel::engine {

int MapaId::najdi(qint64 id) const {
    int low = 0;
    int high = zadnji();
    if (high < 1)
        return -1;
    // The middle is rounded to the nearest integer with ties to even, as the map has always
    // been searched; the final comparison at `high` covers the element that rounding can skip.
    while (high - low >= 2) {
        const int middle = int(std::nearbyint((low + high) / 2.0));
        const qint64 key = m_pari[size_t(middle)].id;
        if (key == id)
            return m_pari[size_t(middle)].indeks;
        if (id > key)
            low = middle;
        else
            high = middle;
    }
    if (m_pari[size_t(high)].id == id)
        return m_pari[size_t(high)].indeks;
    if (low >= 1 && m_pari[size_t(low)].id == id)
        return m_pari[size_t(low)].indeks;
    return -1;
}

} // namespace zentrel::engine

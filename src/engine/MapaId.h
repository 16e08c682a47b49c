#pragma once

#include <QtGlobal>
#include <vector>

namespace zentrel::engine {

// Database ID to model index, for one kind of entity while the model loads. The load queries
// are ordered by ID, so pairs are appended in ascending order and found by binary search.
class MapaId {
public:
    struct Par {
        qint64 id = 0;
        int indeks = 0;
    };

    MapaId() { clear(); }
    // Keeps only the sentinel at element 0.
    void clear() { m_pari.assign(1, Par{}); }
    // Appends a pair; IDs must come in ascending order.
    void dodaj(qint64 id, int indeks) { m_pari.push_back({id, indeks}); }
    int zadnji() const { return int(m_pari.size()) - 1; }
    const Par &par(int i) const { return m_pari[size_t(i)]; }

    // Binary search: the index stored for id, or -1.
    int najdi(qint64 id) const;

private:
    std::vector<Par> m_pari;
};

} // namespace zentrel::engine

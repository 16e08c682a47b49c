#include "ModelUrnika.h"

namespace zentrel::engine {

void ModelUrnika::clear() {
    prostori.assign(1, {});
    prosteUcilnice = 0;
    skupinePredmetov.assign(1, {});
    skupineOddelkov.assign(1, {});
    oddelki.assign(1, {});
    ucitelji.assign(1, {});
    predavanja.assign(1, {});
    termini.assign(1, {});
    neveljavniPodatki.clear();
    odtis.clear();
    prostoriPoOznaki.clear();
    oddelkiPoOznaki.clear();
    uciteljiPoOznaki.clear();
}

const std::vector<int> &ModelUrnika::oddelkiPredavanja(int predavanje) const {
    const int skupina = predavanja[predavanje].skupinaOddelkov;
    if (skupina < 1)
        return m_brezOddelkov;
    return skupineOddelkov[skupina].oddelki;
}

bool ModelUrnika::imaTerminNaDan(int predavanje, int dan) const {
    const auto &odd = oddelkiPredavanja(predavanje);
    if (odd.size() < 2)
        return false;
    const auto &grid = oddelki[odd[1]].zasedenost;
    for (int p = 0; p < StUr; ++p) {
        const int t = grid(dan, p);
        if (t >= 1 && termini[t].predavanje == predavanje)
            return true;
    }
    return false;
}

std::vector<int> ModelUrnika::terminiNaDan(int predavanje, int dan) const {
    std::vector<int> najdeni;
    const auto &odd = oddelkiPredavanja(predavanje);
    if (odd.size() < 2)
        return najdeni;
    for (int p = 0; p < StUr; ++p) {
        const int t = oddelki[size_t(odd[1])].zasedenost(dan, p);
        if (t >= 1 && termini[size_t(t)].predavanje == predavanje)
            najdeni.push_back(t);
    }
    return najdeni;
}

ModelUrnika &TrenutniModel() {
    static ModelUrnika model;
    return model;
}

} // namespace zentrel::engine

#pragma once

#include "ModelUrnika.h"

#include <vector>

namespace zentrel::engine {

// Cells of a class's week in which its lessons may lie.
struct OkvirOddelka {
    static constexpr int Zunaj = 0;
    static constexpr int Dovoljeno = 1;
    static constexpr int Prepovedano = 2;
    MrezaDni<int> okvir;
    int prvaUra[StDni]{1, 1, 1, 1, 1, 1};
};

// Fills the frame of a class holding `ure` periods a week: cells round-robin over the days from
// each day's first period (forbidden cells and periods past 15 passed over), then every later day
// brought to the offset of the last cell filled. `okvir` holds the forbidden cells (value 2).
void NapolniOkvir(OkvirOddelka &okvir, int ure);

// Cells allowed for every class of a class group.
struct OkvirSkupine {
    MrezaDni<int> okvir;
    int dovoljeneCelice = 0;
};

// Expected demand of a room per cell.
struct PovprasevanjeProstora {
    MrezaDni<float> povprasevanje;
    float maksimalno = 0;
};

// How far apart the start times of a teacher's classes lie.
struct ProfilUcitelja {
    int najzgodnejsaPrva[StDni]{15, 15, 15, 15, 15, 15};
    int najkasnejsiKonec[StDni]{};
    int najzgodnejsaPrvaTedna = 15;
    int najkasnejsaPrvaTedna = 0;
    int najkasnejsiKonecTedna = 0;
    double utez = 0;
    double sredina = 0;
};

// The working structures the scheduler derives from the model before it places anything.
// Index spaces are those of the model (element 0 a dummy).
class PripravaUrnika {
public:
    std::vector<OkvirOddelka> okvirjiOddelkov;
    std::vector<OkvirSkupine> okvirjiSkupin;
    std::vector<PovprasevanjeProstora> povprasevanja;
    std::vector<ProfilUcitelja> profili;
    // "Ura odmora pri selitvi med stavbami": a class may not change buildings between two
    // consecutive periods (the building rule of the cell test).
    bool selitev = false;

    // Class and class-group frames with k extra periods per day, then the teacher profiles.
    // First periods come from ODDELKI_OKVIR of the current timetable and turnus. False when the
    // query failed.
    bool zgradiOkvirje(const ModelUrnika &model, int dodatneUre);
    // The same from first periods already known (one row per class, days 1..5).
    void zgradiOkvirje(const ModelUrnika &model, int dodatneUre, const std::vector<OkvirOddelka> &prveUre);
    // Room demand; needs the class-group frames.
    void zgradiPovprasevanje(const ModelUrnika &model);
    // Labels of the rooms whose maximum demand is 1.0 or more, in room order.
    QStringList preobremenjeniProstori(const ModelUrnika &model) const;

private:
    void zgradiProfile(const ModelUrnika &model);
    std::vector<int> m_tedenskeUre; // weekly periods per class, extra periods included
};

} // namespace zentrel::engine

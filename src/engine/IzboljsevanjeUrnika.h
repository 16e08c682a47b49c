#pragma once

#include "KakovostUrnika.h"
#include "ModelUrnika.h"
#include "PravilaCelice.h"
#include "PripravaUrnika.h"
#include "Sestavljalnik.h"

#include <functional>
#include <random>
#include <vector>

namespace zentrel::engine {

// The improving half of the completion step, once everything that can be placed is placed:
// lessons of one unit and day move as a block, one at a time, to the position (the cell and
// block tests of the rounds decide) that lowers same-day repeats of a subject and idle periods
// of teachers and classes; where none moves alone, two blocks of one class exchange their days. No measure rises above
// what it was when the completion started (one that placing raised may only fall), their weighted sum never rises,
// nothing is unplaced, and fixed and hand-only lessons never move. Ends after a number of moves without an improvement,
// or when `tece` says so.
class IzboljsevanjeUrnika {
public:
    IzboljsevanjeUrnika(ModelUrnika &model, PripravaUrnika &priprava, Sestavljalnik &sestavljalnik, std::mt19937 &rng,
                        const KakovostUrnika &meja);

    // Runs until done; `korak` is called at every step. Returns the moves made.
    int zazeni(const std::function<bool()> &tece, const std::function<void()> &korak);

private:
    // Tries to move unit u's block of a day; true when it moved.
    bool premakni(int u, int dan0);
    // Where one of u's classes (drawn) has a subject twice on day dan0, tries to exchange unit u's block of that day
    // with a block of the same length that the class has on another day (where neither unit has a lesson yet); true
    // when the exchange lowered the weighted measures. Reaches what no single move does when a class's days are full.
    bool zamenjaj(int u, int dan0);
    // Exchanges unit u's block at (dan0, ura0) with unit v's at (dan1, ura1), both `dolzina`
    // long, when that lowers the weighted measures and no measure rises above its limit.
    bool poskusiZamenjavo(int u, int dan0, int ura0, int v, int dan1, int ura1, int dolzina);
    // No measure of the change r rises above its limit (one above it may only fall).
    bool dovoljeno(const KakovostUrnika &r) const;
    // A change r made: the measures follow it.
    void sprejmi(const KakovostUrnika &r);
    // The measures of the given teachers and classes on two days.
    KakovostUrnika kakovostDni(const std::vector<int> &ucitelji, const std::vector<int> &oddelki, int dan0,
                               int dan1) const;
    // Unit u's block on a day: its first period and length, or length 0 when it has none, may not
    // move, or was placed by hand in pieces.
    std::pair<int, int> premakljivBlok(int u, int dan) const;
    // The change of idle periods if the block of `dolzina` periods of unit u at (dan0, ura0),
    // already taken out, went to (dan, ura).
    KakovostUrnika razlika(int u, int dan0, int ura0, int dan, int ura, int dolzina) const;

    ModelUrnika &m;
    PripravaUrnika &m_priprava;
    Sestavljalnik &m_s;
    std::mt19937 &m_rng;
    KakovostUrnika m_meja;
    KakovostUrnika m_trenutna;
    pravila::SobeBloka m_sobe;
    bool m_izboljsano = false;
};

} // namespace zentrel::engine

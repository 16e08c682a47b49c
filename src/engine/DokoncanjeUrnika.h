#pragma once

#include "KakovostUrnika.h"
#include "ModelUrnika.h"
#include "PravilaCelice.h"
#include "PripravaUrnika.h"
#include "Sestavljalnik.h"

#include <QElapsedTimer>
#include <functional>
#include <optional>
#include <random>
#include <vector>

namespace zentrel::engine {

// The completion step after the rounds: a local search over the same hard rules (the cell and
// block tests of the rounds decide every placement) that never moves a fixed lesson ("s") nor a
// lesson placed only by hand (difficulty 0).
//
// Placing: the blocks still to place form a pool. A block of the pool is put at the position
// whose conflicting blocks (lessons of its classes and teachers there, lessons that would make a
// teacher's day longer than seven periods, lessons holding the rooms it needs) are the cheapest
// to take out; those go into the pool whole (an ejection chain), but never so many that more than
// two periods beyond the best state found would be unplaced. A block just taken out of a day does
// not come back to it for a few steps (a tabu), and the best state found (fewest unplaced
// periods) is kept. Units the fixed rules keep out (Neizogibno) never enter the pool, they are
// named at once, and the search ends as soon as no more than the fixed rules leave out is left.
//
// Improving, once everything that can be placed is placed: IzboljsevanjeUrnika.
//
// Placing stops at its share of the time limit, when the run flag is cleared, when everything is
// placed or when no more than the fixed rules leave out is left; then every piece that fits a cell
// as things stand is placed (also of units kept out, and again after improving). Improving stops
// at the time limit, the run flag, or after a number of steps without an improvement (so that a
// run that ends early is repeatable with the same seed).
class DokoncanjeUrnika {
public:
    DokoncanjeUrnika(ModelUrnika &model, PripravaUrnika &priprava, Sestavljalnik &sestavljalnik, quint32 seme);

    // Called every few steps (the window repaints). May be empty.
    std::function<void()> korak;
    // Run flag: cleared by the caller, the step stops and keeps the best state found.
    bool *zastavica = nullptr;
    // Seconds for the whole step.
    double casovnaOmejitev = 10;
    // The state as loaded and the options of the rounds: given, the step first runs the rounds
    // again from it with other seeds (a first round costs little) and goes on from the best
    // result when it beats what the rounds left.
    struct Zacetek {
        ModelUrnika model;
        PripravaUrnika priprava; // frames without extra periods, room demand
        int dodatneUre = 0;
        bool kabineti = false;
    };
    std::optional<Zacetek> zacetek;

    // Places what it can, then improves.
    void zazeni();

    // Restarts of the rounds run (their seeds follow the step's own, so a run repeats).
    int ponovitev() const { return m_ponovitev; }
    qint64 msOdZacetka() const { return m_ura.isValid() ? m_ura.elapsed() : 0; }
    int premikov() const { return m_premikov; }
    bool izboljsuje() const { return m_izboljsuje; }
    const KakovostUrnika &kakovost() const { return m_kakovost; }

private:
    struct Kos {
        int predavanje;
        int dolzina;
    };
    struct Blok {
        int predavanje;
        int dan;
    };

    void ponovi();
    void razporedi();
    void izboljsaj();
    bool tece() const;
    void obvesti();

    // The blocks in the way of piece k at (dan, ura); false when one of them may not move or
    // a fixed rule (frame, forbidden period, room) rules the position out.
    bool ovire(const Kos &k, int dan, int ura, std::vector<Blok> &bloki);
    bool dodajOviro(int t, int dan, std::vector<Blok> &bloki) const;
    // What taking unit u's block of a day out costs: its length, by the unit's weight.
    double cenaBloka(int u, int dan) const;
    // Places piece i of the pool at the cheapest position, the blocks in the way going into the
    // pool; false when no position took it.
    bool postaviKos(size_t i);
    // Places one piece of unit u where it fits as things stand, moving nothing; false when no
    // cell takes any of its pieces.
    bool postaviProsto(int u);
    // Places every piece that fits a cell as things stand, whatever the search left or kept out,
    // until none fits: no lesson stays unplaced while a cell of its frame takes it.
    void postaviProste();

    ModelUrnika &m;
    PripravaUrnika &m_priprava;
    Sestavljalnik &m_s;
    quint32 m_seme;
    std::mt19937 m_rng;
    QElapsedTimer m_ura;
    std::vector<Kos> m_kosi;
    std::vector<int> m_nemogoca;
    std::vector<int> m_tabu;       // per unit and day: the step until which it does not return there
    std::vector<int> m_postavljen; // per unit and day: the step it was placed there
    std::vector<double> m_utez;    // per unit: grows each time its block is taken out, halves now and then
    pravila::SobeBloka m_sobe;     // rooms chosen by the last block test
    int m_korak = 0;
    int m_premikov = 0;
    int m_najmanj = 0;        // the fewest unplaced periods the search has reached
    int m_spodnjaMeja = 0;    // the unplaced periods no search avoids (Neizogibno): the search ends there
    KakovostUrnika m_zacetna; // the measures when the step started
    int m_ponovitev = 0;
    bool m_izboljsuje = false;
    KakovostUrnika m_kakovost;
};

} // namespace zentrel::engine

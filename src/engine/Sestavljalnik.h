#pragma once

#include "ModelUrnika.h"
#include "PravilaCelice.h"
#include "PripravaUrnika.h"

#include <QElapsedTimer>
#include <functional>
#include <random>
#include <vector>

namespace zentrel::engine {

// The number of consecutive periods the next placement of a unit covers when `preostalo`
// periods are left: its block length when that is 2 or more (at most what is left), otherwise
// single periods, or for more than five periods a week the week's periods spread over the five
// days (7 periods go as 2, 2, 1, 1, 1).
int DolzinaBlokaPredavanja(const Predavanje &p, int preostalo);

// The lengths of the blocks unit u still has to place (Remaining and given-up periods), longest
// first: blocks of its block length (the last one shorter), single periods for five or fewer a
// week, otherwise the periods left spread as evenly as can be over the days that do not hold the
// unit yet (7 periods on an empty week go as 2, 2, 1, 1, 1, as the rounds place them).
std::vector<int> KosiPredavanja(const ModelUrnika &m, int u);

// Lets the entries of unit u whose only room is an ordinary room (not a cabinet) use any free
// ordinary classroom ("--U--"), as the second round does for the units it takes up again.
void ProsteUcilnice(ModelUrnika &m, int u);

// The rounds of automatic construction on a loaded model.
//
// The first round is greedy: it repeatedly takes the most urgent unit (PrednostPredavanja) and
// places one block of it at the best-scoring feasible position (OcenaPolozaja), giving up a
// block when the unit has no feasible position. The second round lets given-up units use any
// free ordinary classroom. The third round makes room for unplaced units by moving single
// periods of other units, deepening its search pass by pass.
//
// Counters: Total = sum of weekly periods; Unplaced = periods still to place (given-up periods
// stay counted); progress count = periods placed or given up since the start.
class Sestavljalnik {
public:
    Sestavljalnik(ModelUrnika &model, PripravaUrnika &priprava, quint32 seme);

    // Called at each progress step and at each step of the third round (the window repaints,
    // the stop button stays live). May be empty.
    std::function<void()> korak;
    // Run flag of the third round; the caller clears it to stop. Tested before each pass and
    // at each step, so a stop takes effect at once and keeps what was placed.
    bool *zastavica = nullptr;

    int skupajUr() const { return m_skupaj; }
    int nerazporejeneUre() const { return m_nerazporejene; }
    int zacetekNapredka() const { return m_zacetekNapredka; }
    int napredek() const { return m_napredek; }
    // The progress bar's maximum: progress start x 44.1 / 43, rounded.
    int maksimumNapredka() const;
    void zacniNapredek() {
        m_zacetekNapredka = m_nerazporejene;
        m_napredek = 0;
    }

    // The number of consecutive periods the next placement of unit u covers.
    int DolzinaBloka(int u) const;
    // Priority of unit u: 0 never chosen, -1 no feasible position, else Remaining x w / n.
    double PrednostPredavanja(int u);
    // Score of a feasible position (larger is better); draws one random number.
    double OcenaPolozaja(int u, int dan, int ura, int b);
    // Room with the smallest demand among the free members of the entry's group, 0 if none.
    int IzbiraProstora(int u, int izvajalec, int dan, int ura) const;
    // Places a block of b periods of u from (dan, ura) with exactly the rooms the block test
    // chooses there. False (nothing placed) when the block test fails.
    bool Postavi(int u, int dan, int ura, int b);

    // Places blocks of the most urgent unit until no unit has periods left that it could place;
    // blocks without a feasible position move from Remaining to Unplaceable.
    void PrviKrog();
    // Gives the given-up periods back; entries whose only room is an ordinary room may use any
    // free ordinary classroom ("--U--"); then the first round again.
    void DrugiKrog();
    // Gives the periods given up back to Remaining (the start of every later round and repetition).
    void VrniOpuscene();
    // Makes room for the unplaced units by moving single periods of other units, deepening pass
    // by pass (at most 99) until all is placed or the run flag is cleared; clears the flag at the
    // end. Units the fixed rules keep out (AnalizaNerazporejenih) are not tried.
    void TretjiKrog();

    // Figures of the third round.
    int steviloSprememb() const { return m_spremembe; }
    qint64 msOdZacetkaTretjega() const { return m_tretjiZacetek.isValid() ? m_tretjiZacetek.elapsed() : 0; }
    qint64 msOdZadnjeSpremembe() const;

    // The state as it stands: the length of the undo log, of the placed periods, the count of
    // unplaced periods (and of copied snapshots).
    struct Oznaka {
        size_t dnevnik;
        size_t termini;
        int nerazporejene;
        size_t kopija; // index of the copy when snapshots are copies
    };
    // A trial of changes that can be taken back (the completion step's moves): from ZacniPoskus
    // on every change is recorded; PrekliciPoskus restores the state the trial started from,
    // PotrdiPoskus keeps what it changed. Trials do not nest and never run inside the third round.
    Oznaka ZacniPoskus();
    void PrekliciPoskus(const Oznaka &o);
    void PotrdiPoskus();
    // Removes placed period t: its unit gets the period back to place, its cells are freed, and
    // its rows are deleted on saving.
    void OdstraniTermin(int t) { odstraniTermin(t); }
    // Drops from the array the periods this run created and removed again, which nothing refers
    // to any more; the indices of the others change. Not during a trial.
    void ZgostiTermine();
    // Puts back a state of the model kept earlier (a copy of it) and recounts the unplaced periods.
    void NaloziStanje(const ModelUrnika &stanje);

    // With true every priority is recomputed from scratch at every step (as a check of the
    // cache of feasible positions, which must give the same timetable).
    void brezPredpomnilnika(bool vklop) { m_brezPredpomnilnika = vklop; }
    // With true the third round snapshots by copying the placed periods, rooms, teachers,
    // units, classes and class groups, instead of the undo log (as a check that both give the
    // same timetable).
    void kopirajPosnetke(bool vklop) { m_kopiraj = vklop; }

private:
    int steviloPolozajev(int u);
    void razveljavi(int u) { m_veljavno[size_t(u)] = 0; }
    void razveljaviVse();
    void razveljaviOkoli(int t);
    void zgradiIndekse();
    void napreduj(int ure);
    double nakljucno();

    // Occupancy changes; with the log on, each write records the old value.
    void pisi(int &celica, int vrednost);
    void pisiDan(int t, int dan);
    void spremeniPreostalo(Predavanje &p, int razlika);
    bool tece() const { return zastavica == nullptr || *zastavica; }
    void odstraniTermin(int t);
    bool odstranljiv(int t) const;

    // Third round.
    Oznaka posnetek();
    void obnovi(const Oznaka &o);
    void opustiPosnetek(const Oznaka &o);
    bool postaviZGlobino(int u, int globina, int meja);
    bool postaviOdPosnetka(int u, int globina, int meja, const Oznaka &oznaka);
    bool izprazni(int u, int dan, int ura, int b);
    bool sprostiProstore(int u, int dan, int ura);

    ModelUrnika &m;
    PripravaUrnika &m_priprava;
    std::mt19937 m_rng;
    int m_skupaj = 0;
    int m_nerazporejene = 0;
    int m_zacetekNapredka = 0;
    int m_napredek = 0;

    // Cache of feasible-position counts; an entry is invalid once a class, teacher or room of
    // its unit changes, so priorities stay exactly those a full recomputation would give.
    std::vector<int> m_polozaji;
    std::vector<char> m_veljavno;
    std::vector<std::vector<int>> m_predavanjaOddelka, m_predavanjaProstora;
    bool m_brezPredpomnilnika = false;
    pravila::SobeBloka m_sobe; // rooms chosen by the last block or cell test

    // One undone write: a grid cell or counter, or (naslov null) the day of placed period `termin`,
    // which is kept by index because the array of placed periods grows.
    struct Zapis {
        int *naslov;
        int stara;
        int termin;
    };
    bool m_belezi = false;
    std::vector<Zapis> m_dnevnik;
    bool m_kopiraj = false;
    struct Kopija {
        std::vector<Termin> termini;
        std::vector<ProstorUrnika> prostori;
        std::vector<UciteljUrnika> ucitelji;
        std::vector<Predavanje> predavanja;
        std::vector<OddelekUrnika> oddelki;
        std::vector<SkupinaOddelkovUrnika> skupine;
    };
    std::vector<Kopija> m_kopije;
    std::vector<int> m_zbrani;
    std::vector<int> m_novaMesta; // ZgostiTermine's map of old to new indices, kept for its memory

    int m_spremembe = 0;
    QElapsedTimer m_tretjiZacetek;
    qint64 m_zadnjaSprememba = 0;
};

} // namespace zentrel::engine

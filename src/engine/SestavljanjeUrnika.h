#pragma once

#include "AnalizaNerazporejenih.h"
#include "KakovostUrnika.h"
#include "ModelUrnika.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace zentrel::engine {

class DokoncanjeUrnika;
class Sestavljalnik;

struct MoznostiSestavljanja {
    // "Ura odmora pri selitvi med stavbami": a class that changes buildings between two
    // consecutive periods needs a free period between them (the building rule of the cell test).
    bool selitev = false;
    bool kabineti = false;       // second round
    bool tretjiKrog = false;     // third round
    int dodatneUre = 0;          // extra periods per day: the first round repeats for k = 0..dodatneUre
    std::optional<quint32> seme; // fixed seed: the same seed gives the same timetable
    double casovnaOmejitev = 0;  // seconds after which the third round stops; 0 = none
    double mirovanje = 10;       // seconds without a change after which the third round stops; 0 = none
                                 // (at most 1 s when the completion step follows)
    // "Dokončaj z izboljševanjem": after the rounds, the completion step (DokoncanjeUrnika)
    // places what they left and improves the timetable, for at most casDokoncanja seconds.
    bool dokoncaj = false;
    double casDokoncanja = 10;
};

struct RezultatSestavljanja {
    bool zagnano = false;        // false: a run was already going, nothing was started
    bool shranjeno = false;      // the rounds ran and the result was saved
    QString sporocilo;           // the message that stopped the run before the rounds
    int skupaj = 0;              // total periods
    int nerazporejene = 0;       // periods left unplaced
    int poPrvem = 0;             // periods unplaced after the first round (all its repetitions)
    int poDrugem = 0;            // ... and after the second round
    int spremembe = 0;           // improvements made by the third round
    int poTretjem = 0;           // ... and after the third round, before the completion step
    int premikov = 0;            // moves the completion step kept
    int ponovitev = 0;           // restarts of the rounds the completion step ran
    KakovostUrnika kakovostPrej; // idle periods and same-day repeats before the completion step
    KakovostUrnika kakovost;     // ... and after it (or after the rounds, without it)
    double odstotek = 0;         // placed share in percent
    QString besedilo;            // "Sestavljeno: xx.xx%"
    quint32 seme = 0;            // the seed used
    QStringList preobremenjeni;
    qint64 msPriprava = 0, msPrvi = 0, msDrugi = 0, msTretji = 0, msDokoncanje = 0, msShranjevanje = 0;
    std::vector<NerazporejenoPredavanje> nerazporejena;
};

// Figures the third round's window shows.
struct PodatkiTretjegaKroga {
    qint64 msOdZacetka = 0;
    qint64 msOdZadnjeSpremembe = 0;
    int spremembe = 0;
    int razporejeno = 0;
    int skupaj = 0;
    QString odstotek; // "0.00%"
};

// Figures of the completion step while it runs.
struct PodatkiDokoncanja {
    qint64 msOdZacetka = 0;
    int razporejeno = 0;
    int skupaj = 0;
    QString odstotek; // "0.00%"
    int premikov = 0;
    bool izboljsuje = false; // everything that can be placed is placed; the step improves
};

// The construction of the current timetable as a job: started, its progress polled, its third
// round stopped through the program's run flag, its result and unplaced units returned as data.
//
// States: 0 idle -> 1 loading and checks (zazeni) -> 2 rounds (and the completion step) running
// -> 0 at the end or after a failed check. A start while the state is not 0 is ignored. The run
// flag stops the third round and the completion step alike.
class SestavljanjeUrnika {
public:
    explicit SestavljanjeUrnika(ModelUrnika &model = TrenutniModel()) : m_model(model) {}

    // Called at each progress step and at each step of the third round.
    std::function<void()> korak;

    // Runs the whole construction: load, checks, frames and room demand, the rounds, saving.
    // Reports the stopping checks and the overloaded rooms through ShowMessage.
    RezultatSestavljanja zazeni(const MoznostiSestavljanja &moznosti);
    // Clears the run flag: the third round stops and what it placed is saved.
    void ustavi();

    int stanje() const { return m_stanje; }
    int napredek() const;
    int maksimumNapredka() const;
    PodatkiTretjegaKroga podatkiTretjegaKroga() const;
    bool tretjiKrogTece() const { return m_vTretjem; }
    PodatkiDokoncanja podatkiDokoncanja() const;
    bool dokoncanjeTece() const { return m_dokoncanje != nullptr; }

    // The percentage as "Sestavljeno: " shows it: two decimals and "%".
    static QString BesediloOdstotka(int skupaj, int nerazporejene);

private:
    void poKoraku();

    ModelUrnika &m_model;
    int m_stanje = 0;
    Sestavljalnik *m_sestavljalnik = nullptr;
    DokoncanjeUrnika *m_dokoncanje = nullptr;
    int m_koncniNapredek = 0;
    int m_koncniMaksimum = 0;
    bool m_vTretjem = false;
    double m_omejitev = 0;
    double m_mirovanje = 0;
};

// Checks whether the current timetable may be constructed; empty when it may, else the message
// the program shows ("Niste izbrali nobenega urnika. ..." or "Urnik je že veljaven. ...").
QString PreveriUrnikZaSestavljanje();

// Constructs the current timetable without a window (the command line, the sample project).
RezultatSestavljanja ConstructTimetable(const MoznostiSestavljanja &moznosti,
                                        const std::function<void(int value, int maximum)> &napredek = {});

} // namespace zentrel::engine

#pragma once

#include "AnalizaNerazporejenih.h"
#include "ModelUrnika.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace zentrel::timetable {

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
};

struct RezultatSestavljanja {
    bool zagnano = false;   // false: a run was already going, nothing was started
    bool shranjeno = false; // the rounds ran and the result was saved
    QString sporocilo;      // the message that stopped the run before the rounds
    int skupaj = 0;         // total periods
    int nerazporejene = 0;  // periods left unplaced
    int poPrvem = 0;        // periods unplaced after the first round (all its repetitions)
    int poDrugem = 0;       // ... and after the second round
    int spremembe = 0;      // improvements made by the third round
    double odstotek = 0;    // placed share in percent
    QString besedilo;       // "Sestavljeno: xx.xx%"
    quint32 seme = 0;       // the seed used
    QStringList preobremenjeni;
    qint64 msPriprava = 0, msPrvi = 0, msDrugi = 0, msTretji = 0, msShranjevanje = 0;
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

// The construction of the current timetable as a job: started, its progress polled, its third
// round stopped through the program's run flag, its result and unplaced units returned as data.
//
// States: 0 idle -> 1 loading and checks (zazeni) -> 2 rounds running -> 0 at the end or after
// a failed check. A start while the state is not 0 is ignored.
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

    // The percentage as "Sestavljeno: " shows it: two decimals and "%".
    static QString BesediloOdstotka(int skupaj, int nerazporejene);

private:
    void poKoraku();

    ModelUrnika &m_model;
    int m_stanje = 0;
    Sestavljalnik *m_sestavljalnik = nullptr;
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

} // namespace zentrel::timetable

// Manual editing benchmark on a generated school: what the manual timetable window computes when it
// opens, when a lesson is picked up (the conflict flags of all 80 cells) and when an exchange is
// searched for.
//
//   manual_editing_bench CLASSES_PER_GRADE [SEED]
//
// The school is generated (8 classes a grade give 72 classes), its timetable constructed without
// the third round, then:
//   open   reading the model, the class and teacher lists, the periods shown and the first
//          class's week (its cells, its unplaced lessons, its shift), repeated 20 times;
//   drag   picking up each placed period of the first twenty classes and computing the 80 cells
//          with their flags, the pick-up undone after each;
//   search NajdiMenjavo for each of those periods, the chain cancelled after each.
// Each line gives the median and the largest time in milliseconds. Run it on a release build.

#include "core/AppState.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "sample/SampleSchool.h"
#include "timetable/IzbiraUrnika.h"
#include "timetable/PregledUrnikov.h"
#include "timetable/PrikazUrnika.h"
#include "timetable/RocnoUrejanje.h"
#include "engine/SestavljanjeUrnika.h"
#include "timetable/UrnikIzbira.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;

namespace {

struct Meritve {
    std::vector<double> ms;
    void dodaj(const QElapsedTimer &t) { ms.push_back(t.nsecsElapsed() / 1e6); }
    QString vrstica(const char *ime) {
        std::sort(ms.begin(), ms.end());
        return QStringLiteral("%1: n=%2 median=%3 ms max=%4 ms")
            .arg(QLatin1String(ime))
            .arg(ms.size())
            .arg(ms.empty() ? 0 : ms[ms.size() / 2], 0, 'f', 2)
            .arg(ms.empty() ? 0 : ms.back(), 0, 'f', 2);
    }
};

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    if (args.isEmpty()) {
        QTextStream(stderr) << "usage: manual_editing_bench CLASSES_PER_GRADE [SEED]\n";
        return 1;
    }
    core::ScriptedPresenter presenter;
    core::PresenterScope scope(&presenter);
    QTemporaryDir mapa;
    const QString pot = mapa.filePath(QStringLiteral("sola.znt"));
    sample::SampleOptions moznosti;
    moznosti.classesPerGrade = args.value(0).toInt();
    moznosti.seed = args.size() > 1 ? args.value(1).toUInt() : 1u;
    QString napaka;
    if (!sample::GenerateSampleSchool(pot, moznosti, &napaka) || !db::OpenConnection(db::ProjectDb(), pot)) {
        out << "generation failed: " << napaka << '\n';
        return 1;
    }
    if (!NastaviIzbiro({}, {}, QStringLiteral("I")).isEmpty())
        return 1;
    db::ProjectDb().exec(QStringLiteral("DELETE FROM TERMINI WHERE ID_URNIKA = %1").arg(core::App().trenutniUrnik));
    MoznostiSestavljanja sestavi;
    sestavi.kabineti = true;
    sestavi.seme = moznosti.seed;
    const RezultatSestavljanja rez = ConstructTimetable(sestavi);
    if (!rez.shranjeno)
        return 1;

    ModelUrnika m;
    RocnoUrejanje ed(m);
    Meritve odpri, vlek, menjava;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer t;
        t.start();
        ed.nalozi();
        const std::vector<int> oddelki = OddelkiPoAbecedi(m);
        UciteljiPoAbecedi(m);
        RazponUr(m);
        OznakeUr();
        const PogledUrnika pogled{false, oddelki.front(), false, 0};
        const auto celice = CeliceUrnika(ed, pogled);
        NerazporejeniPredmeti(m, pogled);
        IzmenaOddelka(m.oddelki[size_t(oddelki.front())].id);
        odpri.dodaj(t);
        if (celice.empty())
            return 1;
    }
    const std::vector<int> oddelki = OddelkiPoAbecedi(m);
    int najdenih = 0;
    for (size_t o = 0; o < std::min<size_t>(20, oddelki.size()); ++o) {
        const PogledUrnika pogled{false, oddelki[o], false, 0};
        for (int c = 0; c < SteviloCelic; ++c) {
            const int t = TerminVPogledu(m, pogled, DanCelice(c), UraCelice(c));
            if (t < 1)
                continue;
            QElapsedTimer ura;
            ura.start();
            if (!ed.poberi(t, false))
                continue;
            CeliceUrnika(ed, pogled);
            vlek.dodaj(ura);
            ura.start();
            najdenih += ed.najdiMenjavo() ? 1 : 0;
            menjava.dodaj(ura);
            ed.prekliciVse();
        }
    }
    out << QStringLiteral("classes=%1 units=%2 placed periods=%3 constructed=%4")
               .arg(m.steviloOddelkov())
               .arg(m.steviloPredavanj())
               .arg(m.steviloTerminov())
               .arg(rez.besedilo)
        << '\n'
        << odpri.vrstica("open") << '\n'
        << vlek.vrstica("drag") << '\n'
        << menjava.vrstica("search") << QStringLiteral(" (an exchange found for %1)").arg(najdenih) << '\n';
    return 0;
}

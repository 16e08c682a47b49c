// Construction benchmark: one school size per run, so that the peak memory is that of one school.
//
//   construction_bench generate PATH CLASSES_PER_GRADE SEED
//       writes the generated sample school to PATH
//   construction_bench construct PATH [SEED] [TIME_LIMIT] [hard]
//       constructs its timetable with all three rounds and prints one result line:
//       classes, units, periods, load+prepare ms, first/second/third round ms, save ms, peak MB,
//       percentage placed, then one line per unit left unplaced with the rule that kept it out.
//       With "hard", every third teacher first gets periods 2 to 4 of Tuesday and Thursday
//       forbidden, so that the first round leaves work for the third.
//
// bench/run_construction_bench.sh runs it for 2, 4 and 8 classes per grade.

#include "core/AppState.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "sample/SampleSchool.h"
#include "timetable/IzbiraUrnika.h"
#include "timetable/PreberiModelUrnika.h"
#include "timetable/PreverjanjeUrnika.h"
#include "timetable/PripravaUrnika.h"
#include "timetable/SestavljanjeUrnika.h"

#include <QCoreApplication>
#include <QTextStream>
#include <sys/resource.h>

using namespace zentrel;

namespace {

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

int Generate(const QStringList &args) {
    sample::SampleOptions options;
    options.classesPerGrade = args.value(1).toInt();
    options.seed = args.value(2).toUInt();
    QString error;
    if (!sample::GenerateSampleSchool(args.value(0), options, &error)) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    return 0;
}

int Construct(const QStringList &args) {
    QTextStream out(stdout);
    core::ScriptedPresenter presenter;
    core::PresenterScope scope(&presenter);
    if (!db::OpenConnection(db::ProjectDb(), args.value(0)))
        return 1;
    const QString napaka = timetable::NastaviIzbiro({}, {}, QStringLiteral("0"));
    if (!napaka.isEmpty()) {
        out << napaka << '\n';
        return 1;
    }
    // The timetable starts empty, so every run measures the whole construction.
    db::ProjectDb().exec(QStringLiteral("DELETE FROM TERMINI WHERE ID_URNIKA = %1").arg(core::App().trenutniUrnik));
    if (args.value(3) == QLatin1String("hard"))
        db::ProjectDb().exec(QStringLiteral(
            "INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT U.ID, D.DAN, R.URA FROM UCITELJI U, "
            "(SELECT 2 AS DAN UNION SELECT 4) D, (SELECT 2 AS URA UNION SELECT 3 UNION SELECT 4) R WHERE U.ID % 3 = "
            "0"));
    timetable::MoznostiSestavljanja moznosti;
    moznosti.seme = args.size() > 1 ? args.value(1).toUInt() : 1u;
    moznosti.kabineti = true;
    moznosti.tretjiKrog = true;
    moznosti.casovnaOmejitev = args.size() > 2 ? args.value(2).toDouble() : 0;
    timetable::ModelUrnika model;
    timetable::SestavljanjeUrnika job(model);
    qint64 koraki = 0; // placement attempts of the third round
    job.korak = [&] { koraki += job.tretjiKrogTece() ? 1 : 0; };
    const timetable::RezultatSestavljanja rez = job.zazeni(moznosti);
    if (!rez.shranjeno) {
        out << "failed: " << presenter.texts().join(QStringLiteral(" | ")) << '\n';
        return 1;
    }
    const QStringList krsitve = timetable::PreverjanjeUrnika(core::App().trenutniPredmetnik, core::App().trenutniUrnik,
                                                             core::App().trenutniTurnus)
                                    .preveri();
    out << QStringLiteral("classes=%1 units=%2 periods=%3 load+prepare=%4ms first=%5ms second=%6ms third=%7ms "
                          "save=%8ms peak=%9MB placed=%10% violations=%11 unplaced after rounds 1/2/3=%12/%13/%14 "
                          "third-round improvements=%15 third-round attempts=%16")
               .arg(model.steviloOddelkov())
               .arg(model.steviloPredavanj())
               .arg(rez.skupaj)
               .arg(rez.msPriprava)
               .arg(rez.msPrvi)
               .arg(rez.msDrugi)
               .arg(rez.msTretji)
               .arg(rez.msShranjevanje)
               .arg(PeakMegabytes(), 0, 'f', 1)
               .arg(rez.odstotek, 0, 'f', 2)
               .arg(krsitve.size())
               .arg(rez.poPrvem)
               .arg(rez.poDrugem)
               .arg(rez.nerazporejene)
               .arg(rez.spremembe)
               .arg(koraki)
        << '\n';
    for (const timetable::NerazporejenoPredavanje &n : rez.nerazporejena)
        out << "  unplaced: " << n.skupina << ' ' << n.predmet << " (" << n.ucitelji.join(u',') << ") " << n.ur
            << " periods, rule: " << n.razlog << '\n';
    for (const QString &k : krsitve)
        out << "  violation: " << k << '\n';
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("generate") && args.size() == 4)
        return Generate(args.mid(1));
    if (args.value(0) == QLatin1String("construct") && args.size() >= 2)
        return Construct(args.mid(1));
    QTextStream(stderr) << "usage: construction_bench generate PATH CLASSES_PER_GRADE SEED\n"
                           "       construction_bench construct PATH [SEED] [TIME_LIMIT] [hard]\n";
    return 1;
}

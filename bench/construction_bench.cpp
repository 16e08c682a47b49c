// Construction benchmark: one school per run, so that the peak memory is that of one school.
//
//   construction_bench generate PATH CLASSES_PER_GRADE SEED
//       writes the generated sample school to PATH
//   construction_bench construct PATH [--seed N] [--third-limit S] [--variant NAME] [--complete]
//                                     [--complete-limit S]
//       constructs its empty timetable in turnus I with all three rounds (and the completion step)
//       and prints one result line: classes, units, periods, the time of each step, peak MB, the
//       periods placed after the rounds and after completion, teachers' and classes' idle periods
//       and same-day repeats before and after completion, violations found by the check; then one
//       line per unit left unplaced with the reason.
//
// Variants tighten the school the way real schools are tight:
//   plain       as generated
//   hard        every third teacher may not teach periods 2 to 4 on Tuesday and Thursday
//   tight       every third subject teacher (one who teaches no class of grades 1 to 5, whose class
//               teachers teach nearly every lesson of a full frame) has the first two periods of one
//               day and the periods from 6 of another day off; a daily break at period 4 is
//               forbidden to every class; half of the other subject teachers whose units need no
//               more than four days are free on four days only;
//               technics shares the art room (the school's combined groups of sport and languages
//               stay as generated)
//   impossible  tight, and the teacher of one unit of four single periods is free on two days only
//   planted     a complete timetable is constructed first and its free cells become forbidden
//               periods (Plant): as tight as a school can be and still known to have one
//
// bench/run_construction_bench.sh runs the sizes and variants of the closing table.

#include "core/AppState.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "sample/SampleSchool.h"
#include "timetable/IzbiraUrnika.h"
#include "engine/PreverjanjeUrnika.h"
#include "engine/SestavljanjeUrnika.h"

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

// The statements of a variant; false when one failed.
bool Tighten(db::Connection &c, const QString &variant) {
    QStringList sql;
    if (variant == QLatin1String("hard"))
        sql << QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT U.ID, D.DAN, R.URA "
                              "FROM UCITELJI U, (SELECT 2 AS DAN UNION SELECT 4) D, (SELECT 2 AS URA UNION SELECT 3 "
                              "UNION SELECT 4) R WHERE U.ID % 3 = 0");
    if (variant == QLatin1String("tight") || variant == QLatin1String("impossible")) {
        const QString ure = QStringLiteral("(WITH RECURSIVE U(URA) AS (SELECT 0 UNION ALL SELECT URA + 1 FROM U "
                                           "WHERE URA < 15) SELECT URA FROM U) R");
        // Teachers whose every unit needs four days or fewer (no five single periods a week).
        const QString stiriDni = QStringLiteral(
            "NOT EXISTS (SELECT 1 FROM RAZPORED R JOIN PREDMETI_V_PROGRAMU P ON P.ID_PROGRAMA = R.ID_PROGRAMA AND "
            "P.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND P.ID_TURNUSA = R.ID_TURNUSA WHERE R.ID_UCITELJA = "
            "UCITELJI.ID AND P.DOLZINA_TERMINA < 2 AND P.STEVILO_UR >= 5)");
        // Subject teachers: the class teachers of the lower grades teach nearly every lesson of
        // their class, whose frame has no cell to spare.
        const QString predmetni = QStringLiteral(
            "NOT EXISTS (SELECT 1 FROM RAZPORED R JOIN SKUPINE_ODDELKOV S ON S.ID = R.ID_SKUPINE_ODDELKOV WHERE "
            "R.ID_UCITELJA = UCITELJI.ID AND substr(S.OZNAKA, 1, 1) IN ('1', '2', '3', '4', '5'))");
        sql << QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT ID, 1 + ID % 5, URA "
                              "FROM UCITELJI, %1 WHERE ID % 3 = 0 AND URA <= 2 AND %2")
                   .arg(ure, predmetni)
            << QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT ID, 1 + (ID + 2) % 5, "
                              "URA FROM UCITELJI, %1 WHERE ID % 3 = 0 AND URA >= 5 AND %2")
                   .arg(ure, predmetni)
            << QStringLiteral("INSERT INTO PREPOVEDI_ODDELKOV (ID_ODDELKA, DAN, URA) SELECT ID, DAN, 4 FROM ODDELKI, "
                              "(SELECT 1 AS DAN UNION SELECT 2 UNION SELECT 3 UNION SELECT 4 UNION SELECT 5)")
            << QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT ID, 1 + (ID / 2) % 5, "
                              "URA FROM UCITELJI, %1 WHERE ID % 3 <> 0 AND %2 AND %3")
                   .arg(ure, stiriDni, predmetni)
            << QStringLiteral("UPDATE PREDMETI_V_PROGRAMU SET DOLZINA_TERMINA = 2 WHERE STEVILO_UR >= 2 AND "
                              "ID_SKUPINE_PREDMETOV IN (SELECT ID FROM SKUPINE_PREDMETOV WHERE OZNAKA IN ('FIZ', "
                              "'KEM', 'NAR'))")
            << QStringLiteral("UPDATE RAZPORED SET ID_SKUPINE_PROSTOROV = (SELECT ID FROM SKUPINE_PROSTOROV WHERE "
                              "OZNAKA = 'TEH') WHERE ID_SKUPINE_PROSTOROV = (SELECT ID FROM SKUPINE_PROSTOROV WHERE "
                              "OZNAKA = 'KUH')");
    }
    if (variant == QLatin1String("impossible"))
        sql << QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT T.ID, D.DAN, R.URA FROM "
                              "(SELECT R.ID_UCITELJA AS ID FROM RAZPORED R JOIN PREDMETI_V_PROGRAMU P ON P.ID_PROGRAMA "
                              "= R.ID_PROGRAMA AND P.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND P.ID_TURNUSA = "
                              "R.ID_TURNUSA WHERE P.STEVILO_UR = 4 AND P.DOLZINA_TERMINA = 1 AND R.ID_TURNUSA = 0 "
                              "ORDER BY R.ID LIMIT 1) T, (SELECT 2 AS DAN UNION SELECT 3 UNION SELECT 4) D, (WITH "
                              "RECURSIVE U(URA) AS (SELECT 0 UNION ALL SELECT URA + 1 FROM U WHERE URA < 15) SELECT "
                              "URA FROM U) R");
    for (const QString &s : sql)
        if (!c.exec(s)) {
            QTextStream(stderr) << c.lastError().description << '\n';
            return false;
        }
    return true;
}

// A complete timetable of the school as it stands, whose free cells then become forbidden: a
// third of the teachers may teach on two days only where they teach in it, a third of them lose
// a day on which they have no lesson in it, every other room is let out on one day where it is
// unused. So tight a school is still known to have a complete timetable. False when none was found.
bool Plant(db::Connection &c, const engine::MoznostiSestavljanja &moznosti) {
    // Laboratory subjects of two periods a week are taught as double periods; a daily break at
    // period 4 is forbidden to every class.
    if (!c.exec(QStringLiteral("UPDATE PREDMETI_V_PROGRAMU SET DOLZINA_TERMINA = 2 WHERE STEVILO_UR = 2 AND "
                               "ID_SKUPINE_PREDMETOV IN (SELECT ID FROM SKUPINE_PREDMETOV WHERE OZNAKA IN ('FIZ', "
                               "'KEM', 'NAR', 'BIO'))")) ||
        !c.exec(QStringLiteral("INSERT INTO PREPOVEDI_ODDELKOV (ID_ODDELKA, DAN, URA) SELECT ID, DAN, 4 FROM ODDELKI, "
                               "(SELECT 1 AS DAN UNION SELECT 2 UNION SELECT 3 UNION SELECT 4 UNION SELECT 5)")))
        return false;
    engine::MoznostiSestavljanja prvi = moznosti;
    prvi.dokoncaj = true;
    engine::ModelUrnika model;
    if (engine::SestavljanjeUrnika(model).zazeni(prvi).nerazporejene != 0)
        return false;
    const qint64 urnik = core::App().trenutniUrnik;
    const qint64 turnus = core::App().trenutniTurnus;
    const QString celice = QStringLiteral(
        "(SELECT D.DAN, R.URA FROM (WITH RECURSIVE X(DAN) AS (SELECT 1 UNION ALL SELECT DAN + 1 FROM X WHERE DAN < 5) "
        "SELECT DAN FROM X) D, (WITH RECURSIVE Y(URA) AS (SELECT 0 UNION ALL SELECT URA + 1 FROM Y WHERE URA < 15) "
        "SELECT URA FROM Y) R) C");
    const QString uci = QStringLiteral("SELECT 1 FROM TERMINI T JOIN RAZPORED Z ON Z.ID = T.ID_RAZPOREDA WHERE "
                                       "T.ID_URNIKA = %1 AND T.ID_TURNUSA = %2 AND Z.ID_UCITELJA = U.ID")
                            .arg(urnik)
                            .arg(turnus);
    const QStringList sql{
        QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT U.ID, C.DAN, C.URA FROM "
                       "UCITELJI U, %1 WHERE C.DAN IN (1 + U.ID % 5, 1 + (U.ID + 2) % 5, 1 + (U.ID + 3) % 5) AND NOT "
                       "EXISTS (%2 AND T.DAN = C.DAN AND T.URA = C.URA)")
            .arg(celice, uci),
        QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT U.ID, C.DAN, C.URA FROM "
                       "UCITELJI U, %1 WHERE U.ID % 3 = 1 AND C.DAN = (SELECT min(E.DAN) FROM %3 WHERE NOT EXISTS "
                       "(%2 AND T.DAN = E.DAN))")
            .arg(celice, uci, QString(celice).replace(QStringLiteral(") C"), QStringLiteral(") E"))),
        QStringLiteral("INSERT INTO PREPOVEDI_PROSTOROV (ID_PROSTORA, DAN, URA) SELECT P.ID, C.DAN, C.URA FROM "
                       "PROSTORI P, %1 WHERE P.ID % 2 = 0 AND C.DAN = 1 + P.ID % 5 AND NOT EXISTS (SELECT 1 FROM "
                       "TERMINI T WHERE T.ID_URNIKA = %2 AND T.ID_TURNUSA = %3 AND T.ID_PROSTORA = P.ID AND T.DAN = "
                       "C.DAN AND T.URA = C.URA)")
            .arg(celice)
            .arg(urnik)
            .arg(turnus),
        QStringLiteral("DELETE FROM TERMINI WHERE ID_URNIKA = %1").arg(urnik)};
    for (const QString &s : sql)
        if (!c.exec(s)) {
            QTextStream(stderr) << c.lastError().description << '\n';
            return false;
        }
    return true;
}

int Construct(const QStringList &args) {
    QTextStream out(stdout);
    const timetable::MoznostiUkaza m =
        timetable::RazcleniUkaz(args,
                                {QStringLiteral("--seed"), QStringLiteral("--third-limit"), QStringLiteral("--variant"),
                                 QStringLiteral("--complete-limit"), QStringLiteral("--extra-periods")},
                                {QStringLiteral("--complete"), QStringLiteral("--selitev")});
    if (!m.napaka.isEmpty() || m.polozajni.size() != 1) {
        QTextStream(stderr) << m.napaka << '\n';
        return 1;
    }
    core::ScriptedPresenter presenter;
    core::PresenterScope scope(&presenter);
    if (!db::OpenConnection(db::ProjectDb(), m.polozajni.first()))
        return 1;
    const QString napaka = timetable::NastaviIzbiro({}, {}, QStringLiteral("1"));
    if (!napaka.isEmpty()) {
        out << napaka << '\n';
        return 1;
    }
    // The timetable starts empty, so every run measures the whole construction.
    db::Connection &c = db::ProjectDb();
    if (!c.exec(QStringLiteral("DELETE FROM TERMINI WHERE ID_URNIKA = %1").arg(core::App().trenutniUrnik)) ||
        !Tighten(c, m.vrednosti.value(QStringLiteral("--variant"), QStringLiteral("plain"))))
        return 1;
    engine::MoznostiSestavljanja moznosti;
    moznosti.seme = m.vrednosti.value(QStringLiteral("--seed"), QStringLiteral("1")).toUInt();
    moznosti.kabineti = true;
    moznosti.tretjiKrog = true;
    moznosti.casovnaOmejitev = m.vrednosti.value(QStringLiteral("--third-limit"), QStringLiteral("60")).toDouble();
    moznosti.dokoncaj = m.stikala.contains(QStringLiteral("--complete"));
    moznosti.selitev = m.stikala.contains(QStringLiteral("--selitev"));
    moznosti.dodatneUre = m.vrednosti.value(QStringLiteral("--extra-periods"), QStringLiteral("0")).toInt();
    moznosti.casDokoncanja = m.vrednosti.value(QStringLiteral("--complete-limit"), QStringLiteral("10")).toDouble();
    if (m.vrednosti.value(QStringLiteral("--variant")) == QLatin1String("planted") && !Plant(c, moznosti)) {
        out << "no complete timetable to plant\n";
        return 1;
    }
    presenter.clear();
    engine::ModelUrnika model;
    engine::SestavljanjeUrnika job(model);
    const engine::RezultatSestavljanja rez = job.zazeni(moznosti);
    if (!rez.shranjeno) {
        out << "failed: " << presenter.texts().join(QStringLiteral(" | ")) << '\n';
        return 1;
    }
    const QStringList krsitve =
        engine::PreverjanjeUrnika(core::App().trenutniPredmetnik, core::App().trenutniUrnik,
                                     core::App().trenutniTurnus, moznosti.dodatneUre, moznosti.selitev)
            .preveri();
    out << QStringLiteral("classes=%1 units=%2 periods=%3 load+prepare=%4ms first=%5ms second=%6ms third=%7ms "
                          "completion=%8ms save=%9ms peak=%10MB")
               .arg(model.steviloOddelkov())
               .arg(model.steviloPredavanj())
               .arg(rez.skupaj)
               .arg(rez.msPriprava)
               .arg(rez.msPrvi)
               .arg(rez.msDrugi)
               .arg(rez.msTretji)
               .arg(rez.msDokoncanje)
               .arg(rez.msShranjevanje)
               .arg(PeakMegabytes(), 0, 'f', 1)
        << QStringLiteral(" unplaced after rounds 1/2/3=%1/%2/%3 after completion=%4 placed=%5% restarts=%6 moves=%7 "
                          "teacher-idle=%8->%9 class-idle=%10->%11 repeats=%12->%13 violations=%14")
               .arg(rez.poPrvem)
               .arg(rez.poDrugem)
               .arg(rez.poTretjem)
               .arg(rez.nerazporejene)
               .arg(rez.odstotek, 0, 'f', 2)
               .arg(rez.ponovitev)
               .arg(rez.premikov)
               .arg(rez.kakovostPrej.luknjeUciteljev)
               .arg(rez.kakovost.luknjeUciteljev)
               .arg(rez.kakovostPrej.luknjeOddelkov)
               .arg(rez.kakovost.luknjeOddelkov)
               .arg(rez.kakovostPrej.ponovitve)
               .arg(rez.kakovost.ponovitve)
               .arg(krsitve.size())
        << '\n';
    for (const QString &s : presenter.texts(core::MsgStatus))
        if (s.startsWith(QStringLiteral("Ni mogoče")) || s.startsWith(QStringLiteral("Okvir")))
            out << "  at once: " << s << '\n';
    for (const engine::NerazporejenoPredavanje &n : rez.nerazporejena)
        out << "  unplaced: " << n.skupina << ' ' << n.predmet << " (" << n.ucitelji.join(u',') << ") " << n.ur
            << " periods: " << n.opis << '\n';
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
                           "       construction_bench construct PATH [--seed N] [--third-limit S] [--variant "
                           "plain|hard|tight|impossible] [--complete] [--complete-limit S]\n";
    return 1;
}

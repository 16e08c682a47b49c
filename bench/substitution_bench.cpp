// Substitution benchmark: the day of the substitution window on a large school.
//
//   substitution_bench generate PATH [CLASSES_PER_GRADE] [SEED]
//       writes the sample school with its timetable constructed in every rotation week and valid
//       for the school year (8 classes per grade: 72 classes)
//   substitution_bench run PATH [ABSENT_TEACHERS] [REPEATS]
//       on the first school day of the validity makes that many teachers absent for the whole day
//       (those with lessons that day, lowest IDs first), then times, REPEATS times each:
//         day    choosing the date (day resolution, the day's data for ranking, affected classes)
//         class  choosing a class (its lessons of the day)
//         rank   choosing a lesson (ranking every teacher, the rooms offered) - every lesson to
//                substitute of every affected class
//         cand   a candidate's day and subjects (the best candidate of each lesson)
//       and prints count, median and maximum milliseconds of each.
//
// bench/run_substitution_bench.sh generates the 72-class school and runs it.

#include "calendar/DanUrnika.h"
#include "calendar/SestavljanjeSuplenc.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "sample/ShippedSample.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>

using namespace zentrel;

namespace {

struct Times {
    QList<double> ms;
    void add(const QElapsedTimer &t) { ms << t.nsecsElapsed() / 1e6; }
    QString line(const QString &name) const {
        QList<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        const double median = sorted.isEmpty() ? 0 : sorted[sorted.size() / 2];
        const double most = sorted.isEmpty() ? 0 : sorted.last();
        return QStringLiteral("%1 %2 %3 %4")
            .arg(name, -6)
            .arg(ms.size(), 6)
            .arg(median, 9, 'f', 2)
            .arg(most, 9, 'f', 2);
    }
};

int Generate(const QStringList &args) {
    sample::SampleOptions options;
    options.classesPerGrade = args.size() > 1 ? args.value(1).toInt() : 8;
    options.seed = args.size() > 2 ? args.value(2).toUInt() : 1u;
    QString error;
    if (!sample::MakeShippedSample(args.value(0), options, &error)) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    return 0;
}

int Run(const QStringList &args) {
    QTextStream out(stdout);
    db::Connection &c = db::ProjectDb();
    if (!db::OpenConnection(c, args.value(0)))
        return 1;
    const int absent = args.size() > 1 ? args.value(1).toInt() : 10;
    const int repeats = args.size() > 2 ? args.value(2).toInt() : 5;

    // The first weekday of the validity that has lessons.
    QDate date = QDate::fromString(c.scalar(QStringLiteral("SELECT min(VELJA_OD) FROM VELJAVNOST_URNIKA")).toString(),
                                   Qt::ISODate);
    calendar::DanUrnika dan = calendar::DolociDanUrnika(date);
    while (date.isValid() && !(dan.imaPouk() && date.dayOfWeek() <= 5))
        dan = calendar::DolociDanUrnika(date = date.addDays(1));
    c.exec(QStringLiteral("DELETE FROM ODSOTNOSTI_UCITELJEV; DELETE FROM SUPLENCE"));
    c.exec(QStringLiteral("INSERT INTO ODSOTNOSTI_UCITELJEV (ID_UCITELJA, OD_DNE, OD_URE, DO_URE) SELECT ID, ?, 0, 15 "
                          "FROM (SELECT DISTINCT RAZPORED.ID_UCITELJA AS ID FROM RAZPORED INNER JOIN TERMINI ON "
                          "RAZPORED.ID = TERMINI.ID_RAZPOREDA WHERE TERMINI.DAN = ? AND TERMINI.ID_URNIKA = ? AND "
                          "TERMINI.ID_TURNUSA = ? ORDER BY 1 LIMIT ?)"),
           {date, dan.izbranDan, dan.izbranUrnik, dan.izbranTurnus, absent});
    out << "school: " << c.scalar(QStringLiteral("SELECT count(*) FROM ODDELKI")).toInt() << " classes, "
        << c.scalar(QStringLiteral("SELECT count(*) FROM UCITELJI")).toInt() << " teachers, "
        << c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI")).toInt() << " placed lessons; date "
        << date.toString(Qt::ISODate) << ", "
        << c.scalar(QStringLiteral("SELECT count(*) FROM ODSOTNOSTI_UCITELJEV")).toInt() << " teachers absent\n";

    Times day, klass, rank, candidate;
    int lessons = 0;
    calendar::SestavljanjeSuplenc s;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer t;
        t.start();
        if (!s.NastaviDatum(date))
            return 1;
        day.add(t);
        const QVector<calendar::PrizadetOddelek> classes = s.oddelki();
        for (const calendar::PrizadetOddelek &o : classes) {
            t.start();
            s.IzberiOddelek(o.id);
            klass.add(t);
            const QVector<calendar::UraOddelka> ure = s.ure();
            for (const calendar::UraOddelka &u : ure) {
                if (!u.potrebujeNadomescanje())
                    continue;
                lessons += r == 0 ? 1 : 0;
                t.start();
                s.IzberiUro(u.idTermina);
                rank.add(t);
                if (s.kandidati().isEmpty())
                    continue;
                t.start();
                s.DanKandidata(s.kandidati().first().id);
                s.PredmetiKandidata(s.kandidati().first().id);
                candidate.add(t);
            }
        }
    }
    out << "affected classes: " << s.oddelki().size() << ", lessons to substitute: " << lessons << "\n";
    out << "step     count  median ms    max ms\n";
    out << day.line(QStringLiteral("day")) << '\n'
        << klass.line(QStringLiteral("class")) << '\n'
        << rank.line(QStringLiteral("rank")) << '\n'
        << candidate.line(QStringLiteral("cand")) << '\n';
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    core::ScriptedPresenter presenter(core::Answer::Yes);
    core::PresenterScope scope(&presenter);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args.first() == QLatin1String("generate"))
        return Generate(args.mid(1));
    if (args.size() >= 2 && args.first() == QLatin1String("run"))
        return Run(args.mid(1));
    QTextStream(stderr) << "Uporaba: substitution_bench generate POT [RAZREDOV_NA_LETNIK] [SEME]\n"
                           "         substitution_bench run POT [ODSOTNIH_UCITELJEV] [PONOVITEV]\n";
    return 1;
}

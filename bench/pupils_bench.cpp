// Pupils benchmark, run by hand in a release build:
//
//   pupils_bench [PUPILS_TO_IMPORT] [PUPILS_WITH_CHOICES] [ELECTIVES] [SEED]
//
// Imports PUPILS_TO_IMPORT pupils (default 5000) from a generated semicolon-separated file into
// an empty project, then runs the automatic assignment of elective groups for
// PUPILS_WITH_CHOICES pupils (default 1000, in classes of 25) who each chose two electives and
// named a third as a reserve among ELECTIVES electives (default 20) of one set, with the
// teacher option, and writes the result. Prints the time of each step.

#include "core/AppState.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "db/Schema.h"
#include "pupils/AvtomatskoDodeljevanje.h"
#include "pupils/UvozUcencev.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

using namespace zentrel;

namespace {

bool openEmptyProject(const QString &path) {
    return db::CreateDefaultsDatabaseFile(path) && db::ProjectDb().open(path);
}

// A register file as a spreadsheet writes it: header, then one pupil a line.
QString registerFile(int pupils) {
    QString text = QStringLiteral("Enolična oznaka;Priimek;Ime;Spol;Datum rojstva;Leto vpisa;Paralelka\n");
    for (int i = 1; i <= pupils; ++i)
        text += QStringLiteral("B%1;Čebašek%2;Špela;%3;%4.3.2012;2019;%5\n")
                    .arg(i)
                    .arg(i % 97)
                    .arg(i % 2 ? QStringLiteral("ž") : QStringLiteral("m"))
                    .arg(1 + i % 28)
                    .arg(QChar(u'a' + i % 4));
    return text;
}

// One curriculum, classes of 25 pupils, one set of electives offered to every class, and every
// pupil's choices: two chosen, one reserve.
bool electiveSchool(db::Connection &c, int pupils, int electives, quint32 seed) {
    QRandomGenerator random(seed);
    db::Transaction t(c);
    bool ok = c.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'Razpored')")) &&
              c.exec(QStringLiteral("INSERT INTO IZBIRNI_NABORI (ID, IME, PREDPONA, ID_TURNUSA, ID_RAZ_PREDMETNIKA) "
                                    "VALUES (1, 'Izbirni', 'I', 0, 1)"));
    const int classes = (pupils + 24) / 25;
    for (int k = 1; ok && k <= classes; ++k)
        ok = c.exec(QStringLiteral("INSERT INTO ODDELKI (ID, OZNAKA, IME) VALUES (?, ?, ?)"),
                    {k, QStringLiteral("R%1").arg(k), QStringLiteral("R%1").arg(k)}) &&
             c.exec(QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (?, 1, NULL, NULL, 1)"), {k}) &&
             c.exec(QStringLiteral("INSERT INTO IZBIRNI_NABORI_ODDELKI VALUES (?, 1)"), {k});
    for (int e = 1; ok && e <= electives; ++e)
        ok = c.exec(QStringLiteral("INSERT INTO PREDMETI (ID, OZNAKA, IME) VALUES (?, ?, ?)"),
                    {e, QStringLiteral("P%1").arg(e), QStringLiteral("P%1").arg(e)}) &&
             c.exec(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (?, ?, ?)"),
                    {e, QStringLiteral("P%1").arg(e), QStringLiteral("P%1").arg(e)}) &&
             c.exec(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID, ID_SKUPINE, ID_PREDMETA) VALUES (?, ?, ?)"),
                    {e, e, e}) &&
             c.exec(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA) VALUES (?, ?)"),
                    {e, QStringLiteral("T%1").arg(e)}) &&
             c.exec(QStringLiteral("INSERT INTO IZBIRNI_PREDMETI (ID, ID_PREDMETA, ID_IZBIRNEGA_NABORA, NORMATIV_MAX, "
                                   "NORMATIV_MIN, STEVILO_UCITELJEV, STEVILO_UR) VALUES (?, ?, 1, 20, 8, 2, ?)"),
                    {e, e, 1 + e % 3});
    // Every subject has two teachers: its own and the next one's.
    for (int e = 1; ok && e <= electives; ++e)
        ok = c.exec(QStringLiteral("INSERT INTO UCITELJ_PREDMET VALUES (?, ?)"), {e, e}) &&
             c.exec(QStringLiteral("INSERT INTO UCITELJ_PREDMET VALUES (?, ?)"), {1 + e % electives, e});
    for (int p = 1; ok && p <= pupils; ++p) {
        ok = c.exec(QStringLiteral("INSERT INTO ERD_UCENEC (ID, OZNAKA, PRIIMEK, SPOL) VALUES (?, ?, ?, 'M')"),
                    {p, QStringLiteral("U%1").arg(p), QStringLiteral("P%1").arg(p)}) &&
             c.exec(QStringLiteral("INSERT INTO ERD_UCENCI_ODDELKA (ID, ID_ODDELKA, ID_UCENCA, ID_PREDMETNIKA) VALUES "
                                   "(?, ?, ?, 1)"),
                    {p, 1 + (p - 1) / 25, p});
        QList<int> chosen;
        while (chosen.size() < 3) {
            // Popular electives are chosen more often.
            const int e = 1 + int(random.bounded(electives) * random.bounded(1.0));
            if (!chosen.contains(e))
                chosen << e;
        }
        for (int i = 0; ok && i < 3; ++i)
            ok = c.exec(QStringLiteral("INSERT INTO IZBIRNI_PREDMETI_UCENCI (ID_UCENCI_ODDELKA, ID_IZBIRNEGA_PREDMETA, "
                                       "TIP) VALUES (?, ?, ?)"),
                        {p, chosen[i], i < 2 ? QStringLiteral("I") : QStringLiteral("R")});
    }
    if (!ok)
        QTextStream(stderr) << c.lastError().description << '\n';
    return ok && t.commit();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const int toImport = args.value(0, QStringLiteral("5000")).toInt();
    const int pupils = args.value(1, QStringLiteral("1000")).toInt();
    const int electives = args.value(2, QStringLiteral("20")).toInt();
    const quint32 seed = args.value(3, QStringLiteral("1")).toUInt();
    QTextStream out(stdout);
    if (toImport < 1 || pupils < 1 || electives < 3) {
        out << "Uporaba: pupils_bench [UVOZ] [UCENCI] [IZBIRNI] [SEME]\n";
        return 1;
    }
    core::ScriptedPresenter presenter(core::Answer::Yes);
    core::PresenterScope scope(&presenter);
    QTemporaryDir dir;
    QElapsedTimer timer;

    if (!openEmptyProject(dir.filePath(QStringLiteral("uvoz.znt"))))
        return 1;
    const QString text = registerFile(toImport);
    timer.start();
    pupils::UvozUcencev import([](const QString &) {});
    if (!import.importText(text)) {
        out << "uvoz ni uspel: " << presenter.texts().join(u' ') << '\n';
        return 1;
    }
    out << "uvoz " << import.imported() << " učencev: " << timer.elapsed() << " ms\n";
    db::ProjectDb().close();

    if (!openEmptyProject(dir.filePath(QStringLiteral("izbirni.znt"))) ||
        !electiveSchool(db::ProjectDb(), pupils, electives, seed))
        return 1;
    timer.restart();
    pupils::AvtomatskoDodeljevanje run({1, -1, true});
    if (!run.prepare())
        return 1;
    const qint64 computed = timer.elapsed();
    if (!run.write([] { return true; }))
        return 1;
    const pupils::ElectiveFigures &f = run.figures();
    out << "dodeljevanje " << pupils << " učencev, " << electives << " izbirnih: branje in izračun " << computed
        << " ms, skupaj z zapisom " << timer.elapsed() << " ms; skupin " << f.groups << ", izbranih " << f.placedChosen
        << ", rezerv " << f.placedReserves << ", nedodeljenih " << f.unplaced << ", prostih terminov " << f.freePeriods
        << '\n';
    return 0;
}

// Spreadsheet import benchmark, run by hand in a release build:
//
//   sheet_import_bench [TEACHERS] [CLASSES] [SUBJECTS]
//
// Into an empty project with one curriculum and one building: imports CLASSES classes
// (default 40) and SUBJECTS subjects (default 25) from sheets, then TEACHERS teachers (default
// 100) and the assignments sheet with one row per class and subject (default 1,000 rows, the
// teachers taking turns), each read (every row decided) and written. Prints the time of each
// step; the goal is under 2 s for the teachers and the assignments together.

#include "basicdata/SheetImport.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "db/Schema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace zentrel;
using namespace zentrel::basicdata;

namespace {

// Reads and writes one sheet; the milliseconds it took, -1 when a row was refused or a step failed.
qint64 importSheet(SheetKind kind, const QString &text) {
    QElapsedTimer timer;
    timer.start();
    SheetImport import(kind, 1);
    if (!import.readBytes(text.toUtf8()) || import.count(SheetAction::Refused) > 0 || !import.apply())
        return -1;
    return timer.elapsed();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int teachers = args.value(1, QStringLiteral("100")).toInt();
    const int classes = args.value(2, QStringLiteral("40")).toInt();
    const int subjects = args.value(3, QStringLiteral("25")).toInt();
    QTextStream out(stdout);
    core::ScriptedPresenter presenter;
    core::PresenterScope scope(&presenter);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.znt"));
    if (!db::CreateDefaultsDatabaseFile(path) || !db::ProjectDb().open(path) ||
        !db::ProjectDb().exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'Razpored'); "
                                             "INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (1, 'A', 'A')"))) {
        out << "Projekta ni mogoče pripraviti.\n";
        return 1;
    }

    QString classSheet = QStringLiteral("Oznaka;Ime\n");
    for (int k = 1; k <= classes; ++k)
        classSheet += QStringLiteral("%1.č%2;Oddelek %2\n").arg(1 + k % 9).arg(k);
    QString subjectSheet = QStringLiteral("Oznaka;Ime;Potrebuje kabinet\n");
    for (int s = 1; s <= subjects; ++s)
        subjectSheet += QStringLiteral("Š%1;Predmet %1;%2\n").arg(s).arg(s % 3 ? QStringLiteral("ne") : QStringLiteral("da"));
    QString teacherSheet = QStringLiteral("Oznaka;Ime;Priimek\n");
    for (int t = 1; t <= teachers; ++t)
        teacherSheet += QStringLiteral("U%1;Žana;Čebašek %1\n").arg(t);
    QString assignmentSheet = QStringLiteral("Oddelek;Predmet;Ur;Blok;Učitelj;Prostor\n");
    int rows = 0;
    for (int k = 1; k <= classes; ++k)
        for (int s = 1; s <= subjects; ++s, ++rows)
            assignmentSheet += QStringLiteral("%1.č%2;Š%3;%4;1;U%5;\n")
                                   .arg(1 + k % 9)
                                   .arg(k)
                                   .arg(s)
                                   .arg(1 + s % 4)
                                   .arg(1 + rows % teachers);

    const qint64 classMs = importSheet(SheetKind::Classes, classSheet);
    const qint64 subjectMs = importSheet(SheetKind::Subjects, subjectSheet);
    const qint64 teacherMs = importSheet(SheetKind::Teachers, teacherSheet);
    const qint64 assignmentMs = importSheet(SheetKind::Assignments, assignmentSheet);
    if (classMs < 0 || subjectMs < 0 || teacherMs < 0 || assignmentMs < 0) {
        out << "Uvoz ni uspel: " << presenter.texts().join(QStringLiteral(" | ")) << '\n';
        return 1;
    }
    // A second import of the same assignments: every row read and found unchanged.
    QElapsedTimer timer;
    timer.start();
    SheetImport again(SheetKind::Assignments, 1);
    again.readBytes(assignmentSheet.toUtf8());
    const qint64 unchangedMs = timer.elapsed();

    out << "oddelkov " << classes << ": " << classMs << " ms; predmetov " << subjects << ": " << subjectMs
        << " ms; učiteljev " << teachers << ": " << teacherMs << " ms; vrstic razporeda " << rows << ": "
        << assignmentMs << " ms; učitelji in razpored skupaj " << teacherMs + assignmentMs
        << " ms; razpored znova (nespremenjenih " << again.count(SheetAction::Unchanged) << "): " << unchangedMs
        << " ms\n";
    return 0;
}

// Safety-copy benchmark, run by hand in a release build:
//
//   safety_copy_bench PROJECT [REPEATS]
//
// Opens the project as the program does and writes REPEATS safety copies of it (default 10) into
// a temporary user data folder, the way an operation does before it changes anything (the online
// backup, flushed and renamed into place, then the limits applied), then restores the project
// from the last copy once. Prints the project's size and the median and largest time of a copy.
//
// bench/run_safety_copy_bench.sh generates the 72-class sample school and runs it.

#include "core/AppState.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "db/OnlineBackup.h"
#include "shell/SafetyCopies.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

using namespace zentrel;

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        QTextStream(stderr) << "Uporaba: safety_copy_bench PROJEKT [PONOVITEV]\n";
        return 1;
    }
    const QString project = QFileInfo(args.at(0)).absoluteFilePath();
    const int repeats = std::max(1, args.value(1, QStringLiteral("10")).toInt());
    core::ScriptedPresenter presenter;
    core::SetPresenter(&presenter);
    QTemporaryDir home;
    core::App().folders.userData = home.path();
    db::Connection &c = db::ProjectDb();
    if (!c.open(project)) {
        QTextStream(stderr) << "Projekta " << project << " ni mogoče odpreti.\n";
        return 1;
    }
    QList<double> ms;
    QString last;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        db::BackupError error;
        last = shell::WriteSafetyCopy(c, project, QStringLiteral("Meritev %1").arg(i + 1), error);
        ms << t.nsecsElapsed() / 1e6;
        if (last.isEmpty()) {
            QTextStream(stderr) << "Kopija ni uspela: " << error.description << '\n';
            return 1;
        }
    }
    QElapsedTimer t;
    t.start();
    db::BackupError error;
    const bool restored = db::RestoreFromFile(last, c, error);
    const double restore = t.nsecsElapsed() / 1e6;
    std::sort(ms.begin(), ms.end());
    QTextStream(stdout) << "projekt " << QFileInfo(project).size() / 1024 << " kB, " << repeats << " kopij: mediana "
                        << QString::number(ms[ms.size() / 2], 'f', 1) << " ms, največ "
                        << QString::number(ms.last(), 'f', 1) << " ms; obnovitev "
                        << (restored ? QString::number(restore, 'f', 1) + QStringLiteral(" ms") : error.description)
                        << '\n';
    return restored ? 0 : 1;
}

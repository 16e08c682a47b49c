#include "VerifyCommand.h"

#include "IzbiraUrnika.h"
#include "PreverjanjeUrnika.h"
#include "core/AppState.h"
#include "shell/ProjectFiles.h"

#include <QTextStream>

namespace zentrel::timetable {

int RunVerifyCommand(const QStringList &args) {
    const MoznostiUkaza m = RazcleniUkaz(args,
                                         {QStringLiteral("--curriculum"), QStringLiteral("--timetable"),
                                          QStringLiteral("--turnus"), QStringLiteral("--extra-periods")},
                                         {QStringLiteral("--yes")});
    QTextStream err(stderr);
    if (!m.napaka.isEmpty() || m.polozajni.size() != 1) {
        if (!m.napaka.isEmpty())
            err << m.napaka << '\n';
        err << "Uporaba: zentrel-cli verify PROJEKT [--curriculum ID|IME] [--timetable ID|IME] [--turnus ID|OZNAKA] "
               "[--extra-periods K]\n";
        return 1;
    }
    bool ok = true;
    const int dodatne = m.vrednosti.value(QStringLiteral("--extra-periods"), QStringLiteral("0")).toInt(&ok);
    if (!ok || dodatne < 0) {
        err << "--extra-periods mora biti nenegativno število.\n";
        return 1;
    }
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    const QString napaka =
        NastaviIzbiro(m.vrednosti.value(QStringLiteral("--curriculum")),
                      m.vrednosti.value(QStringLiteral("--timetable")), m.vrednosti.value(QStringLiteral("--turnus")));
    if (!napaka.isEmpty()) {
        err << napaka << '\n';
        return 1;
    }
    const core::AppState &app = core::App();
    const QStringList krsitve =
        PreverjanjeUrnika(app.trenutniPredmetnik, app.trenutniUrnik, app.trenutniTurnus, dodatne).preveri();
    QTextStream out(stdout);
    for (const QString &k : krsitve)
        out << k << '\n';
    out << "Urnik \"" << app.trenutniUrnikIme << "\": "
        << (krsitve.isEmpty() ? QStringLiteral("brez kršitev") : QStringLiteral("kršitev: %1").arg(krsitve.size()))
        << '\n';
    return krsitve.isEmpty() ? 0 : 1;
}

} // namespace zentrel::timetable

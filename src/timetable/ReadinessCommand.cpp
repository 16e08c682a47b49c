#include "ReadinessCommand.h"

#include "IzbiraUrnika.h"
#include "PregledPredSestavljanjem.h"
#include "shell/ProjectFiles.h"

#include <QTextStream>

namespace zentrel::timetable {

int RunReadinessCommand(const QStringList &args) {
    const MoznostiUkaza m = RazcleniUkaz(args,
                                         {QStringLiteral("--curriculum"), QStringLiteral("--timetable"),
                                          QStringLiteral("--turnus"), QStringLiteral("--extra-periods")},
                                         {QStringLiteral("--yes"), QStringLiteral("--second-round")});
    QTextStream err(stderr);
    QString napaka = m.napaka;
    qint64 dodatne = 0;
    if (napaka.isEmpty() && m.polozajni.size() == 1)
        CeloStevilo(m, QStringLiteral("--extra-periods"), 0, 15, dodatne, napaka);
    if (!napaka.isEmpty() || m.polozajni.size() != 1) {
        if (!napaka.isEmpty())
            err << napaka << '\n';
        err << "Uporaba: zentrel-cli readiness PROJEKT [--curriculum ID|IME] [--timetable ID|IME] "
               "[--turnus ID|OZNAKA] [--extra-periods K] [--second-round]\n";
        return 1;
    }
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    napaka = NastaviIzbiro(m.vrednosti.value(QStringLiteral("--curriculum")),
                           m.vrednosti.value(QStringLiteral("--timetable")),
                           m.vrednosti.value(QStringLiteral("--turnus")));
    std::vector<VrsticaPregleda> vrstice;
    if (napaka.isEmpty())
        PreglejPredSestavljanjem(int(dodatne), m.stikala.contains(QStringLiteral("--second-round")), vrstice, napaka);
    if (!napaka.isEmpty()) {
        err << napaka << '\n';
        return 1;
    }
    QTextStream out(stdout);
    for (const VrsticaPregleda &v : vrstice)
        out << v.besedilo() << '\n';
    out << (vrstice.empty() ? QStringLiteral("Pregled pred sestavljanjem: ni ovir.")
                            : QStringLiteral("Pregled pred sestavljanjem: ovir %1.").arg(vrstice.size()))
        << '\n';
    return vrstice.empty() ? 0 : 1;
}

} // namespace zentrel::timetable

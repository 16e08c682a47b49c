#include "ReadinessCommand.h"

#include "IzbiraUrnika.h"
#include "PregledPredSestavljanjem.h"
#include "shell/ProjectFiles.h"

#include <QTextStream>

namespace zentrel::timetable {

int RunReadinessCommand(const QStringList &args) {
    MoznostiUkaza m;
    qint64 dodatne = 0;
    if (!RazcleniUkazUrnika(args, {QStringLiteral("--yes"), QStringLiteral("--second-round")},
                            "readiness PROJEKT [--curriculum ID|IME] [--timetable ID|IME] [--turnus ID|OZNAKA] "
                            "[--extra-periods K] [--second-round]",
                            m, dodatne))
        return 1;
    QTextStream err(stderr);
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    QString napaka =
        NastaviIzbiro(m.vrednosti.value(QStringLiteral("--curriculum")),
                      m.vrednosti.value(QStringLiteral("--timetable")), m.vrednosti.value(QStringLiteral("--turnus")));
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

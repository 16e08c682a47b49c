#include "VerifyCommand.h"

#include "IzbiraUrnika.h"
#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"
#include "engine/PreverjanjeUrnika.h"
#include "shell/ProjectFiles.h"

#include <QTextStream>

using namespace zentrel::engine;

namespace zentrel::timetable {

int RunVerifyCommand(const QStringList &args) {
    MoznostiUkaza m;
    qint64 dodatne = 0;
    if (!RazcleniUkazUrnika(args, {QStringLiteral("--yes"), QStringLiteral("--selitev")},
                            "verify PROJEKT [--curriculum ID|IME] [--timetable ID|IME] [--turnus ID|OZNAKA] "
                            "[--extra-periods K] [--selitev] [--yes]",
                            m, dodatne))
        return 1;
    QTextStream err(stderr);
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    const QString turnus = m.vrednosti.value(QStringLiteral("--turnus"));
    QString napaka = NastaviIzbiro(m.vrednosti.value(QStringLiteral("--curriculum")),
                                   m.vrednosti.value(QStringLiteral("--timetable")), turnus);
    if (!napaka.isEmpty()) {
        err << napaka << '\n';
        return 1;
    }
    const core::AppState &app = core::App();
    // Without --turnus every rotation week of the timetable is checked.
    db::RowSet turnusi;
    if (turnus.isEmpty()) {
        db::Connection &c = db::ProjectDb();
        turnusi = c.query(QStringLiteral("SELECT ID, OZNAKA FROM TURNUSI ORDER BY ID"));
        if (c.lastError().isError()) {
            err << "Podatkov projekta ni bilo mogoče prebrati: " << c.lastError().description << '\n';
            return 1;
        }
    }
    QList<QPair<qint64, QString>> izbrani;
    for (int r = 0; r < turnusi.rowCount(); ++r)
        izbrani << QPair<qint64, QString>{turnusi.value(r, 0).toLongLong(), turnusi.value(r, 1).toString()};
    if (izbrani.isEmpty())
        izbrani << QPair<qint64, QString>{app.trenutniTurnus, app.trenutniTurnusOznaka};
    QTextStream out(stdout);
    bool brez = true;
    for (const auto &[id, oznaka] : izbrani) {
        PreverjanjeUrnika preverjanje(app.trenutniPredmetnik, app.trenutniUrnik, id, int(dodatne),
                                      m.stikala.contains(QStringLiteral("--selitev")));
        const QStringList krsitve = preverjanje.preveri();
        if (preverjanje.napaka()) {
            err << krsitve.join(u'\n') << '\n';
            return 1;
        }
        for (const QString &k : krsitve)
            out << k << '\n';
        out << "Urnik \"" << app.trenutniUrnikIme << "\", turnus " << oznaka << ": "
            << (krsitve.isEmpty() ? QStringLiteral("brez kršitev") : QStringLiteral("kršitev: %1").arg(krsitve.size()))
            << '\n';
        brez &= krsitve.isEmpty();
    }
    return brez ? 0 : 1;
}

} // namespace zentrel::timetable

#include "TimetableCommands.h"

#include "IzbiraUrnika.h"
#include "KopiranjeTurnusa.h"
#include "KopiranjeUrnika.h"
#include "TedenBesedilo.h"
#include "core/AppState.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "shell/LookupTables.h"
#include "shell/ProjectFiles.h"

#include <QTextStream>

namespace zentrel::timetable {

namespace {

int Napaka(const QString &napaka, const char *uporaba) {
    QTextStream err(stderr);
    if (!napaka.isEmpty())
        err << napaka << '\n';
    if (uporaba)
        err << "Uporaba: zentrel-cli " << uporaba << '\n';
    return 1;
}

// A whole number from an option, at least `najmanj`; the error text names the option.
bool Stevilo(const MoznostiUkaza &m, const QString &moznost, qint64 najmanj, qint64 &vrednost, QString &napaka) {
    bool ok = false;
    vrednost = m.vrednosti.value(moznost).toLongLong(&ok);
    if (!m.vrednosti.contains(moznost))
        napaka = QStringLiteral("Manjka %1.").arg(moznost);
    else if (!ok || vrednost < najmanj)
        napaka = QStringLiteral("%1 mora biti celo število, najmanj %2.").arg(moznost).arg(najmanj);
    return napaka.isEmpty();
}

// The row whose code is `oznaka`: the same code, else the same to a user. (ID, stored code); an
// ID of -1 when none.
std::pair<qint64, QString> PoOznaki(const QString &tabela, const QString &oznaka) {
    const db::RowSet rows = db::ProjectDb().query(QStringLiteral("SELECT ID, OZNAKA FROM %1 ORDER BY ID").arg(tabela));
    for (bool natancno : {true, false})
        for (int r = 0; r < rows.rowCount(); ++r) {
            const QString o = rows.text(r, QStringLiteral("OZNAKA"));
            if (natancno ? o == oznaka : core::SameText(o, oznaka))
                return {rows.integer(r, QStringLiteral("ID")), o};
        }
    return {-1, QString()};
}

} // namespace

int RunShowCommand(const QStringList &args) {
    const char *uporaba = "show PROJEKT [--timetable ID|IME] [--turnus ID|OZNAKA] (--class OZNAKA | --teacher "
                          "OZNAKA | --room OZNAKA) [--yes]";
    const MoznostiUkaza m =
        RazcleniUkaz(args,
                     {QStringLiteral("--timetable"), QStringLiteral("--turnus"), QStringLiteral("--class"),
                      QStringLiteral("--teacher"), QStringLiteral("--room")},
                     {QStringLiteral("--yes")});
    struct Vrsta {
        const char *moznost, *tabela, *ime, *manjka;
        VrstaTedna vrsta;
    };
    const Vrsta vrste[] = {{"--class", "ODDELKI", "enota", "Enote %1 ni.", VrstaTedna::Oddelek},
                           {"--teacher", "UCITELJI", "učitelj", "Učitelja %1 ni.", VrstaTedna::Ucitelj},
                           {"--room", "PROSTORI", "prostor", "Prostora %1 ni.", VrstaTedna::Prostor}};
    const Vrsta *izbrana = nullptr;
    int izbranih = 0;
    for (const Vrsta &v : vrste)
        if (m.vrednosti.contains(QString::fromLatin1(v.moznost))) {
            izbrana = &v;
            ++izbranih;
        }
    if (!m.napaka.isEmpty() || m.polozajni.size() != 1 || izbranih != 1)
        return Napaka(m.napaka.isEmpty() && m.polozajni.size() == 1
                          ? QStringLiteral("Navedite eno od možnosti --class, --teacher, --room.")
                          : m.napaka,
                      uporaba);
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    const QString napaka = NastaviIzbiro({}, m.vrednosti.value(QStringLiteral("--timetable")),
                                         m.vrednosti.value(QStringLiteral("--turnus")));
    if (!napaka.isEmpty())
        return Napaka(napaka, nullptr);
    const QString oznaka = m.vrednosti.value(QString::fromLatin1(izbrana->moznost));
    const auto [kdo, shranjena] = PoOznaki(QString::fromLatin1(izbrana->tabela), oznaka);
    if (kdo < 0)
        return Napaka(QString::fromUtf8(izbrana->manjka).arg(oznaka), nullptr);
    const core::AppState &app = core::App();
    // Without --turnus: the turnus chosen before when the timetable has lessons in it, else every
    // turnus it has lessons in (a fresh settings folder chooses none, and turnus 0 may be empty).
    QList<qint64> turnusi{app.trenutniTurnus};
    if (!m.vrednosti.contains(QStringLiteral("--turnus"))) {
        const db::RowSet s = db::ProjectDb().query(
            QStringLiteral("SELECT DISTINCT ID_TURNUSA FROM TERMINI WHERE ID_URNIKA = ? ORDER BY ID_TURNUSA"),
            {app.trenutniUrnik});
        QList<qint64> zUrami;
        for (int i = 0; i < s.rowCount(); ++i)
            zUrami << s.value(i, 0).toLongLong();
        if (!zUrami.isEmpty() && !zUrami.contains(app.trenutniTurnus))
            turnusi = zUrami;
    }
    QTextStream out(stdout);
    for (const qint64 turnus : turnusi) {
        if (turnus != app.trenutniTurnus) {
            const QString n = NastaviIzbiro({}, QString::number(app.trenutniUrnik), QString::number(turnus));
            if (!n.isEmpty())
                return Napaka(n, nullptr);
        }
        if (turnus != turnusi.first())
            out << '\n';
        out << "Urnik \"" << app.trenutniUrnikIme << "\", turnus " << app.trenutniTurnusOznaka << ", "
            << QString::fromUtf8(izbrana->ime) << ' ' << shranjena << '\n'
            << BesediloTedna(app.trenutniPredmetnik, app.trenutniUrnik, app.trenutniTurnus, izbrana->vrsta, kdo);
    }
    return 0;
}

int RunCopyTimetableCommand(const QStringList &args) {
    const char *uporaba = "copy-timetable PROJEKT --timetable ID --name IME [--yes]";
    const MoznostiUkaza m =
        RazcleniUkaz(args, {QStringLiteral("--timetable"), QStringLiteral("--name")}, {QStringLiteral("--yes")});
    QString napaka = m.napaka;
    qint64 urnik = 0;
    if (napaka.isEmpty() && m.polozajni.size() == 1)
        Stevilo(m, QStringLiteral("--timetable"), 1, urnik, napaka);
    if (napaka.isEmpty() && !m.vrednosti.contains(QStringLiteral("--name")))
        napaka = QStringLiteral("Manjka --name.");
    if (!napaka.isEmpty() || m.polozajni.size() != 1)
        return Napaka(napaka, uporaba);
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    const qint64 nov = KopirajUrnik(urnik, m.vrednosti.value(QStringLiteral("--name")));
    if (nov < 0)
        return 1;
    QTextStream(stdout) << "Nov urnik \"" << m.vrednosti.value(QStringLiteral("--name")).trimmed() << "\": ID " << nov
                        << '\n';
    return 0;
}

int RunCopyTurnusCommand(const QStringList &args) {
    const char *uporaba = "copy-turnus PROJEKT --timetable ID --from ID --to ID [--yes]";
    const MoznostiUkaza m =
        RazcleniUkaz(args, {QStringLiteral("--timetable"), QStringLiteral("--from"), QStringLiteral("--to")},
                     {QStringLiteral("--yes")});
    QString napaka = m.napaka;
    qint64 urnik = 0, iz = 0, v = 0;
    if (napaka.isEmpty() && m.polozajni.size() == 1)
        Stevilo(m, QStringLiteral("--timetable"), 1, urnik, napaka) &&
            Stevilo(m, QStringLiteral("--from"), 0, iz, napaka) && Stevilo(m, QStringLiteral("--to"), 0, v, napaka);
    if (!napaka.isEmpty() || m.polozajni.size() != 1)
        return Napaka(napaka, uporaba);
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    const RezultatKopiranjaTurnusa rez = KopirajTurnus(urnik, iz, v);
    QTextStream out(stdout);
    for (const IzpuscenTermin &i : rez.izpusceni)
        out << "Izpuščeno: " << i.oddelek << ' ' << i.predmet << ", " << shell::Lookup::DayNames().value(i.dan) << ' '
            << i.ura << ". ura: " << i.razlog << '\n';
    return rez.kopirano ? 0 : 1;
}

} // namespace zentrel::timetable

#include "ConstructCommand.h"

#include "IzbiraUrnika.h"
#include "KopijaPredSestavljanjem.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "engine/SestavljanjeUrnika.h"
#include "shell/ProjectFiles.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>
#include <optional>
#include <unistd.h>

using namespace zentrel::engine;

namespace zentrel::timetable {

namespace {

void IzpisiUporabo(QTextStream &out) {
    out << "Uporaba: zentrel-cli construct PROJEKT [--curriculum ID|IME] [--timetable ID|IME] [--turnus ID|OZNAKA] "
           "[--second-round] [--third-round] [--extra-periods K] [--seed N] [--time-limit SEKUNDE] [--idle-limit "
           "SEKUNDE] "
           "[--selitev] [--complete] [--complete-limit SEKUNDE] [--yes]\n"
           "Mere kakovosti: luknje učiteljev in oddelkov so proste ure med prvo in zadnjo uro dneva; predmet dvakrat "
           "v dnevu šteje za vsak oddelek in dan vsako nadaljnje mesto, kjer ima oddelek isti predmet (ne glede na "
           "skupino ali razpored; zaporedne ure istega razporeda so eno mesto); izbirni bloki istega dne štejejo za "
           "vsak oddelek in dan vsak izbirni blok oddelka poleg prvega. Neizogibne ponovitve so tiste, ki jih terjajo "
           "že razporejene ure: oddelek, ki ima predmet na več mestih v tednu, kot je dni, ga ima vsaj tolikokrat "
           "dvakrat v dnevu, kolikor je mest čez število dni.\n";
}

// A call that cannot be carried out: what is wrong and the usage, on standard error.
int Uporaba(const QString &napaka) {
    QTextStream err(stderr);
    if (!napaka.isEmpty())
        err << napaka << '\n';
    IzpisiUporabo(err);
    return 1;
}

QString CasVSekundah(qint64 ms) {
    return QString::number(ms / 1000.0, 'f', 3) + QStringLiteral(" s");
}

// A progress bar on standard error, redrawn at most ten times a second.
class VrsticaNapredka {
public:
    explicit VrsticaNapredka(SestavljanjeUrnika &job) : m_job(job) { m_ura.start(); }
    void narisi(bool koncno = false) {
        if (!koncno && m_ura.elapsed() - m_zadnjic < 100)
            return;
        m_zadnjic = m_ura.elapsed();
        QString vrstica;
        // The searches that run long show their time, their count of changes and what is placed.
        const auto iskanje = [](const char *ime, qint64 ms, const char *kaj, int koliko, int razporejeno, int skupaj,
                                const QString &odstotek) {
            return QStringLiteral("%1: %2 s, %3 %4, sestavljeno %5/%6 %7")
                .arg(QString::fromUtf8(ime))
                .arg(ms / 1000)
                .arg(QString::fromUtf8(kaj))
                .arg(koliko)
                .arg(razporejeno)
                .arg(skupaj)
                .arg(odstotek);
        };
        if (m_job.dokoncanjeTece()) {
            const PodatkiDokoncanja p = m_job.podatkiDokoncanja();
            vrstica = iskanje("Dokončanje", p.msOdZacetka, "premikov", p.premikov, p.razporejeno, p.skupaj, p.odstotek);
        } else if (m_job.tretjiKrogTece()) {
            const PodatkiTretjegaKroga p = m_job.podatkiTretjegaKroga();
            vrstica = iskanje("3. krog", p.msOdZacetka, "sprememb", p.spremembe, p.razporejeno, p.skupaj, p.odstotek);
        } else {
            const int max = std::max(1, m_job.maksimumNapredka());
            const int value = std::min(max, m_job.napredek());
            const int sirina = 40;
            const int polno = value * sirina / max;
            vrstica = QStringLiteral("[%1%2] %3/%4")
                          .arg(QString(polno, u'#'), QString(sirina - polno, u'.'))
                          .arg(value)
                          .arg(max);
        }
        QTextStream(stderr) << '\r' << vrstica.leftJustified(72) << (koncno ? "\n" : "") << Qt::flush;
        m_odprta = !koncno;
    }
    // Ends the bar's line so that a message does not run into it; the next step redraws it.
    void prekini() {
        if (m_odprta)
            QTextStream(stderr) << '\n' << Qt::flush;
        m_odprta = false;
        m_zadnjic = -1000;
    }

private:
    SestavljanjeUrnika &m_job;
    QElapsedTimer m_ura;
    qint64 m_zadnjic = -1000;
    bool m_odprta = false;
};

// Hands every message on to the console, after ending the progress bar's line.
class PresenterZVrstico : public core::MessagePresenter {
public:
    PresenterZVrstico(core::MessagePresenter *naprej, VrsticaNapredka &vrstica)
        : m_naprej(naprej), m_vrstica(vrstica) {}
    core::Answer present(const core::Message &message) override {
        m_vrstica.prekini();
        return m_naprej ? m_naprej->present(message) : core::Answer::None;
    }

private:
    core::MessagePresenter *m_naprej;
    VrsticaNapredka &m_vrstica;
};

} // namespace

int RunConstructCommand(const QStringList &args) {
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        QTextStream out(stdout);
        IzpisiUporabo(out);
        return 0;
    }
    const MoznostiUkaza m =
        RazcleniUkaz(args,
                     {QStringLiteral("--curriculum"), QStringLiteral("--timetable"), QStringLiteral("--turnus"),
                      QStringLiteral("--extra-periods"), QStringLiteral("--seed"), QStringLiteral("--time-limit"),
                      QStringLiteral("--idle-limit"), QStringLiteral("--complete-limit")},
                     {QStringLiteral("--second-round"), QStringLiteral("--third-round"), QStringLiteral("--selitev"),
                      QStringLiteral("--complete"), QStringLiteral("--yes")});
    if (!m.napaka.isEmpty() || m.polozajni.size() != 1)
        return Uporaba(m.napaka);
    MoznostiSestavljanja moznosti;
    moznosti.kabineti = m.stikala.contains(QStringLiteral("--second-round"));
    moznosti.tretjiKrog = m.stikala.contains(QStringLiteral("--third-round"));
    moznosti.selitev = m.stikala.contains(QStringLiteral("--selitev"));
    moznosti.dokoncaj = m.stikala.contains(QStringLiteral("--complete"));
    QString napaka;
    qint64 dodatne = 0;
    qint64 seme = -1;
    if (!CeloStevilo(m, QStringLiteral("--extra-periods"), 0, 15, dodatne, napaka) ||
        !CeloStevilo(m, QStringLiteral("--seed"), 0, 4294967295LL, seme, napaka) ||
        !Sekunde(m, QStringLiteral("--time-limit"), moznosti.casovnaOmejitev, napaka) ||
        !Sekunde(m, QStringLiteral("--idle-limit"), moznosti.mirovanje, napaka) ||
        !Sekunde(m, QStringLiteral("--complete-limit"), moznosti.casDokoncanja, napaka))
        return Uporaba(napaka);
    moznosti.dodatneUre = int(dodatne);
    if (seme >= 0)
        moznosti.seme = quint32(seme);
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    napaka =
        NastaviIzbiro(m.vrednosti.value(QStringLiteral("--curriculum")),
                      m.vrednosti.value(QStringLiteral("--timetable")), m.vrednosti.value(QStringLiteral("--turnus")));
    if (!napaka.isEmpty()) {
        QTextStream(stderr) << napaka << '\n';
        return 1;
    }
    QTextStream out(stdout);
    out << "Razpored: " << core::App().trenutniPredmetnikIme << ", urnik: " << core::App().trenutniUrnikIme
        << ", turnus: " << core::App().trenutniTurnusOznaka << Qt::endl;

    if (!KopijaPredSestavljanjem())
        return 1;
    SestavljanjeUrnika job;
    VrsticaNapredka vrstica(job);
    const bool terminal = isatty(fileno(stderr));
    PresenterZVrstico presenter(core::CurrentPresenter(), vrstica);
    std::optional<core::PresenterScope> scope;
    if (terminal) {
        job.korak = [&vrstica] { vrstica.narisi(); };
        scope.emplace(&presenter);
    }
    const RezultatSestavljanja rez = job.zazeni(moznosti);
    if (terminal)
        vrstica.narisi(true);
    if (!rez.sporocilo.isEmpty())
        return rez.sporocilo == QLatin1String("V urniku ni nerazporejenih ur") ? 0 : 1;
    if (!rez.shranjeno)
        return 1;
    out << rez.besedilo << '\n';
    out << "Seme: " << rez.seme << '\n';
    out << "Priprava: " << CasVSekundah(rez.msPriprava) << '\n';
    out << "Prvi krog: " << CasVSekundah(rez.msPrvi) << ", nerazporejenih ur: " << rez.poPrvem << '\n';
    if (moznosti.kabineti)
        out << "Drugi krog: " << CasVSekundah(rez.msDrugi) << ", nerazporejenih ur: " << rez.poDrugem << '\n';
    if (moznosti.tretjiKrog)
        out << "Tretji krog: " << CasVSekundah(rez.msTretji) << ", nerazporejenih ur: " << rez.poTretjem
            << ", sprememb: " << rez.spremembe << '\n';
    if (moznosti.dokoncaj)
        out << "Dokončanje: " << CasVSekundah(rez.msDokoncanje) << ", nerazporejenih ur: " << rez.nerazporejene
            << ", premikov: " << rez.premikov << ", ponovitev krogov: " << rez.ponovitev << '\n';
    out << "Shranjevanje: " << CasVSekundah(rez.msShranjevanje) << '\n';
    const auto prejPotem = [&](int prej, int potem) {
        return moznosti.dokoncaj ? QStringLiteral("%1 -> %2").arg(prej).arg(potem) : QString::number(potem);
    };
    out << "Luknje učiteljev: " << prejPotem(rez.kakovostPrej.luknjeUciteljev, rez.kakovost.luknjeUciteljev)
        << ", luknje oddelkov: " << prejPotem(rez.kakovostPrej.luknjeOddelkov, rez.kakovost.luknjeOddelkov)
        << ", predmet dvakrat v dnevu: " << prejPotem(rez.kakovostPrej.ponovitve, rez.kakovost.ponovitve)
        << " (neizogibnih: " << prejPotem(rez.kakovostPrej.neizogibnePonovitve, rez.kakovost.neizogibnePonovitve) << ')'
        << ", izbirni bloki istega dne: " << prejPotem(rez.kakovostPrej.izbirniBloki, rez.kakovost.izbirniBloki)
        << '\n';
    out << "Razporejeno: " << (rez.skupaj - rez.nerazporejene) << " od " << rez.skupaj << " ur\n";
    for (const NerazporejenoPredavanje &n : rez.nerazporejena)
        out << "Nerazporejeno: " << n.skupina << ' ' << n.predmet << " (" << n.ucitelji.join(QStringLiteral(", "))
            << "): " << n.ur << " ur, razlog: " << n.razlog << ". " << n.opis << '\n'
            << "  celice okvirja: " << OpisCelic(n) << '\n';
    return 0;
}

} // namespace zentrel::timetable

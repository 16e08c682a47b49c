// The zentrel-cli commands of the engine: construct and verify, their options and their errors.

#include "db/MBaza.h"
#include "engine/SolaZaUrnik.h"
#include "support/CliProcess.h"
#include "timetable/ConstructCommand.h"
#include "timetable/IzbiraUrnika.h"
#include "timetable/VerifyCommand.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;

namespace {

// Runs zentrel-cli with the test's folder as its home.
test::CliResult Zazeni(test::SolaZaUrnik &x, const QString &ukaz, const QStringList &args) {
    return test::RunCli(x.project.folder().path(), QStringList{ukaz} + args);
}

// A table that every query reading it fails on (a view whose value overflows).
const char *Pokvari(const char *tabela, const char *stolpci) {
    static QByteArray sql;
    sql = QStringLiteral("DROP TABLE %1; CREATE VIEW %1 AS SELECT %2, abs(-9223372036854775807 - 1) AS X")
              .arg(QLatin1String(tabela), QLatin1String(stolpci))
              .toUtf8();
    return sql.constData();
}

} // namespace

TEST(ZentrelCli, ConstructThenVerifyTheSavedTimetable) {
    test::SolaZaUrnik x;
    test::TempProject &project = x.project;
    test::MalaSola &s = x.s;
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 b = s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    s.predavanje(a, s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, 0}});
    s.predavanje(b, s.predmet(QStringLiteral("SLO")), 4, 2, {{t2, 0}});
    s.predavanje(b, s.predmet(QStringLiteral("ANG")), 3, 1, {{t2, 0}});
    s.predavanje(b, s.predmet(QStringLiteral("GUM")), 3, 1, {{t2, 0}});
    project.db().close();
    EXPECT_EQ(RunConstructCommand({project.path(), QStringLiteral("--timetable"), QStringLiteral("Urnik"),
                                   QStringLiteral("--seed"), QStringLiteral("8")}),
              0);
    EXPECT_EQ(RunVerifyCommand({project.path()}), 0);
    db::Connection &c = db::ProjectDb();
    ASSERT_TRUE(c.isOpen());
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE TIP = 'a'")).toInt(), 14);
    // A period moved by hand onto another lesson of 1a is a violation verify reports.
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE TERMINI SET DAN = (SELECT DAN FROM TERMINI T JOIN RAZPORED R ON "
                                      "R.ID = T.ID_RAZPOREDA WHERE R.ID_UCITELJA = %1 LIMIT 1), URA = (SELECT URA "
                                      "FROM TERMINI T JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA WHERE R.ID_UCITELJA = "
                                      "%1 LIMIT 1) WHERE ID = (SELECT T.ID FROM TERMINI T JOIN RAZPORED R ON R.ID = "
                                      "T.ID_RAZPOREDA WHERE R.ID_UCITELJA = %1 ORDER BY T.ID DESC LIMIT 1)")
                           .arg(t1)));
    c.close();
    EXPECT_EQ(RunVerifyCommand({project.path()}), 1);
    EXPECT_EQ(RunConstructCommand({project.path(), QStringLiteral("--seed")}), 1) << "a missing value is refused";
    EXPECT_EQ(RunConstructCommand({project.path(), QStringLiteral("--curriculum"), QStringLiteral("Ni ga")}), 1);
}

TEST(ZentrelCli, SelectionsByIdNameOrCodeAndTheirErrors) {
    test::SolaZaUrnik x;
    db::Connection &c = x.project.db();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (2, 'Drugi razpored')")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (5, 'Jesen''s', 2)")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (6, 'Pomlad', 2)")));
    auto &app = core::App();
    EXPECT_EQ(NastaviIzbiro({}, QStringLiteral("Jesen's"), QStringLiteral("I")), QString());
    EXPECT_EQ(app.trenutniPredmetnik, 2) << "a timetable brings its curriculum";
    EXPECT_EQ(app.trenutniUrnik, 5);
    EXPECT_EQ(app.trenutniTurnus, 1);
    EXPECT_EQ(NastaviIzbiro(QStringLiteral("2"), QStringLiteral("6"), QStringLiteral("0")), QString());
    EXPECT_EQ(app.trenutniUrnik, 6);
    EXPECT_EQ(app.trenutniTurnus, 0);
    EXPECT_EQ(NastaviIzbiro(QStringLiteral("1"), {}, {}), QString());
    EXPECT_EQ(app.trenutniUrnik, 1) << "the current timetable of another curriculum gives way to the first";
    EXPECT_EQ(NastaviIzbiro(QStringLiteral("1"), QStringLiteral("Pomlad"), {}),
              QStringLiteral("Urnika Pomlad v razporedu Razpored ni."));
    EXPECT_EQ(NastaviIzbiro({}, {}, QStringLiteral("Z")), QStringLiteral("Turnusa Z ni."));
    const MoznostiUkaza m = RazcleniUkaz(
        {QStringLiteral("p.znt"), QStringLiteral("--seed"), QStringLiteral("4"), QStringLiteral("--third-round")},
        {QStringLiteral("--seed")}, {QStringLiteral("--third-round")});
    EXPECT_EQ(m.polozajni, QStringList{QStringLiteral("p.znt")});
    EXPECT_EQ(m.vrednosti.value(QStringLiteral("--seed")), QStringLiteral("4"));
    EXPECT_EQ(m.stikala, QStringList{QStringLiteral("--third-round")});
    EXPECT_EQ(RazcleniUkaz({QStringLiteral("--fast")}, {}, {}).napaka, QStringLiteral("Neznana možnost --fast."));
}

TEST(ZentrelCli, VerifyChecksEveryTurnusOfTheShippedSample) {
    test::SolaZaUrnik x;
    const QString pot = x.project.folder().file(QStringLiteral("primer.znt"));
    ASSERT_TRUE(QFile::copy(test::ProgramFolder() + QStringLiteral("/primer.znt"), pot));
    const test::CliResult izpis = Zazeni(x, QStringLiteral("verify"), {pot});
    EXPECT_EQ(izpis.exitCode, 0) << izpis.out.toStdString();
    EXPECT_EQ(izpis.out, QStringLiteral("Urnik \"Urnik 2026/2027\", turnus 0: brez kršitev\n"
                                        "Urnik \"Urnik 2026/2027\", turnus I: brez kršitev\n"
                                        "Urnik \"Urnik 2026/2027\", turnus II: brez kršitev\n"));
}

TEST(ZentrelCli, NumbersOutOfRangeAndTablesThatCannotBeReadEndTheCommandWithAMessage) {
    test::SolaZaUrnik x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 2147483647, 1, {{x.s.ucitelj(QStringLiteral("T1")), 0}});
    x.project.db().close();
    const QString pot = x.project.path();
    const struct {
        QStringList args;
        QString napaka;
    } primeri[] = {
        {{pot, "--extra-periods", "16"}, "--extra-periods mora biti celo število od 0 do 15."},
        {{pot, "--extra-periods", "2147483647"}, "--extra-periods mora biti celo število od 0 do 15."},
        {{pot, "--seed", "-1"}, "--seed mora biti celo število od 0 do 4294967295."},
        {{pot, "--time-limit", "nan"}, "--time-limit mora biti število sekund, večje od 0 in največ 86400."},
        {{pot, "--idle-limit", "0"}, "--idle-limit mora biti število sekund, večje od 0 in največ 86400."},
    };
    for (const auto &p : primeri) {
        const test::CliResult izpis = Zazeni(x, QStringLiteral("construct"), p.args);
        EXPECT_EQ(izpis.exitCode, 1);
        EXPECT_TRUE(izpis.err.startsWith(p.napaka + u'\n')) << izpis.err.toStdString();
    }
    const test::CliResult verify =
        Zazeni(x, QStringLiteral("verify"), {pot, QStringLiteral("--extra-periods"), QStringLiteral("-1")});
    EXPECT_EQ(verify.exitCode, 1);
    EXPECT_TRUE(verify.err.startsWith(QStringLiteral("--extra-periods mora biti celo število od 0 do 15.\n")));
    // 2147483647 weekly periods: refused with the unit named, nothing saved.
    test::CliResult izpis = Zazeni(x, QStringLiteral("construct"), {pot});
    EXPECT_EQ(izpis.exitCode, 1);
    EXPECT_FALSE(izpis.out.contains(QStringLiteral("Sestavljeno"))) << izpis.out.toStdString();
    EXPECT_EQ(izpis.err, QStringLiteral("Sestavljanje ni mogoče, ker so v predmetnikih vrednosti zunaj meja:\n1a "
                                        "MAT: število ur 2147483647 (dovoljeno od 0 do 80)\n"));
    izpis = Zazeni(x, QStringLiteral("verify"), {pot, QStringLiteral("--turnus"), QStringLiteral("0")});
    EXPECT_EQ(izpis.exitCode, 1);
    EXPECT_EQ(izpis.out, QStringLiteral("1a MAT: število ur 2147483647 je zunaj meja od 0 do 80.\n"
                                        "Urnik \"Urnik\", turnus 0: kršitev: 1\n"));
    // A table that cannot be read: construct says so, verify never passes.
    db::Connection c;
    ASSERT_TRUE(c.open(pot));
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE PREDMETI_V_PROGRAMU SET STEVILO_UR = 3")));
    ASSERT_TRUE(c.exec(QString::fromLatin1(Pokvari("ODDELKI_OKVIR", "1 AS ID_ODDELKA, 1 AS DAN, 1 AS PRVA_URA, 1 AS "
                                                                    "ID_URNIKA, 0 AS ID_TURNUSA"))));
    c.close();
    izpis = Zazeni(x, QStringLiteral("construct"), {pot});
    EXPECT_EQ(izpis.exitCode, 1);
    EXPECT_TRUE(izpis.err.endsWith(QStringLiteral("Napaka pri branju urnika.\ninteger overflow (1)\n")))
        << izpis.err.toStdString();
    izpis = Zazeni(x, QStringLiteral("verify"), {pot});
    EXPECT_EQ(izpis.exitCode, 1);
    EXPECT_FALSE(izpis.out.contains(QStringLiteral("brez kršitev"))) << izpis.out.toStdString();
    EXPECT_EQ(izpis.err, QStringLiteral("Urnika ni bilo mogoče prebrati: integer overflow\n"));
}

TEST(ZentrelCli, ConstructHelpStatesHowTheMeasuresAreCounted) {
    test::SolaZaUrnik x;
    x.project.db().close();
    const test::CliResult izpis = Zazeni(x, QStringLiteral("construct"), {QStringLiteral("--help")});
    EXPECT_EQ(izpis.exitCode, 0);
    EXPECT_TRUE(izpis.out.startsWith(QStringLiteral("Uporaba: zentrel-cli construct PROJEKT ")))
        << izpis.out.toStdString();
    EXPECT_TRUE(izpis.out.contains(QStringLiteral(
        "Neizogibne ponovitve so tiste, ki jih terjajo že razporejene ure: oddelek, ki ima predmet na več mestih v "
        "tednu, kot je dni, ga ima vsaj tolikokrat dvakrat v dnevu, kolikor je mest čez število dni.\n")))
        << izpis.out.toStdString();
    EXPECT_EQ(izpis.err, QString());
}

TEST(ZentrelCli, EachStepOfConstructionReportsWhatItLeftUnplaced) {
    // 1a (a frame of periods 1 and 2): MAT (T1, free only on Monday at period 1), DRU, and SLO's
    // double period placed there: the rounds leave MAT out, the completion moves SLO and places it.
    test::SolaZaUrnik x;
    const qint64 a = x.s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = x.s.ucitelj(QStringLiteral("T1"));
    x.s.predavanje(a, x.s.predmet(QStringLiteral("MAT")), 1, 1, {{t1, 0}});
    const qint64 slo =
        x.s.predavanje(a, x.s.predmet(QStringLiteral("SLO")), 4, 2, {{x.s.ucitelj(QStringLiteral("T2")), 0}}).first();
    x.s.predavanje(a, x.s.predmet(QStringLiteral("DRU")), 3, 1, {{x.s.ucitelj(QStringLiteral("T3")), 0}});
    x.s.uciteljProstSamo(t1, {{1, 1}});
    x.s.termin(slo, 1, 1);
    x.s.termin(slo, 1, 2);
    x.project.db().close();
    const test::CliResult izpis = Zazeni(x, QStringLiteral("construct"),
                                         {x.project.path(), QStringLiteral("--third-round"),
                                          QStringLiteral("--complete"), QStringLiteral("--seed"), QStringLiteral("4")});
    ASSERT_EQ(izpis.exitCode, 0) << izpis.err.toStdString();
    QStringList vrstice = izpis.out.split(u'\n');
    // The times vary: each step's line without them.
    for (QString &v : vrstice)
        v.replace(QRegularExpression(QStringLiteral(": [0-9.]+ s, ")), QStringLiteral(": "));
    EXPECT_TRUE(vrstice.contains(QStringLiteral("Prvi krog: nerazporejenih ur: 1"))) << izpis.out.toStdString();
    EXPECT_TRUE(vrstice.contains(QStringLiteral("Tretji krog: nerazporejenih ur: 1, sprememb: 0")))
        << izpis.out.toStdString();
    EXPECT_TRUE(vrstice.filter(QStringLiteral("Dokončanje: nerazporejenih ur: 0, ")).size() == 1)
        << izpis.out.toStdString();
    EXPECT_TRUE(vrstice.contains(QStringLiteral("Sestavljeno: 100.00%"))) << izpis.out.toStdString();
    EXPECT_TRUE(
        vrstice.contains(QStringLiteral("Luknje učiteljev: 0 -> 0, luknje oddelkov: 0 -> 0, predmet dvakrat v "
                                        "dnevu: 0 -> 0 (neizogibnih: 0 -> 0), izbirni bloki istega dne: 0 -> 0")))
        << izpis.out.toStdString();
}

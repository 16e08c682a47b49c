#include "db/Connection.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;

namespace {

qint64 count(const QString &path, const QString &sql) {
    db::Connection c;
    return c.open(path) ? c.scalar(sql).toLongLong() : -1;
}

} // namespace

TEST(PupilCommandsTest, ImportOfFiveHundredPupilsAndTheElectivesOfTheSampleSchool) {
    test::TempFolder home;
    const QString project = home.file(QStringLiteral("šola.znt"));
    ASSERT_EQ(test::RunCli(home.path(), {QStringLiteral("sample"), project}).exitCode, 0);
    const qint64 before = count(project, QStringLiteral("SELECT count(*) FROM ERD_UCENEC"));

    QString csv = QStringLiteral("Priimek;Ime;Spol;Enolična oznaka;Datum rojstva;Leto vpisa\n");
    for (int i = 1; i <= 500; ++i)
        csv += QStringLiteral("%1;%2;%3;N%4;%5.%6.2014;2021\n")
                   .arg(i % 3 ? QStringLiteral("Čebašek") : QStringLiteral("D'Ambrosio"),
                        i % 2 ? QStringLiteral("Žiga") : QStringLiteral("Špela"),
                        i % 2 ? QStringLiteral("M") : QStringLiteral("Ž"))
                   .arg(i, 4, 10, QLatin1Char('0'))
                   .arg(1 + i % 28)
                   .arg(1 + i % 12);
    const QString file = home.file(QStringLiteral("učenci.csv"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(csv.toUtf8());
    }
    test::CliResult r = test::RunCli(home.path(), {QStringLiteral("import-pupils"), project, file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Uvoženih učencev: 500\n"));
    EXPECT_EQ(count(project, QStringLiteral("SELECT count(*) FROM ERD_UCENEC")), before + 500);
    EXPECT_EQ(count(project, QStringLiteral("SELECT count(*) FROM ERD_UCENEC WHERE OZNAKA = 'N0006' AND PRIIMEK = "
                                            "'D''ambrosio' AND IME = 'Špela' AND SPOL = 'Z' AND DATUMROJSTVA = "
                                            "'2014-07-07' AND LETOVPISA = '2021'")),
              1);
    EXPECT_EQ(count(project, QStringLiteral("SELECT count(*) FROM ERD_UCENEC WHERE OZNAKA LIKE 'N%' AND SPOL = 'Z'")),
              250);
    // The same file again: every code is already there, nothing is written.
    r = test::RunCli(home.path(), {QStringLiteral("import-pupils"), project, file});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Učenec z N0001 v vrstici 1 je že v bazi.\n"));
    EXPECT_EQ(count(project, QStringLiteral("SELECT count(*) FROM ERD_UCENEC")), before + 500);

    // The sample's elective groups have assignments: without --yes the question stops the run.
    const QString elective = QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE ID_IZBIRNEGA_NABORA IS NOT NULL");
    const QString assigned = QStringLiteral("SELECT count(*) FROM RAZPORED R JOIN PROGRAMI P ON P.ID = R.ID_PROGRAMA "
                                            "WHERE P.ID_IZBIRNEGA_NABORA IS NOT NULL");
    const qint64 groups = count(project, elective);
    ASSERT_GT(count(project, assigned), 0);
    r = test::RunCli(home.path(),
                     {QStringLiteral("electives"), project, QStringLiteral("--teachers"), QStringLiteral("--apply")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              QStringLiteral("Že obstoječe izbirne skupine bodo brisane iz razporeda in pripdaočih urnikov!\nAli "
                             "res želite nadaljevati?\nZa odgovor Da dodajte možnost --yes.\n"));
    // Without --apply the figures only, and nothing to ask; with it the groups.
    r = test::RunCli(home.path(), {QStringLiteral("electives"), project, QStringLiteral("--teachers")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Število dodeljenih izbranih: "))) << r.out.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Nič ni zapisano (zapiše --apply).\n")));
    EXPECT_EQ(count(project, elective), groups);
    r = test::RunCli(home.path(), {QStringLiteral("electives"), project, QStringLiteral("--teachers"),
                                   QStringLiteral("--apply"), QStringLiteral("--yes")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Izbirne skupine so zapisane.\n")));
    EXPECT_GT(count(project, elective), 0);
    EXPECT_EQ(count(project, assigned), 0);
    EXPECT_GT(count(project, QStringLiteral("SELECT count(*) FROM ERD_UCENCI_PREDMETA WHERE TIP = 'A'")), 0);

    // The stage of the elective process, as its tab switches it.
    r = test::RunCli(home.path(),
                     {QStringLiteral("electives"), project, QStringLiteral("--stage"), QStringLiteral("izbira")});
    EXPECT_EQ(r.out, QStringLiteral("Izbirni postopek: izbira\n"));
    EXPECT_EQ(count(project, QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT = 'IzbirniPostopek_1'")), 1);

    // Bad arguments: a message and a non-zero exit.
    for (const auto &[args, message] : QList<QPair<QStringList, QString>>{
             {{QStringLiteral("import-pupils"), project}, QString()},
             {{QStringLiteral("electives"), project, QStringLiteral("--set"), QStringLiteral("0")},
              QStringLiteral("Napačna vrednost 0.")},
             {{QStringLiteral("electives"), project, QStringLiteral("--set"), QStringLiteral("77")},
              QStringLiteral("V projektu ni zapisa 77 v IZBIRNI_NABORI.")},
             {{QStringLiteral("electives"), project, QStringLiteral("--stage"), QStringLiteral("konec")},
              QStringLiteral("Napačna vrednost konec.")},
             {{QStringLiteral("electives"), project, QStringLiteral("--curriculum")},
              QStringLiteral("Manjka vrednost za --curriculum.")}}) {
        r = test::RunCli(home.path(), args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.section(u'\n', 0, 0), message.isEmpty() ? r.err.section(u'\n', 0, 0) : message);
        EXPECT_TRUE(r.err.contains(QStringLiteral("Uporaba: zentrel-cli "))) << r.err.toStdString();
    }
}

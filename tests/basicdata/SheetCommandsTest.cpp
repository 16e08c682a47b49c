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

TEST(SheetCommandsTest, ExportThenPreviewAndApplyIntoAnotherProject) {
    test::TempFolder home;
    const QString sample = home.file(QStringLiteral("šola.znt"));
    const QString empty = home.file(QStringLiteral("nova.znt"));
    ASSERT_EQ(test::RunCli(home.path(), {QStringLiteral("sample"), sample}).exitCode, 0);
    ASSERT_EQ(test::RunCli(home.path(), {QStringLiteral("create"), empty}).exitCode, 0);
    const qint64 teachers = count(sample, QStringLiteral("SELECT count(*) FROM UCITELJI"));
    const QString file = home.file(QStringLiteral("učitelji.csv"));

    test::CliResult r = test::RunCli(
        home.path(), {QStringLiteral("export-csv"), sample, QStringLiteral("--kind"), QStringLiteral("teachers"), file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Izvoženih vrstic: %1\n").arg(teachers));
    QFile exported(file);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(exported.readLine().startsWith("\xEF\xBB\xBFOznaka;Ime;Vmesno ime;Priimek\r\n"));

    // Without --apply the preview only.
    r = test::RunCli(home.path(),
                     {QStringLiteral("import-csv"), empty, QStringLiteral("--kind"), QStringLiteral("teachers"), file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.first(), QStringLiteral("Vrstica\tDejanje\tOznaka\tIme\tVmesno ime\tPriimek\tOpomba"));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("2\tdodaj\t")));
    EXPECT_EQ(lines.at(lines.size() - 2),
              QStringLiteral("Dodanih: %1, spremenjenih: 0, nespremenjenih: 0, zavrnjenih: 0.").arg(teachers));
    EXPECT_EQ(lines.last(), QStringLiteral("Nič ni zapisano; za uvoz dodajte --apply."));
    EXPECT_EQ(count(empty, QStringLiteral("SELECT count(*) FROM UCITELJI")), 0);

    r = test::RunCli(home.path(), {QStringLiteral("import-csv"), empty, QStringLiteral("--kind"),
                                   QStringLiteral("teachers"), file, QStringLiteral("--apply")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Uvoz je zaključen.\n")));
    EXPECT_EQ(count(empty, QStringLiteral("SELECT count(*) FROM UCITELJI")), teachers);

    // A refused row: the preview says so by line, --apply writes nothing and fails.
    {
        QFile bad(file);
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("Oznaka;Ime\nNOV1;Nova\n;Brez\n");
    }
    r = test::RunCli(home.path(), {QStringLiteral("import-csv"), empty, QStringLiteral("--kind"),
                                   QStringLiteral("teachers"), file, QStringLiteral("--apply")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.contains(QStringLiteral("3\tzavrnjeno\t\tBrez\t\t\tOznaka ne sme biti prazna.\n")));
    EXPECT_EQ(r.err, QStringLiteral("Uvoz ni bil izveden, ker datoteka vsebuje zavrnjene vrstice (1). Popravite jih "
                                    "in datoteko preberite znova.\n"));
    EXPECT_EQ(count(empty, QStringLiteral("SELECT count(*) FROM UCITELJI")), teachers);

    // The assignments of a curriculum named on the command line; a project without one.
    const QString name = QString::number(count(sample, QStringLiteral("SELECT min(ID) FROM PREDMETNIKI")));
    const QString sheet = home.file(QStringLiteral("razpored.csv"));
    r = test::RunCli(home.path(), {QStringLiteral("export-csv"), sample, QStringLiteral("--kind"),
                                   QStringLiteral("assignments"), sheet, QStringLiteral("--curriculum"), name});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = test::RunCli(home.path(),
                     {QStringLiteral("import-csv"), empty, QStringLiteral("--kind"), QStringLiteral("assignments"), sheet});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("V projektu ni razporeda. Ustvarite ga v oknu Razporedi.\n"));

    for (const auto &[args, message] : QList<QPair<QStringList, QString>>{
             {{QStringLiteral("import-csv"), empty, QStringLiteral("--kind"), QStringLiteral("pupils"), sheet},
              QStringLiteral("Neznana vrsta podatkov pupils.")},
             {{QStringLiteral("export-csv"), sample, QStringLiteral("--kind"), QStringLiteral("assignments"), sheet,
               QStringLiteral("--curriculum"), QStringLiteral("ni tak")},
              QStringLiteral("V projektu ni razporeda ni tak.")},
             {{QStringLiteral("import-csv"), empty, sheet}, QString()}}) {
        r = test::RunCli(home.path(), args);
        EXPECT_EQ(r.exitCode, 1);
        if (!message.isEmpty()) {
            EXPECT_TRUE(r.err.startsWith(message + u'\n')) << r.err.toStdString();
        }
    }
}

#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;

TEST(Cli, CreateCheckCompactAndRefusals) {
    test::TempFolder home;
    const QString path = home.file(QStringLiteral("Šola d'Or"));
    test::CliResult r = test::RunCli(home.path(), {QStringLiteral("create"), path});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), path + QStringLiteral(".znt"));

    r = test::RunCli(home.path(), {QStringLiteral("check"), path + QStringLiteral(".znt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Verzija: 19\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("UCITELJI: 0\n")));

    r = test::RunCli(home.path(), {QStringLiteral("compact"), path + QStringLiteral(".znt")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("Projekt Šola d'Or.znt skrčen."));

    const QString text = home.file(QStringLiteral("tekst.znt"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("zapiski");
    }
    r = test::RunCli(home.path(), {QStringLiteral("check"), text});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), QStringLiteral("Datoteka %1 ni ustreznega formata ali pa je pokvarjena.").arg(text));

    r = test::RunCli(home.path(), {QStringLiteral("check"), home.file(QStringLiteral("ni.znt"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), QStringLiteral("Ni datoteke %1.").arg(home.file(QStringLiteral("ni.znt"))));

    r = test::RunCli(home.path(), {QStringLiteral("neznan")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Neznan ukaz: neznan\nUporaba: zentrel-cli")));
}

TEST(Cli, VersionHelpAndUnknownOptionsAnswerAsCommandLineProgramsDo) {
    test::TempFolder home;
    test::CliResult r = test::RunCli(home.path(), {QStringLiteral("--version")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("zentrel-cli " ZENTREL_VERSION "\n"));
    EXPECT_TRUE(r.err.isEmpty());

    for (const QString &help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        r = test::RunCli(home.path(), {help});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("Uporaba: zentrel-cli UKAZ ...\n"))) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("  construct PROJEKT")));
        EXPECT_TRUE(r.err.isEmpty());
    }

    r = test::RunCli(home.path(), {QStringLiteral("--verzija")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Neznana možnost: --verzija\nUporaba: zentrel-cli"))) << r.err.toStdString();

    r = test::RunCli(home.path(), {});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Uporaba: zentrel-cli")));
}

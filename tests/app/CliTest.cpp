#include "support/TempFolder.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

using namespace zentrel;

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun cli(const test::TempFolder &home, const QStringList &args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENTREL_HOME"), home.path());
    p.setProcessEnvironment(env);
    p.start(test::ProgramFolder() + QStringLiteral("/zentrel-cli"), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(Cli, CreateCheckCompactAndRefusals) {
    test::TempFolder home;
    const QString path = home.file(QStringLiteral("Šola d'Or"));
    CliRun r = cli(home, {QStringLiteral("create"), path});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), path + QStringLiteral(".znt"));

    r = cli(home, {QStringLiteral("check"), path + QStringLiteral(".znt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Verzija: 19\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("UCITELJI: 0\n")));

    r = cli(home, {QStringLiteral("compact"), path + QStringLiteral(".znt")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("Projekt Šola d'Or.znt skrčen."));

    const QString text = home.file(QStringLiteral("tekst.znt"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("zapiski");
    }
    r = cli(home, {QStringLiteral("check"), text});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), QStringLiteral("Datoteka %1 ni ustreznega formata ali pa je pokvarjena.").arg(text));

    r = cli(home, {QStringLiteral("check"), home.file(QStringLiteral("ni.znt"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), QStringLiteral("Ni datoteke %1.").arg(home.file(QStringLiteral("ni.znt"))));

    r = cli(home, {QStringLiteral("neznan")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Uporaba: zentrel-cli")));
}

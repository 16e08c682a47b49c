#include "db/Connection.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zentrel;

namespace {

test::CliResult sampleCli(const QStringList &args) {
    static const test::TempFolder home;
    return test::RunCli(home.path(), QStringList{QStringLiteral("sample")} + args);
}

const QString kUsage =
    QStringLiteral("Uporaba: zentrel-cli sample POT [--classes-per-grade N] [--seed S] [--shipped] [--force]\n");

} // namespace

TEST(SampleCommand, WritesTheSchoolWithTheChosenSizeAndSeed) {
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("Šola d'Or.znt"));
    test::CliResult r = sampleCli({path, QStringLiteral("--classes-per-grade"), QStringLiteral("3"),
                                   QStringLiteral("--seed"), QStringLiteral("42")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    db::Connection c;
    ASSERT_TRUE(c.open(path));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM ODDELKI")).toInt(), 27);
    c.close();

    const QString shipped = folder.file(QStringLiteral("primer.znt"));
    r = sampleCli({QStringLiteral("--shipped"), shipped});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_TRUE(c.open(shipped));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM ODDELKI")).toInt(), 18);
}

TEST(SampleCommand, RefusesBadArgumentsWithAMessage) {
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("s.znt"));
    test::CliResult r = sampleCli({});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Manjka pot do datoteke.\n") + kUsage);
    r = sampleCli({path, QStringLiteral("--classes-per-grade"), QStringLiteral("nič")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Napačna vrednost nič za --classes-per-grade.\n") + kUsage);
    r = sampleCli({path, QStringLiteral("--classes-per-grade"), QStringLiteral("0")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Napačna vrednost 0 za --classes-per-grade.\n") + kUsage);
    r = sampleCli({path, QStringLiteral("--seed")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Manjka vrednost za --seed.\n") + kUsage);
    r = sampleCli({path, QStringLiteral("--razredi")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Neznan argument --razredi.\n") + kUsage);
    EXPECT_FALSE(QFile::exists(path));

    const QString missing = folder.file(QStringLiteral("ni/s.znt"));
    r = sampleCli({missing});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Mapa %1 ne obstaja.\n").arg(QFileInfo(missing).absolutePath()));
}

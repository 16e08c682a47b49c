#include "support/CliProcess.h"
#include "support/PrintQString.h"
#include "support/ProjectContents.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zentrel;
using test::RunCli;

TEST(ProjectCommands, CreateAndSampleOverwriteOnlyWithForce) {
    test::TempFolder home;
    const QString path = home.file(QStringLiteral("Šola d'Or"));
    ASSERT_EQ(RunCli(home.path(), {QStringLiteral("create"), path}).exitCode, 0);
    const QString project = path + QStringLiteral(".znt");
    const QByteArray created = test::FileBytes(project);

    test::CliResult r = RunCli(home.path(), {QStringLiteral("create"), path});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Datoteka %1 že obstaja. Za prepis dodajte --force.\n").arg(project));
    r = RunCli(home.path(), {QStringLiteral("sample"), project});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Datoteka %1 že obstaja. Za prepis dodajte --force.\n").arg(project));
    EXPECT_EQ(test::FileBytes(project), created);

    r = RunCli(home.path(), {QStringLiteral("sample"), project, QStringLiteral("--force")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = RunCli(home.path(), {QStringLiteral("check"), project});
    EXPECT_TRUE(r.out.contains(QStringLiteral("RAZPORED: 228\n"))) << r.out.toStdString();
    r = RunCli(home.path(), {QStringLiteral("create"), QStringLiteral("--force"), path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(RunCli(home.path(), {QStringLiteral("check"), project}).out.contains(QStringLiteral("RAZPORED: 0\n")));
}

TEST(ProjectCommands, MakeDefaultsWithoutAPathPrintsItsUsage) {
    test::TempFolder home;
    const test::CliResult r = RunCli(home.path(), {QStringLiteral("make-defaults")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Uporaba: zentrel-cli make-defaults POT\n"));
}

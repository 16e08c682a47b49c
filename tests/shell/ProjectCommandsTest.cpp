#include "support/CliRun.h"
#include "support/PrintQString.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;
using test::RunCli;

namespace {

QByteArray contents(const QString &path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(ProjectCommands, CreateAndSampleOverwriteOnlyWithForce) {
    test::TempFolder home;
    const QString path = home.file(QStringLiteral("Šola d'Or"));
    ASSERT_EQ(RunCli(home.path(), {QStringLiteral("create"), path}).exitCode, 0);
    const QString project = path + QStringLiteral(".znt");
    const QByteArray created = contents(project);

    test::CliRun r = RunCli(home.path(), {QStringLiteral("create"), path});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Datoteka %1 že obstaja. Za prepis dodajte --force.\n").arg(project));
    r = RunCli(home.path(), {QStringLiteral("sample"), project});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Datoteka %1 že obstaja. Za prepis dodajte --force.\n").arg(project));
    EXPECT_EQ(contents(project), created);

    r = RunCli(home.path(), {QStringLiteral("sample"), project, QStringLiteral("--force")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = RunCli(home.path(), {QStringLiteral("check"), project});
    EXPECT_TRUE(r.out.contains(QStringLiteral("RAZPORED: 206\n"))) << r.out.toStdString();
    r = RunCli(home.path(), {QStringLiteral("create"), QStringLiteral("--force"), path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(RunCli(home.path(), {QStringLiteral("check"), project}).out.contains(QStringLiteral("RAZPORED: 0\n")));
}

TEST(ProjectCommands, MakeDefaultsWithoutAPathPrintsItsUsage) {
    test::TempFolder home;
    const test::CliRun r = RunCli(home.path(), {QStringLiteral("make-defaults")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Uporaba: zentrel-cli make-defaults POT\n"));
}

#include "support/CliProcess.h"
#include "support/FetFiles.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;

namespace {

void write(const QString &path, const QString &text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

} // namespace

TEST(FetCommand, ImportMakesTheProjectAndPrintsTheReport) {
    test::TempFolder folder;
    const QString fet = folder.file(QStringLiteral("šola.fet"));
    write(fet, test::FetText(test::FetStudents({QStringLiteral("1a")}) + QStringLiteral("<Activities_List>") +
                             test::FetActivity(1, 0, 1, 1, {QStringLiteral("A")}, QStringLiteral("MAT"),
                                               {QStringLiteral("1a")}) +
                             QStringLiteral("</Activities_List>")));
    const QString project = folder.file(QStringLiteral("nova"));
    test::CliResult r = test::RunCli(folder.path(), {QStringLiteral("import-fet"), fet, project});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Projekt %1.znt je narejen (urnik 1, turnus 1).\nPreneseno:\n  dnevi: 5\n")
                                     .arg(project)))
        << r.out.toStdString();
    EXPECT_TRUE(QFile::exists(project + QStringLiteral(".znt")));

    // An existing project is replaced only with --force.
    r = test::RunCli(folder.path(), {QStringLiteral("import-fet"), fet, project + QStringLiteral(".znt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Datoteka %1.znt že obstaja. Za prepis dodajte --force.\n").arg(project));
    r = test::RunCli(folder.path(), {QStringLiteral("import-fet"), fet, project, QStringLiteral("--force")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
}

TEST(FetCommand, RefusalsAndUsage) {
    test::TempFolder folder;
    const QString fet = folder.file(QStringLiteral("x.fet"));
    write(fet, QStringLiteral("<fet version=\"6.1\"><Days_List><Day><Name>Pon</Name></Day></Days_List></fet>"));
    test::CliResult r = test::RunCli(folder.path(), {QStringLiteral("import-fet"), fet, folder.file(QStringLiteral("p.znt"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("V datoteki x.fet ni seznama ur (element <Hours_List>); projekta ni mogoče "
                                              "narediti.")))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("p.znt"))));
    r = test::RunCli(folder.path(), {QStringLiteral("import-fet"), fet});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Uporaba: zentrel-cli import-fet DATOTEKA.fet NOV.znt [--force]\n"));
    r = test::RunCli(folder.path(), {QStringLiteral("export-fet"), folder.file(QStringLiteral("p.znt")),
                                     QStringLiteral("--timetable"), QStringLiteral("1"), QStringLiteral("x.fet")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Uporaba: zentrel-cli export-fet PROJEKT --timetable ID --turnus ID IZHOD.fet "
                                    "[--with-timetable]\n"));
}

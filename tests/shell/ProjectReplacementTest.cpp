#include "db/CreateFromExisting.h"
#include "db/MBaza.h"
#include "db/ProjectCopy.h"
#include "db/ProjectLock.h"
#include "shell/ProjectFiles.h"
#include "support/CliProcess.h"
#include "support/PrintQString.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;

namespace {

const QString kInUse = QStringLiteral("Projekt p.znt je odprt v drugem programu. Dokler je odprt tam, ga tukaj ni "
                                      "mogoče spreminjati.");

// The project files of the folder, leftovers of a build included.
QStringList projectFiles(const QString &folder) {
    return QDir(folder).entryList({QStringLiteral("*.znt*")}, QDir::Files, QDir::Name);
}

// A project with one building, so that a replacement by an empty project shows.
QString projectWithABuilding(test::TempHome &home, const QString &name) {
    const QString path = home.newProjectFile(name);
    db::Connection c;
    EXPECT_TRUE(c.open(path));
    EXPECT_TRUE(c.exec(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'Š1', 'Šola d''Or')")));
    return path;
}

} // namespace

TEST(ProjectReplacement, CommandsWithForceLeaveAProjectOpenInAnotherProgramAlone) {
    test::TempHome home;
    const QString source = home.newProjectFile(QStringLiteral("izvor.znt"));
    const QString path = projectWithABuilding(home, QStringLiteral("p.znt"));
    ASSERT_TRUE(shell::OpenProjectFile(path)); // this test is the other program
    const QByteArray before = test::FileBytes(path);
    const QStringList files = projectFiles(home.path());
    const QList<QStringList> commands{{QStringLiteral("create"), path, QStringLiteral("--force")},
                                      {QStringLiteral("sample"), path, QStringLiteral("--force")},
                                      {QStringLiteral("new-from"), source, path, QStringLiteral("--part"),
                                       QStringLiteral("basic"), QStringLiteral("--force")}};
    for (const QStringList &args : commands) {
        const test::CliResult r = test::RunCli(home.path(), args);
        EXPECT_EQ(r.exitCode, 1) << args.first().toStdString();
        EXPECT_EQ(r.err.split(u'\n', Qt::SkipEmptyParts).last(), kInUse) << r.err.toStdString();
        EXPECT_EQ(test::FileBytes(path), before) << args.first().toStdString();
        EXPECT_EQ(projectFiles(home.path()), files);
    }
    EXPECT_EQ(db::ProjectDb().scalar(QStringLiteral("SELECT count(*) FROM STAVBE")).toInt(), 1);
    EXPECT_TRUE(db::ProjectDb().exec(QStringLiteral("INSERT INTO STAVBE VALUES (2, 'Š2', 'Druga')")));
    shell::CloseProject();
    EXPECT_EQ(test::RowCount(path, QStringLiteral("STAVBE")), 2);

    // Closed there, the project is replaced.
    const test::CliResult r = test::RunCli(home.path(), {QStringLiteral("create"), path, QStringLiteral("--force")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(test::RowCount(path, QStringLiteral("STAVBE")), 0);
}

TEST(ProjectReplacement, TheWindowsReplacementsAreRefusedToo) {
    test::TempHome home;
    const QString source = home.newProjectFile(QStringLiteral("izvor.znt"));
    const QString path = projectWithABuilding(home, QStringLiteral("p.znt"));
    const QByteArray before = test::FileBytes(path);
    {
        db::ProjectLock other; // another program that has the project open
        ASSERT_EQ(other.acquire(path), db::ProjectLock::Result::Held);
        EXPECT_FALSE(shell::CreateProjectAt(path));
        EXPECT_FALSE(db::CreateFromExisting(source, path, db::CopyBasic, db::kCopyAll, db::kCopyNone).ok);
        EXPECT_EQ(home.messages().texts(), QStringList({kInUse, kInUse}));
        EXPECT_EQ(test::FileBytes(path), before);
        EXPECT_EQ(projectFiles(home.path()), QStringList({QStringLiteral("izvor.znt"), QStringLiteral("p.znt")}));
    }
    home.messages().clear();
    EXPECT_TRUE(db::CreateFromExisting(source, path, db::CopyBasic, db::kCopyAll, db::kCopyNone).ok);
    EXPECT_EQ(home.messages().texts(), QStringList());
    EXPECT_EQ(test::RowCount(path, QStringLiteral("STAVBE")), 0);
}

TEST(ProjectReplacement, ANewProjectsNameThatCannotBeAFileSaysWhy) {
    test::TempHome home;
    const QString source = home.newProjectFile(QStringLiteral("izvor.znt"));
    const QString folder = home.file(QStringLiteral("mapa.znt"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString missing = home.file(QStringLiteral("ni/n.znt"));
    test::CliResult r = test::RunCli(
        home.path(), {QStringLiteral("new-from"), source, folder, QStringLiteral("--part"), QStringLiteral("basic")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.endsWith(folder + QStringLiteral(" je mapa, ne datoteka projekta.\n"))) << r.err.toStdString();
    r = test::RunCli(home.path(), {QStringLiteral("new-from"), source, missing, QStringLiteral("--part"),
                                   QStringLiteral("basic"), QStringLiteral("--force")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.endsWith(QStringLiteral("Mapa %1 ne obstaja.\n").arg(home.file(QStringLiteral("ni")))))
        << r.err.toStdString();
    EXPECT_FALSE(shell::CreateProjectAt(folder));
    EXPECT_EQ(home.messages().texts(), QStringList{folder + QStringLiteral(" je mapa, ne datoteka projekta.")});
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A folder the user may not write to.
    const QString locked = home.file(QStringLiteral("zaklenjena"));
    ASSERT_TRUE(QDir().mkpath(locked));
    test::GiveToOrdinaryUser(home.path());
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString target = locked + QStringLiteral("/n.znt");
    r = test::RunCliAsOrdinaryUser(
        home.path(), {QStringLiteral("new-from"), source, target, QStringLiteral("--part"), QStringLiteral("basic")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.endsWith(QStringLiteral("Datoteka %1 je zaščitena proti pisanju.\nOdstranite zaščito in "
                                              "poskusite znova.\n")
                                   .arg(target)))
        << r.err.toStdString();
    EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList());
}

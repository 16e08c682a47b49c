#include "core/AppState.h"
#include "db/MBaza.h"
#include "db/ProjectBuild.h"
#include "db/ProjectLock.h"
#include "db/Schema.h"
#include "shell/Compaction.h"
#include "shell/ProjectFiles.h"
#include "support/CliProcess.h"
#include "support/PrintQString.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace zentrel;
using core::Answer;

namespace {

QStringList projectFiles(const QString &folder) {
    return QDir(folder).entryList({QStringLiteral("*.znt*")}, QDir::Files, QDir::Name);
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A project of version 18, which opening offers to upgrade.
QString version18Project(test::TempHome &home, const QString &name) {
    return home.oldProjectFile(name, 18, QStringLiteral("INSERT INTO STAVBE VALUES (1, 'G', 'Glavna')"));
}

int schemaVersion(const QString &path) {
    db::Connection c;
    EXPECT_TRUE(c.open(path, db::Connection::Access::ReadOnly));
    return db::SchemaVersion(c);
}

QString upgradeQuestion(const QString &backup) {
    return QStringLiteral("Projekt leto.znt je narejen s starejšo verzijo programa.\n\nProjekt bo posodobljen. Star "
                          "format podatkov bo shranjen v %1.\n\n Ali  želiš nadajevati?")
        .arg(backup);
}

} // namespace

TEST(Leftovers, AKilledCompactionsFileAndItsJournalAreRemovedOnOpening) {
    test::TempHome home;
    const QString path = home.newProjectFile(QStringLiteral("p.znt"));
    const QString temporary = shell::CompactionTemporaryFile(path);
    writeFile(temporary, "ostanek");
    writeFile(temporary + QStringLiteral("-journal"), "dnevnik");
    const test::CliResult r = test::RunCli(home.path(), {QStringLiteral("check"), path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(projectFiles(home.path()), QStringList{QStringLiteral("p.znt")});

    // A journal without its file too.
    writeFile(temporary + QStringLiteral("-journal"), "dnevnik");
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(projectFiles(home.path()), QStringList{QStringLiteral("p.znt")});
}

TEST(Leftovers, AKilledUpgradesLeftoversGoWithoutTheAnswerAndTheBackupNamedIsTheOneWritten) {
    test::TempHome home;
    const QString path = version18Project(home, QStringLiteral("leto.znt"));
    // Killed after the new file was built and the old one linked to its backup name.
    writeFile(db::ProjectBuild::TemporaryPathFor(path), "napol narejen");
    writeFile(db::ProjectBuild::TemporaryPathFor(path) + QStringLiteral("-journal"), "dnevnik");
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(path + QStringLiteral(".bak")).constData()),
              0);
    // An earlier, real backup stays whatever happens.
    writeFile(path + QStringLiteral(".bak1"), "prejšnja varnostna kopija");
    ASSERT_EQ(projectFiles(home.path()).size(), 5);

    const test::CliResult r = test::RunCli(home.path(), {QStringLiteral("check"), path});
    EXPECT_TRUE(r.err.startsWith(upgradeQuestion(QStringLiteral("leto.znt.bak")) +
                                 QStringLiteral("\nZa odgovor Da dodajte možnost --yes.\n")))
        << r.err.toStdString();
    EXPECT_EQ(projectFiles(home.path()), QStringList({QStringLiteral("leto.znt"), QStringLiteral("leto.znt.bak1")}));
    EXPECT_EQ(schemaVersion(path), 18);
    EXPECT_EQ(test::RowCount(path, QStringLiteral("STAVBE")), 1);
    EXPECT_EQ(test::FileBytes(path + QStringLiteral(".bak1")), QByteArray("prejšnja varnostna kopija"));

    // The message names the backup the upgrade writes: with .bak and .bak1 taken by real ones, .bak2.
    ASSERT_TRUE(QFile::rename(path + QStringLiteral(".bak1"), path + QStringLiteral(".bak")));
    writeFile(path + QStringLiteral(".bak1"), "še ena");
    const QByteArray old = test::FileBytes(path);
    home.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(home.messages().texts().first(), upgradeQuestion(QStringLiteral("leto.znt.bak2")));
    EXPECT_EQ(test::FileBytes(path + QStringLiteral(".bak2")), old);
    EXPECT_EQ(test::FileBytes(path + QStringLiteral(".bak")), QByteArray("prejšnja varnostna kopija"));
    EXPECT_EQ(test::FileBytes(path + QStringLiteral(".bak1")), QByteArray("še ena"));
    EXPECT_EQ(test::RowCount(path, QStringLiteral("STAVBE")), 1);
}

TEST(Leftovers, ABuildThatIsStillRunningIsLeftAlone) {
    test::TempHome home;
    const QString path = version18Project(home, QStringLiteral("leto.znt"));
    const QString temporary = db::ProjectBuild::TemporaryPathFor(path);
    writeFile(temporary, "gradnja teče");
    db::ProjectLock running; // the build of another program
    ASSERT_EQ(running.acquire(temporary), db::ProjectLock::Result::Held);
    shell::OpenProjectFile(path); // the upgrade is declined
    EXPECT_EQ(test::FileBytes(temporary), QByteArray("gradnja teče"));
    shell::CloseProject();
    running.release();
    shell::OpenProjectFile(path);
    EXPECT_FALSE(QFile::exists(temporary));
}

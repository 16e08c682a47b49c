#include "core/AppState.h"
#include "db/MBaza.h"
#include "db/ProjectLock.h"
#include "shell/ProjectFiles.h"
#include "shell/SafetyCopies.h"
#include "shell/Startup.h"
#include "support/CliProcess.h"
#include "support/PrintQString.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zentrel;
using core::Answer;
using core::App;

namespace {

// A project whose file has lost track of fifty free pages: the engine's check reports them, and
// a compaction (which copies only the live content) repairs it.
QString projectWithLostPages(test::TempHome &home, const QString &name) {
    const QString path = home.newProjectFile(name);
    {
        db::Connection c;
        EXPECT_TRUE(c.open(path));
        EXPECT_TRUE(
            c.exec(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'Š1', 'Šola d''Or');"
                                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200)"
                                  " INSERT INTO ERD_UCENEC (ID, OZNAKA) SELECT i, hex(randomblob(500)) FROM n;"
                                  "DELETE FROM ERD_UCENEC;")));
    }
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(32); // first freelist page and the number of free pages
    f.write(QByteArray(8, '\0'));
    return path;
}

// A project with a table page overwritten: its rows cannot be read, so no compaction repairs it.
QString projectWithBrokenTable(test::TempHome &home, const QString &name) {
    const QString path = home.newProjectFile(name);
    qint64 page = 0;
    {
        db::Connection c;
        EXPECT_TRUE(c.open(path));
        EXPECT_TRUE(c.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                                          "400) INSERT INTO UCITELJI (ID, OZNAKA, PRIIMEK) SELECT i, 'U' || i, "
                                          "hex(randomblob(100)) FROM n")));
        page = c.scalar(QStringLiteral("PRAGMA page_count")).toLongLong() - 2;
    }
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek((page - 1) * 4096);
    f.write(QByteArray(4096, '\xff'));
    return path;
}

const QString kInUse =
    QStringLiteral("Projekt p.znt je odprt v drugem programu. Dokler je odprt tam, ga tukaj ni mogoče "
                   "spreminjati.\n\nAli ga želiš odpreti samo za branje?");

} // namespace

TEST(ProjectSafety, ADamagedProjectIsOfferedTheCompactionWhichRepairsIt) {
    test::TempHome home;
    const QString path = projectWithLostPages(home, QStringLiteral("d.znt"));
    const QByteArray damaged = test::FileBytes(path);
    const QString question =
        QStringLiteral("Datoteka d.znt je poškodovana.\nKrčenje (Skrči / popravi podatke) jo lahko "
                       "popravi; poškodovana datoteka ostane shranjena kot varnostna kopija.\n\n"
                       "Ali jo želiš skrčiti zdaj?");
    EXPECT_FALSE(shell::OpenProjectFile(path));
    EXPECT_EQ(home.messages().texts(), QStringList{question});
    EXPECT_EQ(test::FileBytes(path), damaged);

    home.messages().clear();
    home.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(home.messages().texts(),
              QStringList({question, QStringLiteral("Datoteka d.znt je popravljena. Poškodovana datoteka je shranjena "
                                                    "kot d.znt.bak.")}));
    EXPECT_EQ(db::ProjectDb().scalar(QStringLiteral("PRAGMA quick_check")).toString(), QStringLiteral("ok"));
    EXPECT_EQ(db::ProjectDb().scalar(QStringLiteral("SELECT IME FROM STAVBE")).toString(), QStringLiteral("Šola d'Or"));
    EXPECT_EQ(test::FileBytes(path + QStringLiteral(".bak")), damaged);
}

TEST(ProjectSafety, ACompactionThatCannotRepairSaysSoAndChangesNothing) {
    test::TempHome home;
    const QString path = projectWithBrokenTable(home, QStringLiteral("z.znt"));
    const QByteArray damaged = test::FileBytes(path);
    home.messages().queueAnswers({Answer::Yes});
    EXPECT_FALSE(shell::OpenProjectFile(path));
    ASSERT_EQ(home.messages().texts().size(), 2);
    EXPECT_EQ(home.messages().texts().last(), QStringLiteral("Datoteka z.znt je preveč poškodovana, da bi jo krčenje "
                                                             "popravilo; ostala je nespremenjena."));
    EXPECT_EQ(test::FileBytes(path), damaged);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{QStringLiteral("z.znt")});
}

TEST(ProjectSafety, AProjectOpenInAnotherProgramIsOfferedReadOnly) {
    test::TempHome home;
    const QString path = home.newProjectFile(QStringLiteral("p.znt"));
    {
        db::ProjectLock other; // another program that has the project open
        ASSERT_EQ(other.acquire(path), db::ProjectLock::Result::Held);
        const QByteArray before = test::FileBytes(path);
        EXPECT_FALSE(shell::OpenProjectFile(path));
        EXPECT_EQ(home.messages().texts(), QStringList{kInUse});
        home.messages().queueAnswers({Answer::Yes});
        ASSERT_TRUE(shell::OpenProjectFile(path));
        EXPECT_TRUE(App().projectReadOnly);
        EXPECT_EQ(shell::MainCaption(), QStringLiteral("Zentrel  - p.znt (samo za branje)"));
        EXPECT_FALSE(db::ProjectDb().exec(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'A', 'A')")));
        // The safety copies are the other program's to write and to prune.
        EXPECT_TRUE(shell::SafetyCopyBefore(QStringLiteral("Uvoz učencev")));
        EXPECT_TRUE(shell::ListSafetyCopies(path).isEmpty());
        shell::CloseProject();
        EXPECT_EQ(test::FileBytes(path), before);
    }
    // Once the other program has closed it, the project opens for writing and is held here.
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_FALSE(App().projectReadOnly);
    db::ProjectLock second;
    EXPECT_EQ(second.acquire(path), db::ProjectLock::Result::InUse);
}

TEST(ProjectSafety, ASecondProcessIsToldTheProjectIsInUse) {
    test::TempHome home;
    const QString path = home.newProjectFile(QStringLiteral("p.znt"));
    ASSERT_TRUE(shell::OpenProjectFile(path));
    const QByteArray before = test::FileBytes(path);
    test::CliResult r = test::RunCli(home.path(), {QStringLiteral("check"), path});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, kInUse + QStringLiteral("\nZa odgovor Da dodajte možnost --yes.\n"));
    r = test::RunCli(home.path(), {QStringLiteral("check"), path, QStringLiteral("--yes")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Projekt: ") + path + u'\n'));
    EXPECT_EQ(test::FileBytes(path), before);
    shell::CloseProject();
    r = test::RunCli(home.path(), {QStringLiteral("check"), path});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
}

TEST(ProjectSafety, OpeningFailuresSayWhatIsWrong) {
    test::TempHome home;
    const QString folder = home.file(QStringLiteral("mapa.znt"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(shell::OpenProjectFile(folder));

    // Another program writing the file holds it locked for the moment.
    const QString busy = home.newProjectFile(QStringLiteral("zaklenjen.znt"));
    db::Connection writer;
    ASSERT_TRUE(writer.open(busy));
    ASSERT_TRUE(writer.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    EXPECT_FALSE(shell::OpenProjectFile(busy));
    writer.exec(QStringLiteral("ROLLBACK"));
    EXPECT_EQ(
        home.messages().texts(),
        QStringList({folder + QStringLiteral(" je mapa, ne datoteka projekta."),
                     QStringLiteral("Datoteko %1 ima zaklenjeno drug program. Poskusite znova pozneje.").arg(busy)}));

    // A file the user may not read (the check runs as an ordinary user when the tests run as root).
    const QString secret = home.newProjectFile(QStringLiteral("skrit.znt"));
    ASSERT_TRUE(QFile::setPermissions(secret, QFileDevice::WriteOwner));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString ownHome = home.file(QStringLiteral("drugi"));
    ASSERT_TRUE(QDir().mkpath(ownHome));
    env.insert(QStringLiteral("ZENTREL_HOME"), ownHome);
    p.setProcessEnvironment(env);
    if (::geteuid() == 0) {
        ::chmod(QFile::encodeName(home.path()).constData(), 0755);
        ::chmod(QFile::encodeName(ownHome).constData(), 0777);
        p.setChildProcessModifier([] {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(9);
        });
    }
    p.start(test::ProgramFolder() + QStringLiteral("/zentrel-cli"), {QStringLiteral("check"), secret});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
              QStringLiteral("Datoteke %1 ni mogoče brati, ker za to nimate dovoljenja.\n").arg(secret));
}

TEST(ProjectSafety, AnUnwritableDefaultsDatabaseIsReported) {
    test::TempHome home(false);
    const QString opm = App().folders.defaultsDatabase();
    ASSERT_TRUE(QFile::copy(App().folders.pristineDefaults(), opm));
    ASSERT_TRUE(QFile::setPermissions(opm, QFileDevice::ReadOwner));
    EXPECT_FALSE(shell::OpenDefaultsDatabase());
    EXPECT_EQ(home.messages().texts(),
              QStringList{QStringLiteral("Datoteka %1 je zaščitena proti pisanju.\nOdstranite zaščito in "
                                         "poskusite znova.")
                              .arg(opm)});
}

TEST(ProjectSafety, CompactionKeepsModeAndLinksAndRemovesWhatAKilledOneLeft) {
    test::TempHome home;
    const QString target = home.newProjectFile(QStringLiteral("prava.znt"));
    const QString link = home.file(QStringLiteral("povezava.znt"));
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::WriteGroup));
    const QString leftOver = shell::CompactionTemporaryFile(target);
    {
        QFile f(leftOver);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ostanek prekinjenega krčenja");
    }
    ASSERT_TRUE(shell::OpenProjectFile(link));
    EXPECT_FALSE(QFileInfo::exists(leftOver)) << "opening removes it";
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'A', 'A')")));
    {
        QFile f(leftOver);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("še en");
    }
    ASSERT_TRUE(shell::CompactProject());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
    struct stat st = {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0660u);
    EXPECT_FALSE(QFileInfo::exists(leftOver));
    EXPECT_EQ(db::ProjectDb().scalar(QStringLiteral("SELECT count(*) FROM STAVBE")).toInt(), 1);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::System),
              QStringList({QStringLiteral("povezava.znt"), QStringLiteral("prava.znt")}));
}

#include "db/MBaza.h"
#include "db/ProjectLock.h"
#include "shell/ProjectFiles.h"
#include "support/CliProcess.h"
#include "support/PrintQString.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zentrel;
using core::Answer;

namespace {

QString check(db::Connection &c, const char *pragma) {
    return c.scalar(QStringLiteral("PRAGMA ") + QLatin1String(pragma)).toString();
}

// A project with a room group of one member, which its index of room group members lists.
QString projectWithARoomGroup(test::TempHome &home, const QString &name) {
    const QString path = home.newProjectFile(name);
    db::Connection c;
    EXPECT_TRUE(c.open(path));
    EXPECT_TRUE(c.exec(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'G', 'Šola d''Or');"
                                      "INSERT INTO PROSTORI VALUES (5, 'KEM', 'Kemija', 1, 0);"
                                      "INSERT INTO SKUPINE_PROSTOROV VALUES (5, 'KEM', 'Kemija');"
                                      "INSERT INTO PROSTORI_V_SKUPINI VALUES (5, 5);")));
    return path;
}

// Gives the index entry of the member a wrong row number: the file's structure stays sound, so
// the quick check passes, but the index disagrees with its table.
void damageIndex(const QString &path) {
    qint64 page = 0, pageSize = 0;
    {
        db::Connection c;
        ASSERT_TRUE(c.open(path, db::Connection::Access::ReadOnly));
        page = c.scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'PROSTORI_V_SKUPINI_SKUPINA'"))
                   .toLongLong();
        pageSize = c.scalar(QStringLiteral("PRAGMA page_size")).toLongLong();
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek((page - 1) * pageSize);
    const QByteArray bytes = f.read(pageSize);
    // The entry: its size, a header of three bytes (group 5 as a one-byte integer, row 1 as the
    // constant one), group 5.
    const QByteArray entry("\x04\x03\x01\x09\x05", 5);
    const qsizetype at = bytes.indexOf(entry);
    ASSERT_GT(at, 0);
    ASSERT_EQ(bytes.indexOf(entry, at + 1), -1);
    f.seek((page - 1) * pageSize + at + 3);
    f.write("\x08", 1); // the constant zero: row 0, which does not exist
    f.close();
    db::Connection c;
    ASSERT_TRUE(c.open(path, db::Connection::Access::ReadOnly));
    EXPECT_EQ(check(c, "quick_check"), QStringLiteral("ok"));
    EXPECT_NE(check(c, "integrity_check"), QStringLiteral("ok"));
}

QString projectWithDamagedIndex(test::TempHome &home, const QString &name) {
    const QString path = projectWithARoomGroup(home, name);
    damageIndex(path);
    return path;
}

const QString kQuestion = QStringLiteral("Datoteka i.znt je poškodovana.\nKrčenje (Skrči / popravi podatke) jo lahko "
                                         "popravi; poškodovana datoteka ostane shranjena kot varnostna kopija.\n\n"
                                         "Ali jo želiš skrčiti zdaj?");

} // namespace

TEST(ProjectDamage, ADamagedIndexIsFoundOnOpeningAndRepaired) {
    test::TempHome home;
    const QString path = projectWithDamagedIndex(home, QStringLiteral("i.znt"));
    const QByteArray damaged = test::FileBytes(path);

    // check: the damage is told and nothing is changed without the answer.
    test::CliResult r = test::RunCli(home.path(), {QStringLiteral("check"), path});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, kQuestion + QStringLiteral("\nZa odgovor Da dodajte možnost --yes.\n"));
    EXPECT_EQ(test::FileBytes(path), damaged);

    // The compaction rebuilds the index in its copy; the damaged file stays as the backup.
    r = test::RunCli(home.path(), {QStringLiteral("compact"), path, QStringLiteral("--yes")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(test::FileBytes(path + QStringLiteral(".bak")), damaged);
    db::Connection c;
    ASSERT_TRUE(c.open(path, db::Connection::Access::ReadOnly));
    EXPECT_EQ(check(c, "integrity_check"), QStringLiteral("ok"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT IME FROM STAVBE")).toString(), QStringLiteral("Šola d'Or"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM PROSTORI_V_SKUPINI WHERE ID_SKUPINE = 5")).toInt(), 1);
}

TEST(ProjectDamage, TheFullCheckRunsOnlyOnAFileChangedSinceItWasFoundSound) {
    test::TempHome home;
    const QString path = projectWithARoomGroup(home, QStringLiteral("i.znt"));
    ASSERT_TRUE(shell::OpenProjectFile(path));
    shell::CloseProject();
    // Damaged behind the program's back with its size and time of change kept: the quick check
    // passes, and the file is as it was when found sound, so it is not read whole again.
    const QDateTime changed = QFileInfo(path).lastModified();
    damageIndex(path);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(changed, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(home.messages().texts(), QStringList());
    db::ProjectDb().close(); // without the record of a close
    db::ProjectFileLock().release();
    // Changed: the full check finds it.
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(changed.addSecs(5), QFileDevice::FileModificationTime));
    }
    shell::CloseProject();
    EXPECT_FALSE(shell::OpenProjectFile(path));
    EXPECT_EQ(home.messages().texts(), QStringList{kQuestion});
    home.messages().clear();
    home.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(home.messages().texts(),
              QStringList({kQuestion, QStringLiteral("Datoteka i.znt je popravljena. Poškodovana datoteka je shranjena "
                                                     "kot i.znt.bak.")}));
    EXPECT_EQ(check(db::ProjectDb(), "integrity_check"), QStringLiteral("ok"));
}

TEST(ProjectDamage, DamageMetWhileWorkingIsToldInTheUsersWords) {
    test::TempHome home;
    const QString path = projectWithDamagedIndex(home, QStringLiteral("i.znt"));
    db::Connection c;
    ASSERT_TRUE(c.open(path));
    // Deleting the member looks for its index entry, which is not where it should be.
    EXPECT_FALSE(c.exec(QStringLiteral("DELETE FROM PROSTORI_V_SKUPINI WHERE rowid = 1")));
    const core::Message m = core::BuildErrorMessage(QStringLiteral("Napaka pri brisanju."), c.lastError());
    EXPECT_EQ(m.text, QStringLiteral("Napaka pri brisanju.\nDatoteka projekta je poškodovana. Ob naslednjem odpiranju "
                                     "jo program preveri in ponudi popravilo."));
}

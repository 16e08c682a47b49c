#include "db/MBaza.h"
#include "shell/ProjectFiles.h"
#include "support/PrintQString.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace zentrel;

// Another program in the middle of its work on the project holds one of the engine's locks for
// the moment: reading (a read transaction), about to write (a reserved write, as "BEGIN
// IMMEDIATE" in any database shell takes it), or writing.
TEST(LockMessages, EveryKindOfLockByAnotherProgramGetsItsOwnMessage) {
    test::TempHome home;
    const QString path = home.newProjectFile(QStringLiteral("z.znt"));
    ASSERT_TRUE(shell::OpenProjectFile(path));
    shell::CloseProject();
    const QString locked =
        QStringLiteral("Datoteko %1 ima zaklenjeno drug program. Poskusite znova pozneje.").arg(path);
    db::Connection other;
    ASSERT_TRUE(other.open(path));

    // A reader does not keep the project from opening; a write waits for it and says why.
    ASSERT_TRUE(other.exec(QStringLiteral("BEGIN")));
    ASSERT_EQ(other.scalar(QStringLiteral("SELECT count(*) FROM STAVBE")).toInt(), 0);
    EXPECT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(home.messages().texts(), QStringList());
    EXPECT_FALSE(db::ProjectDb().exec(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'G', 'Glavna')")));
    EXPECT_EQ(db::ProjectDb().lastError().description,
              QStringLiteral("Podatke ima zaklenjene drug program. Poskusite znova pozneje."));
    shell::CloseProject();
    ASSERT_TRUE(other.exec(QStringLiteral("ROLLBACK")));

    for (const char *begin : {"BEGIN IMMEDIATE", "BEGIN EXCLUSIVE"}) {
        const QByteArray before = test::FileBytes(path);
        ASSERT_TRUE(other.exec(QString::fromLatin1(begin)));
        home.messages().clear();
        EXPECT_FALSE(shell::OpenProjectFile(path)) << begin;
        EXPECT_EQ(home.messages().texts(), QStringList{locked}) << begin;
        ASSERT_TRUE(other.exec(QStringLiteral("ROLLBACK")));
        EXPECT_EQ(test::FileBytes(path), before);
    }
    // Once the other program has finished, the project opens.
    home.messages().clear();
    EXPECT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(home.messages().texts(), QStringList());
}

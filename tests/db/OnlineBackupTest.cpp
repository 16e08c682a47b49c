// Whole-database copies: what a copy refuses, and that a refusal leaves every file as it was.

#include "db/OnlineBackup.h"
#include "support/ProjectContents.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zentrel;
using db::BackupError;
using db::Connection;
using test::FileBytes;

namespace {

class OnlineBackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(source.create(folder.file(QStringLiteral("vir.znt"))));
        ASSERT_TRUE(source.exec(QStringLiteral("CREATE TABLE T (X TEXT)")));
        ASSERT_TRUE(source.exec(QStringLiteral("INSERT INTO T VALUES ('shranjeno')")));
    }
    QString target() const { return folder.file(QStringLiteral("kopija.znt")); }
    // The rows of T in the database file at `path`.
    static QStringList rows(const QString &path) {
        Connection c;
        if (!c.open(path, Connection::Access::ReadOnly))
            return {QStringLiteral("(not a database)")};
        const db::RowSet r = c.query(QStringLiteral("SELECT X FROM T ORDER BY X"));
        QStringList out;
        for (int i = 0; i < r.rowCount(); ++i)
            out << r.text(i, QStringLiteral("X"));
        return out;
    }

    test::TempFolder folder;
    Connection source;
};

} // namespace

TEST_F(OnlineBackupTest, ACopyHoldsTheCommittedStateAndNoPartialFileStays) {
    BackupError error;
    ASSERT_TRUE(db::BackupToFile(source, target(), error)) << qPrintable(error.description);
    EXPECT_EQ(error.kind, BackupError::None);
    EXPECT_EQ(rows(target()), QStringList{QStringLiteral("shranjeno")});
    EXPECT_FALSE(QFileInfo::exists(db::PartialCopyName(target())));
}

TEST_F(OnlineBackupTest, AnExistingFileIsNeverOverwritten) {
    QFile existing(target());
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("not mine to replace");
    existing.close();
    BackupError error;
    EXPECT_FALSE(db::BackupToFile(source, target(), error));
    EXPECT_EQ(error.kind, BackupError::Other);
    EXPECT_EQ(FileBytes(target()), QByteArray("not mine to replace"));
}

TEST_F(OnlineBackupTest, NoCopyIsTakenInsideATransaction) {
    // The copy would hold the transaction's uncommitted rows, which a rollback takes back.
    ASSERT_TRUE(source.begin());
    ASSERT_TRUE(source.exec(QStringLiteral("INSERT INTO T VALUES ('nepotrjeno')")));
    BackupError error;
    EXPECT_FALSE(db::BackupToFile(source, target(), error));
    EXPECT_EQ(error.kind, BackupError::Other);
    EXPECT_FALSE(QFileInfo::exists(target()));
    source.rollback();
    EXPECT_EQ(rows(folder.file(QStringLiteral("vir.znt"))), QStringList{QStringLiteral("shranjeno")});
}

#include "core/Messages.h"
#include "db/Connection.h"
#include "db/Schema.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::db;

TEST(Connection, RefusesFilesThatAreNotDatabasesAndLeavesThemUnchanged) {
    test::TempFolder dir;
    const QString path = dir.file(QStringLiteral("besedilo.znt"));
    const QByteArray content = "To ni baza podatkov, samo besedilo.\n";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    Connection c;
    EXPECT_FALSE(c.open(path));
    EXPECT_EQ(c.lastError().code, DbErrorCode::NotADatabase);
    EXPECT_FALSE(c.isOpen());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), content);

    EXPECT_FALSE(c.open(dir.file(QStringLiteral("ni.znt"))));
    EXPECT_EQ(c.lastError().code, DbErrorCode::FileNotFound);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("ni.znt"))));
}

TEST(Connection, TransactionsRollBackAsAWholeAndNest) {
    test::TempFolder dir;
    Connection c;
    ASSERT_TRUE(c.create(dir.file(QStringLiteral("t.db"))));
    ASSERT_TRUE(c.exec(QStringLiteral("CREATE TABLE T (ID INTEGER PRIMARY KEY, IME TEXT)")));
    {
        Transaction outer(c);
        ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO T VALUES (1, 'a')")));
        {
            Transaction inner(c);
            ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO T VALUES (2, 'b')")));
            // not committed: only the inner part goes
        }
        EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM T")).toInt(), 1);
        EXPECT_FALSE(c.exec(QStringLiteral("INSERT INTO T VALUES (1, 'dvojnik')")));
        // outer not committed either
    }
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM T")).toInt(), 0);
    EXPECT_EQ(c.transactionDepth(), 0);
}

TEST(Connection, BindsValuesAndReadsTypesAndNulls) {
    test::TempFolder dir;
    Connection c;
    ASSERT_TRUE(c.create(dir.file(QStringLiteral("t.db"))));
    ASSERT_TRUE(c.exec(QStringLiteral("CREATE TABLE T (ID INTEGER, IME TEXT, DA BOOLEAN)")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO T VALUES (:id, :ime, :da)"),
                       QVariantMap{{QStringLiteral("ID"), 7},
                                   {QStringLiteral("ime"), QStringLiteral("Šola d'Or")},
                                   {QStringLiteral("da"), true}}));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO T VALUES (?, ?, ?)"), {8, QVariant(), false}));
    const RowSet rows = c.query(QStringLiteral("SELECT * FROM T ORDER BY ID"));
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(rows.text(0, QStringLiteral("ime")), QStringLiteral("Šola d'Or"));
    EXPECT_TRUE(rows.isBooleanColumn(rows.columnIndex(QStringLiteral("DA"))));
    EXPECT_TRUE(rows.value(1, QStringLiteral("IME")).isNull());
    EXPECT_EQ(rows.integer(1, QStringLiteral("IME")), -1);
    EXPECT_EQ(rows.integer(0, QStringLiteral("T.ID")), 7);
}

TEST(Connection, AStatementCompiledOnceRunsAgainAndReadsRowsAsText) {
    test::TempFolder dir;
    Connection c;
    ASSERT_TRUE(c.create(dir.file(QStringLiteral("t.db"))));
    ASSERT_TRUE(c.exec(QStringLiteral("CREATE TABLE T (ID INTEGER PRIMARY KEY, IME TEXT NOT NULL, SOBA INTEGER)")));
    Statement insert(c, QStringLiteral("INSERT INTO T (IME, SOBA) VALUES (?, ?)"));
    ASSERT_TRUE(insert.isValid());
    EXPECT_TRUE(insert.run({QStringLiteral("Šola"), 12}));
    EXPECT_EQ(c.lastInsertId(), 1);
    EXPECT_TRUE(insert.run({QString(QLatin1String("")), 5}));
    // A failed run says why and leaves the statement usable; no value stays bound from before.
    EXPECT_FALSE(insert.run({QVariant()}));
    EXPECT_EQ(c.lastError().description, QStringLiteral("NOT NULL constraint failed: T.IME"));
    EXPECT_TRUE(insert.run({QStringLiteral("d'Or")}));
    EXPECT_FALSE(c.lastError().isError());

    Statement read(c, QStringLiteral("SELECT ID, IME, SOBA FROM T WHERE ID >= ? ORDER BY ID"));
    QStringList rows;
    for (bool row = read.first({1}); row; row = read.next())
        rows << QStringLiteral("%1|%2|%3|%4")
                    .arg(QString::fromUtf8(read.text(0)), QString::fromUtf8(read.text(1)),
                         read.text(1).isNull() ? QStringLiteral("null") : QStringLiteral("text"),
                         read.text(2).isNull() ? QStringLiteral("-") : QString::fromUtf8(read.text(2)));
    EXPECT_FALSE(c.lastError().isError());
    EXPECT_EQ(rows, (QStringList{QStringLiteral("1|Šola|text|12"), QStringLiteral("2||text|5"),
                                 QStringLiteral("3|d'Or|text|-")}));
    // Read again from the start, with another value.
    ASSERT_TRUE(read.first({3}));
    EXPECT_EQ(read.text(1), QByteArrayView("d'Or"));
    EXPECT_FALSE(read.next());

    Statement wrong(c, QStringLiteral("SELECT NI FROM T"));
    EXPECT_FALSE(wrong.isValid());
    EXPECT_EQ(c.lastError().description, QStringLiteral("no such column: NI"));
    EXPECT_FALSE(wrong.first({}));
    EXPECT_TRUE(c.lastError().isError());
}

TEST(Connection, ClassifiesTheErrorsTheProgramDistinguishes) {
    test::TempFolder dir;
    Connection c;
    ASSERT_TRUE(c.create(dir.file(QStringLiteral("t.db"))));
    ASSERT_TRUE(CreateSchema(c));
    EXPECT_FALSE(c.exec(QStringLiteral("SELECT * FROM NI_TABELE")));
    EXPECT_EQ(c.lastError().code, DbErrorCode::MissingTable);
    EXPECT_FALSE(c.exec(QStringLiteral("SELECT NI_STOLPCA FROM INI")));
    EXPECT_EQ(c.lastError().code, DbErrorCode::ItemNotFound);
    EXPECT_FALSE(c.exec(QStringLiteral("CREATE TABLE INI (X INT)")));
    EXPECT_EQ(c.lastError().code, DbErrorCode::ObjectExists);
    EXPECT_FALSE(c.exec(QStringLiteral("CREATE INDEX TERMINI_URNIK ON TERMINI (ID)")));
    EXPECT_EQ(c.lastError().code, DbErrorCode::IndexExists);
    EXPECT_TRUE(c.lastError().isIgnorableDuringRepair());

    // A write while another program holds the file locked is reported in the user's words.
    Connection other;
    ASSERT_TRUE(other.open(dir.file(QStringLiteral("t.db"))));
    ASSERT_TRUE(other.exec(QStringLiteral("BEGIN IMMEDIATE")));
    ASSERT_TRUE(c.exec(QStringLiteral("PRAGMA busy_timeout = 0")));
    EXPECT_FALSE(c.exec(QStringLiteral("UPDATE INI SET VREDNOST = 'x'")));
    EXPECT_EQ(c.lastError().code, DbErrorCode::InUse);
    EXPECT_EQ(core::BuildErrorMessage(QStringLiteral("Urnika ni bilo mogoče shraniti."), c.lastError()).text,
              QStringLiteral("Urnika ni bilo mogoče shraniti.\n"
                             "Podatke ima zaklenjene drug program. Poskusite znova pozneje."));
    ASSERT_TRUE(other.exec(QStringLiteral("ROLLBACK")));
    EXPECT_TRUE(c.exec(QStringLiteral("UPDATE INI SET VREDNOST = 'x'")));
}

TEST(Connection, CollationSlovenskoSortsInSlovenianOrderAndComparesExactly) {
    test::TempFolder dir;
    Connection c;
    ASSERT_TRUE(c.create(dir.file(QStringLiteral("t.db"))));
    ASSERT_TRUE(CreateSchema(c));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA, PRIIMEK) VALUES "
                                      "(1,'Ž','Žagar'),(2,'Z','Zupan'),(3,'Č','Čeh'),(4,'C','Cankar'),"
                                      "(5,'D','Dolenc'),(6,'Š','Šket'),(7,'S','Sever'),(8,'c','cankar')")));
    const RowSet rows = c.query(QStringLiteral("SELECT PRIIMEK FROM UCITELJI ORDER BY PRIIMEK COLLATE SLOVENSKO"));
    QStringList order;
    for (int i = 0; i < rows.rowCount(); ++i)
        order << rows.text(i, QStringLiteral("PRIIMEK"));
    EXPECT_EQ(order, (QStringList{"cankar", "Cankar", "Čeh", "Dolenc", "Sever", "Šket", "Zupan", "Žagar"}));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM UCITELJI WHERE OZNAKA = 'C'")).toInt(), 1);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM UCITELJI WHERE OZNAKA = 'Č'")).toInt(), 1);
}

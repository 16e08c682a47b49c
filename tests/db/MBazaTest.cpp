#include "db/MBaza.h"
#include "db/SqlText.h"
#include "support/TempProject.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::db;

TEST(MBaza, ToLongSchemaVersionAndIni) {
    EXPECT_EQ(ToLong(QString()), -1);
    EXPECT_EQ(ToLong(QStringLiteral("12")), 12);
    EXPECT_EQ(ToLong(QStringLiteral("x")), -1);
    EXPECT_EQ(ToLong(QStringLiteral("2.6")), 3);
    EXPECT_EQ(ToLong(QVariant()), -1);

    test::TempProject p;
    EXPECT_EQ(SchemaVersion(p.db()), 19);
    ASSERT_TRUE(WriteIni(QStringLiteral("OŠ d'Or, Črnomelj"), QStringLiteral("Ime_Sole"), p.db()));
    EXPECT_EQ(ReadIni(QStringLiteral("Ime_Sole"), p.db()), QStringLiteral("OŠ d'Or, Črnomelj"));
    ASSERT_TRUE(WriteIni(QStringLiteral("x'; DROP TABLE INI; --"), QStringLiteral("Ključ z ' narekovajem"), p.db()));
    EXPECT_EQ(ReadIni(QStringLiteral("Ključ z ' narekovajem"), p.db()), QStringLiteral("x'; DROP TABLE INI; --"));
    ASSERT_TRUE(WriteIni(QString(), QStringLiteral("Ime_Sole"), p.db()));
    EXPECT_EQ(p.db().scalar(QStringLiteral("SELECT count(*) FROM INI WHERE ATRIBUT='Ime_Sole'")).toInt(), 0);
    ASSERT_TRUE(WriteIni(QStringLiteral("abc"), QStringLiteral("Verzija"), p.db()));
    EXPECT_EQ(SchemaVersion(p.db()), 1);
}

TEST(MBaza, IdentifiersOverOneAndTwoTables) {
    test::TempProject p;
    EXPECT_EQ(NextId(QStringLiteral("PROSTORI"), p.db()), 1);
    ASSERT_TRUE(p.db().exec(QStringLiteral("INSERT INTO PROSTORI (ID,OZNAKA) VALUES (4,'A');"
                                           "INSERT INTO SKUPINE_PROSTOROV (ID,OZNAKA) VALUES (9,'$S')")));
    EXPECT_EQ(NextId(QStringLiteral("PROSTORI"), p.db()), 5);
    EXPECT_EQ(NextIdOver(p.db(), QStringLiteral("PROSTORI"), QStringLiteral("ID"), QStringLiteral("SKUPINE_PROSTOROV")), 10);
    EXPECT_EQ(NextIdOver(p.db(), QStringLiteral("PROSTORI"), QStringLiteral("ID")), 5);
}

TEST(MBaza, FieldTextsAndLiterals) {
    test::TempProject p;
    ASSERT_TRUE(p.db().exec(QStringLiteral("INSERT INTO PROSTORI VALUES (1,'K''1',NULL,NULL,1),(2,'K2','',NULL,NULL)")));
    const RowSet r = p.db().query(QStringLiteral("SELECT * FROM PROSTORI ORDER BY ID"));
    EXPECT_EQ(FieldText(r, 0, QStringLiteral("KABINET")), QStringLiteral("1"));
    EXPECT_EQ(FieldText(r, 1, QStringLiteral("KABINET")), QStringLiteral("0"));
    EXPECT_EQ(FieldText(r, 0, QStringLiteral("IME")), QString());
    EXPECT_EQ(FieldDaNe(r, 0, QStringLiteral("KABINET")), QStringLiteral("Da"));
    EXPECT_EQ(FieldDaNe(r, 1, QStringLiteral("KABINET")), QStringLiteral("Ne"));
    EXPECT_EQ(SqlLiteral(r, 0, QStringLiteral("OZNAKA")), QStringLiteral("'K''1'"));
    EXPECT_EQ(SqlLiteral(r, 0, QStringLiteral("IME")), QStringLiteral("Null"));
    EXPECT_EQ(SqlLiteral(r, 1, QStringLiteral("KABINET")), QStringLiteral("0"));
    EXPECT_EQ(SqlLiteral(r, 0, QStringLiteral("ID")), QStringLiteral("1"));
}

TEST(MBaza, BackupNamesAndTheWriteTest) {
    test::TempFolder dir;
    const QString path = dir.file(QStringLiteral("p.znt"));
    for (const QString &name : {path, path + QStringLiteral(".bak"), path + QStringLiteral(".bak1")}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(MakeBackup(path), path + QStringLiteral(".bak2"));
    EXPECT_FALSE(QFileInfo::exists(path));

    test::TempProject p;
    EXPECT_TRUE(WriteTest(p.db()));
    p.db().close();
    QFile::setPermissions(p.path(), QFile::ReadOwner);
    ASSERT_TRUE(p.db().open(p.path()));
    EXPECT_FALSE(WriteTest(p.db()));
    EXPECT_EQ(p.db().lastError().code, DbErrorCode::NotWritable);
}

TEST(MBaza, CopyTableMatchesColumnsByName) {
    test::TempProject p;
    test::TempFolder dir;
    const QString other = dir.file(QStringLiteral("drug.db"));
    {
        Connection c;
        ASSERT_TRUE(c.create(other));
        ASSERT_TRUE(c.exec(QStringLiteral("CREATE TABLE STAVBE (IME TEXT, ID INTEGER, STAROST INTEGER, OZNAKA TEXT);"
                                          "INSERT INTO STAVBE VALUES ('Glavna d''Or',1,50,'G'),('Nova',2,1,'N')")));
    }
    ASSERT_TRUE(p.db().exec(QStringLiteral("INSERT INTO STAVBE VALUES (9,'X','Stara')")));
    ASSERT_TRUE(CopyTable(QStringLiteral("STAVBE"), other, p.db(), QStringLiteral("WHERE ID > 1")));
    const RowSet r = p.db().query(QStringLiteral("SELECT * FROM STAVBE"));
    ASSERT_EQ(r.rowCount(), 1);
    EXPECT_EQ(r.text(0, QStringLiteral("IME")), QStringLiteral("Nova"));
    EXPECT_FALSE(CopyTable(QStringLiteral("STAVBE"), other, p.db(), QString(), false)) << "row 2 is there already";
    EXPECT_EQ(p.db().scalar(QStringLiteral("SELECT count(*) FROM STAVBE")).toInt(), 1) << "nothing half-copied";
    ASSERT_TRUE(CopyTable(QStringLiteral("STAVBE"), other, p.db(), QStringLiteral("WHERE ID = 1"), false));
    EXPECT_EQ(p.db().scalar(QStringLiteral("SELECT IME FROM STAVBE WHERE ID=1")).toString(), QStringLiteral("Glavna d'Or"));
    EXPECT_FALSE(CopyTable(QStringLiteral("URE"), other, p.db()));
    EXPECT_EQ(p.db().scalar(QStringLiteral("SELECT count(*) FROM URE")).toInt(), 16) << "a failed copy empties nothing";
}

TEST(SqlText, BuildersGiveTheNamesTheProgramShows) {
    test::TempProject p;
    ASSERT_TRUE(p.db().exec(QStringLiteral("INSERT INTO UCITELJI VALUES (1,'KOV','Žiga','Jan','Kovač'),"
                                           "(2,'NN','Ana',NULL,NULL),(3,'O''B','Eva',NULL,'O''Brien')")));
    const QString sql = QStringLiteral("SELECT %1 AS A, %2 AS B, %3 AS C FROM UCITELJI AS U ORDER BY ID")
                            .arg(SqlText::SurnameFirstName(QStringLiteral("U")),
                                 SqlText::SurnameFirstName(QStringLiteral("U"), false),
                                 SqlText::FirstNameFirst(QStringLiteral("U")));
    const RowSet r = p.db().query(sql);
    ASSERT_EQ(r.rowCount(), 3) << p.db().lastError().description.toStdString();
    EXPECT_EQ(r.text(0, QStringLiteral("A")), QStringLiteral("Kovač Jan Žiga"));
    EXPECT_EQ(r.text(1, QStringLiteral("A")), QStringLiteral("NNAna"));
    EXPECT_EQ(r.text(1, QStringLiteral("B")), QStringLiteral("Ana"));
    EXPECT_EQ(r.text(1, QStringLiteral("C")), QStringLiteral("Ana  "));
    EXPECT_EQ(r.text(2, QStringLiteral("C")), QStringLiteral("Eva  O'Brien"));
    EXPECT_EQ(SqlText::Quote(QStringLiteral("d'Or")), QStringLiteral("'d''Or'"));
    EXPECT_EQ(SqlText::DateLiteral(QDate(2026, 9, 1)), QStringLiteral("'2026-09-01'"));
    EXPECT_EQ(SqlText::List({QStringLiteral("1"), QStringLiteral("2")}), QStringLiteral("(1,2)"));
}

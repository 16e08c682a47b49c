#include "db/StockCollations.h"
#include "db/OpeningChecks.h"
#include "db/Schema.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::db;

namespace {

struct Shell {
    int exitCode = -1;
    QString out;
    QString err;
};

// The stock sqlite3 shell, which knows none of the program's collations.
Shell stockShell(const QStringList &args, const QByteArray &input = {}) {
    QProcess p;
    p.start(QStringLiteral("sqlite3"), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(p.readAllStandardError()).trimmed()};
}

// A project as earlier versions wrote it: codes and names declared with SLOVENSKO, and an index
// that names it too.
void writeOldProject(const QString &path) {
    QString schema = SchemaSql();
    schema.replace(QRegularExpression(QStringLiteral("\\b(OZNAKA|IME|VMESNOIME|PRIIMEK) TEXT\\b")),
                   QStringLiteral("\\1 TEXT COLLATE SLOVENSKO"));
    Connection c;
    ASSERT_TRUE(c.create(path));
    ASSERT_TRUE(c.exec(schema)) << c.lastError().description.toStdString();
    ASSERT_TRUE(c.exec(QStringLiteral(
        "CREATE INDEX UCITELJI_PRIIMEK ON UCITELJI (PRIIMEK COLLATE SLOVENSKO);"
        "INSERT INTO STAVBE VALUES (1,'Zavod','Zavod'),(2,'Šola','Šola'),(3,'Sever','Sever'),(4,'čebela','x'),"
        "(5,'Cesta','Cesta');"
        "INSERT INTO PROSTORI VALUES (1,'Šola','U1',2,0),(2,'A1','A1',1,1);"
        "INSERT INTO UCITELJI (ID,OZNAKA,PRIIMEK) VALUES (1,'ZŽ','Žagar'),(2,'ZS','Zupan'),(3,'CČ','Čuk')")));
    ASSERT_TRUE(DeclaresCustomCollation(c));
}

} // namespace

TEST(StockCollations, OpenedProjectsAreReadableByTheStockShell) {
    test::TempFolder dir;
    const QString path = dir.file(QStringLiteral("star projekt.znt"));
    writeOldProject(path);
    const QString query = QStringLiteral("SELECT OZNAKA FROM STAVBE ORDER BY OZNAKA;");
    Shell before = stockShell({path, query});
    EXPECT_NE(before.exitCode, 0);
    EXPECT_TRUE(before.err.contains(QStringLiteral("no such collation sequence: SLOVENSKO")))
        << before.err.toStdString();

    {
        Connection c;
        ASSERT_TRUE(c.open(path));
        ASSERT_TRUE(RunOpeningChecks(c)) << c.lastError().description.toStdString();
        EXPECT_FALSE(DeclaresCustomCollation(c));
        // The program's own queries still sort the Slovenian way, and the index is usable.
        EXPECT_EQ(c.scalar(QStringLiteral("SELECT group_concat(OZNAKA) FROM (SELECT OZNAKA FROM STAVBE ORDER BY "
                                          "OZNAKA COLLATE SLOVENSKO)"))
                      .toString(),
                  QStringLiteral("Cesta,čebela,Sever,Šola,Zavod"));
        EXPECT_EQ(c.scalar(QStringLiteral("SELECT group_concat(PRIIMEK) FROM (SELECT PRIIMEK FROM UCITELJI "
                                          "ORDER BY PRIIMEK COLLATE SLOVENSKO)"))
                      .toString(),
                  QStringLiteral("Čuk,Zupan,Žagar"));
        EXPECT_EQ(c.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    }

    EXPECT_EQ(stockShell({path, query}).out, QStringLiteral("Cesta\nSever\nZavod\nčebela\nŠola"));
    EXPECT_EQ(stockShell({path, QStringLiteral("SELECT OZNAKA, count(*) FROM PROSTORI GROUP BY OZNAKA;")}).out,
              QStringLiteral("A1|1\nŠola|1"));
    EXPECT_EQ(stockShell({path, QStringLiteral("SELECT count(*) FROM STAVBE WHERE OZNAKA > 'M' AND IME <> 'x';")}).out,
              QStringLiteral("3"));
    EXPECT_EQ(stockShell({path, QStringLiteral("SELECT OZNAKA FROM STAVBE UNION SELECT OZNAKA FROM PROSTORI;")})
                  .out.split(u'\n')
                  .size(),
              6);
    const Shell vacuum = stockShell({path, QStringLiteral("VACUUM;")});
    EXPECT_EQ(vacuum.exitCode, 0) << vacuum.err.toStdString();
    const Shell dump = stockShell({path, QStringLiteral(".dump")});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QString restored = dir.file(QStringLiteral("obnovljen.znt"));
    const Shell restore = stockShell({restored}, dump.out.toUtf8());
    EXPECT_EQ(restore.exitCode, 0) << restore.err.toStdString();
    EXPECT_EQ(restore.err, QString());
    EXPECT_EQ(stockShell({restored, QStringLiteral("SELECT count(*) FROM UCITELJI; PRAGMA integrity_check;")}).out,
              QStringLiteral("3\nok"));
}

#include "db/StoredQueries.h"
#include "support/TempProject.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::db;

namespace {

// Two classes in two shifts with different first periods; a teacher with lessons of 1.a alone
// and of both classes together on Monday of turnus I.
void buildDay(Connection &c) {
    ASSERT_TRUE(c.exec(QStringLiteral(
        "INSERT INTO IZMENE VALUES (2,'B');"
        "INSERT INTO IZMENA_TURNUS VALUES (1,2,5,5,5,6,6);"
        "UPDATE IZMENA_TURNUS SET PRVA_URA_TOR=2 WHERE ID_TURNUSA=1 AND ID_IZMENE=1;"
        "INSERT INTO UCITELJI VALUES (1,'U','',NULL,'Ule');"
        "INSERT INTO ODDELKI VALUES (1,'1.a',''),(2,'1.b','');"
        "INSERT INTO SKUPINE_ODDELKOV VALUES (1,'1.a','',NULL,NULL,NULL),(2,'1.b','',NULL,NULL,NULL),"
        "(3,'$1ab','',NULL,NULL,NULL);"
        "INSERT INTO ODDELKI_V_SKUPINI VALUES (1,1),(2,2),(3,1),(3,2);"
        "INSERT INTO PREDMETI VALUES (1,'MAT','',NULL,0);"
        "INSERT INTO SKUPINE_PREDMETOV VALUES (1,'MAT','',NULL,NULL,NULL);"
        "INSERT INTO PREDMETI_V_SKUPINI VALUES (1,1,1,NULL,NULL,NULL,NULL);"
        "INSERT INTO PREDMETNIKI (ID,IME) VALUES (1,'P');"
        "INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (1,1,NULL,NULL,1),(2,1,NULL,NULL,2);"
        "INSERT INTO PROGRAMI (ID,OZNAKA,ID_RAZ_PREDMETNIKA) VALUES (1,'1',1);"
        "INSERT INTO RAZPORED VALUES (1,1,1,1,1,1,1,NULL,1,1,NULL),(2,1,3,1,1,1,1,NULL,1,1,NULL);"
        "INSERT INTO URNIKI VALUES (1,'U',1,NULL);"
        "INSERT INTO TERMINI (ID,ID_URNIKA,ID_RAZPOREDA,DAN,URA,TIP,ID_TURNUSA) VALUES "
        "(1,1,1,1,1,'a',1),(2,1,2,1,2,'a',1),(3,1,1,2,1,'a',1);"
        "INSERT INTO ODSOTNOSTI_ODDELKOV VALUES (1,1,'2026-10-05',0,1);")));
}

} // namespace

TEST(StoredQueries, DayQueriesLeaveOutLessonsOfAbsentClassesOnly) {
    test::TempProject p;
    buildDay(p.db());
    const QVariantMap params{{QStringLiteral("Datum"), QDate(2026, 10, 5)},
                             {QStringLiteral("IzbranDan"), 1},
                             {QStringLiteral("IzbranUrnik"), 1},
                             {QStringLiteral("IzbranTurnus"), 1},
                             {QStringLiteral("IzbranOddelek"), 2}};
    const RowSet pu = p.db().query(DayQueriesWith() + QStringLiteral("SELECT ID FROM QTerminiPU ORDER BY ID"), params);
    ASSERT_FALSE(p.db().lastError().isError()) << p.db().lastError().description.toStdString();
    ASSERT_EQ(pu.rowCount(), 1) << "1.a is away in period 1; the joint lesson in period 2 takes place";
    EXPECT_EQ(pu.integer(0, QStringLiteral("ID")), 2);
    EXPECT_EQ(p.db().query(DayQueriesWith() + QStringLiteral("SELECT * FROM QTerminiO"), params).rowCount(), 2);
    const RowSet os = p.db().query(DayQueriesWith() + QStringLiteral("SELECT * FROM QTerminiPUOS"), params);
    ASSERT_EQ(os.rowCount(), 1);
    EXPECT_EQ(os.integer(0, QStringLiteral("ID_SKUPINE_ODDELKOV")), 3);
    EXPECT_EQ(p.db().query(DayQueriesWith() + QStringLiteral("SELECT * FROM OdsotnostiOddelkov"), params).rowCount(), 1);
}

TEST(StoredQueries, ClassFramesFollowEachShiftsFirstPeriods) {
    test::TempProject p;
    buildDay(p.db());
    ASSERT_TRUE(InsertClassFrames(p.db(), 1, 1));
    EXPECT_EQ(p.db().scalar(QStringLiteral("SELECT count(*) FROM ODDELKI_OKVIR")).toInt(), 10);
    EXPECT_EQ(p.db().scalar(QStringLiteral("SELECT PRVA_URA FROM ODDELKI_OKVIR WHERE ID_ODDELKA=1 AND DAN=2")).toInt(), 2);
    EXPECT_EQ(p.db().scalar(QStringLiteral("SELECT PRVA_URA FROM ODDELKI_OKVIR WHERE ID_ODDELKA=2 AND DAN=5")).toInt(), 6);
    EXPECT_EQ(p.db().scalar(QStringLiteral("SELECT count(*) FROM ODDELKI_OKVIR WHERE ID_TURNUSA=0")).toInt(), 0);
}

TEST(StoredQueries, OrphanElectiveRowsAreThoseWithoutTheirElective) {
    test::TempProject p;
    ASSERT_TRUE(p.db().exec(QStringLiteral(
        "INSERT INTO PREDMETI VALUES (1,'RAČ','',NULL,0),(2,'ŠZZ','',NULL,0);"
        "INSERT INTO PREDMETNIKI (ID,IME) VALUES (1,'P');"
        "INSERT INTO IZBIRNI_NABORI (ID,IME,ID_RAZ_PREDMETNIKA) VALUES (1,'7. razred',1);"
        "INSERT INTO IZBIRNI_PREDMETI (ID,ID_PREDMETA,ID_IZBIRNEGA_NABORA) VALUES (1,1,1),(2,2,1);"
        "INSERT INTO PROGRAMI (ID,OZNAKA,ID_RAZ_PREDMETNIKA,ID_IZBIRNEGA_NABORA) VALUES (5,'IZB',1,1);"
        "INSERT INTO SKUPINE_PREDMETOV VALUES (10,'Izb','Izbirna',NULL,5,NULL),(11,'RAČ','',NULL,NULL,NULL);"
        "INSERT INTO PREDMETI_V_SKUPINI VALUES (20,10,1,1,NULL,NULL,NULL),(21,10,2,2,NULL,NULL,NULL),"
        "(22,10,2,1,NULL,NULL,NULL),(23,11,1,NULL,NULL,NULL,NULL);")));
    const RowSet orphans = p.db().query(OrphanElectiveRowsSql());
    ASSERT_EQ(orphans.rowCount(), 1) << p.db().lastError().description.toStdString();
    EXPECT_EQ(orphans.integer(0, QStringLiteral("ID")), 22);
    ASSERT_TRUE(p.db().exec(QStringLiteral("DELETE FROM IZBIRNI_NABORI_ODDELKI; UPDATE PREDMETI_V_SKUPINI SET "
                                           "ID_IZBIRNEGA_PREDMETA=99 WHERE ID=21")));
    EXPECT_EQ(DeleteOrphanElectiveRows(p.db()), 2);
    EXPECT_EQ(p.db().scalar(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI")).toInt(), 2);
}

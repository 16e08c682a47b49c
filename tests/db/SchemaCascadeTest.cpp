#include "db/Connection.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

using namespace zentrel;

namespace {

// A small school: one building with two rooms, two classes in one shared group, one teacher,
// one subject, one curriculum with a programme, an assignment and two placed lessons in a
// timetable, turnus I used by the programme.
void buildMiniSchool(db::Connection &c) {
    ASSERT_TRUE(c.exec(QStringLiteral(
        "INSERT INTO STAVBE VALUES (1,'G','Glavna stavba');"
        "INSERT INTO PROSTORI VALUES (1,'U1','Učilnica 1',1,0),(2,'TEL','Telovadnica',1,1);"
        "INSERT INTO SKUPINE_PROSTOROV VALUES (1,'U1','Učilnica 1'),(2,'TEL','Telovadnica'),(3,'$VSI','Vsi');"
        "INSERT INTO PROSTORI_V_SKUPINI VALUES (1,1),(2,2),(1,3),(2,3);"
        "INSERT INTO UCITELJI VALUES (1,'NOV','Ana',NULL,'Novak');"
        "INSERT INTO ODDELKI VALUES (1,'1.a',''),(2,'1.b','');"
        "INSERT INTO SKUPINE_ODDELKOV VALUES (1,'1.a','',NULL,NULL,NULL),(2,'1.b','',NULL,NULL,NULL),"
        "(3,'1.ab','Skupaj',NULL,NULL,NULL);"
        "INSERT INTO ODDELKI_V_SKUPINI VALUES (1,1),(2,2),(3,1),(3,2);"
        "INSERT INTO PREDMETI VALUES (1,'ŠPO','Šport','',1);"
        "INSERT INTO SKUPINE_PREDMETOV VALUES (1,'ŠPO','Šport',NULL,NULL,NULL);"
        "INSERT INTO PREDMETI_V_SKUPINI VALUES (1,1,1,NULL,NULL,NULL,NULL);"
        "INSERT INTO PREDMETNIKI VALUES (1,'2026/27',NULL,NULL,NULL);"
        "INSERT INTO PROGRAMI VALUES (1,'1','Prvi razred',1,NULL,NULL);"
        "INSERT INTO PROGRAM_SKUPINE VALUES (3,1,1);"
        "INSERT INTO PREDMETI_V_PROGRAMU VALUES (1,1,1,3,1,2,NULL);"
        "INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (1,1,1,NULL,1),(2,1,NULL,NULL,1);"
        "INSERT INTO RAZPORED VALUES (1,1,3,1,1,1,1,2,1,1,NULL);"
        "INSERT INTO URNIKI VALUES (1,'Urnik',1,NULL);"
        "INSERT INTO TERMINI (ID,ID_URNIKA,ID_RAZPOREDA,ID_PROSTORA,DAN,URA,TIP,ID_TURNUSA) VALUES "
        "(1,1,1,2,1,1,'a',1),(2,1,1,2,2,1,'r',1);"
        "INSERT INTO ODDELKI_OKVIR VALUES (1,1,1,1,1);"
        "INSERT INTO VELJAVNOST_URNIKA VALUES (1,1,'2026-09-01','2027-06-24',1,1);")));
}

int count(db::Connection &c, const QString &table) {
    return c.scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
}

// A fresh project holding the small school.
class SchemaCascades : public ::testing::Test {
protected:
    void SetUp() override { buildMiniSchool(p.db()); }
    bool run(const QString &sql) { return p.db().exec(sql); }
    int count(const QString &table) { return ::count(p.db(), table); }

    test::TempProject p;
};

} // namespace

TEST_F(SchemaCascades, BuildingTakesItsRoomsAndTheirMemberships) {
    ASSERT_TRUE(run(QStringLiteral("DELETE FROM STAVBE WHERE ID=1")));
    EXPECT_EQ(count(QStringLiteral("PROSTORI")), 0);
    EXPECT_EQ(count(QStringLiteral("PROSTORI_V_SKUPINI")), 0);
    // Lessons keep their place in the timetable; only the room they had is gone.
    EXPECT_EQ(count(QStringLiteral("TERMINI WHERE ID_PROSTORA IS NULL")), 2);
}

TEST_F(SchemaCascades, ClassGroupTakesAssignmentsAndLessonsButNotTheOtherClass) {
    // The window deletes the class's own group and the class; the class's memberships follow.
    ASSERT_TRUE(run(QStringLiteral("DELETE FROM SKUPINE_ODDELKOV WHERE ID=1; DELETE FROM ODDELKI WHERE ID=1")));
    EXPECT_EQ(count(QStringLiteral("ODDELKI_V_SKUPINI WHERE ID_ODDELKA=1")), 0);
    EXPECT_EQ(count(QStringLiteral("ODDELKI_V_PREDMETNIKU")), 1);
    EXPECT_EQ(count(QStringLiteral("RAZPORED")), 1) << "the shared group still has 1.b";
    ASSERT_TRUE(run(QStringLiteral("DELETE FROM SKUPINE_ODDELKOV WHERE ID=3")));
    EXPECT_EQ(count(QStringLiteral("RAZPORED")), 0);
    EXPECT_EQ(count(QStringLiteral("TERMINI")), 0);
    EXPECT_EQ(count(QStringLiteral("PROGRAM_SKUPINE")), 0);
}

TEST_F(SchemaCascades, TeacherTakesAssignmentsAndLessonsButLeavesTheClasses) {
    ASSERT_TRUE(run(QStringLiteral("DELETE FROM UCITELJI WHERE ID=1")));
    EXPECT_EQ(count(QStringLiteral("RAZPORED")), 0);
    EXPECT_EQ(count(QStringLiteral("TERMINI")), 0);
    EXPECT_EQ(count(QStringLiteral("ODDELKI_V_PREDMETNIKU WHERE ID_RAZREDNIKA IS NULL")), 2);
}

TEST_F(SchemaCascades, SubjectTakesProgrammeRowsAssignmentsAndLessons) {
    ASSERT_TRUE(run(QStringLiteral("DELETE FROM SKUPINE_PREDMETOV WHERE ID=1; DELETE FROM PREDMETI WHERE ID=1")));
    EXPECT_EQ(count(QStringLiteral("PREDMETI_V_PROGRAMU")), 0);
    EXPECT_EQ(count(QStringLiteral("RAZPORED")), 0);
    EXPECT_EQ(count(QStringLiteral("TERMINI")), 0);
}

TEST_F(SchemaCascades, AssignmentTakesItsLessonsButNotTheTimetable) {
    ASSERT_TRUE(run(QStringLiteral("DELETE FROM RAZPORED WHERE ID=1")));
    EXPECT_EQ(count(QStringLiteral("TERMINI")), 0);
    EXPECT_EQ(count(QStringLiteral("URNIKI")), 1);
}

TEST_F(SchemaCascades, CurriculumTakesTimetablesAndItsLocalGroups) {
    ASSERT_TRUE(run(QStringLiteral("UPDATE SKUPINE_ODDELKOV SET ID_RAZ_PREDMETNIKA=1 WHERE ID=3")));
    ASSERT_TRUE(run(QStringLiteral("DELETE FROM PREDMETNIKI WHERE ID=1")));
    for (const char *table : {"URNIKI", "TERMINI", "ODDELKI_OKVIR", "VELJAVNOST_URNIKA", "PROGRAMI", "RAZPORED",
                              "ODDELKI_V_PREDMETNIKU", "PREDMETI_V_PROGRAMU"})
        EXPECT_EQ(count(QLatin1String(table)), 0) << table;
    EXPECT_EQ(count(QStringLiteral("SKUPINE_ODDELKOV")), 2) << "only the local group goes";
    EXPECT_EQ(count(QStringLiteral("ODDELKI")), 2);
}

TEST_F(SchemaCascades, TurnusTakesItsRowsInProgrammesAssignmentsAndTimetables) {
    ASSERT_TRUE(run(QStringLiteral("DELETE FROM TURNUSI WHERE ID=1")));
    for (const char *table : {"PREDMETI_V_PROGRAMU", "RAZPORED", "TERMINI", "IZMENA_TURNUS", "ODDELKI_OKVIR"})
        EXPECT_EQ(count(QLatin1String(table)), 0) << table;
    EXPECT_EQ(count(QStringLiteral("TURNUSI")), 1);
}

TEST(SchemaKeys, AcceptExplicitValuesAndTheBindingColumnOrder) {
    test::TempProject p;
    auto &c = p.db();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO ODDELKI VALUES (42,'9.č','Deveti č')")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (7,'P')")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (42, 7, NULL, 'K', 1)")));
    const db::RowSet r = c.query(QStringLiteral("SELECT * FROM ODDELKI_V_PREDMETNIKU"));
    EXPECT_EQ(r.columns(), (QStringList{"ID_ODDELKA", "ID_PREDMETNIKA", "ID_RAZREDNIKA", "KODA", "ID_IZMENE"}));
    EXPECT_EQ(r.integer(0, QStringLiteral("ID_ODDELKA")), 42);
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO STAVBE (OZNAKA) VALUES ('A')")));
    EXPECT_GT(c.lastInsertId(), 0);
}

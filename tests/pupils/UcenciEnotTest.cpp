#include "PupilsFixture.h"
#include "pupils/PupilText.h"
#include "pupils/UcenciOddelka.h"
#include "pupils/UcenciSkupin.h"

using namespace zentrel;
using namespace zentrel::pupils;
using zentrel::core::Answer;
using zentrel::test::PupilsFixture;

class UcenciEnotTest : public PupilsFixture {
protected:
    void SetUp() override {
        PupilsFixture::SetUp();
        curriculum(2, QStringLiteral("Razpored 2025"));
        classInCurriculum(1, 2);
        pupils(1, 3, 1); // 7.a: 1, 2, 3
        pupils(4, 5, 2); // 7.b: 4, 5
        pupil(6, QStringLiteral("U6"), QStringLiteral("P006"), QStringLiteral("Ana"), QStringLiteral("M"),
              QStringLiteral("2019"), QStringLiteral("b"));
        member(16, 1, 6, 2); // last year's 7.a only
        // Sport in two groups across 7.a and 7.b: girls (row 31) and boys (row 32).
        subject(30, QStringLiteral("ŠPO"));
        programme(20, QStringLiteral("$ŠPO7"), 1);
        classGroup(40, QStringLiteral("$ŠPO7"), {1, 2}, QStringLiteral("1"));
        classGroupInProgramme(40, 1, 20);
        run(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (50, '$ŠPO7', "
                           "'Šport', 1)"));
        run(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID, ID_SKUPINE, ID_PREDMETA, IME_SKUPINE_UCENCEV) VALUES "
                           "(31, 50, 30, 'dekleta'), (32, 50, 30, 'fantje')"));
        subjectInProgramme(20, 50, 0, 3);
    }
    void attends(qint64 pupilId, qint64 row, qint64 curriculumId = 1) {
        run(QStringLiteral("INSERT INTO ERD_UCENCI_PREDMETA (ID_SKUPINE_ODDELKOV, ID_PREDMETNIKA, ID_PROGRAMA, "
                           "ID_PREDMETI_V_SKUPINI, ID_TURNUSA, ID_UCENCA) VALUES (40, %1, 20, %2, 0, %3)")
                .arg(curriculumId)
                .arg(row)
                .arg(pupilId));
    }
};

TEST_F(UcenciEnotTest, SavingAUnitMovesPupilsInAndOutAndKeepsTheChoicesOfThoseWhoStay) {
    set(1, QStringLiteral("Nabor"), QStringLiteral("N"));
    elective(1, 1, QStringLiteral("AST"), 10, 1);
    choice(2, 1); // pupil 2 stays in 7.a
    attends(1, 31);
    attends(4, 31);
    member(14, 2, 4, 2);
    attends(4, 31, 2); // another curriculum's place is not this page's business
    UcenciOddelka units;
    ASSERT_TRUE(units.open());
    ASSERT_EQ(units.list().rows().rowCount(), 2);
    EXPECT_EQ(units.list().integer(QStringLiteral("ST_UCENCEV")), 3);
    EXPECT_EQ(units.chosen().text(0, QStringLiteral("UCENEC")), QStringLiteral("7.a - P001 Ana"));

    // Only pupil 6 is without a unit in this curriculum; widened, 7.b's pupils are offered too.
    FilterUcencev all;
    EXPECT_EQ(RowIds(units.available(all, false, {1, 2, 3})), QList<qint64>({6}));
    EXPECT_EQ(RowIds(units.available(all, true, {1, 2, 3})), QList<qint64>({4, 5, 6}));
    FilterUcencev byYear;
    byYear.nacin = FilterUcencev::PoLetniku;
    byYear.leto = QStringLiteral("2019");
    byYear.paralelka = QStringLiteral("b");
    EXPECT_EQ(RowIds(units.available(byYear, true, {})), QList<qint64>({6}));
    FilterUcencev lastYear;
    lastYear.nacin = FilterUcencev::IzRazporeda;
    lastYear.predmetnik = 2;
    lastYear.oddelek = 1;
    lastYear.spol = QStringLiteral("M");
    EXPECT_EQ(RowIds(units.available(lastYear, false, {})), QList<qint64>({6}));
    lastYear.usmeritev = QStringLiteral("x'y");
    EXPECT_TRUE(units.available(lastYear, false, {}).isEmpty());

    // Pupil 1 out, pupil 4 in from 7.b, pupil 6 in without a unit.
    ASSERT_TRUE(units.save({2, 3, 4, 6}));
    EXPECT_EQ(column(QStringLiteral("SELECT ID_UCENCA || ':' || ID_ODDELKA FROM ERD_UCENCI_ODDELKA WHERE "
                                    "ID_PREDMETNIKA = 1 ORDER BY ID_UCENCA")),
              (QStringList{"2:1", "3:1", "4:1", "5:2", "6:1"}));
    EXPECT_EQ(count(QStringLiteral("SELECT ID FROM ERD_UCENCI_ODDELKA WHERE ID_UCENCA = 2 AND ID_PREDMETNIKA = 1")), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI")), 1);
    // Pupil 1 has no unit behind his sport place any more; pupil 4's unit is still in the group.
    EXPECT_EQ(column(QStringLiteral("SELECT ID_UCENCA || ':' || ID_PREDMETNIKA FROM ERD_UCENCI_PREDMETA ORDER BY 1")),
              (QStringList{"4:1", "4:2"}));
    EXPECT_EQ(units.list().integer(QStringLiteral("ST_UCENCEV")), 4);
}

TEST_F(UcenciEnotTest, APupilPutIntoASubjectLeavesTheOtherSubjectsOfItsGroupInThisCurriculumOnly) {
    attends(1, 31);
    attends(4, 32);
    attends(4, 32, 2);
    UcenciSkupin groups(UcenciSkupin::Vrsta::Navadne);
    ASSERT_TRUE(groups.open());
    ASSERT_EQ(groups.list().count(), 2);
    EXPECT_EQ(groups.list().text(QStringLiteral("IME_SKUPINE_UCENCEV")), QStringLiteral("dekleta"));
    EXPECT_EQ(groups.frameHeader(), QStringLiteral("Skupina:  $ŠPO7 - ŠPO (dekleta)"));
    EXPECT_EQ(RowIds(groups.chosen()), QList<qint64>({1}));
    // Pupils of the group's units not yet in a subject of it; pupil 6 has no unit here.
    FilterUcencev girls;
    EXPECT_EQ(RowIds(groups.available(girls, false, {1})), QList<qint64>({2, 3, 5}));
    EXPECT_EQ(RowIds(groups.available(girls, true, {1})), QList<qint64>({2, 3, 4, 5}));
    girls.spol = QStringLiteral("M");
    EXPECT_TRUE(groups.available(girls, true, {1}).isEmpty());

    // Pupil 1 out, pupils 2 and 4 in: 4 leaves the boys of this curriculum, not of the other.
    ASSERT_TRUE(groups.save(QStringLiteral("dekleta in 'gostje'"), {2, 4}));
    EXPECT_EQ(column(QStringLiteral("SELECT ID_UCENCA || ':' || ID_PREDMETI_V_SKUPINI || ':' || ID_PREDMETNIKA FROM "
                                    "ERD_UCENCI_PREDMETA ORDER BY 1")),
              (QStringList{"2:31:1", "4:31:1", "4:32:2"}));
    EXPECT_EQ(text(QStringLiteral("SELECT IME_SKUPINE_UCENCEV FROM PREDMETI_V_SKUPINI WHERE ID = 31")),
              QStringLiteral("dekleta in 'gostje'"));
    EXPECT_EQ(groups.list().integer(QStringLiteral("ST_UCENCEV")), 2);
}

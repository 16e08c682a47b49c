#include "shell/NastavitveUre.h"
#include "core/AppState.h"
#include "shell/NastavitvePrveUre.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::core;
using namespace zentrel::shell;

TEST(NastavitveUre, EmptyCodeOrNameIsRefusedAndAGoodPeriodIsStored) {
    test::TempProject p;
    NastavitveUre ure;
    EXPECT_EQ(ure.Requery().rowCount(), 16);
    EXPECT_FALSE(ure.AcceptEdit(3, "  ", "Tretja"));
    EXPECT_FALSE(ure.AcceptEdit(3, "3.", ""));
    // "Prve ure" finds periods by code: a code of another period is refused, letter case aside.
    ASSERT_TRUE(p.db().exec("UPDATE URE SET OZNAKA='Č1' WHERE URA=4"));
    EXPECT_FALSE(ure.AcceptEdit(3, " č1 ", "Tretja"));
    EXPECT_EQ(p.messages().texts(),
              (QStringList{"Oznaka ne sme biti prazna.", "Ime ne sme biti prazno.", "Oznaka č1 je že uporabljena."}));
    EXPECT_EQ(p.db().scalar("SELECT OZNAKA FROM URE WHERE URA=3").toString(), "3");

    App().periodCodes = QStringList{"0", "1", "2", "3"};
    ASSERT_TRUE(ure.AcceptEdit(3, "3'", "Tretja ura"));
    const db::RowSet rows = ure.Requery();
    EXPECT_EQ(rows.text(3, "OZNAKA"), "3'");
    EXPECT_EQ(rows.text(3, "IME"), "Tretja ura");
    EXPECT_EQ(App().periodCodes.at(3), "3'");
    EXPECT_TRUE(ure.AcceptEdit(3, "3'", "Tretja")); // its own code stays its own
}

TEST(NastavitvePrveUre, ListsTheShiftsOfATurnusAndStoresFirstPeriodsByCode) {
    test::TempProject p;
    ASSERT_TRUE(p.db().exec("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (2,'II')"));
    ASSERT_TRUE(p.db().exec("INSERT INTO IZMENE (ID,OZNAKA) VALUES (2,'B')"));
    ASSERT_TRUE(p.db().exec("INSERT INTO IZMENA_TURNUS VALUES (2,2,6,6,6,6,7)"));
    ASSERT_TRUE(p.db().exec("INSERT INTO IZMENA_TURNUS VALUES (2,1,1,1,1,1,1)"));
    ASSERT_TRUE(p.db().exec("UPDATE URE SET OZNAKA='6.' WHERE URA=6"));
    NastavitvePrveUre prve;
    const db::RowSet turnusi = prve.Turnusi();
    ASSERT_EQ(turnusi.rowCount(), 2);
    EXPECT_EQ(turnusi.text(0, "OZNAKA"), "I");
    EXPECT_EQ(turnusi.text(1, "OZNAKA"), "II");

    db::RowSet izmene = prve.Izmene(2);
    ASSERT_EQ(izmene.rowCount(), 2);
    EXPECT_EQ(izmene.text(1, "URE_0_OZNAKA"), "6.");
    EXPECT_EQ(izmene.text(1, "URE_4_OZNAKA"), "7");
    EXPECT_EQ(NastavitvePrveUre::Header("II", "B"), "Turnus II - Izmena B");
    EXPECT_EQ(prve.PeriodCodes().size(), 16);
    EXPECT_EQ(prve.PeriodCodes().at(6), "6.");

    EXPECT_FALSE(prve.AcceptEdit(2, 2, {"1", "2", "x'y", "3", "4"}));
    EXPECT_EQ(p.messages().texts(), QStringList{"Ura  'x'y' ne obstaja."});
    EXPECT_EQ(p.db().scalar("SELECT PRVA_URA_PON FROM IZMENA_TURNUS WHERE ID_TURNUSA=2 AND ID_IZMENE=2").toInt(), 6);

    ASSERT_TRUE(prve.AcceptEdit(2, 2, {"0", "6.", "2", "3", "15"}));
    izmene = prve.Izmene(2);
    EXPECT_EQ(izmene.text(1, "URE_0_OZNAKA"), "0");
    EXPECT_EQ(izmene.text(1, "URE_1_OZNAKA"), "6.");
    EXPECT_EQ(izmene.text(1, "URE_4_OZNAKA"), "15");
    // The other shift of the turnus is untouched.
    EXPECT_EQ(p.db().scalar("SELECT PRVA_URA_PET FROM IZMENA_TURNUS WHERE ID_TURNUSA=2 AND ID_IZMENE=1").toInt(), 1);
}

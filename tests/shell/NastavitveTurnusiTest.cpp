#include "shell/NastavitveTurnusi.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::core;
using namespace zentrel::shell;

namespace {

qint64 Count(test::TempProject &p, const QString &sql) {
    return p.db().scalar(sql).toLongLong();
}

// A project with turnusi 0, I and II, shifts A and B, a curriculum whose programme teaches a
// subject group in turnus II, a class in shift B, and a timetable with lessons in turnus II.
void AddSchool(test::TempProject &p, bool timetableValid) {
    const QStringList sql{
        "INSERT INTO TURNUSI (ID,OZNAKA) VALUES (2,'II')",
        "INSERT INTO IZMENE (ID,OZNAKA) VALUES (2,'B')",
        "INSERT INTO IZMENA_TURNUS VALUES (2,1,1,1,1,1,1)",
        "INSERT INTO IZMENA_TURNUS VALUES (1,2,2,2,2,2,2)",
        "INSERT INTO IZMENA_TURNUS VALUES (2,2,3,3,3,3,3)",
        "INSERT INTO PREDMETNIKI (ID,IME) VALUES (1,'Razpored ''24')",
        "INSERT INTO ODDELKI (ID,OZNAKA,IME) VALUES (1,'1.a','Prvi a')",
        "INSERT INTO ODDELKI (ID,OZNAKA,IME) VALUES (2,'1.b','Prvi b')",
        "INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (1,1,Null,Null,2)",
        "INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (2,1,Null,Null,1)",
        "INSERT INTO PROGRAMI (ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA) VALUES (1,'P1','Program',1)",
        "INSERT INTO SKUPINE_PREDMETOV (ID,OZNAKA,IME) VALUES (1,'MAT','Matematika')",
        "INSERT INTO PREDMETI_V_PROGRAMU VALUES (1,1,2,4,1,2,Null)",
        "INSERT INTO PREDMETI_V_PROGRAMU VALUES (1,1,0,1,1,2,Null)",
        "INSERT INTO URNIKI (ID,IME,ID_PREDMETNIKA) VALUES (1,'Urnik',1)",
        "INSERT INTO TERMINI (ID,ID_URNIKA,DAN,URA,TIP,ID_TURNUSA) VALUES (1,1,1,1,'a',2)",
        "INSERT INTO TERMINI (ID,ID_URNIKA,DAN,URA,TIP,ID_TURNUSA) VALUES (2,1,2,1,'a',0)",
    };
    for (const QString &s : sql) {
        ASSERT_TRUE(p.db().exec(s)) << s.toStdString() << p.db().lastError().description.toStdString();
    }
    if (timetableValid) {
        ASSERT_TRUE(
            p.db().exec("INSERT INTO VELJAVNOST_URNIKA (ID,ID_URNIKA,VELJA_OD,VELJA_DO,"
                        "ZACETNI_TURNUS_IZMENE_A,STEVILO_TURNUSOV) VALUES (1,1,'2024-09-01','2025-06-24',1,2)"));
    }
}

} // namespace

TEST(NastavitveTurnusi, LoadShowsTheRowsAndTheStoredNorms) {
    test::TempProject p;
    AddSchool(p, false);
    ASSERT_TRUE(db::WriteIni("30", "Privzet normativ max"));
    const TurnusiIzmeneChoices c = NastavitveTurnusi().Load();
    EXPECT_TRUE(c.turnusi[0] && c.turnusi[1] && c.turnusi[2]);
    EXPECT_FALSE(c.turnusi[3] || c.turnusi[8]);
    EXPECT_TRUE(c.izmene[0] && c.izmene[1]);
    EXPECT_FALSE(c.izmene[2]);
    EXPECT_EQ(c.normativMax, "30");
    EXPECT_EQ(c.normativMin, QString::number(App().normativMin));
    EXPECT_EQ(NastavitveTurnusi::TurnusCaption(4), "Turnus IV");
    EXPECT_EQ(NastavitveTurnusi::IzmenaCaption(8), "Izmena I");
}

TEST(NastavitveTurnusi, AddingATurnusAndAShiftCreatesTheirFirstPeriodRows) {
    test::TempProject p;
    NastavitveTurnusi logic;
    TurnusiIzmeneChoices c = logic.Load();
    c.turnusi[3] = true; // III
    c.izmene[2] = true;  // C
    ASSERT_TRUE(logic.Save(c));
    EXPECT_TRUE(p.messages().texts().isEmpty());
    EXPECT_EQ(p.db().scalar("SELECT ID FROM TURNUSI WHERE OZNAKA='III'").toLongLong(), 3);
    EXPECT_EQ(p.db().scalar("SELECT ID FROM IZMENE WHERE OZNAKA='C'").toLongLong(), 3);
    // Turnus III gets a row for shift A; shift C a row for every turnus (0, I and III).
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENA_TURNUS WHERE ID_TURNUSA=3 AND ID_IZMENE=1"), 1);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENA_TURNUS WHERE ID_IZMENE=3"), 3);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENA_TURNUS WHERE ID_TURNUSA=3 AND ID_IZMENE=3 AND PRVA_URA_PON=1 "
                       "AND PRVA_URA_TOR=1 AND PRVA_URA_SRE=1 AND PRVA_URA_CET=1 AND PRVA_URA_PET=1"),
              1);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENA_TURNUS"), 5);
    // Saving again with the same boxes changes nothing.
    ASSERT_TRUE(logic.Save(c));
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENA_TURNUS"), 5);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI"), 3);
}

TEST(NastavitveTurnusi, ATurnusOfAValidTimetableIsNotDeletedAndItsBoxIsCheckedAgain) {
    test::TempProject p;
    AddSchool(p, true);
    NastavitveTurnusi logic;
    TurnusiIzmeneChoices c = logic.Load();
    c.turnusi[2] = false;
    c.izmene[5] = true; // F: the rest of the save still goes through
    ASSERT_TRUE(logic.Save(c));
    EXPECT_EQ(p.messages().texts(), QStringList{"Brisanje turnusa ni dovoljeno, ker nastopa v veljavnem urniku."});
    EXPECT_EQ(p.messages().messages().first().kind, MsgWarning);
    EXPECT_TRUE(c.turnusi[2]);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI WHERE ID=2"), 1);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TERMINI WHERE ID_TURNUSA=2"), 1);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENE WHERE OZNAKA='F'"), 1);
}

TEST(NastavitveTurnusi, ATurnusUsedByCurriculaIsDeletedWithItsRowsOnlyAfterYes) {
    test::TempProject p;
    AddSchool(p, false);
    App().trenutniTurnus = 2;
    App().trenutniTurnusOznaka = "II";
    NastavitveTurnusi logic;
    TurnusiIzmeneChoices c = logic.Load();
    c.turnusi[2] = false;
    p.messages().queueAnswers({Answer::No});
    ASSERT_TRUE(logic.Save(c));
    const QString question =
        "Potrdi brisanje turnusa II.\nIzbrisan bo tudi iz vseh predmetnikov, razporedov in urnikov!";
    EXPECT_EQ(p.messages().texts(MsgQuestion), QStringList{question});
    EXPECT_TRUE(c.turnusi[2]);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI WHERE ID=2"), 1);

    p.messages().clear();
    c.turnusi[2] = false;
    p.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(logic.Save(c));
    EXPECT_EQ(p.messages().texts(), QStringList{question});
    EXPECT_FALSE(c.turnusi[2]);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI WHERE ID=2"), 0);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM PREDMETI_V_PROGRAMU WHERE ID_TURNUSA=2"), 0);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENA_TURNUS WHERE ID_TURNUSA=2"), 0);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TERMINI WHERE ID_TURNUSA=2"), 0);
    // Every-week rows stay; the current turnus no longer names a row.
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TERMINI WHERE ID_TURNUSA=0"), 1);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM PREDMETI_V_PROGRAMU WHERE ID_TURNUSA=0"), 1);
    EXPECT_EQ(App().trenutniTurnus, -1);
    EXPECT_TRUE(App().trenutniTurnusOznaka.isEmpty());
}

TEST(NastavitveTurnusi, AnUnusedTurnusIsDeletedWithoutAQuestionButTurnusZeroAndShiftAStay) {
    test::TempProject p;
    ASSERT_TRUE(p.db().exec("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (5,'V')"));
    NastavitveTurnusi logic;
    TurnusiIzmeneChoices c = logic.Load();
    ASSERT_TRUE(c.turnusi[5]);
    c.turnusi[5] = false;
    c.turnusi[0] = false;
    c.izmene[0] = false;
    ASSERT_TRUE(logic.Save(c));
    EXPECT_TRUE(p.messages().texts().isEmpty());
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI WHERE ID=5"), 0);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI WHERE ID=0"), 1);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENE WHERE ID=1"), 1);
    EXPECT_TRUE(c.turnusi[0]);
    EXPECT_TRUE(c.izmene[0]);
}

TEST(NastavitveTurnusi, TheLastRotatingTurnusStaysUnlessAnotherOneReplacesIt) {
    test::TempProject p;
    ASSERT_TRUE(p.db().exec("INSERT INTO PREDMETNIKI (ID,IME) VALUES (1,'R')"));
    ASSERT_TRUE(p.db().exec("INSERT INTO PROGRAMI (ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA) VALUES (1,'P','P',1)"));
    ASSERT_TRUE(p.db().exec("INSERT INTO SKUPINE_PREDMETOV (ID,OZNAKA,IME) VALUES (1,'MAT','Matematika')"));
    ASSERT_TRUE(p.db().exec("INSERT INTO PREDMETI_V_PROGRAMU VALUES (1,1,0,4,1,2,Null)"));
    NastavitveTurnusi logic;
    TurnusiIzmeneChoices c = logic.Load();
    c.turnusi[1] = false;
    ASSERT_TRUE(logic.Save(c));
    EXPECT_EQ(p.messages().texts(), QStringList{"Brisanje turnusa ni dovoljeno, ker mora ostati vsaj en turnus."});
    EXPECT_TRUE(c.turnusi[1]);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI"), 2);

    // I replaced by III in one save: III is added first, then I may go.
    p.messages().clear();
    c.turnusi[1] = false;
    c.turnusi[3] = true;
    ASSERT_TRUE(logic.Save(c));
    EXPECT_TRUE(p.messages().texts().isEmpty());
    EXPECT_FALSE(c.turnusi[1]);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI WHERE ID<>0"), 1);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI WHERE OZNAKA='III'"), 1);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM PREDMETI_V_PROGRAMU WHERE ID_TURNUSA=0"), 1);
}

TEST(NastavitveTurnusi, DeletingAShiftMovesItsClassesToShiftAAfterYes) {
    test::TempProject p;
    AddSchool(p, true);
    NastavitveTurnusi logic;
    TurnusiIzmeneChoices c = logic.Load();
    c.izmene[1] = false;
    p.messages().queueAnswers({Answer::No});
    ASSERT_TRUE(logic.Save(c));
    const QString question = "Potrdi brisanje izmene B.\nV vseh razporedih bo ta izmena postavljena na izmeno A!\n"
                             "Urniki bodo ostali nespremenjeni.";
    EXPECT_EQ(p.messages().texts(MsgQuestion), QStringList{question});
    EXPECT_TRUE(c.izmene[1]);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_IZMENE=2"), 1);

    c.izmene[1] = false;
    p.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(logic.Save(c));
    EXPECT_FALSE(c.izmene[1]);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENE WHERE ID=2"), 0);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_IZMENE=1"), 2);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENA_TURNUS WHERE ID_IZMENE=2"), 0);
    // Lessons are left as they are.
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TERMINI"), 2);
}

TEST(NastavitveTurnusi, BadNormsStoreNothingAndGoodOnesAreWrittenToTheProject) {
    test::TempProject p;
    NastavitveTurnusi logic;
    for (const QString &bad : {QString("0"), QString("-3"), QString("abc"), QString(), QString("2.5")}) {
        p.messages().clear();
        TurnusiIzmeneChoices c = logic.Load();
        c.turnusi[4] = true;
        c.normativMin = bad;
        EXPECT_FALSE(logic.Save(c)) << bad.toStdString();
        EXPECT_EQ(p.messages().texts(), QStringList{"Vrenost mora biti Pozitvno število."});
        EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI WHERE OZNAKA='IV'"), 0);
    }
    TurnusiIzmeneChoices c = logic.Load();
    c.normativMax = " 26";
    c.normativMin = "12";
    ASSERT_TRUE(logic.Save(c));
    EXPECT_EQ(db::ReadIni("Privzet normativ max"), "26");
    EXPECT_EQ(db::ReadIni("Privzet normativ min"), "12");
    EXPECT_EQ(App().normativMax, 26);
    EXPECT_EQ(App().normativMin, 12);
}

TEST(NastavitveTurnusi, AFailedWriteRollsBackTheWholeSave) {
    test::TempProject p;
    // A shift code that cannot be inserted makes the save fail after the turnus was added.
    ASSERT_TRUE(p.db().exec("CREATE TRIGGER NO_C BEFORE INSERT ON IZMENE WHEN NEW.OZNAKA='C' "
                            "BEGIN SELECT RAISE(ABORT, 'zavrnjeno'); END"));
    NastavitveTurnusi logic;
    TurnusiIzmeneChoices c = logic.Load();
    c.turnusi[2] = true;
    c.izmene[2] = true;
    EXPECT_FALSE(logic.Save(c));
    EXPECT_EQ(p.messages().messages().size(), 1);
    EXPECT_EQ(p.messages().messages().first().kind, MsgErrorDetails);
    EXPECT_TRUE(p.messages().texts().first().startsWith("Napaka pri shranjevanju nastavitev.\n"));
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM TURNUSI WHERE OZNAKA='II'"), 0);
    EXPECT_EQ(Count(p, "SELECT Count(*) FROM IZMENA_TURNUS"), 1);
    EXPECT_FALSE(c.turnusi[2]);
    EXPECT_FALSE(c.izmene[2]);
}

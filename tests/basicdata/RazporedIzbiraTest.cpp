#include "basicdata/RazporedIzbira.h"
#include "AssignmentFixture.h"
#include "basicdata/CurriculumCopy.h"
#include "basicdata/KopirajRazpored.h"
#include "shell/IniFile.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::core::Answer;
using zentrel::test::AssignmentFixture;
using zentrel::test::SampleFixture;

using RazporedIzbiraT = AssignmentFixture;
using KopiranjeRazporedaT = SampleFixture;

TEST_F(RazporedIzbiraT, ChoosingACurriculumKeepsOnlyItsOwnTimetable) {
    curriculum(2, QStringLiteral("2027"));
    run(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (7, 'U', 1)"));
    core::AppState &app = core::App();
    app.trenutniUrnik = 7;
    app.trenutniTurnus = 1;
    IzberiRazpored(1);
    EXPECT_EQ(app.trenutniPredmetnikIme, QStringLiteral("2026"));
    EXPECT_EQ(app.trenutniUrnik, 7);
    EXPECT_EQ(app.trenutniTurnus, 1);
    // The timetable belongs to another curriculum: construction must not write into it.
    IzberiRazpored(2);
    EXPECT_EQ(app.trenutniPredmetnik, 2);
    EXPECT_EQ(app.trenutniUrnik, -1);
    EXPECT_EQ(app.trenutniTurnus, -1);
    EXPECT_TRUE(app.trenutniUrnikIme.isEmpty());
    IzberiRazpored(99);
    EXPECT_EQ(app.trenutniPredmetnik, -1);
    EXPECT_TRUE(app.trenutniPredmetnikIme.isEmpty());
}

TEST_F(RazporedIzbiraT, TheChoiceIsRememberedInTheSettingsFile) {
    test::TempFolder home;
    core::App().folders.userData = home.path();
    RazporedIzbira izbira;
    ASSERT_TRUE(izbira.open());
    const QString ini = core::App().folders.settingsFile();
    EXPECT_EQ(shell::ReadIniSection(ini, QStringLiteral("[arrangement]")).first(), QStringLiteral("1"));
    ASSERT_TRUE(izbira.acceptAddNew(QStringLiteral("Čebelji")));
    EXPECT_EQ(shell::ReadIniSection(ini, QStringLiteral("[arrangement]")).first(), QStringLiteral("2"));
    EXPECT_EQ(shell::ReadIniSection(ini, QStringLiteral("[timetable]")).first(), QStringLiteral("-1"));
}

TEST_F(RazporedIzbiraT, NewRenameAndNamesUniqueWithoutRegardToCase) {
    RazporedIzbira izbira;
    ASSERT_TRUE(izbira.open());
    EXPECT_EQ(izbira.frameHeader(false), QStringLiteral("Razpored:  2026"));
    EXPECT_EQ(izbira.frameHeader(true), QStringLiteral("Nov razpored"));
    EXPECT_FALSE(izbira.acceptAddNew(QStringLiteral("  ")));
    ASSERT_TRUE(izbira.acceptAddNew(QStringLiteral("Šola d'Arc")));
    EXPECT_FALSE(izbira.acceptAddNew(QStringLiteral("šOLA D'ARC")));
    EXPECT_EQ(messages(),
              QStringList({QStringLiteral("Ime ne sme biti prazno."), QStringLiteral("To ime je že uporabljeno")}));
    EXPECT_EQ(izbira.invalidField(), QStringLiteral("IME"));
    // The new curriculum has every class, shift 1, no class teacher, and is current.
    EXPECT_EQ(core::App().trenutniPredmetnik, 2);
    EXPECT_EQ(core::App().trenutniPredmetnikIme, QStringLiteral("Šola d'Arc"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_PREDMETNIKA=2 AND ID_IZMENE=1 "
                                   "AND ID_RAZREDNIKA IS NULL")),
              2);
    // Renaming to its own name in other letters is allowed; to another's is not.
    EXPECT_TRUE(izbira.acceptEdit(QStringLiteral("ŠOLA d'arc")));
    EXPECT_FALSE(izbira.acceptEdit(QStringLiteral("2026")));
    EXPECT_EQ(core::App().trenutniPredmetnikIme, QStringLiteral("ŠOLA d'arc"));
    // Sorted the Slovenian way: "2026", then "ŠOLA ...".
    ASSERT_TRUE(izbira.moveTo(0));
    EXPECT_EQ(core::App().trenutniPredmetnik, 1);
}

TEST_F(RazporedIzbiraT, DeletingWithAndWithoutValidity) {
    assignment(70, 1, 1, 40, 10, 20);
    lesson(5, 1, 70, true);
    RazporedIzbira izbira;
    ASSERT_TRUE(izbira.open());
    EXPECT_FALSE(izbira.deleteCurrent());
    EXPECT_EQ(messages(), QStringList({QStringLiteral("Razporeda z veljavnim urnikom ni mogoče brisati.")}));

    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    run(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (6, 'Prazen', 1)"));
    run(QStringLiteral("INSERT INTO ERD_UCENEC (ID, OZNAKA) VALUES (1, 'u')"));
    run(QStringLiteral("INSERT INTO ERD_UCENCI_PREDMETA (ID_SKUPINE_ODDELKOV, ID_PREDMETNIKA, ID_PROGRAMA, ID_UCENCA) "
                       "VALUES (60, 1, 41, 1)"));
    answer({Answer::No});
    EXPECT_FALSE(izbira.deleteCurrent());
    EXPECT_EQ(messages().last(),
              QStringLiteral("Potrdi brisanje razporeda vseh enot.\nBrisani bodo tudi vsi urniki tega razporeda!"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETNIKI")), 1);
    answer({Answer::Yes});
    ASSERT_TRUE(izbira.deleteCurrent());
    for (const char *table :
         {"PREDMETNIKI", "URNIKI", "TERMINI", "RAZPORED", "PROGRAMI", "ODDELKI_V_PREDMETNIKU", "ERD_UCENCI_PREDMETA"})
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))), 0) << table;
    // Its own groups go; the classes' own groups stay.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_PREDMETOV WHERE ID=50")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_ODDELKOV")), 2);
    // The list is empty: no current curriculum.
    EXPECT_EQ(izbira.list().count(), 0);
    EXPECT_EQ(core::App().trenutniPredmetnik, -1);

    // Without placed lessons the question has no extra line.
    ASSERT_TRUE(izbira.acceptAddNew(QStringLiteral("Nov")));
    answer({Answer::Yes});
    ASSERT_TRUE(izbira.deleteCurrent());
    EXPECT_EQ(messages().last(), QStringLiteral("Potrdi brisanje razporeda vseh enot."));
}

TEST(KopiranjeRazporedaPolja, BoxesFollowTheirDependencies) {
    using B = CurriculumCopyChoices;
    CurriculumCopyChoices c;
    c.on.fill(false);
    c.set(B::Urniki, true);
    EXPECT_TRUE(c[B::Predmetniki] && c[B::Razpored] && c[B::Urniki]);
    EXPECT_FALSE(c[B::UcenciEnot] || c[B::IzbiraUcencev] || c[B::Razredniki]);
    c.set(B::IzbiraUcencev, true);
    EXPECT_TRUE(c[B::UcenciEnot] && c[B::Predmetniki]);
    c.set(B::Predmetniki, false);
    EXPECT_FALSE(c[B::Razpored] || c[B::Urniki] || c[B::IzbiraUcencev]);
    EXPECT_TRUE(c[B::UcenciEnot]);
    c.set(B::Razpored, true);
    EXPECT_TRUE(c[B::Predmetniki]);
    c.set(B::Urniki, true);
    c.set(B::Razpored, false);
    EXPECT_FALSE(c[B::Urniki]);
    EXPECT_TRUE(c[B::Predmetniki]);
    c.set(B::IzbiraUcencev, true);
    c.set(B::UcenciEnot, false);
    EXPECT_FALSE(c[B::IzbiraUcencev]);
    EXPECT_EQ(CurriculumCopyChoices::captions().size(), int(B::BoxCount));
}

TEST_F(KopiranjeRazporedaT, ACopyOfTheSampleCurriculumPointsAtItsOwnRows) {
    KopirajRazpored kopija(1, QStringLiteral("Razpored 2026/27"));
    EXPECT_EQ(kopija.timetableCount(), 2);
    EXPECT_FALSE(kopija.copy(QStringLiteral(""), {}));
    EXPECT_EQ(kopija.status(), QStringLiteral("Ime ne sme biti prazno."));
    EXPECT_FALSE(kopija.copy(QStringLiteral("RAZPORED 2026/27"), {}));
    EXPECT_EQ(kopija.status(), QStringLiteral("To ime je že uporabljeno"));

    CurriculumCopyChoices all;
    all.set(CurriculumCopyChoices::Urniki, true);
    ASSERT_TRUE(kopija.copy(QStringLiteral("Kopija z d'Arc"), all)) << messages().join('\n').toStdString();
    const qint64 n = kopija.newCurriculum();
    ASSERT_GT(n, 1);
    // Every part has as many rows as the source's.
    const auto same = [&](const QString &sql) {
        EXPECT_EQ(count(sql.arg(1)), count(sql.arg(n))) << sql.toStdString();
        EXPECT_GT(count(sql.arg(n)), 0) << sql.toStdString();
    };
    same(QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_PREDMETNIKA=%1 AND ID_RAZREDNIKA IS NOT "
                        "NULL"));
    same(QStringLiteral("SELECT count(*) FROM ERD_UCENCI_ODDELKA WHERE ID_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE ID_RAZ_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM SKUPINE_PREDMETOV WHERE ID_RAZ_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM SKUPINE_ODDELKOV WHERE ID_RAZ_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU JOIN PROGRAMI ON ID=ID_PROGRAMA WHERE "
                        "ID_RAZ_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI JOIN SKUPINE_PREDMETOV S ON S.ID=ID_SKUPINE WHERE "
                        "S.ID_RAZ_PREDMETNIKA=%1 AND IME_SKUPINE_UCENCEV IS NOT NULL"));
    same(QStringLiteral("SELECT count(*) FROM IZBIRNI_NABORI WHERE ID_RAZ_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM IZBIRNI_NABORI_ODDELKI JOIN IZBIRNI_NABORI N ON N.ID=ID_IZBIRNEGA_NABORA "
                        "WHERE N.ID_RAZ_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM ERD_UCENCI_PREDMETA WHERE ID_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI WHERE ID_UCENCI_ODDELKA IN (SELECT ID FROM "
                        "ERD_UCENCI_ODDELKA WHERE ID_PREDMETNIKA=%1)"));
    same(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM URNIKI WHERE ID_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM TERMINI JOIN URNIKI U ON U.ID=ID_URNIKA WHERE U.ID_PREDMETNIKA=%1"));
    same(QStringLiteral("SELECT count(*) FROM ODDELKI_OKVIR JOIN URNIKI U ON U.ID=ID_URNIKA WHERE "
                        "U.ID_PREDMETNIKA=%1"));
    // ... and every reference of the copy stays inside the copy.
    const auto none = [&](const QString &sql) { EXPECT_EQ(count(sql.arg(n)), 0) << sql.toStdString(); };
    none(QStringLiteral("SELECT count(*) FROM RAZPORED R JOIN PROGRAMI P ON P.ID=R.ID_PROGRAMA WHERE "
                        "R.ID_PREDMETNIKA=%1 AND P.ID_RAZ_PREDMETNIKA<>%1"));
    none(QStringLiteral("SELECT count(*) FROM RAZPORED R JOIN SKUPINE_PREDMETOV S ON S.ID=R.ID_SKUPINE_PREDMETOV WHERE "
                        "R.ID_PREDMETNIKA=%1 AND S.ID_RAZ_PREDMETNIKA<>%1"));
    none(QStringLiteral("SELECT count(*) FROM RAZPORED R JOIN SKUPINE_ODDELKOV S ON S.ID=R.ID_SKUPINE_ODDELKOV WHERE "
                        "R.ID_PREDMETNIKA=%1 AND S.ID_RAZ_PREDMETNIKA<>%1"));
    none(QStringLiteral("SELECT count(*) FROM RAZPORED R JOIN PREDMETI_V_SKUPINI V ON V.ID=R.ID_PREDMETI_V_SKUPINI "
                        "WHERE R.ID_PREDMETNIKA=%1 AND V.ID_SKUPINE<>R.ID_SKUPINE_PREDMETOV"));
    none(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE PS JOIN PROGRAMI P ON P.ID=PS.ID_PROGRAMA WHERE "
                        "PS.ID_PREDMETNIKA=%1 AND P.ID_RAZ_PREDMETNIKA<>%1"));
    none(QStringLiteral("SELECT count(*) FROM TERMINI T JOIN URNIKI U ON U.ID=T.ID_URNIKA JOIN RAZPORED R ON "
                        "R.ID=T.ID_RAZPOREDA WHERE U.ID_PREDMETNIKA=%1 AND R.ID_PREDMETNIKA<>%1"));
    none(QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI I JOIN ERD_UCENCI_ODDELKA E ON "
                        "E.ID=I.ID_UCENCI_ODDELKA JOIN IZBIRNI_PREDMETI P ON P.ID=I.ID_IZBIRNEGA_PREDMETA JOIN "
                        "IZBIRNI_NABORI N ON N.ID=P.ID_IZBIRNEGA_NABORA WHERE E.ID_PREDMETNIKA=%1 AND "
                        "N.ID_RAZ_PREDMETNIKA<>%1"));
    // The copied timetables carry no validity; the source keeps everything it had.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")),
              2 * count(QStringLiteral("SELECT count(*) FROM TERMINI JOIN URNIKI "
                                       "U ON U.ID=ID_URNIKA WHERE "
                                       "U.ID_PREDMETNIKA=1")));

    // Without the class teachers and with the programmes only.
    CurriculumCopyChoices some;
    some.set(CurriculumCopyChoices::Razredniki, false);
    some.set(CurriculumCopyChoices::UcenciEnot, false);
    some.set(CurriculumCopyChoices::Razpored, false);
    const qint64 m = CopyCurriculum(1, QStringLiteral("Samo predmetniki"), some);
    ASSERT_GT(m, n);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_PREDMETNIKA=%1 AND "
                                   "ID_RAZREDNIKA IS NULL")
                        .arg(m)),
              count(QStringLiteral("SELECT count(*) FROM ODDELKI")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_PREDMETNIKA=%1").arg(m)), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ERD_UCENCI_ODDELKA WHERE ID_PREDMETNIKA=%1").arg(m)), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PREDMETNIKA=%1").arg(m)),
              count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PREDMETNIKA=1")));
}

TEST_F(KopiranjeRazporedaT, AFailedCopyLeavesNoHalfMadeCurriculum) {
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral(
        "CREATE TRIGGER NO_LESSONS BEFORE INSERT ON TERMINI BEGIN SELECT RAISE(ABORT, 'poln disk'); END")));
    const qint64 rows =
        count(QStringLiteral("SELECT (SELECT count(*) FROM PROGRAMI) + (SELECT count(*) FROM RAZPORED) "
                             "+ (SELECT count(*) FROM SKUPINE_PREDMETOV) + (SELECT count(*) FROM URNIKI)"));
    KopirajRazpored kopija(1, QStringLiteral("Razpored 2026/27"));
    CurriculumCopyChoices all;
    all.set(CurriculumCopyChoices::Urniki, true);
    EXPECT_FALSE(kopija.copy(QStringLiteral("Kopija"), all));
    EXPECT_EQ(kopija.status(), QStringLiteral("Kopiranje ni uspelo."));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().startsWith(QStringLiteral("Podatkov ni bilo mogoče shraniti.")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETNIKI")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT (SELECT count(*) FROM PROGRAMI) + (SELECT count(*) FROM RAZPORED) + (SELECT "
                                   "count(*) FROM SKUPINE_PREDMETOV) + (SELECT count(*) FROM URNIKI)")),
              rows);
}

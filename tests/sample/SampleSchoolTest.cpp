#include "sample/SampleSchool.h"
#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"
#include "sample/SampleCurriculum.h"
#include "sample/SampleFeasibility.h"
#include "sample/SampleIntegrity.h"
#include "shell/ProjectFiles.h"
#include "support/ProjectContents.h"
#include "support/TempFolder.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;
using sample::SampleOptions;

namespace {

const QDate kDay(2026, 12, 6);

SampleOptions options(int classesPerGrade, quint32 seed = 1) {
    SampleOptions o;
    o.classesPerGrade = classesPerGrade;
    o.seed = seed;
    o.referenceDate = kDay;
    return o;
}

QStringList generated(const test::TempFolder &folder, const QString &name, const SampleOptions &o) {
    const QString path = folder.file(name);
    QString error;
    EXPECT_TRUE(sample::GenerateSampleSchool(path, o, &error)) << error.toStdString();
    return test::ProjectContents(path);
}

// The hours rows of the ordinary programmes; the elective groups come from the pupils' choices.
QStringList ordinaryProgrammeRows(const QString &path) {
    db::Connection c;
    EXPECT_TRUE(c.open(path));
    QStringList lines;
    const auto rows = c.query(QStringLiteral("SELECT V.* FROM PREDMETI_V_PROGRAMU V JOIN PROGRAMI P ON P.ID = "
                                             "V.ID_PROGRAMA WHERE P.ID_IZBIRNEGA_NABORA IS NULL ORDER BY V.rowid"));
    for (int i = 0; i < rows.rowCount(); ++i) {
        QStringList values;
        for (const QVariant &v : rows.row(i))
            values << v.toString();
        lines << values.join(QLatin1Char('|'));
    }
    return lines;
}

int count(db::Connection &c, const QString &sql, const QVariantList &values = {}) {
    return c.scalar(sql, values).toInt();
}

} // namespace

TEST(SampleSchool, TheSameSeedGivesTheSameFileAndAnotherSeedAnother) {
    test::TempFolder folder;
    const QStringList first = generated(folder, QStringLiteral("a.znt"), options(2, 7));
    const QStringList again = generated(folder, QStringLiteral("b.znt"), options(2, 7));
    const QStringList other = generated(folder, QStringLiteral("c.znt"), options(2, 8));
    ASSERT_GT(first.size(), 2000);
    EXPECT_EQ(first, again);
    // Byte for byte, too: nothing in the file depends on the clock or on hashing.
    EXPECT_TRUE(test::FileBytes(folder.file(QStringLiteral("a.znt"))) ==
                test::FileBytes(folder.file(QStringLiteral("b.znt"))));
    EXPECT_NE(first, other);
    // The structure follows the curriculum, not the seed: only names, choices and the like differ.
    auto tableRows = [](const QStringList &lines, const QString &table) {
        return lines.filter(QRegularExpression(QStringLiteral("^%1\\|").arg(table)));
    };
    EXPECT_EQ(ordinaryProgrammeRows(folder.file(QStringLiteral("a.znt"))),
              ordinaryProgrammeRows(folder.file(QStringLiteral("c.znt"))));
    EXPECT_NE(tableRows(first, QStringLiteral("ERD_UCENEC")), tableRows(other, QStringLiteral("ERD_UCENEC")));
    EXPECT_NE(tableRows(first, QStringLiteral("UCITELJI")), tableRows(other, QStringLiteral("UCITELJI")));
}

TEST(SampleSchool, EverySizeIsFeasibleFollowsTheChainAndHasItsOwnGroups) {
    test::TempFolder folder;
    for (int perGrade : {1, 2, 4, 8}) {
        SCOPED_TRACE(perGrade);
        const QString path = folder.file(QStringLiteral("s%1.znt").arg(perGrade));
        QString error;
        ASSERT_TRUE(sample::GenerateSampleSchool(path, options(perGrade, 3), &error)) << error.toStdString();
        db::Connection c;
        ASSERT_TRUE(c.open(path));

        const auto report = sample::CheckFeasibility(c, 1, 1, 7);
        EXPECT_TRUE(report.problems.isEmpty()) << report.problems.join(QLatin1Char('\n')).toStdString();
        // Every block of elective groups takes a period from each class with pupils in it.
        EXPECT_LE(report.maxClassLoad, 31);
        EXPECT_LE(report.maxTeacherLoad, 25);
        EXPECT_LE(report.maxRoomUse, 0.9); // a class's own classroom holds most of its lessons
        EXPECT_LE(report.maxCabinetUse, 0.8);
        EXPECT_TRUE(sample::AssignmentsOffChain(c).isEmpty());
        EXPECT_TRUE(sample::LessonsWithoutAssignment(c, 1).isEmpty());
        EXPECT_TRUE(sample::OwnGroupProblems(c).isEmpty())
            << sample::OwnGroupProblems(c).join(QLatin1Char(' ')).toStdString();

        EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM ODDELKI")), 9 * perGrade);
        const int teachers = count(c, QStringLiteral("SELECT count(*) FROM UCITELJI"));
        const int rooms = count(c, QStringLiteral("SELECT count(*) FROM PROSTORI"));
        EXPECT_GE(teachers, 15 * perGrade);
        EXPECT_LE(teachers, 28 * perGrade);
        EXPECT_GE(rooms, 9 * perGrade + 9);
        // Every assignment has its teacher's subject and asks for an existing room group or none.
        EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM RAZPORED R WHERE NOT EXISTS (SELECT 1 FROM "
                                          "UCITELJ_PREDMET U WHERE U.ID_UCITELJA = R.ID_UCITELJA AND "
                                          "U.ID_PREDMETA = R.ID_PREDMETA)")),
                  0);
        EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_SKUPINE_PROSTOROV IS NOT NULL "
                                          "AND ID_SKUPINE_PROSTOROV NOT IN (SELECT ID FROM SKUPINE_PROSTOROV)")),
                  0);
    }
}

TEST(SampleSchool, TheSchoolLooksLikeASlovenianPrimarySchool) {
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("primer.znt"));
    ASSERT_TRUE(sample::GenerateSampleSchool(path, options(2)));
    db::Connection c;
    ASSERT_TRUE(c.open(path));

    EXPECT_EQ(c.scalar(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Ime_Sole'")).toString(),
              QStringLiteral("OŠ Primer"));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Verzija'")).toString(),
              QStringLiteral("19"));
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM STAVBE")), 2);
    const int rooms = count(c, QStringLiteral("SELECT count(*) FROM PROSTORI"));
    EXPECT_GE(rooms, 22);
    EXPECT_LE(rooms, 30);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM PROSTORI WHERE OZNAKA LIKE 'TV%' AND KABINET = 1")), 2);
    for (const char *code : {"RAČ", "NAR", "LIK", "GLA", "TEH", "KUH"})
        EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM PROSTORI WHERE OZNAKA = ? AND KABINET = 1"),
                        {QString::fromUtf8(code)}),
                  1)
            << code;
    EXPECT_GE(count(c, QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV WHERE OZNAKA LIKE '$%'")), 2);
    const int teachers = count(c, QStringLiteral("SELECT count(*) FROM UCITELJI"));
    EXPECT_GE(teachers, 30);
    EXPECT_LE(teachers, 45);
    EXPECT_GT(count(c, QStringLiteral("SELECT count(DISTINCT ID_UCITELJA) FROM PREPOVEDI_UCITELJEV")), 0);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM UCITELJI WHERE PRIIMEK = 'D''Agostin'")), 1);

    // Classes 1.a to 9.b; grades 1 to 5 on shift A, 6 to 9 on shift B, each with a class teacher.
    const auto classes = c.query(QStringLiteral("SELECT OZNAKA FROM ODDELKI ORDER BY ID"));
    ASSERT_EQ(classes.rowCount(), 18);
    EXPECT_EQ(classes.text(0, QStringLiteral("OZNAKA")), QStringLiteral("1.a"));
    EXPECT_EQ(classes.text(17, QStringLiteral("OZNAKA")), QStringLiteral("9.b"));
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU V JOIN ODDELKI O ON O.ID = "
                                      "V.ID_ODDELKA WHERE V.ID_RAZREDNIKA IS NOT NULL AND V.ID_IZMENE = "
                                      "iif(substr(O.OZNAKA,1,1) <= '5', 1, 2)")),
              18);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(DISTINCT ID_RAZREDNIKA) FROM ODDELKI_V_PREDMETNIKU")), 18);

    // Every subject code of the public curriculum exists, with its own group.
    for (const auto &s : sample::Subjects())
        EXPECT_EQ(count(c,
                        QStringLiteral("SELECT count(*) FROM PREDMETI P JOIN SKUPINE_PREDMETOV G ON G.ID = P.ID "
                                       "WHERE P.OZNAKA = ?"),
                        {s.code}),
                  1)
            << s.code.toStdString();

    // Sport from grade 6 by sex across the two parallel classes: two teachers, the gyms.
    const auto sport = c.query(QStringLiteral(
        "SELECT G.OZNAKA, count(DISTINCT R.ID_UCITELJA) AS T, count(DISTINCT M.ID_ODDELKA) AS K, "
        "min(P.OZNAKA) AS PROSTOR FROM SKUPINE_ODDELKOV G JOIN RAZPORED R ON R.ID_SKUPINE_ODDELKOV = G.ID "
        "JOIN ODDELKI_V_SKUPINI M ON M.ID_SKUPINE = G.ID JOIN SKUPINE_PROSTOROV P ON P.ID = R.ID_SKUPINE_PROSTOROV "
        "WHERE G.OZNAKA LIKE '$ŠPO%' GROUP BY G.OZNAKA ORDER BY G.OZNAKA"));
    ASSERT_EQ(sport.rowCount(), 4);
    EXPECT_EQ(sport.text(0, QStringLiteral("OZNAKA")), QStringLiteral("$ŠPO6ab"));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sport.integer(i, QStringLiteral("T")), 2);
        EXPECT_EQ(sport.integer(i, QStringLiteral("K")), 2);
        EXPECT_EQ(sport.text(i, QStringLiteral("PROSTOR")), QStringLiteral("$TELOV"));
    }
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE IME_SKUPINE_UCENCEV IN "
                                      "('dekleta','fantje')")),
              8);

    // Weekly periods per class follow the public table: half periods are one period in turnus
    // I or II.
    const auto periods = c.query(QStringLiteral(
        "SELECT O.OZNAKA, sum(iif(U.ID_TURNUSA = 0, 2, 1) * U.STEVILO_UR) AS H FROM ODDELKI O "
        "JOIN ODDELKI_V_SKUPINI M ON M.ID_ODDELKA = O.ID JOIN (SELECT DISTINCT R.ID_SKUPINE_ODDELKOV, "
        "R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, V.STEVILO_UR FROM RAZPORED R JOIN PREDMETI_V_PROGRAMU V ON "
        "V.ID_PROGRAMA = R.ID_PROGRAMA AND V.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND V.ID_TURNUSA = "
        "R.ID_TURNUSA JOIN PROGRAMI P ON P.ID = R.ID_PROGRAMA WHERE P.ID_IZBIRNEGA_NABORA IS NULL) U ON "
        "U.ID_SKUPINE_ODDELKOV = M.ID_SKUPINE GROUP BY O.ID ORDER BY O.ID"));
    ASSERT_EQ(periods.rowCount(), 18);
    for (int grade = 1; grade <= 9; ++grade) {
        int halves = 0;
        for (const auto &row : sample::WeeklyPeriods())
            halves += row.halves[grade - 1];
        EXPECT_EQ(periods.integer(2 * grade - 2, QStringLiteral("H")), halves) << grade;
        EXPECT_EQ(periods.integer(2 * grade - 1, QStringLiteral("H")), halves) << grade;
    }
    EXPECT_EQ(periods.integer(0, QStringLiteral("H")), 40); // 20 periods in the first grade
    // The half periods take turns between turnus I and II, so both weeks are equally long.
    EXPECT_EQ(
        count(c, QStringLiteral(
                     "SELECT count(*) FROM (SELECT M.ID_ODDELKA, sum(iif(U.ID_TURNUSA = 1, U.STEVILO_UR, 0)) AS A, "
                     "sum(iif(U.ID_TURNUSA = 2, U.STEVILO_UR, 0)) AS B FROM ODDELKI_V_SKUPINI M JOIN (SELECT "
                     "DISTINCT R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, V.STEVILO_UR FROM "
                     "RAZPORED R JOIN PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = R.ID_PROGRAMA AND "
                     "V.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND V.ID_TURNUSA = R.ID_TURNUSA) U ON "
                     "U.ID_SKUPINE_ODDELKOV = M.ID_SKUPINE GROUP BY M.ID_ODDELKA) WHERE abs(A - B) > 1")),
        0);
    EXPECT_GT(count(c, QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU WHERE ID_TURNUSA = 2")), 0);

    // The empty timetable: frames from the shifts, no validity, no lessons.
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM URNIKI")), 1);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA")), 0);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM ODDELKI_OKVIR")), 18 * 5 * 2);
    EXPECT_EQ(
        count(c, QStringLiteral(
                     "SELECT count(*) FROM ODDELKI_OKVIR F JOIN ODDELKI_V_PREDMETNIKU V ON V.ID_ODDELKA = "
                     "F.ID_ODDELKA JOIN IZMENA_TURNUS I ON I.ID_IZMENE = V.ID_IZMENE AND I.ID_TURNUSA = "
                     "F.ID_TURNUSA WHERE F.PRVA_URA = CASE F.DAN WHEN 1 THEN I.PRVA_URA_PON WHEN 2 THEN "
                     "I.PRVA_URA_TOR WHEN 3 THEN I.PRVA_URA_SRE WHEN 4 THEN I.PRVA_URA_CET ELSE I.PRVA_URA_PET END")),
        180);

    // Holidays of the school year 2026/27 that contains the reference day.
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM PROSTI_DNEVI WHERE DATUM_OD < '2026-09-01' OR "
                                      "DATUM_DO > '2027-08-31' OR DATUM_DO < DATUM_OD OR RAZLOG = ''")),
              0);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT DATUM_OD FROM PROSTI_DNEVI WHERE RAZLOG = 'Velikonočni ponedeljek'"))
                  .toString(),
              QStringLiteral("2027-03-29"));

    // Pupils: about twenty per class, sexes M and Z, in one class each.
    const auto pupils = c.query(QStringLiteral("SELECT ID_ODDELKA, count(*) AS N FROM ERD_UCENCI_ODDELKA "
                                               "GROUP BY ID_ODDELKA"));
    ASSERT_EQ(pupils.rowCount(), 18);
    for (int i = 0; i < pupils.rowCount(); ++i) {
        EXPECT_GE(pupils.integer(i, QStringLiteral("N")), 18);
        EXPECT_LE(pupils.integer(i, QStringLiteral("N")), 24);
    }
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM ERD_UCENEC WHERE SPOL NOT IN ('M','Z')")), 0);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM ERD_UCENEC")),
              count(c, QStringLiteral("SELECT count(DISTINCT ID_UCENCA) FROM ERD_UCENCI_ODDELKA")));
    // Girls and boys are in their own sport group.
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM ERD_UCENCI_PREDMETA P JOIN ERD_UCENEC U ON U.ID = "
                                      "P.ID_UCENCA JOIN PREDMETI_V_SKUPINI G ON G.ID = P.ID_PREDMETI_V_SKUPINI WHERE "
                                      "G.IME_SKUPINE_UCENCEV = iif(U.SPOL = 'Z', 'fantje', 'dekleta')")),
              0);

    // Electives for grades 7 to 9: two choices and one reserve per pupil.
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IZBIRNI_NABORI")), 3);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IZBIRNI_NABORI_ODDELKI")), 6);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI WHERE STEVILO_UCITELJEV < 1")), 0);
    const int upperPupils = count(c, QStringLiteral("SELECT count(*) FROM ERD_UCENCI_ODDELKA WHERE ID_ODDELKA IN "
                                                    "(SELECT ID_ODDELKA FROM IZBIRNI_NABORI_ODDELKI)"));
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI WHERE TIP = 'I'")),
              2 * upperPupils);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI WHERE TIP = 'R'")), upperPupils);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM (SELECT ID_UCENCI_ODDELKA, ID_IZBIRNEGA_PREDMETA FROM "
                                      "IZBIRNI_PREDMETI_UCENCI GROUP BY 1, 2 HAVING count(*) > 1)")),
              0);
    // The elective groups are formed from the choices: nobody is in two groups of one block or in
    // more groups than electives chosen, every group has its own teacher in its block, and every
    // pupil of a group is in one of the group's units.
    EXPECT_GE(count(c, QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE ID_IZBIRNEGA_NABORA = -1")), 2);
    EXPECT_GT(count(c, QStringLiteral("SELECT count(DISTINCT E.ID_UCENCA) FROM ERD_UCENCI_PREDMETA E JOIN PROGRAMI "
                                      "P ON P.ID = E.ID_PROGRAMA WHERE P.ID_IZBIRNEGA_NABORA = -1")),
              upperPupils * 3 / 4);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM (SELECT E.ID_UCENCA FROM ERD_UCENCI_PREDMETA E JOIN "
                                      "PROGRAMI P ON P.ID = E.ID_PROGRAMA WHERE P.ID_IZBIRNEGA_NABORA = -1 GROUP BY "
                                      "E.ID_UCENCA, E.ID_SKUPINE_ODDELKOV HAVING count(*) > 1)")),
              0);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM (SELECT E.ID_UCENCA FROM ERD_UCENCI_PREDMETA E JOIN "
                                      "PROGRAMI P ON P.ID = E.ID_PROGRAMA WHERE P.ID_IZBIRNEGA_NABORA = -1 GROUP BY "
                                      "E.ID_UCENCA HAVING count(*) > 2)")),
              0);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM (SELECT R.ID_SKUPINE_ODDELKOV FROM RAZPORED R JOIN "
                                      "PROGRAMI P ON P.ID = R.ID_PROGRAMA WHERE P.ID_IZBIRNEGA_NABORA = -1 GROUP BY "
                                      "R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_UCITELJA HAVING count(*) > "
                                      "1)")),
              0);
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM ERD_UCENCI_PREDMETA E JOIN PROGRAMI P ON P.ID = "
                                      "E.ID_PROGRAMA JOIN ERD_UCENCI_ODDELKA U ON U.ID_UCENCA = E.ID_UCENCA WHERE "
                                      "P.ID_IZBIRNEGA_NABORA = -1 AND U.ID_ODDELKA NOT IN (SELECT ID_ODDELKA FROM "
                                      "ODDELKI_V_SKUPINI WHERE ID_SKUPINE = E.ID_SKUPINE_ODDELKOV)")),
              0);
    // A choice belongs to the set of the pupil's class.
    EXPECT_EQ(
        count(c, QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI C JOIN ERD_UCENCI_ODDELKA E ON "
                                "E.ID = C.ID_UCENCI_ODDELKA JOIN IZBIRNI_PREDMETI P ON P.ID = "
                                "C.ID_IZBIRNEGA_PREDMETA WHERE NOT EXISTS (SELECT 1 FROM IZBIRNI_NABORI_ODDELKI N "
                                "WHERE N.ID_ODDELKA = E.ID_ODDELKA AND N.ID_IZBIRNEGA_NABORA = "
                                "P.ID_IZBIRNEGA_NABORA)")),
        0);
}

TEST(SampleSchool, NamesHoldSlovenianLetters) {
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("primer.znt"));
    ASSERT_TRUE(sample::GenerateSampleSchool(path, options(2, 11)));
    db::Connection c;
    ASSERT_TRUE(c.open(path));
    for (const QString &letter : {QStringLiteral("č"), QStringLiteral("š"), QStringLiteral("ž")}) {
        const QString pattern = QStringLiteral("%") + letter + QStringLiteral("%");
        for (const char *sql :
             {"SELECT count(*) FROM ERD_UCENEC WHERE lower(IME || PRIIMEK) LIKE ?",
              "SELECT count(*) FROM PREDMETI WHERE IME LIKE ?", "SELECT count(*) FROM PROSTORI WHERE IME LIKE ?"})
            EXPECT_GT(count(c, QString::fromUtf8(sql), {pattern}), 0) << sql << letter.toStdString();
    }
    EXPECT_GT(count(c, QStringLiteral(
                           "SELECT count(*) FROM UCITELJI WHERE PRIIMEK LIKE '%č%' OR PRIIMEK LIKE '%š%' "
                           "OR PRIIMEK LIKE '%ž%' OR PRIIMEK LIKE 'Č%' OR PRIIMEK LIKE 'Š%' OR PRIIMEK LIKE 'Ž%'")),
              0);
}

TEST(SampleSchool, BadOptionsAndPathsFailWithoutTouchingAnExistingFile) {
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("obstaja.znt"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("prejšnja vsebina");
    }
    QString error;
    EXPECT_FALSE(sample::GenerateSampleSchool(path, options(0), &error));
    EXPECT_EQ(error, QStringLiteral("Število oddelkov na razred mora biti med 1 in 12."));
    EXPECT_FALSE(sample::GenerateSampleSchool(path, options(13), &error));
    EXPECT_EQ(QString::fromUtf8(test::FileBytes(path)), QStringLiteral("prejšnja vsebina"));

    const QString missingFolder = folder.file(QStringLiteral("ni/mape.znt"));
    EXPECT_FALSE(sample::GenerateSampleSchool(missingFolder, options(1), &error));
    EXPECT_EQ(error, QStringLiteral("Datoteke %1 ni mogoče ustvariti.").arg(missingFolder));

    // A good run replaces the old file and leaves no temporary file behind.
    ASSERT_TRUE(sample::GenerateSampleSchool(path, options(1), &error));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("obstaja.znt")});
    db::Connection c;
    ASSERT_TRUE(c.open(path));
    EXPECT_EQ(count(c, QStringLiteral("SELECT count(*) FROM ODDELKI")), 9);
}

TEST(SampleSchool, OpensWithoutAnyRepair) {
    test::TempHome home;
    const QString path = home.file(QStringLiteral("primer.znt"));
    ASSERT_TRUE(sample::GenerateSampleSchool(path, options(2)));
    const QStringList before = test::ProjectContents(path);
    ASSERT_TRUE(shell::OpenProjectFile(path));
    EXPECT_EQ(test::ProjectContents(db::ProjectDb()), before);
    EXPECT_TRUE(home.messages().messages().isEmpty());
    shell::CloseProject();
}

#include "core/AppState.h"
#include "db/MBaza.h"
#include "fet/FetExport.h"
#include "fet/FetImport.h"
#include "sample/SampleSchool.h"
#include "support/FetFiles.h"

#include <QFile>

using namespace zentrel;

namespace {

// A sample school with one class per grade, exported and imported again.
class FetExport : public test::FetImportTest {
protected:
    void SetUp() override {
        samplePath = home.file(QStringLiteral("primer.znt"));
        sample::SampleOptions options;
        options.classesPerGrade = 1;
        options.referenceDate = QDate(2026, 9, 1);
        QString error;
        ASSERT_TRUE(sample::GenerateSampleSchool(samplePath, options, &error)) << error.toStdString();
        ASSERT_TRUE(source.open(samplePath));
    }
    bool exportAndImport(const fet::FetExportOptions &options) {
        return fet::ExportFetFile(source, options, fetPath) &&
               fet::ImportFetFile(fetPath, projectPath, core::App().folders.defaultsDatabase(), &report) &&
               db.open(projectPath);
    }
    // Weekly periods of each class (code) in turnus 0 and the given one.
    static QStringList periodsPerClass(db::Connection &c, int turnus) {
        QStringList out;
        const db::RowSet rows = c.query(
            QStringLiteral("SELECT O.OZNAKA, sum(V.STEVILO_UR) FROM (SELECT DISTINCT ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                           "ID_SKUPINE_PREDMETOV, ID_TURNUSA FROM RAZPORED) R JOIN PREDMETI_V_PROGRAMU V "
                           "ON V.ID_PROGRAMA = R.ID_PROGRAMA AND V.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV "
                           "AND V.ID_TURNUSA = R.ID_TURNUSA JOIN ODDELKI_V_SKUPINI M ON M.ID_SKUPINE = "
                           "R.ID_SKUPINE_ODDELKOV JOIN ODDELKI O ON O.ID = M.ID_ODDELKA "
                           "WHERE R.ID_TURNUSA IN (0, ?) GROUP BY O.OZNAKA ORDER BY O.OZNAKA"),
            {turnus});
        for (int r = 0; r < rows.rowCount(); ++r)
            out << rows.value(r, 0).toString() + u'=' + rows.value(r, 1).toString();
        return out;
    }

    QString samplePath;
    db::Connection source;
};

} // namespace

TEST_F(FetExport, TheExportedSchoolImportsWithTheSameLessons) {
    ASSERT_TRUE(exportAndImport({1, 1, false}));
    EXPECT_EQ(periodsPerClass(db, 0), periodsPerClass(source, 1));
    // Every class keeps its subjects with their teachers, each with or without a room.
    const QString who = QStringLiteral(
        "SELECT DISTINCT O.OZNAKA, P.OZNAKA, ifnull(U.OZNAKA, '-'), R.ID_SKUPINE_PROSTOROV IS NOT NULL FROM RAZPORED R "
        "JOIN ODDELKI_V_SKUPINI M ON M.ID_SKUPINE = R.ID_SKUPINE_ODDELKOV JOIN ODDELKI O ON O.ID = M.ID_ODDELKA "
        "JOIN PREDMETI P ON P.ID = R.ID_PREDMETA LEFT JOIN UCITELJI U ON U.ID = R.ID_UCITELJA "
        "WHERE R.ID_TURNUSA IN (0, ?) ORDER BY 1, 2, 3, 4");
    EXPECT_EQ(texts(who, {0}), TextsOf(source, who, {1}));
    // Teachers taught together come back as entries of one unit.
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM RAZPORED GROUP BY ID_SKUPINE_ODDELKOV, "
                                   "ID_SKUPINE_PREDMETOV HAVING count(*) > 1)")),
              5);
    EXPECT_TRUE(report.notMapped.isEmpty()) << report.lines().join(u'\n').toStdString();
}

TEST_F(FetExport, ClassesAreNotAvailableOutsideTheirFrames) {
    ASSERT_TRUE(exportAndImport({1, 1, false}));
    // Class 1.a: shift A starts at period 1 and has 20 periods a week (4 a day), so it may use
    // periods 1 to 4 only; class 9.a (shift B) starts at period 0 on Monday.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_ODDELKOV P JOIN ODDELKI O ON O.ID = P.ID_ODDELKA "
                                   "WHERE O.OZNAKA = '1.a' AND P.DAN = 1 AND P.URA IN (1, 2, 3, 4)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_ODDELKOV P JOIN ODDELKI O ON O.ID = P.ID_ODDELKA "
                                   "WHERE O.OZNAKA = '1.a' AND P.DAN = 1 AND P.URA IN (0, 5)")),
              2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_ODDELKOV P JOIN ODDELKI O ON O.ID = P.ID_ODDELKA "
                                   "WHERE O.OZNAKA = '9.a' AND P.DAN = 1 AND P.URA = 0")),
              0);
}

TEST_F(FetExport, PlacedLessonsGoAlongLockedAndComeBackFixed) {
    // Place the first block of every unit of class 1.a by hand, one unit per period of Monday.
    const db::RowSet units = source.query(QStringLiteral(
        "SELECT R.ID, V.DOLZINA_TERMINA, R.ID_SKUPINE_PROSTOROV FROM RAZPORED R JOIN PREDMETI_V_PROGRAMU V "
        "ON V.ID_PROGRAMA = R.ID_PROGRAMA AND V.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND V.ID_TURNUSA = "
        "R.ID_TURNUSA WHERE R.ID_SKUPINE_ODDELKOV = 1 AND R.ID_TURNUSA = 0 AND V.DOLZINA_TERMINA = 1 AND (SELECT "
        "count(*) FROM RAZPORED X WHERE X.ID_SKUPINE_ODDELKOV = 1 AND X.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV) "
        "= 1 ORDER BY R.ID LIMIT 3"));
    ASSERT_EQ(units.rowCount(), 3);
    for (int r = 0; r < 3; ++r)
        ASSERT_TRUE(source.exec(QStringLiteral("INSERT INTO TERMINI (ID, ID_URNIKA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, "
                                               "TIP, ID_TURNUSA) VALUES (?, 1, ?, (SELECT min(ID_PROSTORA) FROM "
                                               "PROSTORI_V_SKUPINI WHERE ID_SKUPINE = ?), 1, ?, 'r', 1)"),
                                {100 + r, units.value(r, 0), units.value(r, 2), 1 + r}));
    ASSERT_TRUE(exportAndImport({1, 1, true}));
    EXPECT_EQ(texts(QStringLiteral("SELECT O.OZNAKA, T.DAN, T.URA, T.TIP, P.OZNAKA FROM TERMINI T JOIN RAZPORED R ON "
                                   "R.ID = T.ID_RAZPOREDA JOIN ODDELKI O ON O.ID = R.ID_SKUPINE_ODDELKOV "
                                   "LEFT JOIN PROSTORI P ON P.ID = T.ID_PROSTORA ORDER BY T.URA")),
              TextsOf(source, QStringLiteral("SELECT '1.a', T.DAN, T.URA, 's', P.OZNAKA FROM TERMINI T LEFT JOIN "
                                             "PROSTORI P ON P.ID = T.ID_PROSTORA ORDER BY T.URA")));
    EXPECT_EQ(report.count(QStringLiteral("od tega zaklenjene")), 3);
}

TEST_F(FetExport, RefusesAMissingTimetableOrTurnusAndKeepsTheFile) {
    QFile old(fetPath);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("staro");
    old.close();
    EXPECT_FALSE(fet::ExportFetFile(source, {9, 1, false}, fetPath));
    EXPECT_FALSE(fet::ExportFetFile(source, {1, 7, false}, fetPath));
    EXPECT_EQ(home.messages().texts(), QStringList({QStringLiteral("V projektu ni urnika 9."),
                                                    QStringLiteral("V projektu ni turnusa 7.")}));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("staro"));
}

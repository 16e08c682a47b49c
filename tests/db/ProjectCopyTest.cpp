#include "db/ProjectCopy.h"
#include "db/CreateFromExisting.h"
#include "db/MBaza.h"
#include "db/OpeningChecks.h"
#include "db/ProjectBuild.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;
using db::CopyBasic;
using db::CopyCurricula;
using db::CopyTimetable;
using db::kCopyAll;
using db::kCopyNone;
using test::FileBytes;
using test::ProjectContents;
using test::RowCount;

namespace {

// A project of version 6: programme 5 is shared by curricula 1 and 2; the named subject group 12
// is used in curriculum 3 only, and the named class group 20 in curriculum 1.
const QString kVersion6School = QStringLiteral(
    "INSERT INTO PREDMETNIKI (ID,IME) VALUES (1,'Prvi'),(2,'Drugi'),(3,'Tretji');"
    "INSERT INTO ODDELKI VALUES (1,'1A','1A'),(2,'1B','1B');"
    "INSERT INTO SKUPINE_ODDELKOV (ID,OZNAKA,IME) VALUES (1,'1A','1A'),(2,'1B','1B'),(20,'$AB','Skupaj');"
    "INSERT INTO ODDELKI_V_SKUPINI VALUES (1,1),(2,2),(20,1),(20,2);"
    "INSERT INTO PREDMETI (ID,OZNAKA,IME) VALUES (1,'MAT','Matematika'),(2,'SLO','Slovenščina');"
    "INSERT INTO SKUPINE_PREDMETOV (ID,OZNAKA,IME) VALUES (1,'MAT','M'),(2,'SLO','S'),(12,'$JEZ','Jeziki');"
    "INSERT INTO PREDMETI_V_SKUPINI (ID,ID_SKUPINE,ID_PREDMETA) VALUES (1,1,1),(2,2,2),(30,12,2),(31,12,1);"
    "INSERT INTO UCITELJI (ID,OZNAKA) VALUES (1,'AN');"
    "INSERT INTO PROGRAMI (ID,OZNAKA,IME) VALUES (5,'P5','Osnovni'),(6,'P6','Jezikovni');"
    "INSERT INTO PROGRAM_SKUPINE VALUES (1,1,5),(2,2,5),(20,1,5),(1,3,6);"
    "INSERT INTO PREDMETI_V_PROGRAMU VALUES (5,1,0,4,1,2,NULL),(6,12,0,3,1,2,NULL);"
    "INSERT INTO RAZPORED VALUES (1,1,1,5,1,1,1,NULL,0,1,NULL),(2,2,2,5,1,1,1,NULL,0,1,NULL),"
    "(3,3,1,6,12,2,1,NULL,0,30,NULL),(4,1,20,5,1,1,1,NULL,0,1,NULL)");

// A new project made from an existing one, with the files of a temporary home.
class ProjectCopy : public ::testing::Test {
protected:
    test::TempHome home;
    QString sample = test::CopyOfSample(home.file(QStringLiteral("primer.znt")));

    // The copy into "nov.znt"; the outcome's counts as "TABLE: n" lines.
    db::CopyOutcome create(const QString &source, int part, qint64 curriculum = kCopyAll, qint64 timetable = kCopyNone,
                           const QString &name = QStringLiteral("nov.znt")) {
        return db::CreateFromExisting(source, home.file(name), part, curriculum, timetable);
    }
    QString made() const { return home.file(QStringLiteral("nov.znt")); }

    // A project of an older version, written by hand into a fresh copy of the defaults.
    QString oldProject(int version, const QString &rows) {
        return home.oldProjectFile(QStringLiteral("star.znt"), version, rows);
    }

    // The opening checks find nothing to repair in the new project.
    void expectNoRepair(const QString &path) {
        db::Connection c;
        ASSERT_TRUE(c.open(path));
        const QStringList before = ProjectContents(c);
        ASSERT_TRUE(db::RunOpeningChecks(c));
        EXPECT_EQ(ProjectContents(c), before);
    }

    // Only the project's own files are in the folder: no temporary file of a build is left.
    QStringList filesInHome() const { return QDir(home.path()).entryList(QDir::Files, QDir::Name); }

    // The rows of a query on a project, values separated by blanks (null as "-"), rows by ";".
    static QString lines(const QString &path, const QString &sql) {
        db::Connection c;
        EXPECT_TRUE(c.open(path));
        QStringList lines;
        const db::RowSet r = c.query(sql);
        for (int i = 0; i < r.rowCount(); ++i) {
            QStringList values;
            for (const QVariant &v : r.row(i))
                values << (v.isNull() ? QStringLiteral("-") : v.toString());
            lines << values.join(u' ');
        }
        return lines.join(u';');
    }
};

QVariant value(const QString &path, const QString &sql) {
    db::Connection c;
    return c.open(path) ? c.scalar(sql) : QVariant();
}

} // namespace

TEST_F(ProjectCopy, BasicDataComeWithTheSourcesTimeGridAndNoCurriculum) {
    {
        db::Connection c;
        ASSERT_TRUE(c.open(sample));
        ASSERT_TRUE(
            c.exec(QStringLiteral("UPDATE URE SET OZNAKA='7.30' WHERE URA=1;"
                                  "UPDATE IZMENA_TURNUS SET PRVA_URA_PON=2 WHERE ID_TURNUSA=1 AND ID_IZMENE=1")));
    }
    const db::CopyOutcome outcome = create(sample, CopyBasic);
    ASSERT_TRUE(outcome.ok) << home.messages().texts().join(u'\n').toStdString();
    const QStringList grid{QStringLiteral("INI"),
                           QStringLiteral("STAVBE"),
                           QStringLiteral("PROSTORI"),
                           QStringLiteral("SKUPINE_PROSTOROV"),
                           QStringLiteral("PROSTORI_V_SKUPINI"),
                           QStringLiteral("TURNUSI"),
                           QStringLiteral("IZMENE"),
                           QStringLiteral("URE"),
                           QStringLiteral("IZMENA_TURNUS"),
                           QStringLiteral("ODDELKI"),
                           QStringLiteral("PREDMETI"),
                           QStringLiteral("UCITELJI"),
                           QStringLiteral("UCITELJ_PREDMET"),
                           QStringLiteral("PREPOVEDI_UCITELJEV"),
                           QStringLiteral("ODDELEK_PROSTOR")};
    EXPECT_EQ(ProjectContents(made(), grid), ProjectContents(sample, grid));
    for (const char *table : {"PREDMETNIKI", "PROGRAMI", "RAZPORED", "ERD_UCENEC", "URNIKI", "TERMINI",
                              "IZBIRNI_NABORI", "VELJAVNOST_URNIKA", "PROSTI_DNEVI"})
        EXPECT_EQ(RowCount(made(), QString::fromLatin1(table)), 0) << table;
    // Only the groups every curriculum shares: a class's or subject's own group.
    EXPECT_EQ(RowCount(made(), QStringLiteral("SKUPINE_ODDELKOV")), 18);
    EXPECT_EQ(value(made(), QStringLiteral("SELECT count(*) FROM SKUPINE_PREDMETOV WHERE ID_RAZ_PREDMETNIKA IS NOT "
                                           "NULL")),
              0);
    EXPECT_EQ(outcome.counts.first(), qMakePair(QStringLiteral("INI"), qint64(2)));
    EXPECT_TRUE(outcome.counts.contains(qMakePair(QStringLiteral("UCITELJI"), qint64(37))));
    expectNoRepair(made());
}

TEST_F(ProjectCopy, OneCurriculumComesWithItsOwnPupilsOnly) {
    {
        // A second curriculum with a pupil, a placement, a set of electives and a choice of its own.
        db::Connection c;
        ASSERT_TRUE(c.open(sample));
        ASSERT_TRUE(c.exec(QStringLiteral(
            "INSERT INTO PREDMETNIKI (ID,IME) VALUES (2,'Drugi');"
            "INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (1,2,NULL,NULL,1);"
            "INSERT INTO ERD_UCENEC (ID,OZNAKA,IME,PRIIMEK) VALUES (9001,'9001','Žan','Drugi');"
            "INSERT INTO ERD_UCENCI_ODDELKA (ID,ID_ODDELKA,ID_UCENCA,ID_PREDMETNIKA) VALUES (9001,1,9001,2);"
            "INSERT INTO ERD_UCENCI_PREDMETA (ID,ID_PREDMETNIKA,ID_UCENCA) VALUES (9001,2,9001);"
            "INSERT INTO IZBIRNI_NABORI (ID,IME,ID_RAZ_PREDMETNIKA,STEVILO_UR) VALUES (99,'Drugi nabor',2,1);"
            "INSERT INTO IZBIRNI_PREDMETI (ID,ID_PREDMETA,ID_IZBIRNEGA_NABORA,STEVILO_UR) VALUES (9001,1,99,1);"
            "INSERT INTO IZBIRNI_PREDMETI_UCENCI (ID,ID_UCENCI_ODDELKA,ID_IZBIRNEGA_PREDMETA) VALUES (9001,9001,9001);"
            "INSERT INTO URNIKI (ID,IME,ID_PREDMETNIKA) VALUES (3,'Drugi urnik',2)")));
    }
    ASSERT_TRUE(create(sample, CopyCurricula, 1).ok);
    EXPECT_EQ(RowCount(made(), QStringLiteral("ERD_UCENEC")), 364);
    EXPECT_EQ(RowCount(made(), QStringLiteral("ERD_UCENCI_PREDMETA")), 608);
    EXPECT_EQ(RowCount(made(), QStringLiteral("IZBIRNI_NABORI")), 3);
    EXPECT_EQ(RowCount(made(), QStringLiteral("IZBIRNI_PREDMETI_UCENCI")), 366);
    EXPECT_EQ(value(made(), QStringLiteral("SELECT count(*) FROM ERD_UCENEC WHERE ID = 9001")), 0);
    EXPECT_EQ(RowCount(made(), QStringLiteral("URNIKI")), 0);
    expectNoRepair(made());

    // The other curriculum brings its own pupil and nothing of the first one's.
    ASSERT_TRUE(create(sample, CopyCurricula, 2, kCopyNone, QStringLiteral("drugi.znt")).ok);
    const QString second = home.file(QStringLiteral("drugi.znt"));
    for (const char *table : {"ERD_UCENEC", "ERD_UCENCI_ODDELKA", "ERD_UCENCI_PREDMETA", "IZBIRNI_NABORI",
                              "IZBIRNI_PREDMETI", "IZBIRNI_PREDMETI_UCENCI", "PREDMETNIKI"})
        EXPECT_EQ(RowCount(second, QString::fromLatin1(table)), 1) << table;
    EXPECT_EQ(RowCount(second, QStringLiteral("RAZPORED")), 0);

    // Every timetable of the first curriculum is not every timetable of the project.
    ASSERT_TRUE(create(sample, CopyTimetable, 1, kCopyAll, QStringLiteral("vsi.znt")).ok);
    EXPECT_EQ(value(home.file(QStringLiteral("vsi.znt")), QStringLiteral("SELECT group_concat(IME, ', ') FROM URNIKI")),
              QStringLiteral("Urnik 2026/2027, Urnik za poskus"));

    // The first curriculum's rows are those of the source without the second curriculum.
    const QStringList curriculum{QStringLiteral("PREDMETNIKI"),
                                 QStringLiteral("PROGRAMI"),
                                 QStringLiteral("PREDMETI_V_PROGRAMU"),
                                 QStringLiteral("PROGRAM_SKUPINE"),
                                 QStringLiteral("RAZPORED"),
                                 QStringLiteral("SKUPINE_ODDELKOV"),
                                 QStringLiteral("SKUPINE_PREDMETOV"),
                                 QStringLiteral("PREDMETI_V_SKUPINI"),
                                 QStringLiteral("ERD_UCENCI_ODDELKA")};
    db::Connection source;
    ASSERT_TRUE(source.open(sample));
    ASSERT_TRUE(source.exec(QStringLiteral("DELETE FROM PREDMETNIKI WHERE ID = 2")));
    EXPECT_EQ(ProjectContents(made(), curriculum), ProjectContents(source, curriculum));
}

TEST_F(ProjectCopy, OneTimetableComesWithItsValidityButNoAbsencesOrSubstitutions) {
    {
        db::Connection c;
        ASSERT_TRUE(c.open(sample));
        ASSERT_TRUE(c.exec(QStringLiteral(
            "INSERT INTO ODSOTNOSTI_UCITELJEV (ID,ID_UCITELJA,OD_DNE,OD_URE,DO_URE) VALUES (1,1,'2026-10-05',1,3);"
            "INSERT INTO SUPLENCE (ID,VELJA_OD,ID_TERMINA,DAN,URA,ID_UCITELJA) "
            "SELECT 1,'2026-10-05',min(ID),1,1,2 FROM TERMINI")));
    }
    ASSERT_TRUE(create(sample, CopyTimetable, 1, 1).ok);
    const QStringList timetable{QStringLiteral("URNIKI"), QStringLiteral("ODDELKI_OKVIR"), QStringLiteral("TERMINI"),
                                QStringLiteral("VELJAVNOST_URNIKA")};
    db::Connection source;
    ASSERT_TRUE(source.open(sample));
    ASSERT_TRUE(source.exec(QStringLiteral("DELETE FROM URNIKI WHERE ID <> 1")));
    EXPECT_EQ(ProjectContents(made(), timetable), ProjectContents(source, timetable));
    EXPECT_EQ(RowCount(made(), QStringLiteral("TERMINI")), 1006);
    for (const char *table : {"ODSOTNOSTI_UCITELJEV", "SUPLENCE"})
        EXPECT_EQ(RowCount(made(), QString::fromLatin1(table)), 0) << table;
    // The free days on its validity come along; the summer holidays after it stay behind.
    EXPECT_EQ(RowCount(sample, QStringLiteral("PROSTI_DNEVI")), 7);
    EXPECT_EQ(lines(made(), QStringLiteral("SELECT DATUM_OD FROM PROSTI_DNEVI ORDER BY ID")),
              QStringLiteral("2026-10-26;2026-12-25;2027-02-08;2027-02-15;2027-03-29;2027-04-27"));
    expectNoRepair(made());

    // A timetable of another curriculum than the chosen one, or one that is not there, is refused.
    source.close();
    EXPECT_FALSE(create(sample, CopyTimetable, 7, 1, QStringLiteral("a.znt")).ok);
    EXPECT_FALSE(create(sample, CopyTimetable, 1, 55, QStringLiteral("b.znt")).ok);
    EXPECT_EQ(home.messages().texts(),
              (QStringList{QStringLiteral("V projektu ni razporeda 7."), QStringLiteral("V projektu ni urnika 55.")}));
    EXPECT_FALSE(QFile::exists(home.file(QStringLiteral("a.znt"))));
}

TEST_F(ProjectCopy, AVersion6SourceGetsItsProgrammesAndNamedGroupsPerCurriculum) {
    const QString old = oldProject(6, kVersion6School);
    ASSERT_TRUE(create(old, CopyCurricula).ok) << home.messages().texts().join(u'\n').toStdString();
    auto rows = [&](const QString &sql) { return lines(made(), sql); };
    EXPECT_EQ(rows(QStringLiteral("SELECT ID, ID_RAZ_PREDMETNIKA, OZNAKA FROM PROGRAMI ORDER BY ID")),
              QStringLiteral("1005 1 P5;2005 2 P5;3006 3 P6"));
    EXPECT_EQ(rows(QStringLiteral("SELECT ID, ID_RAZ_PREDMETNIKA FROM SKUPINE_PREDMETOV ORDER BY ID")),
              QStringLiteral("1 -;2 -;3012 3"));
    // Member rows of the copies are numbered on from the rows already there; ID_STAR keeps the old one.
    EXPECT_EQ(rows(QStringLiteral("SELECT ID, ID_SKUPINE, ID_PREDMETA, ID_STAR FROM PREDMETI_V_SKUPINI ORDER BY ID")),
              QStringLiteral("1 1 1 -;2 2 2 -;7 3012 2 30;8 3012 1 31"));
    EXPECT_EQ(rows(QStringLiteral("SELECT ID, ID_RAZ_PREDMETNIKA FROM SKUPINE_ODDELKOV ORDER BY ID")),
              QStringLiteral("1 -;2 -;1020 1"));
    EXPECT_EQ(rows(QStringLiteral("SELECT * FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE = 1020 ORDER BY ID_ODDELKA")),
              QStringLiteral("1020 1;1020 2"));
    EXPECT_EQ(rows(QStringLiteral("SELECT * FROM PROGRAM_SKUPINE ORDER BY ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV")),
              QStringLiteral("1 1 1005;1020 1 1005;2 2 2005;1 3 3006"));
    EXPECT_EQ(rows(QStringLiteral("SELECT ID_PROGRAMA, ID_SKUPINE_PREDMETOV FROM PREDMETI_V_PROGRAMU ORDER BY 1")),
              QStringLiteral("1005 1;2005 1;3006 3012"));
    // Each assignment points at its own curriculum's copies and at the new member row.
    EXPECT_EQ(rows(QStringLiteral("SELECT r.ID, r.ID_SKUPINE_ODDELKOV, r.ID_PROGRAMA, r.ID_SKUPINE_PREDMETOV, "
                                  "p.ID_SKUPINE, p.ID_PREDMETA, r.ID_ORIG FROM RAZPORED r JOIN PREDMETI_V_SKUPINI p "
                                  "ON p.ID = r.ID_PREDMETI_V_SKUPINI ORDER BY r.ID")),
              QStringLiteral("1 1 1005 1 1 1 0;2 2 2005 1 1 1 0;3 1 3006 3012 3012 2 0;4 1020 1005 1 1 1 0"));
    expectNoRepair(made());

    // One curriculum alone keeps only its copies.
    ASSERT_TRUE(create(old, CopyCurricula, 3, kCopyNone, QStringLiteral("tretji.znt")).ok);
    const QString third = home.file(QStringLiteral("tretji.znt"));
    EXPECT_EQ(value(third, QStringLiteral("SELECT group_concat(ID) FROM PROGRAMI")), QStringLiteral("3006"));
    EXPECT_EQ(value(third, QStringLiteral("SELECT group_concat(ID) FROM SKUPINE_ODDELKOV")), QStringLiteral("1,2"));
    EXPECT_EQ(value(third, QStringLiteral("SELECT ID_SKUPINE_PREDMETOV FROM RAZPORED")), 3012);
}

TEST_F(ProjectCopy, RowsReferringToAVersion6SourcesRenumberedRowsFollowThem) {
    // A pupil of curriculum 3 is placed in member row 30 of the named group 12 and in the shared
    // member row 2; member row 32 is a group of pupils under row 30. A substitution is for the
    // named class group 20, whose elective programme is 5; another is for class 1's own group.
    const QString old = oldProject(
        6, kVersion6School +
               QStringLiteral(
                   ";INSERT INTO PREDMETI_V_SKUPINI (ID,ID_SKUPINE,ID_PREDMETA,ID_NADREJENEGA_PREDMETA_V_SKUPINI,"
                   "IME_SKUPINE_UCENCEV) VALUES (32,12,2,30,'A');"
                   "UPDATE SKUPINE_ODDELKOV SET ID_IZBIRNEGA_PROGRAMA = 5 WHERE ID = 20;"
                   "UPDATE PROGRAMI SET ID_IZBIRNEGA_NABORA = -1 WHERE ID = 5;"
                   "INSERT INTO ERD_UCENEC (ID,OZNAKA,IME) VALUES (1,'U1','Ana');"
                   "INSERT INTO ERD_UCENCI_ODDELKA (ID,ID_ODDELKA,ID_UCENCA,ID_PREDMETNIKA) VALUES (1,1,1,3);"
                   "INSERT INTO ERD_UCENCI_PREDMETA (ID,ID_SKUPINE_ODDELKOV,ID_PREDMETNIKA,ID_PROGRAMA,"
                   "ID_PREDMETI_V_SKUPINI,ID_TURNUSA,ID_UCENCA,TIP) VALUES (1,1,3,6,30,0,1,'N'),(2,1,3,6,2,0,1,'N');"
                   "INSERT INTO URNIKI (ID,IME,ID_PREDMETNIKA) VALUES (1,'U',1);"
                   "INSERT INTO TERMINI (ID,ID_URNIKA,ID_RAZPOREDA,DAN,URA,ID_TURNUSA) VALUES (1,1,4,1,1,0),"
                   "(2,1,1,1,2,0);"
                   "INSERT INTO SUPLENCE (ID,VELJA_OD,ID_TERMINA,DAN,URA,ID_UCITELJA,ID_SKUPINE_ODDELKOV,ID_PREDMETA) "
                   "VALUES (1,'2026-10-05',1,1,1,1,20,1),(2,'2026-10-05',2,1,2,1,1,1)"));
    const QString placements = QStringLiteral(
        "SELECT u.ID, u.ID_PROGRAMA, p.ID, g.OZNAKA, g.ID_RAZ_PREDMETNIKA, p.ID_PREDMETA FROM ERD_UCENCI_PREDMETA AS u "
        "JOIN PREDMETI_V_SKUPINI AS p ON p.ID = u.ID_PREDMETI_V_SKUPINI JOIN SKUPINE_PREDMETOV AS g ON g.ID = "
        "p.ID_SKUPINE ORDER BY u.ID");
    EXPECT_EQ(lines(old, placements), QStringLiteral("1 6 30 $JEZ - 2;2 6 2 SLO - 2"));
    ASSERT_TRUE(create(old, CopyTimetable, kCopyAll, kCopyAll).ok) << home.messages().texts().join(u'\n').toStdString();
    EXPECT_EQ(lines(made(), placements), QStringLiteral("1 3006 9 $JEZ 3 2;2 3006 2 SLO - 2"));
    EXPECT_EQ(lines(made(), QStringLiteral("SELECT ID, ID_NADREJENEGA_PREDMETA_V_SKUPINI, IME_SKUPINE_UCENCEV FROM "
                                           "PREDMETI_V_SKUPINI WHERE ID_SKUPINE = 3012 ORDER BY ID")),
              QStringLiteral("9 - -;10 - -;11 9 A"));
    EXPECT_EQ(lines(made(), QStringLiteral("SELECT ID, ID_SKUPINE_ODDELKOV FROM SUPLENCE ORDER BY ID")),
              QStringLiteral("1 1020;2 1"));
    EXPECT_EQ(value(made(), QStringLiteral("SELECT ID_IZBIRNEGA_PROGRAMA FROM SKUPINE_ODDELKOV WHERE ID = 1020")),
              1005);
    for (const char *table : {"ERD_UCENEC", "ERD_UCENCI_ODDELKA", "ERD_UCENCI_PREDMETA", "SUPLENCE", "TERMINI"})
        EXPECT_EQ(RowCount(made(), QString::fromLatin1(table)), RowCount(old, QString::fromLatin1(table))) << table;
    expectNoRepair(made());
}

TEST_F(ProjectCopy, RemappedIdentifiersThatWouldMeetAreRefused) {
    // The named group 12 would become 1012 in curriculum 1: the own group of subject 1012.
    const QString old =
        oldProject(6, QStringLiteral("INSERT INTO PREDMETNIKI (ID,IME) VALUES (1,'Prvi');"
                                     "INSERT INTO PREDMETI (ID,OZNAKA) VALUES (1012,'FIZ');"
                                     "INSERT INTO SKUPINE_PREDMETOV (ID,OZNAKA) VALUES (1012,'FIZ'),(12,'$NAR');"));
    const QByteArray before = FileBytes(old);
    EXPECT_FALSE(create(old, CopyCurricula).ok);
    EXPECT_EQ(home.messages().texts(),
              QStringList{QStringLiteral("Pri prenosu bi dve različni vrstici tabele SKUPINE_PREDMETOV dobili isti "
                                         "identifikator 1012, zato podatkov ni mogoče prenesti.")});
    EXPECT_FALSE(QFile::exists(made()));
    EXPECT_EQ(FileBytes(old), before);
}

TEST_F(ProjectCopy, SetsOfElectivesBelowVersion13GetFreePrefixesAndElectivesKeepTheirHours) {
    const QString old = oldProject(
        12, QStringLiteral("INSERT INTO PREDMETNIKI (ID,IME) VALUES (1,'Prvi');"
                           "INSERT INTO PREDMETI (ID,OZNAKA) VALUES (1,'LUM'),(2,'GOS');"
                           "INSERT INTO IZBIRNI_NABORI (ID,IME,ID_RAZ_PREDMETNIKA,STEVILO_UR) VALUES "
                           "(117,'A',1,2),(5,'B',1,1),(217,'C',1,1),(17,'D',1,1),(123,'E',1,1);"
                           "INSERT INTO IZBIRNI_PREDMETI (ID,ID_PREDMETA,ID_IZBIRNEGA_NABORA,STEVILO_UR) VALUES "
                           "(1,1,117,NULL),(2,2,5,3)"));
    ASSERT_TRUE(create(old, CopyCurricula, 1).ok);
    EXPECT_EQ(value(made(), QStringLiteral("SELECT group_concat(ID || ':' || PREDPONA, ' ') FROM (SELECT * FROM "
                                           "IZBIRNI_NABORI ORDER BY ID)")),
              QStringLiteral("5:5 17:17 117:18 123:23 217:19"));
    EXPECT_EQ(value(made(), QStringLiteral("SELECT group_concat(ID || ':' || STEVILO_UR, ' ') FROM (SELECT * FROM "
                                           "IZBIRNI_PREDMETI ORDER BY ID)")),
              QStringLiteral("1:2 2:3"));
}

TEST_F(ProjectCopy, AStatementFailingHalfWayLeavesTheOldFileAndTheSourceAsTheyWere) {
    // The defaults database refuses lessons, as a full disk would refuse them half-way.
    ASSERT_TRUE(db::SettingsDb().exec(QStringLiteral(
        "CREATE TRIGGER poln_disk BEFORE INSERT ON TERMINI BEGIN SELECT RAISE(ABORT, 'disk full'); END")));
    const QString target = home.newProjectFile(QStringLiteral("nov.znt"));
    const QByteArray oldTarget = FileBytes(target);
    const QByteArray source = FileBytes(sample);
    EXPECT_FALSE(create(sample, CopyTimetable, kCopyAll, kCopyAll).ok);
    EXPECT_EQ(
        home.messages().texts(),
        QStringList{QStringLiteral("Nov projekt ni ustvarjen: napaka pri prenosu tabele TERMINI.\ndisk full (1)")});
    EXPECT_EQ(FileBytes(target), oldTarget);
    EXPECT_EQ(FileBytes(sample), source);
    EXPECT_EQ(filesInHome(), (QStringList{QStringLiteral("nov.znt"), QStringLiteral("primer.znt")}));
}

TEST_F(ProjectCopy, RefusedSourcesAndNamesMakeNothing) {
    const QString text = home.file(QStringLiteral("zapiski.znt"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Urnik za leto 2026");
    }
    const QString newer = home.newProjectFile(QStringLiteral("novejši.znt"));
    {
        db::Connection c;
        ASSERT_TRUE(c.open(newer));
        ASSERT_TRUE(db::WriteIni(QStringLiteral("20"), QStringLiteral("Verzija"), c));
    }
    const QString damaged = home.file(QStringLiteral("pokvarjen.znt"));
    {
        // The first pages of a project only: the header is right, the tables are gone.
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(FileBytes(sample).left(8192));
    }
    const QString foreign = home.file(QStringLiteral("tuja.znt"));
    {
        db::Connection c;
        ASSERT_TRUE(c.create(foreign));
        ASSERT_TRUE(c.exec(QStringLiteral("CREATE TABLE INI (ATRIBUT TEXT, VREDNOST TEXT)")));
    }
    // A project whose last change was cut off: its journal would have to be rolled back into it,
    // which only opening it as a project may do.
    const QString interrupted = home.file(QStringLiteral("prekinjen.znt"));
    {
        db::Connection c;
        ASSERT_TRUE(c.open(sample));
        ASSERT_TRUE(c.exec(QStringLiteral("PRAGMA cache_size=1")));
        ASSERT_TRUE(c.begin());
        ASSERT_TRUE(c.exec(QStringLiteral("DELETE FROM UCITELJI; UPDATE TERMINI SET TIP = 'x'")));
        ASSERT_TRUE(QFile::copy(sample + QStringLiteral("-journal"), interrupted + QStringLiteral("-journal")));
        ASSERT_TRUE(QFile::copy(sample, interrupted));
        c.rollback();
    }
    const QByteArray interruptedBytes = FileBytes(interrupted);
    const QStringList before = filesInHome();
    for (const QString &source : {text, newer, damaged, foreign, interrupted})
        EXPECT_FALSE(create(source, CopyBasic).ok);
    EXPECT_FALSE(create(home.file(QStringLiteral("ni.znt")), CopyBasic).ok);
    EXPECT_FALSE(create(sample, CopyBasic, kCopyAll, kCopyNone, QStringLiteral("primer.znt")).ok);
    const auto refused = [](const QString &path) {
        return QStringLiteral("Datoteka %1 ni ustreznega formata ali pa je pokvarjena.").arg(path);
    };
    EXPECT_EQ(home.messages().texts(),
              (QStringList{refused(text),
                           QStringLiteral("Projekt novejši.znt je narejen z novejšo verzijo programa, zato ga ta "
                                          "verzija ne more odpreti."),
                           refused(damaged), refused(foreign), refused(interrupted),
                           QStringLiteral("Ni datoteke %1.").arg(home.file(QStringLiteral("ni.znt"))),
                           QStringLiteral("Nov projekt ne sme nadomestiti projekta primer.znt, iz katerega se "
                                          "prenašajo podatki.")}));
    EXPECT_EQ(filesInHome(), before);
    EXPECT_EQ(FileBytes(interrupted), interruptedBytes);

    // The open project is not replaced either, not even through a link to it.
    home.messages().clear();
    ASSERT_TRUE(db::ProjectDb().open(newer));
    ASSERT_TRUE(QFile::link(newer, home.file(QStringLiteral("povezava.znt"))));
    EXPECT_FALSE(create(sample, CopyBasic, kCopyAll, kCopyNone, QStringLiteral("povezava.znt")).ok);
    EXPECT_EQ(home.messages().texts(),
              QStringList{QStringLiteral("Nov projekt ne sme nadomestiti odprtega projekta povezava.znt.")});
}

TEST_F(ProjectCopy, NamesWithQuotesAndMarksAndWhatAKilledBuildLeftBehind) {
    // Characters that mean something in a URI or in SQL are part of a file name like any other.
    const QString source = home.file(QStringLiteral("Šola d'Or #1 ?50%.znt"));
    ASSERT_TRUE(QFile::rename(sample, source));
    const QString target = home.file(QStringLiteral("Žiga's 2027 #2.znt"));
    // A build killed earlier left its file and a hot journal: rolled back into the new build,
    // the journal's pages would overwrite it.
    const QString left = db::ProjectBuild::TemporaryPathFor(target);
    {
        const QString killed = test::CopyOfSample(home.file(QStringLiteral("ubit.znt")));
        db::Connection c;
        ASSERT_TRUE(c.open(killed));
        ASSERT_TRUE(c.exec(QStringLiteral("PRAGMA cache_size=1")));
        ASSERT_TRUE(c.begin());
        ASSERT_TRUE(c.exec(QStringLiteral("DELETE FROM UCITELJI; UPDATE TERMINI SET TIP = 'x'")));
        ASSERT_TRUE(QFile::copy(killed + QStringLiteral("-journal"), left + QStringLiteral("-journal")));
        ASSERT_TRUE(QFile::copy(killed, left));
        c.rollback();
        c.close();
        ASSERT_TRUE(QFile::remove(killed));
    }
    const QByteArray before = FileBytes(source);
    ASSERT_TRUE(db::CreateFromExisting(source, target, CopyTimetable, kCopyAll, kCopyAll).ok)
        << home.messages().texts().join(u'\n').toStdString();
    EXPECT_EQ(FileBytes(source), before);
    EXPECT_EQ(ProjectContents(target), ProjectContents(source));
    EXPECT_EQ(filesInHome(),
              (QStringList{QStringLiteral("Šola d'Or #1 ?50%.znt"), QStringLiteral("Žiga's 2027 #2.znt")}));
}

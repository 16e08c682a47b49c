#include "db/MBaza.h"
#include "db/Schema.h"
#include "shell/ProjectFiles.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

using namespace zentrel;
using test::FileBytes;
using test::ProjectContents;
using test::RowCount;

namespace {

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

QProcess *startCli(const test::TempHome &home, const QStringList &args) {
    auto *p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENTREL_HOME"), home.path());
    p->setProcessEnvironment(env);
    p->start(test::ProgramFolder() + QStringLiteral("/zentrel-cli"), args);
    p->waitForStarted();
    return p;
}

CliRun cli(const test::TempHome &home, const QStringList &args) {
    std::unique_ptr<QProcess> p(startCli(home, args));
    p->waitForFinished(120000);
    return {p->exitCode(), QString::fromUtf8(p->readAllStandardOutput()), QString::fromUtf8(p->readAllStandardError())};
}

// Starts the command and kills it after `ms` milliseconds, wherever it is.
void killAfter(const test::TempHome &home, const QStringList &args, int ms) {
    std::unique_ptr<QProcess> p(startCli(home, args));
    QThread::msleep(ms);
    p->kill();
    p->waitForFinished();
}

// The folder of the projects of a test (the command line keeps its settings in the home folder).
QString projects(const test::TempHome &home) {
    const QString folder = home.file(QStringLiteral("projekti"));
    QDir().mkpath(folder);
    return folder;
}

QStringList filesIn(const QString &folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

TEST(NewFrom, TheSampleSchoolsNextYearHasEveryRowVerifiesAndOpensWithoutRepair) {
    test::TempHome home;
    const QString source = test::CopyOfSample(home.file(QStringLiteral("Šola d'Or.znt")));
    const QByteArray before = FileBytes(source);
    const CliRun r = cli(home, {QStringLiteral("new-from"), source, home.file(QStringLiteral("Leto 2027")),
                                QStringLiteral("--part"), QStringLiteral("timetable")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString made = home.file(QStringLiteral("Leto 2027.znt"));
    EXPECT_EQ(r.err, QStringLiteral("Ustvarjam nov projekt Leto 2027.znt ...\n"));
    QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.takeLast(), QStringLiteral("Nov projekt Leto 2027.znt ustvarjen."));
    // Every table of the schema is listed with the source's number of rows.
    QStringList listed;
    for (const QString &line : lines) {
        const QString table = line.section(QStringLiteral(": "), 0, 0);
        listed << table;
        EXPECT_EQ(line, QStringLiteral("%1: %2").arg(table).arg(RowCount(source, table)));
        EXPECT_EQ(RowCount(made, table), RowCount(source, table)) << table.toStdString();
    }
    listed.sort();
    QStringList all = db::SchemaTables();
    all.sort();
    EXPECT_EQ(listed, all);
    EXPECT_EQ(FileBytes(source), before);

    const CliRun verify = cli(home, {QStringLiteral("verify"), made});
    EXPECT_EQ(verify.exitCode, 0) << verify.err.toStdString();
    for (const QString &turnus : {QStringLiteral("0"), QStringLiteral("I"), QStringLiteral("II")})
        EXPECT_TRUE(
            verify.out.contains(QStringLiteral("Urnik \"Urnik 2026/2027\", turnus %1: brez kršitev").arg(turnus)))
            << verify.out.toStdString();

    const QStringList contents = ProjectContents(made);
    ASSERT_TRUE(shell::OpenProjectFile(made));
    EXPECT_EQ(ProjectContents(db::ProjectDb()), contents);
}

TEST(NewFrom, ArgumentsNamesAndAnExistingNewProjectAreChecked) {
    test::TempHome home;
    const QString source = test::CopyOfSample(home.file(QStringLiteral("primer.znt")));
    const QString target = home.file(QStringLiteral("nov.znt"));
    const QString usage =
        QStringLiteral("Uporaba: zentrel-cli new-from IZVOR NOV --part basic|curriculum|timetable [--curriculum "
                       "ID|IME|all] [--timetable ID|IME|all|none] [--force]\n");
    for (const QStringList &args :
         {QStringList{source, target}, QStringList{source, target, QStringLiteral("--part"), QStringLiteral("vse")},
          QStringList{source, target, QStringLiteral("--part"), QStringLiteral("curriculum"),
                      QStringLiteral("--timetable"), QStringLiteral("1")},
          QStringList{source, QStringLiteral("--part"), QStringLiteral("basic")},
          QStringList{source, target, QStringLiteral("--part")}}) {
        const CliRun r = cli(home, QStringList{QStringLiteral("new-from")} + args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, usage) << args.join(u' ').toStdString();
    }
    CliRun r = cli(home, {QStringLiteral("new-from"), source, target, QStringLiteral("--part"),
                          QStringLiteral("curriculum"), QStringLiteral("--curriculum"), QStringLiteral("Ni ga")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("V projektu ni razporeda Ni ga.\n"));
    r = cli(home, {QStringLiteral("new-from"), source, target, QStringLiteral("--part"), QStringLiteral("timetable"),
                   QStringLiteral("--timetable"), QStringLiteral("99")});
    EXPECT_EQ(r.err, QStringLiteral("V projektu ni urnika 99.\n"));
    {
        db::Connection c;
        ASSERT_TRUE(c.open(source));
        ASSERT_TRUE(
            c.exec(QStringLiteral("INSERT INTO URNIKI (ID,IME,ID_PREDMETNIKA) VALUES (3,'URNIK ZA POSKUS',1)")));
    }
    r = cli(home, {QStringLiteral("new-from"), source, target, QStringLiteral("--part"), QStringLiteral("timetable"),
                   QStringLiteral("--timetable"), QStringLiteral("urnik za poskus")});
    EXPECT_EQ(r.err, QStringLiteral("V projektu je več urnikov z imenom urnik za poskus; navedi identifikator.\n"));
    EXPECT_FALSE(QFile::exists(target));

    // Names compare as a user sees them; "none" leaves the timetables out.
    r = cli(home, {QStringLiteral("new-from"), source, target, QStringLiteral("--part"), QStringLiteral("timetable"),
                   QStringLiteral("--curriculum"), QStringLiteral("RAZPORED 2026/27"), QStringLiteral("--timetable"),
                   QStringLiteral("none")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(RowCount(target, QStringLiteral("RAZPORED")), 228);
    EXPECT_EQ(RowCount(target, QStringLiteral("URNIKI")), 0);

    // An existing project is replaced only with --force.
    const QByteArray first = FileBytes(target);
    const QStringList second{QStringLiteral("new-from"),
                             source,
                             target,
                             QStringLiteral("--part"),
                             QStringLiteral("timetable"),
                             QStringLiteral("--timetable"),
                             QStringLiteral("2")};
    r = cli(home, second);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Datoteka %1 že obstaja; prekrije jo le ukaz z možnostjo --force.\n").arg(target));
    EXPECT_EQ(FileBytes(target), first);
    r = cli(home, second + QStringList{QStringLiteral("--force")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(RowCount(target, QStringLiteral("URNIKI")), 1);
    EXPECT_EQ(RowCount(target, QStringLiteral("TERMINI")), 0);
}

TEST(NewFrom, AKilledCopyOrUpgradeNeverLeavesAHalfMadeProject) {
    test::TempHome home;
    const QString folder = projects(home);
    const QString source = test::CopyOfSample(folder + QStringLiteral("/primer.znt"));
    const QByteArray sourceBytes = FileBytes(source);
    const QStringList full = ProjectContents(source);
    const QString target = folder + QStringLiteral("/nov.znt");
    const QStringList newFrom{
        QStringLiteral("new-from"), source, target, QStringLiteral("--part"), QStringLiteral("timetable"),
        QStringLiteral("--force")};
    // Killed at any moment, the new name holds nothing or the whole new project.
    for (int ms = 0; ms <= 180; ms += 12) {
        QFile::remove(target);
        killAfter(home, newFrom, ms);
        if (QFile::exists(target)) {
            EXPECT_EQ(ProjectContents(target), full) << "killed after " << ms << " ms";
        }
        EXPECT_EQ(FileBytes(source), sourceBytes);
    }
    // Whatever a killed copy left behind, the next one completes and leaves nothing else.
    ASSERT_EQ(cli(home, newFrom).exitCode, 0);
    EXPECT_EQ(ProjectContents(target), full);
    EXPECT_EQ(filesIn(folder), (QStringList{QStringLiteral("nov.znt"), QStringLiteral("primer.znt")}));

    // An upgrade killed at any moment leaves the project under its name, old or upgraded, whole.
    const QStringList tables = db::SchemaTables().mid(1);
    const QStringList rows = ProjectContents(source, tables);
    for (int ms = 0; ms <= 240; ms += 16) {
        for (const QString &file : filesIn(folder))
            QFile::remove(folder + u'/' + file);
        const QString old = test::CopyOfSample(folder + QStringLiteral("/star.znt"));
        {
            db::Connection c;
            ASSERT_TRUE(c.open(old));
            ASSERT_TRUE(db::WriteIni(QStringLiteral("18"), QStringLiteral("Verzija"), c));
        }
        killAfter(home, {QStringLiteral("check"), old, QStringLiteral("--yes")}, ms);
        db::Connection c;
        ASSERT_TRUE(c.open(old)) << "killed after " << ms << " ms";
        const int version = db::SchemaVersion(c);
        EXPECT_TRUE(version == 18 || version == 19) << version;
        EXPECT_EQ(ProjectContents(c, tables), rows) << "killed after " << ms << " ms";
        if (version == 19) {
            EXPECT_EQ(ProjectContents(old + QStringLiteral(".bak"), tables), rows);
        }
    }
}

TEST(NewFrom, OneTimetableBringsTheFreeAndChangedDaysOfItsValidities) {
    test::TempHome home;
    const QString folder = projects(home);
    const QString source = test::CopyOfSample(folder + QStringLiteral("/primer.znt"));
    qint64 timetable = 0;
    {
        db::Connection c;
        ASSERT_TRUE(c.open(source));
        timetable = c.scalar(QStringLiteral("SELECT min(ID) FROM URNIKI")).toLongLong();
        ASSERT_TRUE(
            c.exec(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA; DELETE FROM PROSTI_DNEVI; DELETE FROM URNIK_DAN;"
                                  "INSERT INTO VELJAVNOST_URNIKA VALUES (1, %1, '2026-09-01', '2027-01-31', 1, 2);"
                                  "INSERT INTO PROSTI_DNEVI VALUES (1, '2026-08-20', '2026-08-31', 'Poletje'),"
                                  " (2, '2026-10-26', '2026-10-30', 'Jesenske počitnice'),"
                                  " (3, '2027-01-29', '2027-02-05', 'Zimske d''počitnice'),"
                                  " (4, '2027-02-15', '2027-02-19', 'Pozneje');"
                                  "INSERT INTO URNIK_DAN VALUES (1, '2026-11-14', 5), (2, '2027-03-06', 1),"
                                  " (3, '2026-09-01', 3)")
                       .arg(timetable)));
    }
    const QStringList freeDays{QStringLiteral("PROSTI_DNEVI|2|2026-10-26|2026-10-30|Jesenske počitnice"),
                               QStringLiteral("PROSTI_DNEVI|3|2027-01-29|2027-02-05|Zimske d'počitnice")};
    const QStringList changedDays{QStringLiteral("URNIK_DAN|1|2026-11-14|5"),
                                  QStringLiteral("URNIK_DAN|3|2026-09-01|3")};
    const QString target = folder + QStringLiteral("/t1.znt");
    const CliRun r =
        cli(home, {QStringLiteral("new-from"), source, target, QStringLiteral("--part"), QStringLiteral("timetable"),
                   QStringLiteral("--timetable"), QString::number(timetable)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(RowCount(source, QStringLiteral("PROSTI_DNEVI")), 4);
    EXPECT_EQ(RowCount(source, QStringLiteral("URNIK_DAN")), 3);
    EXPECT_EQ(ProjectContents(target, {QStringLiteral("PROSTI_DNEVI")}), freeDays);
    EXPECT_EQ(ProjectContents(target, {QStringLiteral("URNIK_DAN")}), changedDays);
    EXPECT_TRUE(r.out.contains(QStringLiteral("PROSTI_DNEVI: 2\n"))) << r.out.toStdString();
}

#include "db/Connection.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace zentrel;

namespace {

const QString kFetCl = QStringLiteral("/usr/bin/fet-cl");

// Runs fet-cl on a file with a time limit and every output but the data and timetable file
// switched off. False when fet-cl could not run.
bool runFet(const QString &input, const QString &outputDir, const QString &home) {
    QStringList args{QStringLiteral("--inputfile=") + input, QStringLiteral("--outputdir=") + outputDir,
                     QStringLiteral("--timelimitseconds=600"), QStringLiteral("--htmllevel=0")};
    for (const char *w : {"timetableconflicts", "timetablesstatistics", "timetablesxml", "timetablesdayshorizontal",
                          "timetablesdaysvertical", "timetablestimehorizontal", "timetablestimevertical",
                          "timetablessubgroups", "timetablesgroups", "timetablesyears", "timetablesteachers",
                          "timetablesteachersfreeperiods", "timetablesrooms", "timetablessubjects",
                          "timetablesactivitytags", "timetablesactivities"})
        args << QStringLiteral("--write%1=false").arg(QLatin1String(w));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(kFetCl, args);
    return p.waitForFinished(660000) && p.exitStatus() == QProcess::NormalExit;
}

} // namespace

// The sample school (one class per grade) goes to FET, FET makes its timetable, and the
// timetable comes back complete and without a violation of the project's rules.
TEST(FetRoundTrip, SampleSchoolThroughFetComesBackSound) {
    if (!QFileInfo(kFetCl).isExecutable())
        GTEST_SKIP() << "fet-cl ni nameščen (paket fet): krog skozi FET je izpuščen.";
    test::TempFolder folder;
    const QString school = folder.file(QStringLiteral("primer.znt"));
    const QString fet = folder.file(QStringLiteral("primer.fet"));
    const QString back = folder.file(QStringLiteral("nazaj.znt"));
    test::CliResult r = test::RunCli(folder.path(), {QStringLiteral("sample"), school, QStringLiteral("--classes-per-grade"),
                                                     QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = test::RunCli(folder.path(), {QStringLiteral("export-fet"), school, QStringLiteral("--timetable"), QStringLiteral("1"),
                                     QStringLiteral("--turnus"), QStringLiteral("1"), fet});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    if (!runFet(fet, folder.file(QStringLiteral("izhod")), folder.path()))
        GTEST_SKIP() << "fet-cl se ni izvedel: krog skozi FET je izpuščen.";
    const QString solved = folder.file(QStringLiteral("izhod/timetables/primer/primer_data_and_timetable.fet"));
    ASSERT_TRUE(QFileInfo::exists(solved)) << "FET ni našel urnika";
    r = test::RunCli(folder.path(), {QStringLiteral("import-fet"), solved, back});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Vse omejitve in podatki datoteke so preneseni."))) << r.out.toStdString();
    r = test::RunCli(folder.path(), {QStringLiteral("verify"), back, QStringLiteral("--timetable"), QStringLiteral("1"),
                                     QStringLiteral("--turnus"), QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral(": brez kršitev\n"))) << r.out.toStdString();
    // Every period of every entry is placed.
    db::Connection c;
    ASSERT_TRUE(c.open(back));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI")).toInt(),
              c.scalar(QStringLiteral("SELECT sum(V.STEVILO_UR) FROM RAZPORED R JOIN PREDMETI_V_PROGRAMU V ON "
                                      "V.ID_PROGRAMA = R.ID_PROGRAMA AND V.ID_SKUPINE_PREDMETOV = "
                                      "R.ID_SKUPINE_PREDMETOV AND V.ID_TURNUSA = R.ID_TURNUSA"))
                  .toInt());
    EXPECT_GT(c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI")).toInt(), 100);
}

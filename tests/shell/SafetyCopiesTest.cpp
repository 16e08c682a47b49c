// Safety copies before large changes and the restore from them: names, limits, the copies the
// operations make, restores (of restores), and the faults a copy meets (a full disk, a folder
// that cannot be written, a program killed half-way).

#include "shell/SafetyCopies.h"
#include "basicdata/Ucitelji.h"
#include "db/MBaza.h"
#include "shell/BackupCommands.h"
#include "shell/ProjectFiles.h"
#include "shell/SafetyCopyRestore.h"
#include "support/CliProcess.h"
#include "support/ProjectContents.h"
#include "support/SampleProject.h"
#include "support/TempHome.h"
#include "timetable/ConstructCommand.h"
#include "engine/SolaZaUrnik.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

using namespace zentrel;
using namespace zentrel::shell;
using core::Answer;

namespace {

const QDateTime kEvening(QDate(2026, 12, 6), QTime(18, 40));

SafetyCopy copyAt(const QDateTime &when, int sequence = 1, qint64 size = 1000) {
    SafetyCopy c;
    c.when = when;
    c.sequence = sequence;
    c.size = size;
    c.path = SafetyCopyFileName(when, QStringLiteral("Op"), sequence);
    return c;
}

QStringList names(const QList<SafetyCopy> &copies) {
    QStringList out;
    for (const SafetyCopy &c : copies)
        out << c.path;
    return out;
}

// The newest copy of the project made before the operation; fails the test when there is none.
SafetyCopy copyBefore(const QString &project, const QString &operation) {
    for (const SafetyCopy &c : ListSafetyCopies(project))
        if (c.operation == SafetyCopyOperationName(operation))
            return c;
    ADD_FAILURE() << "no copy before " << operation.toStdString();
    return {};
}

QStringList operations(const QString &project) {
    QStringList out;
    for (const SafetyCopy &c : ListSafetyCopies(project))
        out << c.operation;
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes = "x") {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(SafetyCopyNames, TheOperationReadsInTheNameAndTheNameIsSafeOnEveryDisk) {
    EXPECT_EQ(SafetyCopyFileName(kEvening, QStringLiteral("Sestavljanje urnika 'Urnik 2026/2027'")),
              QStringLiteral("2026-12-06 18.40 Sestavljanje urnika 'Urnik 2026-2027'.znt"));
    EXPECT_EQ(SafetyCopyFileName(kEvening, QStringLiteral("Brisanje učitelja 'Ž\\Č: a*b?\"<>|'\n."), 3),
              QStringLiteral("2026-12-06 18.40 Brisanje učitelja 'Ž-Č. a_b_____' (3).znt"));
    // A long name is cut within the bytes a file name may have.
    const QString name = SafetyCopyFileName(kEvening, QString(400, QChar(u'š')));
    EXPECT_LE(name.toUtf8().size(), 255 - 10);
    EXPECT_TRUE(name.endsWith(QStringLiteral("š.znt")));
}

TEST(SafetyCopyNames, TheListReadsCopiesBackNewestFirstAndSkipsOtherFiles) {
    test::TempFolder folder;
    const QDateTime earlier = kEvening.addSecs(-3600);
    for (const QString &name :
         {SafetyCopyFileName(earlier, QStringLiteral("Odpiranje projekta")),
          SafetyCopyFileName(kEvening, QStringLiteral("Brisanje učitelja 'A'")),
          SafetyCopyFileName(kEvening, QStringLiteral("Krčenje projekta"), 2), QStringLiteral("zapiski.znt"),
          QStringLiteral(".") + SafetyCopyFileName(kEvening, QStringLiteral("Uvoz učencev"), 3) +
              QStringLiteral(".nastaja"),
          QStringLiteral("2026-12-06 18.41 Brez končnice")})
        writeFile(folder.file(name), "1234");
    const QList<SafetyCopy> copies = ReadSafetyCopies(folder.path());
    ASSERT_EQ(copies.size(), 3);
    EXPECT_EQ(copies.at(0).operation, QStringLiteral("Krčenje projekta"));
    EXPECT_EQ(copies.at(0).sequence, 2);
    EXPECT_EQ(SafetyCopyTimeText(copies.at(0)), QStringLiteral("6. 12. 2026 18.40 (2)"));
    EXPECT_EQ(copies.at(1).operation, QStringLiteral("Brisanje učitelja 'A'"));
    EXPECT_EQ(copies.at(2).operation, QStringLiteral("Odpiranje projekta"));
    EXPECT_EQ(copies.at(2).when, earlier);
    EXPECT_EQ(copies.at(2).size, 4);
    EXPECT_EQ(SafetyCopySizeText(4), QStringLiteral("1 kB"));
    EXPECT_EQ(SafetyCopySizeText(3 * 1024 * 1024 + 400 * 1024), QStringLiteral("3,4 MB"));
}

TEST(SafetyCopyLimitsRule, TheNewestThenOnePerDayThenTheSizeDecide) {
    const QDate today = kEvening.date();
    QList<SafetyCopy> copies; // newest first: 5 today, then two a day for 20 days back
    for (int i = 0; i < 5; ++i)
        copies << copyAt(kEvening.addSecs(-60 * i));
    for (int day = 1; day <= 20; ++day) {
        copies << copyAt(QDateTime(today.addDays(-day), QTime(15, 0)));
        copies << copyAt(QDateTime(today.addDays(-day), QTime(8, 0)));
    }
    SafetyCopyLimits limits;
    limits.keepLast = 8;
    limits.keepDays = 14;
    const QStringList gone = names(CopiesBeyondLimits(copies, limits, today));
    // Kept: the newest 8 (5 today, the two of yesterday, the later one of the day before) and
    // the first (8.00) copy of each day up to 13 days back.
    QStringList expected;
    for (int day = 3; day <= 13; ++day)
        expected << copyAt(QDateTime(today.addDays(-day), QTime(15, 0))).path;
    for (int day = 14; day <= 20; ++day)
        expected << copyAt(QDateTime(today.addDays(-day), QTime(15, 0))).path
                 << copyAt(QDateTime(today.addDays(-day), QTime(8, 0))).path;
    EXPECT_EQ(gone, expected);

    // Within 1 MB, of copies of 300 kB: the newest three stay, every older one goes.
    limits.maxMegabytes = 1;
    QList<SafetyCopy> sized = copies.mid(0, 8);
    for (SafetyCopy &c : sized)
        c.size = 300 * 1024;
    EXPECT_EQ(names(CopiesBeyondLimits(sized, limits, today)), names(sized.mid(3)));
    sized[0].size = 2 * 1024 * 1024; // larger than the whole limit: still the newest is kept
    EXPECT_EQ(names(CopiesBeyondLimits(sized, limits, today)), names(sized.mid(1)));
}

TEST(SafetyCopyLimitsRule, TheSettingsLinesAreReadWithinTheirRanges) {
    const SafetyCopyLimits l = SafetyCopyLimitsFromLines({QStringLiteral("0"), QStringLiteral("x")});
    EXPECT_EQ(l.keepLast, 1);
    EXPECT_EQ(l.keepDays, 14);
    EXPECT_EQ(l.maxMegabytes, 1024);
    EXPECT_EQ(SafetyCopyLimitsLines(
                  SafetyCopyLimitsFromLines({QStringLiteral("40"), QStringLiteral("400"), QStringLiteral("5")})),
              QStringList({QStringLiteral("40"), QStringLiteral("366"), QStringLiteral("10")}));
}

// A sample school open for writing, its calendar emptied so that every teacher may be deleted.
struct SampleForCopies : test::SampleProject {
    SampleForCopies() { EXPECT_TRUE(db::ProjectDb().exec(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"))); }
    qint64 teacherWithLessons() {
        return db::ProjectDb()
            .scalar(QStringLiteral("SELECT R.ID_UCITELJA FROM RAZPORED R JOIN TERMINI T ON T.ID_RAZPOREDA = R.ID "
                                   "ORDER BY R.ID_UCITELJA LIMIT 1"))
            .toLongLong();
    }
    // Deletes the teacher through the teacher window's logic; the label it was shown by.
    QString deleteTeacher(qint64 id, bool expected = true) {
        basicdata::Ucitelji teachers;
        EXPECT_TRUE(teachers.open());
        EXPECT_TRUE(teachers.list().moveToValue(QStringLiteral("ID"), id));
        const QString label = teachers.label();
        messages().queueAnswers({Answer::Yes});
        EXPECT_EQ(teachers.deleteCurrent(), expected);
        return label;
    }
};

TEST(SafetyCopyRestore, ADeletedTeacherComesBackWithEveryRowAndARestoreCanBeUndone) {
    SampleForCopies home;
    const QString project = home.projectPath();
    EXPECT_EQ(operations(project), QStringList({QStringLiteral("Odpiranje projekta")}));
    const qint64 teacher = home.teacherWithLessons();
    ASSERT_GT(teacher, 0);
    const QStringList before = test::ProjectContents(db::ProjectDb());

    const QString label = home.deleteTeacher(teacher);
    const QStringList deleted = test::ProjectContents(db::ProjectDb());
    ASSERT_NE(deleted, before);
    EXPECT_EQ(db::ProjectDb().scalar(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_UCITELJA = ?"), {teacher}),
              0);
    const SafetyCopy copy = copyBefore(project, QStringLiteral("Brisanje učitelja '") + label + u'\'');
    EXPECT_EQ(test::ProjectContents(copy.path), before);

    home.messages().clear();
    home.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(RestoreSafetyCopy(project, copy.path));
    EXPECT_EQ(
        home.messages().texts(),
        QStringList({QStringLiteral("Projekt primer.znt bo obnovljen iz varnostne kopije %1. Trenutno stanje "
                                    "projekta bo prej shranjeno kot varnostna kopija.\n\nAli želiš nadaljevati?")
                         .arg(copy.fileName),
                     QStringLiteral("Projekt primer.znt je obnovljen iz varnostne kopije %1.").arg(copy.fileName)}));
    EXPECT_EQ(test::ProjectContents(db::ProjectDb()), before);
    EXPECT_EQ(core::App().projectPath(), project);

    // The state the restore replaced was copied first: restoring that copy undoes the restore,
    // and the copy that this second restore makes in turn undoes it again.
    const SafetyCopy undo = copyBefore(project, QStringLiteral("Pred obnovitvijo"));
    EXPECT_EQ(test::ProjectContents(undo.path), deleted);
    home.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(RestoreSafetyCopy(project, undo.path));
    EXPECT_EQ(test::ProjectContents(db::ProjectDb()), deleted);
    home.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(RestoreSafetyCopy(project, copyBefore(project, QStringLiteral("Pred obnovitvijo")).path));
    EXPECT_EQ(test::ProjectContents(db::ProjectDb()), before);
}

TEST(SafetyCopyRestore, ARestoreRefusesWhatIsNoCopyOfAProjectAndAnswerNo) {
    SampleForCopies home;
    const QString project = home.projectPath();
    const QByteArray bytes = test::FileBytes(project);
    const QString foreign = home.file(QStringLiteral("tuje.znt"));
    writeFile(foreign, QByteArray(8192, 'z'));
    home.messages().queueAnswers({Answer::Yes});
    EXPECT_FALSE(RestoreSafetyCopy(project, foreign));
    EXPECT_EQ(home.messages().texts().value(1),
              QStringLiteral("Datoteka tuje.znt ni varnostna kopija projekta ali pa je poškodovana; projekt je ostal "
                             "nespremenjen."));
    const QString copy = ListSafetyCopies(project).value(0).path;
    home.messages().clear();
    EXPECT_FALSE(RestoreSafetyCopy(project, copy)); // the question answered No
    EXPECT_EQ(home.messages().texts().size(), 1);
    EXPECT_EQ(ListSafetyCopies(project).size(), 1);
    db::ProjectDb().close();
    EXPECT_EQ(test::FileBytes(project), bytes);
    EXPECT_EQ(test::FileBytes(foreign), QByteArray(8192, 'z'));
}

TEST(SafetyCopyRestore, AConstructionOverHandPlacedLessonsIsUndone) {
    test::SolaZaUrnik x;
    test::MalaSola &s = x.s;
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    const QList<qint64> mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, 0}});
    s.predavanje(a, s.predmet(QStringLiteral("SLO")), 4, 1, {{t2, 0}});
    // The hand corrections: two mathematics lessons placed and one fixed.
    s.termin(mat.first(), 1, 3, QStringLiteral("r"));
    s.termin(mat.first(), 2, 5, QStringLiteral("s"));
    const QString path = x.project.path();
    x.project.db().close();
    const QStringList handMade = test::ProjectContents(path, {QStringLiteral("TERMINI")});
    ASSERT_EQ(handMade.size(), 2);
    ASSERT_EQ(timetable::RunConstructCommand({path, QStringLiteral("--timetable"), QStringLiteral("Urnik"),
                                              QStringLiteral("--seed"), QStringLiteral("3")}),
              0);
    ASSERT_EQ(db::ProjectDb().scalar(QStringLiteral("SELECT count(*) FROM TERMINI")).toInt(), 8);
    EXPECT_EQ(operations(path),
              QStringList({QStringLiteral("Sestavljanje urnika 'Urnik'"), QStringLiteral("Odpiranje projekta")}));

    x.project.messages().queueAnswers({Answer::Yes});
    ASSERT_TRUE(RestoreSafetyCopy(path, copyBefore(path, QStringLiteral("Sestavljanje urnika 'Urnik'")).path));
    EXPECT_EQ(test::ProjectContents(db::ProjectDb(), {QStringLiteral("TERMINI")}), handMade);

    // With nothing placed there is nothing to lose: no copy.
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral("DELETE FROM TERMINI")));
    const int copies = int(ListSafetyCopies(path).size());
    db::ProjectDb().close();
    ASSERT_EQ(timetable::RunConstructCommand({path, QStringLiteral("--timetable"), QStringLiteral("Urnik"),
                                              QStringLiteral("--seed"), QStringLiteral("3")}),
              0);
    EXPECT_EQ(ListSafetyCopies(path).size(), copies);
}

TEST(SafetyCopyLimits, EveryOperationPrunesTheOldestBeyondTheLimit) {
    test::TempHome home;
    const QString project = home.newProjectFile(QStringLiteral("Urnik.znt"));
    CopyState().limits = {3, 2, 1024};
    ASSERT_TRUE(OpenProjectFile(project));
    const QString folder = SafetyCopyFolder(project);
    // Copies of earlier days: the first of yesterday is kept by the day rule, the rest go.
    const QDate today = QDate::currentDate();
    for (const auto &[day, time] : {std::pair{-1, QTime(7, 0)}, std::pair{-1, QTime(9, 0)}, std::pair{-5, QTime(7, 0)}})
        ASSERT_TRUE(QFile::copy(
            project, folder + u'/' + SafetyCopyFileName(QDateTime(today.addDays(day), time), QStringLiteral("Star"))));
    for (int i = 1; i <= 4; ++i)
        ASSERT_TRUE(SafetyCopyBefore(QStringLiteral("Operacija %1").arg(i)));
    QStringList kept;
    for (const SafetyCopy &c : ListSafetyCopies(project))
        kept << c.operation + u' ' + c.when.date().toString(Qt::ISODate);
    const QString now = today.toString(Qt::ISODate);
    EXPECT_EQ(kept, QStringList({QStringLiteral("Operacija 4 ") + now, QStringLiteral("Operacija 3 ") + now,
                                 QStringLiteral("Operacija 2 ") + now, QStringLiteral("Odpiranje projekta ") + now,
                                 QStringLiteral("Star ") + today.addDays(-1).toString(Qt::ISODate)}));
    EXPECT_EQ(ListSafetyCopies(project).last().when.time(), QTime(7, 0));
    // The limits are the user's settings in zn.INI.
    EXPECT_EQ(CopyState().limits.keepLast, 3);
}

TEST(SafetyCopyFaults, AFolderThatCannotBeWrittenAsksAndNoLeavesEverythingAsItWas) {
    SampleForCopies home;
    const QString project = home.projectPath();
    const qint64 teacher = home.teacherWithLessons();
    const QStringList before = test::ProjectContents(db::ProjectDb());
    // The folder of copies cannot be made: a file is in its place.
    const QString copies = core::App().folders.userData + QStringLiteral("/Varnostne kopije");
    ASSERT_TRUE(QDir(copies).removeRecursively());
    writeFile(copies);
    home.messages().clear();
    home.deleteTeacher(teacher, false); // Yes to the deletion, then the default No
    const QString folder = QDir::toNativeSeparators(SafetyCopyFolder(project));
    ASSERT_EQ(home.messages().texts().size(), 2);
    EXPECT_EQ(home.messages().texts().at(1),
              QStringLiteral("Varnostne kopije projekta primer.znt ni bilo mogoče narediti: v mapo %1 ni mogoče "
                             "pisati.\n\nAli želiš nadaljevati brez varnostne kopije?")
                  .arg(folder));
    EXPECT_EQ(test::ProjectContents(db::ProjectDb()), before);
    // Yes goes on without a copy.
    home.messages().queueAnswers({Answer::Yes, Answer::Yes});
    basicdata::Ucitelji teachers;
    ASSERT_TRUE(teachers.open());
    ASSERT_TRUE(teachers.list().moveToValue(QStringLiteral("ID"), teacher));
    EXPECT_TRUE(teachers.deleteCurrent());
    EXPECT_NE(test::ProjectContents(db::ProjectDb()), before);
}

namespace {

// zentrel-cli as a child that may write files of at most `maxBytes` (a disk that is full for it).
test::CliResult runWithFileLimit(const QString &home, const QStringList &args, rlim_t maxBytes) {
    QProcess p;
    p.setChildProcessModifier([maxBytes] {
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of ending the program
        const rlimit limit{maxBytes, maxBytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENTREL_HOME"), home);
    p.setProcessEnvironment(env);
    p.start(test::ProgramFolder() + QStringLiteral("/zentrel-cli"), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// A project of some tens of megabytes, whose copy takes long enough to be caught half-way.
QString largeProject(test::TempHome &home) {
    const QString path = home.newProjectFile(QStringLiteral("Velik.znt"));
    db::Connection c;
    EXPECT_TRUE(c.open(path));
    EXPECT_TRUE(
        c.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 48) "
                              "INSERT INTO INI (ATRIBUT, VREDNOST) SELECT 'Zapis ' || i, hex(randomblob(500000)) "
                              "FROM n")));
    return path;
}

} // namespace

TEST(SafetyCopyFaults, AFullDiskAsksAndNoLeavesTheProjectUnchanged) {
    test::TempHome home;
    const QString project = home.newProjectFile(QStringLiteral("Urnik.znt"));
    const QString user = core::App().folders.userData;
    const QByteArray bytes = test::FileBytes(project);
    ASSERT_GT(bytes.size(), 64 * 1024);
    const test::CliResult r = runWithFileLimit(user, {QStringLiteral("compact"), project}, 64 * 1024);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(
        r.err.contains(QStringLiteral("Varnostne kopije projekta Urnik.znt ni bilo mogoče narediti: na disku "
                                      "ni dovolj prostora.\n\nAli želiš nadaljevati brez varnostne kopije?\n"
                                      "Za odgovor Da dodajte možnost --yes.")))
        << r.err.toStdString();
    EXPECT_FALSE(r.out.contains(QStringLiteral("skrčen")));
    EXPECT_EQ(test::FileBytes(project), bytes);
    EXPECT_TRUE(ListSafetyCopies(project).isEmpty());
    EXPECT_TRUE(
        QDir(SafetyCopyFolder(project)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST(SafetyCopyFaults, AProgramKilledWhileACopyIsWrittenLeavesNoHalfCopyAndTheProjectUnchanged) {
    test::TempHome home;
    const QString project = largeProject(home);
    const QString user = core::App().folders.userData;
    const QByteArray bytes = test::FileBytes(project);
    const QString folder = SafetyCopyFolder(project);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZENTREL_HOME"), user);
    p.setProcessEnvironment(env);
    p.start(test::ProgramFolder() + QStringLiteral("/zentrel-cli"), {QStringLiteral("check"), project});
    ASSERT_TRUE(p.waitForStarted());
    // Killed as soon as anything of the copy is on the disk.
    bool seen = false;
    for (int i = 0; i < 200000 && !seen && p.state() == QProcess::Running; ++i) {
        seen = !QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty();
        if (!seen)
            QThread::usleep(100);
    }
    ::kill(pid_t(p.processId()), SIGKILL);
    p.waitForFinished();
    ASSERT_TRUE(seen);
    EXPECT_TRUE(ListSafetyCopies(project).isEmpty());
    EXPECT_EQ(test::FileBytes(project), bytes);
    // The next copy clears what the killed one left.
    const test::CliResult r = test::RunCli(user, {QStringLiteral("check"), project});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(operations(project), QStringList({QStringLiteral("Odpiranje projekta")}));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(SafetyCopyCommands, ListAndRestoreFromTheCommandLine) {
    test::TempHome home;
    const QString project = home.newProjectFile(QStringLiteral("Urnik 2026.znt"));
    const QString user = core::App().folders.userData;
    test::CliResult r = test::RunCli(user, {QStringLiteral("backups"), QStringLiteral("list"), project});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("Projekt Urnik 2026.znt nima varnostnih kopij.\n"));
    ASSERT_TRUE(OpenProjectFile(project));
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA) VALUES (7, 'NOV')")));
    const QStringList withTeacher = test::ProjectContents(db::ProjectDb());
    ASSERT_TRUE(SafetyCopyBefore(QStringLiteral("Uvoz 'x/y'")));
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral("DELETE FROM UCITELJI")));
    CloseProject();

    r = test::RunCli(user, {QStringLiteral("backups"), QStringLiteral("list"), project});
    EXPECT_EQ(r.exitCode, 0);
    const QList<SafetyCopy> copies = ListSafetyCopies(project);
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(r.out,
              QStringLiteral("Varnostne kopije v mapi %1:\n1.  %2  Uvoz 'x-y'  %3\n2.  %4  Odpiranje projekta  %5\n")
                  .arg(SafetyCopyFolder(project), SafetyCopyTimeText(copies.at(0)),
                       SafetyCopySizeText(copies.at(0).size), SafetyCopyTimeText(copies.at(1)),
                       SafetyCopySizeText(copies.at(1).size)));

    // Without --yes the question is answered No.
    r = test::RunCli(user, {QStringLiteral("backups"), QStringLiteral("restore"), project, QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(test::RowCount(project, QStringLiteral("UCITELJI")), 0);
    r = test::RunCli(user, {QStringLiteral("backups"), QStringLiteral("restore"), project, QStringLiteral("9")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, QStringLiteral("Projekt Urnik 2026.znt nima varnostne kopije 9.\n"));
    r = test::RunCli(user, {QStringLiteral("backups"), QStringLiteral("restore"), project, copies.at(0).fileName,
                            QStringLiteral("--yes")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(
        r.out,
        QStringLiteral("Projekt Urnik 2026.znt je obnovljen iz varnostne kopije %1.\n").arg(copies.at(0).fileName));
    EXPECT_EQ(test::ProjectContents(project), withTeacher);
    EXPECT_EQ(operations(project), QStringList({QStringLiteral("Pred obnovitvijo"), QStringLiteral("Uvoz 'x-y'"),
                                                QStringLiteral("Odpiranje projekta")}));
}

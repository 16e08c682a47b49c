#include "AssignmentFixture.h"
#include "basicdata/Obremenitev.h"

#include "support/CliProcess.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::test::AssignmentFixture;

namespace {

// The load of the small school: Nov teaches MAT to 1.a and the second group of TIT, D'Arc MAT
// to 1.b, Žag the first group of TIT; ŠPO has no teacher. Timetable 5 holds two periods of MAT
// 1.a and both periods of TIT in week I.
class ObremenitevT : public AssignmentFixture {
protected:
    void SetUp() override {
        AssignmentFixture::SetUp();
        assignment(70, 1, 1, 40, 10, 20);
        assignment(71, 1, 2, 40, 10, 21);
        groupAssignment(72, 51, 22);
        groupAssignment(73, 52, 20);
        run(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (5, 'Urnik d''Arc', 1)"));
        run(QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) VALUES (5, 70, 1, "
                           "1, 'a', 1), (5, 70, 2, 1, 'a', 1), (5, 72, 3, 1, 'a', 1), (5, 72, 3, 2, 'a', 1), (5, 73, "
                           "3, 1, 'a', 1), (5, 73, 3, 2, 'a', 1)"));
    }
};

test::CliResult load(const test::TempFolder &home, const QStringList &args) {
    return test::RunCli(home.path(), QStringList{QStringLiteral("load")} + args);
}

} // namespace

TEST_F(ObremenitevT, HoursOfTeachersAndClassesAndWhatTheTimetableHolds) {
    Obremenitev o;
    ASSERT_TRUE(PreberiObremenitev(1, 5, o));
    EXPECT_EQ(o.timetableName, QStringLiteral("Urnik d'Arc"));
    ASSERT_EQ(o.weeks.size(), 1);
    EXPECT_EQ(o.weeks[0].code, QStringLiteral("I"));
    ASSERT_EQ(o.teachers.size(), 3);
    const auto teacher = [&](int i, const QString &name, int total, int in, int placed, int unplaced) {
        const Obremenitev::Line &l = o.teachers[i];
        EXPECT_EQ(l.name, name);
        EXPECT_EQ(QList<int>({l.total, l.inTurnus[0], l.placed[0], l.unplaced[0]}),
                  QList<int>({total, in, placed, unplaced}))
            << i;
    };
    teacher(0, QStringLiteral("D'Arc Ivana"), 4, 4, 0, 4);
    teacher(1, QStringLiteral("Novak Ana"), 6, 6, 4, 2);
    teacher(2, QStringLiteral("Žagar Žan"), 2, 2, 2, 0);
    ASSERT_EQ(o.classes.size(), 2);
    // TIT's two groups share their periods: the class has them once.
    const Obremenitev::Line &a = o.classes[0];
    EXPECT_EQ(QList<int>({a.inTurnus[0], a.withoutTeacher[0], a.placed[0], a.unplaced[0]}), QList<int>({9, 3, 4, 2}));
    const Obremenitev::Line &b = o.classes[1];
    EXPECT_EQ(QList<int>({b.inTurnus[0], b.withoutTeacher[0], b.placed[0], b.unplaced[0]}), QList<int>({9, 3, 2, 4}));

    // Without a timetable nothing is placed.
    ASSERT_TRUE(PreberiObremenitev(1, -1, o));
    EXPECT_TRUE(o.timetableName.isEmpty());
    EXPECT_EQ(o.teachers[1].placed[0], 0);
}

TEST_F(ObremenitevT, TheCommandPrintsAlignedTextOrCsvAndRefusesWhatIsNotThere) {
    test::TempFolder home;
    test::CliResult r = load(home, {project.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n');
    ASSERT_GE(lines.size(), 12);
    EXPECT_EQ(lines.mid(0, 4), QStringList({QStringLiteral("Razpored: 2026"), QStringLiteral("Urnik: Urnik d'Arc"),
                                            QString(), QStringLiteral("Učitelji")}));
    EXPECT_EQ(lines[4], QStringLiteral("Oznaka  Učitelj      skupaj ur  V turnusu I  razporejeno I  nerazporejeno I"));
    EXPECT_EQ(lines[5], QStringLiteral("D'Arc   D'Arc Ivana          4            4              0                4"));
    EXPECT_EQ(lines[7], QStringLiteral("Žag     Žagar Žan            2            2              2                0"));
    EXPECT_EQ(
        lines.mid(8, 3),
        QStringList({QString(), QStringLiteral("Enote"),
                     QStringLiteral("Oznaka  Ime  V turnusu I  brez učitelja I  razporejeno I  nerazporejeno I")}));
    EXPECT_EQ(lines[11], QStringLiteral("1.a     1.a            9                3              4                2"));

    r = load(home,
             {project.path(), QStringLiteral("--csv"), QStringLiteral("--timetable"), QStringLiteral("URNIK D'ARC")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.split(u'\n').mid(0, 3),
              QStringList({QStringLiteral("Vrsta;Oznaka;Ime;skupaj ur;V turnusu I;brez učitelja I;razporejeno I;"
                                          "nerazporejeno I"),
                           QStringLiteral("Učitelj;D'Arc;D'Arc Ivana;4;4;;0;4"),
                           QStringLiteral("Učitelj;Nov;Novak Ana;6;6;;4;2")}));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nEnota;1.b;1.b;;9;3;2;4\n")));

    r = load(home, {project.path(), QStringLiteral("--curriculum"), QStringLiteral("99")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), QStringLiteral("Razporeda 99 ni."));
    r = load(home, {project.path(), QStringLiteral("--timetable"), QStringLiteral("Drugi")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), QStringLiteral("Urnika Drugi v razporedu 2026 ni."));
    r = load(home, {project.path(), QStringLiteral("--timetable")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Manjka vrednost za --timetable.\nUporaba: zentrel-cli load")));
    r = load(home, {project.path(), QStringLiteral("--seed"), QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Neznana možnost --seed.\n")));
}

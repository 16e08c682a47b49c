#include "pupils/DodeljevanjeIzbirnih.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace zentrel::pupils;

namespace {

// A model built by hand: electives, then pupils with their choices ("I" or "R" per elective).
struct ModelBuilder {
    ElectiveModel m;

    int elective(int max, int min, int teacherCount = 9, QList<qint64> teachers = {}) {
        Elective e;
        e.id = m.electives.size() + 1;
        e.code = QStringLiteral("E%1").arg(e.id);
        e.normMax = max;
        e.normMin = min;
        e.teacherCount = teacherCount;
        e.teachers = teachers;
        m.electives.append(e);
        return int(m.electives.size()) - 1;
    }
    int pupil(const QList<QPair<int, QChar>> &choices, qint64 unit = 1) {
        PupilRecord p;
        p.id = m.pupils.size() + 1;
        p.unit = unit;
        const int index = int(m.pupils.size());
        for (const auto &[e, type] : choices) {
            Choice c;
            c.elective = e;
            c.type = type;
            p.choices.append(c);
            p.required += type == u'I' ? 1 : 0;
            m.electives[e].choosers.append({index, int(p.choices.size()) - 1});
        }
        m.pupils.append(p);
        return index;
    }
    void pupils(int n, const QList<QPair<int, QChar>> &choices, qint64 unit = 1) {
        for (int i = 0; i < n; ++i)
            pupil(choices, unit);
    }
};

// Open groups of each elective, and their sizes.
QList<int> sizesOf(const ElectiveModel &m, int elective) {
    QList<int> sizes;
    for (const Block &b : m.blocks)
        for (const Slot &s : b.groups)
            if (!s.closed && s.elective == elective)
                sizes << int(s.pupils.size());
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

// The invariants of every result: one group per block, one group per elective, never more than
// chosen, the choice's record matches the group's list.
void expectSound(const ElectiveModel &m) {
    for (int p = 0; p < m.pupils.size(); ++p) {
        QSet<int> blocks, electives;
        for (const Choice &c : m.pupils[p].choices)
            if (c.block >= 0) {
                EXPECT_FALSE(blocks.contains(c.block)) << "pupil " << p << " twice in block " << c.block;
                EXPECT_FALSE(electives.contains(c.elective));
                blocks.insert(c.block);
                electives.insert(c.elective);
                EXPECT_FALSE(m.blocks[c.block].groups[c.slot].closed);
                EXPECT_TRUE(m.blocks[c.block].groups[c.slot].pupils.contains(p));
            }
        EXPECT_LE(m.placedCount(p), m.pupils[p].required);
    }
}

} // namespace

TEST(DodeljevanjeIzbirnihTest, AnElectiveGetsAsManyGroupsAsItsChosenPupilsFillAtItsMaximum) {
    ModelBuilder b;
    const int e21 = b.elective(10, 5), e20 = b.elective(10, 1), reservesOnly = b.elective(10, 1);
    b.pupils(21, {{e21, u'I'}, {reservesOnly, u'R'}});
    b.pupils(20, {{e20, u'I'}}, 2);
    DodeljevanjeIzbirnih run(b.m);
    run.run();
    // Filled to the minimum one after another, then to the maximum.
    EXPECT_EQ(sizesOf(b.m, e21), (QList<int>{5, 6, 10}));
    EXPECT_EQ(sizesOf(b.m, e20), (QList<int>{10, 10}));
    EXPECT_TRUE(sizesOf(b.m, reservesOnly).isEmpty()); // nobody chose it: no group
    expectSound(b.m);
    const ElectiveFigures f = run.figures();
    EXPECT_EQ(f.placedChosen, 41);
    EXPECT_EQ(f.placedReserves, 0);
    EXPECT_EQ(f.unplaced, 0);
    EXPECT_EQ(f.groups, 5);
    EXPECT_EQ(f.pupilsWithoutPlace, 0);
}

TEST(DodeljevanjeIzbirnihTest, PupilsGetTheirElectivesInDifferentBlocksAndReservesOnlyUpToTheirCount) {
    ModelBuilder b;
    const int a = b.elective(20, 2), c = b.elective(20, 2), r = b.elective(20, 2), spare = b.elective(20, 1);
    b.pupils(6, {{a, u'I'}, {c, u'I'}, {r, u'R'}});
    b.pupils(3, {{r, u'I'}, {a, u'R'}, {spare, u'R'}});
    DodeljevanjeIzbirnih run(b.m);
    run.run();
    expectSound(b.m);
    // A group of c cannot share a block with a: all six chose both.
    EXPECT_EQ(b.m.blocks.size(), 2);
    for (int p = 0; p < 9; ++p)
        EXPECT_EQ(b.m.placedCount(p), p < 6 ? 2 : 1) << p;
    const ElectiveFigures f = run.figures();
    EXPECT_EQ(f.placedChosen + f.placedReserves, 15);
    EXPECT_EQ(f.unplaced, 0);
    // Two blocks over unit 1's nine pupils; the three with one elective are free in one.
    EXPECT_EQ(f.freePeriods, 3);
}

TEST(DodeljevanjeIzbirnihTest, BalancingMovesChosenPupilsFirstAndReservesOnlyInItsSecondRun) {
    ModelBuilder b;
    const int big = b.elective(20, 2), small = b.elective(20, 4);
    ElectiveModel &m = b.m;
    b.pupils(4, {{big, u'I'}, {small, u'R'}}); // reserves of the small one, placed in the big one
    b.pupils(2, {{small, u'I'}});
    // One block; the big group holds the reserve pupils, the small one two chosen pupils.
    m.blocks.append(Block());
    m.blocks[0].groups = {Slot(), Slot()};
    m.blocks[0].groups[0].elective = big;
    m.blocks[0].groups[1].elective = small;
    DodeljevanjeIzbirnih run(m);
    run.fill(false);
    EXPECT_EQ(sizesOf(m, big), QList<int>{4});
    EXPECT_EQ(sizesOf(m, small), QList<int>{2});
    run.balance(false);
    EXPECT_EQ(sizesOf(m, small), QList<int>{2}); // reserves are not moved in the first run
    run.balance(true);
    EXPECT_EQ(sizesOf(m, small), (QList<int>{4})); // moved while the big one stays above its minimum
    EXPECT_EQ(sizesOf(m, big), (QList<int>{2}));
    expectSound(m);
}

TEST(DodeljevanjeIzbirnihTest, TheSmallestGroupBelowItsMinimumIsDissolvedAndStaysClosed) {
    ModelBuilder b;
    const int e = b.elective(5, 4);
    ElectiveModel &m = b.m;
    b.pupils(7, {{e, u'I'}});
    // Three groups of the elective in three blocks: 3, 3 and 1 pupils, none at its minimum.
    for (int k = 0; k < 3; ++k) {
        m.blocks.append(Block());
        m.blocks[k].groups = {Slot()};
        m.blocks[k].groups[0].elective = e;
    }
    auto put = [&](int p, int block) {
        m.pupils[p].choices[0].block = block;
        m.pupils[p].choices[0].slot = 0;
        m.blocks[block].groups[0].pupils << p;
    };
    for (int p : {0, 1, 2})
        put(p, 0);
    for (int p : {3, 4, 5})
        put(p, 1);
    put(6, 2);
    DodeljevanjeIzbirnih run(m);
    run.dissolve();
    // The group of one goes first; its pupil joins a group with room; the next smallest goes;
    // its pupils fill the first group to its maximum; one stays without a place.
    EXPECT_TRUE(m.blocks[2].groups[0].closed);
    EXPECT_TRUE(m.blocks[1].groups[0].closed || m.blocks[0].groups[0].closed);
    EXPECT_EQ(sizesOf(m, e), QList<int>{5});
    EXPECT_EQ(run.figures().pupilsWithoutPlace, 2);
    expectSound(m);
}

TEST(DodeljevanjeIzbirnihTest, WithTheTeacherOptionTwoGroupsOfABlockNeverShareATeacher) {
    ModelBuilder b;
    // One teacher teaches both electives; another teaches only the first.
    const int a = b.elective(5, 1, 9, {7, 8}), c = b.elective(5, 1, 9, {7});
    b.pupils(12, {{a, u'I'}, {c, u'I'}});
    b.m.useTeachers = true;
    DodeljevanjeIzbirnih run(b.m);
    run.run();
    expectSound(b.m);
    for (const Block &block : b.m.blocks) {
        QList<qint64> teachers;
        for (const Slot &s : block.groups)
            if (!s.closed) {
                EXPECT_FALSE(teachers.contains(s.teacher)) << "teacher " << s.teacher;
                teachers << s.teacher;
            }
    }
    EXPECT_EQ(sizesOf(b.m, a), (QList<int>{2, 5, 5}));
    EXPECT_EQ(b.m.blocks.size(), 5); // the one teacher of the second elective is busy in every block of the first
}

TEST(DodeljevanjeIzbirnihTest, AFullGroupIsSplitEvenlyAndNewBlocksGetFreeCodes) {
    ModelBuilder b;
    const int e = b.elective(10, 1);
    ElectiveModel &m = b.m;
    b.pupils(25, {{e, u'I'}});
    m.blocks.append(Block());
    m.blocks[0].code = QStringLiteral("$IZB1");
    m.blocks[0].groups = {Slot()};
    m.blocks[0].groups[0].elective = e;
    for (int p = 0; p < 25; ++p) {
        m.pupils[p].choices[0].block = 0;
        m.pupils[p].choices[0].slot = 0;
        m.blocks[0].groups[0].pupils << p;
    }
    m.pupils[24].choices[0].fixed = true; // placed by hand: stays where it is
    DodeljevanjeIzbirnih run(m);
    run.split();
    EXPECT_EQ(sizesOf(m, e), (QList<int>{8, 8, 9}));
    EXPECT_TRUE(m.blocks[0].groups[0].pupils.contains(24));
    m.blocks.append(Block());
    run.finish();
    EXPECT_EQ(m.blocks[1].code, QStringLiteral("$IZB2"));
    EXPECT_EQ(m.blocks[0].units, QList<qint64>{1});
    expectSound(m);
}

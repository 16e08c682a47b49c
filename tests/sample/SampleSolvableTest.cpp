// A witness that the generated schools can be timetabled completely: a small min-conflicts
// search places every lesson block of turnus I and II inside the construction's class frames,
// with no class, teacher or room used twice, no forbidden period used, one block of a unit a
// day and no teacher's day longer than seven periods. It is not the
// program's scheduler; it only has to find one complete timetable for the test to pass.
#include "db/Connection.h"
#include "sample/SampleFeasibility.h"
#include "sample/SampleRandom.h"
#include "sample/SampleSchool.h"
#include "support/TempFolder.h"

#include <QMap>
#include <QSet>
#include <gtest/gtest.h>

using namespace zentrel;

namespace {

constexpr int kDays = 5, kPeriods = 16;

struct Unit {
    QVector<int> classes;        // indices
    QVector<int> teachers;       // indices
    QVector<QVector<int>> rooms; // per entry with a room: candidate room indices
    int periods = 0, length = 1;
    sample::WeekCells frame{};
};

struct Block {
    int unit = 0, length = 1;
    int day = 0, period = -1; // day 0 = not placed
    QVector<int> rooms;
};

class Timetable {
public:
    Timetable(db::Connection &c, int turnus);
    // Places every block; true when all are placed without conflicts.
    bool solve(int maxSteps, int *unplaced);
    int blockCount() const { return int(m_blocks.size()); }
    // Recounts the placed blocks from scratch; the first broken rule, or an empty text.
    QString verify() const;

private:
    bool fits(int b, int day, int period, QVector<int> *rooms, QVector<int> *blockers);
    void place(int b, int day, int period, const QVector<int> &rooms);
    void remove(int b);

    QVector<Unit> m_units;
    QVector<Block> m_blocks;
    QVector<QVector<int>> m_unitBlocks;
    int m_classes = 0, m_teachers = 0, m_rooms = 0;
    // Occupancy: block index + 1, 0 free.
    QVector<int> m_classCells, m_teacherCells, m_roomCells;
    QVector<bool> m_teacherForbidden, m_classForbidden;
    sample::SampleRandom m_random{12345};

    static int cell(int who, int day, int period) { return (who * (kDays + 1) + day) * kPeriods + period; }
};

Timetable::Timetable(db::Connection &c, int turnus) {
    QMap<qint64, int> classIndex, teacherIndex, roomIndex;
    auto indexOf = [](QMap<qint64, int> &map, qint64 id) {
        auto it = map.find(id);
        if (it == map.end())
            it = map.insert(id, int(map.size()));
        return it.value();
    };
    const auto classes = c.query(QStringLiteral("SELECT ID_ODDELKA FROM ODDELKI_V_PREDMETNIKU ORDER BY ID_ODDELKA"));
    for (int i = 0; i < classes.rowCount(); ++i)
        indexOf(classIndex, classes.integer(i, QStringLiteral("ID_ODDELKA")));
    const auto rooms = c.query(QStringLiteral("SELECT ID FROM PROSTORI ORDER BY ID"));
    for (int i = 0; i < rooms.rowCount(); ++i)
        indexOf(roomIndex, rooms.integer(i, QStringLiteral("ID")));
    QMap<qint64, QVector<int>> groupClasses, groupRooms;
    const auto members = c.query(QStringLiteral("SELECT ID_SKUPINE, ID_ODDELKA FROM ODDELKI_V_SKUPINI"));
    for (int i = 0; i < members.rowCount(); ++i)
        groupClasses[members.integer(i, QStringLiteral("ID_SKUPINE"))].append(
            classIndex.value(members.integer(i, QStringLiteral("ID_ODDELKA"))));
    const auto roomMembers = c.query(QStringLiteral("SELECT ID_SKUPINE, ID_PROSTORA FROM PROSTORI_V_SKUPINI"));
    for (int i = 0; i < roomMembers.rowCount(); ++i)
        groupRooms[roomMembers.integer(i, QStringLiteral("ID_SKUPINE"))].append(
            roomIndex.value(roomMembers.integer(i, QStringLiteral("ID_PROSTORA"))));

    const auto rows =
        c.query(QStringLiteral("SELECT R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, R.ID_UCITELJA, "
                               "R.ID_SKUPINE_PROSTOROV, V.STEVILO_UR, V.DOLZINA_TERMINA FROM RAZPORED R JOIN "
                               "PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = R.ID_PROGRAMA AND V.ID_SKUPINE_PREDMETOV = "
                               "R.ID_SKUPINE_PREDMETOV AND V.ID_TURNUSA = R.ID_TURNUSA WHERE R.ID_TURNUSA IN (0, ?) "
                               "ORDER BY R.ID"),
                {turnus});
    QMap<QString, int> unitOf;
    for (int i = 0; i < rows.rowCount(); ++i) {
        const qint64 group = rows.integer(i, QStringLiteral("ID_SKUPINE_ODDELKOV"));
        const QString key = QStringLiteral("%1;%2;%3")
                                .arg(group)
                                .arg(rows.integer(i, QStringLiteral("ID_SKUPINE_PREDMETOV")))
                                .arg(rows.integer(i, QStringLiteral("ID_TURNUSA")));
        if (!unitOf.contains(key)) {
            unitOf[key] = int(m_units.size());
            Unit u;
            u.classes = groupClasses.value(group);
            u.periods = int(rows.integer(i, QStringLiteral("STEVILO_UR")));
            u.length = int(rows.integer(i, QStringLiteral("DOLZINA_TERMINA"), 1));
            m_units.append(u);
        }
        Unit &u = m_units[unitOf[key]];
        const int teacher = indexOf(teacherIndex, rows.integer(i, QStringLiteral("ID_UCITELJA")));
        if (!u.teachers.contains(teacher))
            u.teachers.append(teacher);
        const qint64 roomGroup = rows.integer(i, QStringLiteral("ID_SKUPINE_PROSTOROV"), 0);
        if (roomGroup > 0)
            u.rooms.append(groupRooms.value(roomGroup));
    }
    m_classes = int(classIndex.size());
    m_teachers = int(teacherIndex.size());
    m_rooms = int(roomIndex.size());

    // Frames as the construction builds them.
    QVector<int> weekly(m_classes, 0);
    for (const auto &u : m_units)
        for (int cls : u.classes)
            weekly[cls] += u.periods;
    QVector<sample::WeekCells> frames(m_classes);
    m_classForbidden.fill(false, m_classes * (kDays + 1) * kPeriods);
    for (auto it = classIndex.cbegin(); it != classIndex.cend(); ++it) {
        std::array<int, 6> first{1, 1, 1, 1, 1, 1};
        const auto okvir = c.query(QStringLiteral("SELECT DAN, PRVA_URA FROM ODDELKI_OKVIR WHERE ID_ODDELKA = ? "
                                                  "AND ID_TURNUSA = ? AND ID_URNIKA = 1"),
                                   {it.key(), turnus});
        for (int i = 0; i < okvir.rowCount(); ++i)
            first[okvir.integer(i, QStringLiteral("DAN"))] = int(okvir.integer(i, QStringLiteral("PRVA_URA")));
        frames[it.value()] = sample::ClassFrame(first, sample::WeekCells{}, weekly[it.value()]);
    }
    for (auto &u : m_units)
        for (int d = 1; d <= kDays; ++d)
            for (int p = 0; p < kPeriods; ++p) {
                bool all = !u.classes.isEmpty();
                for (int cls : u.classes)
                    all = all && frames[cls][d][p];
                u.frame[d][p] = all;
            }
    m_teacherForbidden.fill(false, m_teachers * (kDays + 1) * kPeriods);
    const auto banned = c.query(QStringLiteral("SELECT ID_UCITELJA, DAN, URA FROM PREPOVEDI_UCITELJEV"));
    for (int i = 0; i < banned.rowCount(); ++i) {
        const qint64 id = banned.integer(i, QStringLiteral("ID_UCITELJA"));
        if (teacherIndex.contains(id))
            m_teacherForbidden[cell(teacherIndex.value(id), int(banned.integer(i, QStringLiteral("DAN"))),
                                    int(banned.integer(i, QStringLiteral("URA"))))] = true;
    }

    // Blocks: double lessons where asked for, otherwise spread over the days.
    m_unitBlocks.resize(m_units.size());
    for (int u = 0; u < m_units.size(); ++u) {
        QVector<int> lengths;
        const int h = m_units[u].periods, l = m_units[u].length;
        if (l >= 2) {
            for (int left = h; left > 0; left -= l)
                lengths.append(std::min(l, left));
        } else if (h <= 5) {
            lengths.fill(1, h);
        } else {
            for (int i = 0; i < 5; ++i)
                lengths.append(h / 5 + (i < h % 5 ? 1 : 0));
        }
        for (int len : lengths) {
            m_unitBlocks[u].append(int(m_blocks.size()));
            m_blocks.append({u, len, 0, -1, {}});
        }
    }
    m_classCells.fill(0, m_classes * (kDays + 1) * kPeriods);
    m_teacherCells.fill(0, m_teachers * (kDays + 1) * kPeriods);
    m_roomCells.fill(0, m_rooms * (kDays + 1) * kPeriods);
}

// Whether block b can lie at (day, period); without conflicts `blockers` stays empty, else it
// names the placed blocks in the way (the position itself must be allowed by frame and bans).
bool Timetable::fits(int b, int day, int period, QVector<int> *rooms, QVector<int> *blockers) {
    const Block &block = m_blocks[b];
    const Unit &u = m_units[block.unit];
    blockers->clear();
    rooms->clear();
    if (period + block.length > kPeriods)
        return false;
    auto blocked = [&](int who) {
        if (who > 0 && who - 1 != b && !blockers->contains(who - 1))
            blockers->append(who - 1);
    };
    for (int p = period; p < period + block.length; ++p) {
        if (!u.frame[day][p])
            return false;
        for (int t : u.teachers)
            if (m_teacherForbidden[cell(t, day, p)])
                return false;
        for (int cls : u.classes)
            blocked(m_classCells[cell(cls, day, p)]);
        for (int t : u.teachers) {
            blocked(m_teacherCells[cell(t, day, p)]);
            // A teacher's working day spans at most seven consecutive periods.
            for (int q = 0; q < kPeriods; ++q)
                if (q <= p - 7 || q >= p + 7)
                    blocked(m_teacherCells[cell(t, day, q)]);
        }
    }
    // Another block of the same unit on that day is in the way too.
    for (int other : m_unitBlocks[block.unit])
        if (other != b && m_blocks[other].day == day && !blockers->contains(other))
            blockers->append(other);
    // Rooms: distinct, free if possible, otherwise the least busy candidate.
    for (const auto &candidates : u.rooms) {
        int best = -1, bestCost = 1 << 30;
        for (int r : candidates) {
            if (rooms->contains(r))
                continue;
            int cost = 0;
            for (int p = period; p < period + block.length; ++p)
                cost += m_roomCells[cell(r, day, p)] > 0 && m_roomCells[cell(r, day, p)] - 1 != b ? 1 : 0;
            if (cost < bestCost) {
                best = r;
                bestCost = cost;
            }
        }
        if (best < 0)
            return false;
        rooms->append(best);
        for (int p = period; p < period + block.length; ++p)
            blocked(m_roomCells[cell(best, day, p)]);
    }
    return true;
}

void Timetable::place(int b, int day, int period, const QVector<int> &rooms) {
    Block &block = m_blocks[b];
    const Unit &u = m_units[block.unit];
    block.day = day;
    block.period = period;
    block.rooms = rooms;
    for (int p = period; p < period + block.length; ++p) {
        for (int cls : u.classes)
            m_classCells[cell(cls, day, p)] = b + 1;
        for (int t : u.teachers)
            m_teacherCells[cell(t, day, p)] = b + 1;
        for (int r : rooms)
            m_roomCells[cell(r, day, p)] = b + 1;
    }
}

void Timetable::remove(int b) {
    Block &block = m_blocks[b];
    const Unit &u = m_units[block.unit];
    for (int p = block.period; p < block.period + block.length; ++p) {
        for (int cls : u.classes)
            m_classCells[cell(cls, block.day, p)] = 0;
        for (int t : u.teachers)
            m_teacherCells[cell(t, block.day, p)] = 0;
        for (int r : block.rooms)
            m_roomCells[cell(r, block.day, p)] = 0;
    }
    block.day = 0;
    block.period = -1;
    block.rooms.clear();
}

bool Timetable::solve(int maxSteps, int *unplaced) {
    // Hard blocks first: many classes, teachers and rooms, long blocks.
    QVector<int> queue(m_blocks.size());
    std::iota(queue.begin(), queue.end(), 0);
    auto weight = [&](int b) {
        const Unit &u = m_units[m_blocks[b].unit];
        return m_blocks[b].length * (3 * int(u.classes.size()) + int(u.teachers.size()) + int(u.rooms.size()));
    };
    std::stable_sort(queue.begin(), queue.end(), [&](int a, int b) { return weight(a) > weight(b); });
    QVector<int> tabu(m_blocks.size(), -1);
    QVector<int> rooms, blockers;
    for (int step = 0; step < maxSteps && !queue.isEmpty(); ++step) {
        const int b = queue.takeFirst();
        // The position with the fewest blocks in the way; ties broken at random.
        int bestDay = 0, bestPeriod = 0, bestCost = 1 << 30, ties = 0;
        QVector<int> bestRooms, bestBlockers;
        for (int day = 1; day <= kDays; ++day)
            for (int period = 0; period < kPeriods; ++period) {
                if (!fits(b, day, period, &rooms, &blockers))
                    continue;
                int cost = 0;
                for (int other : blockers)
                    cost += 10 + (tabu[other] > step - 20 ? 50 : 0) + weight(other);
                if (cost < bestCost || (cost == bestCost && m_random.below(++ties) == 0)) {
                    if (cost < bestCost)
                        ties = 1;
                    bestCost = cost;
                    bestDay = day;
                    bestPeriod = period;
                    bestRooms = rooms;
                    bestBlockers = blockers;
                }
            }
        if (bestDay == 0) {
            queue.append(b); // nowhere at all: its frame is too small
            continue;
        }
        for (int other : bestBlockers) {
            remove(other);
            tabu[other] = step;
            queue.append(other);
        }
        place(b, bestDay, bestPeriod, bestRooms);
    }
    *unplaced = int(queue.size());
    return queue.isEmpty();
}

QString Timetable::verify() const {
    QVector<int> classes(m_classCells.size(), 0), teachers(m_teacherCells.size(), 0), rooms(m_roomCells.size(), 0);
    QSet<QString> unitDays;
    for (int b = 0; b < m_blocks.size(); ++b) {
        const Block &block = m_blocks[b];
        const Unit &u = m_units[block.unit];
        if (block.day < 1)
            return QStringLiteral("block %1 unplaced").arg(b);
        const QString unitDay = QStringLiteral("%1;%2").arg(block.unit).arg(block.day);
        if (unitDays.contains(unitDay))
            return QStringLiteral("unit %1 twice on day %2").arg(block.unit).arg(block.day);
        unitDays.insert(unitDay);
        if (block.rooms.size() != u.rooms.size())
            return QStringLiteral("block %1 lacks rooms").arg(b);
        for (int i = 0; i < block.rooms.size(); ++i)
            if (!u.rooms[i].contains(block.rooms[i]))
                return QStringLiteral("block %1 in a room outside its group").arg(b);
        for (int p = block.period; p < block.period + block.length; ++p) {
            if (p >= kPeriods || !u.frame[block.day][p])
                return QStringLiteral("block %1 outside its frame").arg(b);
            for (int cls : u.classes)
                if (classes[cell(cls, block.day, p)]++ > 0)
                    return QStringLiteral("class %1 twice at %2/%3").arg(cls).arg(block.day).arg(p);
            for (int t : u.teachers)
                if (teachers[cell(t, block.day, p)]++ > 0 || m_teacherForbidden[cell(t, block.day, p)])
                    return QStringLiteral("teacher %1 twice or forbidden at %2/%3").arg(t).arg(block.day).arg(p);
            for (int r : block.rooms)
                if (rooms[cell(r, block.day, p)]++ > 0)
                    return QStringLiteral("room %1 twice at %2/%3").arg(r).arg(block.day).arg(p);
        }
    }
    for (int t = 0; t < m_teachers; ++t)
        for (int d = 1; d <= kDays; ++d) {
            int first = kPeriods, last = -1;
            for (int p = 0; p < kPeriods; ++p)
                if (teachers[cell(t, d, p)] > 0) {
                    first = std::min(first, p);
                    last = std::max(last, p);
                }
            if (last - first >= 7)
                return QStringLiteral("teacher %1 works more than seven periods on day %2").arg(t).arg(d);
        }
    return {};
}

} // namespace

TEST(SampleSolvable, EverySizeHasACompleteTimetableInBothRotationWeeks) {
    test::TempFolder folder;
    for (int perGrade : {1, 2, 4, 8}) {
        sample::SampleOptions o;
        o.classesPerGrade = perGrade;
        o.referenceDate = QDate(2026, 12, 6);
        const QString path = folder.file(QStringLiteral("s%1.znt").arg(perGrade));
        ASSERT_TRUE(sample::GenerateSampleSchool(path, o));
        db::Connection c;
        ASSERT_TRUE(c.open(path));
        for (int turnus : {1, 2}) {
            SCOPED_TRACE(QStringLiteral("%1 per grade, turnus %2").arg(perGrade).arg(turnus).toStdString());
            Timetable t(c, turnus);
            int unplaced = 0;
            ASSERT_TRUE(t.solve(200 * t.blockCount(), &unplaced)) << unplaced << " of " << t.blockCount();
            EXPECT_EQ(t.verify(), QString());
        }
    }
}

#include "SampleFeasibility.h"

#include <QMap>
#include <QSet>
#include <algorithm>
#include <array>

namespace zentrel::sample {

namespace {

constexpr int kDays = 5;
constexpr int kPeriods = 16;
using DayCells = WeekCells;

struct UnitRows {
    qint64 classGroup = 0;
    qint64 subjectGroup = 0;
    int turnus = 0;
    int periods = 0;
    int length = 1;
    QVector<qint64> teachers;
    QVector<qint64> roomGroups;
};

DayCells emptyCells() {
    DayCells cells{};
    return cells;
}

int countCells(const DayCells &cells) {
    int n = 0;
    for (int d = 1; d <= kDays; ++d)
        for (bool b : cells[d])
            n += b ? 1 : 0;
    return n;
}

QMap<qint64, DayCells> forbidden(db::Connection &c, const QString &table, const QString &column) {
    QMap<qint64, DayCells> result;
    const auto rows = c.query(QStringLiteral("SELECT %1, DAN, URA FROM %2").arg(column, table));
    for (int i = 0; i < rows.rowCount(); ++i) {
        const int d = int(rows.integer(i, QStringLiteral("DAN"))), p = int(rows.integer(i, QStringLiteral("URA")));
        if (d < 1 || d > kDays || p < 0 || p >= kPeriods)
            continue;
        auto it = result.find(rows.integer(i, column));
        if (it == result.end())
            it = result.insert(rows.integer(i, column), emptyCells());
        (*it)[d][p] = true;
    }
    return result;
}

DayCells unite(const DayCells &a, const DayCells &b) {
    DayCells r = a;
    for (int d = 1; d <= kDays; ++d)
        for (int p = 0; p < kPeriods; ++p)
            r[d][p] = a[d][p] || b[d][p];
    return r;
}

DayCells without(const DayCells &a, const DayCells &banned) {
    DayCells r = a;
    for (int d = 1; d <= kDays; ++d)
        for (int p = 0; p < kPeriods; ++p)
            r[d][p] = a[d][p] && !banned[d][p];
    return r;
}

} // namespace

int DaysNeeded(int periods, int length) {
    if (periods <= 0)
        return 0;
    if (length >= 2)
        return (periods + length - 1) / length;
    return std::min(periods, kDays);
}

WeekCells ClassFrame(const std::array<int, 6> &first, const WeekCells &forbidden, int weekly) {
    WeekCells frame{};
    auto cellOf = [&](int position, int *day, int *period) {
        *day = position % kDays + 1;
        *period = first[*day] + position / kDays;
    };
    auto fillable = [&](int day, int period) {
        return period >= 0 && period < kPeriods && !frame[day][period] && !forbidden[day][period];
    };
    int position = 0, lastDay = 0, lastOffset = -1;
    const int end = kDays * kPeriods * 2; // past every period of every day
    // A step that finds nothing in five cells does not count: a break forbidden on every day
    // must not cost the class a cell of its week.
    for (int step = 0; step < weekly && position < end;) {
        bool filled = false;
        for (int k = 0; k < kDays && !filled; ++k) {
            int day, period;
            cellOf(position + k, &day, &period);
            if (fillable(day, period)) {
                frame[day][period] = true;
                lastDay = day;
                lastOffset = (position + k) / kDays;
                position += k + 1;
                filled = true;
            }
        }
        if (filled)
            ++step;
        else
            position += kDays;
    }
    for (int day = lastDay + 1; lastOffset >= 0 && day <= kDays; ++day) {
        const int period = first[day] + lastOffset;
        if (period >= 0 && period < kPeriods && !forbidden[day][period])
            frame[day][period] = true;
    }
    return frame;
}

FeasibilityReport CheckFeasibility(db::Connection &c, qint64 curriculum, qint64 timetable, int periodsPerDay) {
    FeasibilityReport report;

    QMap<qint64, QString> classCode;
    {
        const auto rows =
            c.query(QStringLiteral("SELECT ODDELKI.ID, ODDELKI.OZNAKA FROM ODDELKI INNER JOIN "
                                   "ODDELKI_V_PREDMETNIKU ON ODDELKI.ID = ODDELKI_V_PREDMETNIKU.ID_ODDELKA "
                                   "WHERE ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA = ? ORDER BY ODDELKI.ID"),
                    {curriculum});
        for (int i = 0; i < rows.rowCount(); ++i)
            classCode[rows.integer(i, QStringLiteral("ID"))] = rows.text(i, QStringLiteral("OZNAKA"));
    }
    QMap<qint64, QVector<qint64>> groupClasses;
    {
        const auto rows = c.query(QStringLiteral("SELECT ID_SKUPINE, ID_ODDELKA FROM ODDELKI_V_SKUPINI "
                                                 "ORDER BY ID_SKUPINE, ID_ODDELKA"));
        for (int i = 0; i < rows.rowCount(); ++i)
            groupClasses[rows.integer(i, QStringLiteral("ID_SKUPINE"))].append(
                rows.integer(i, QStringLiteral("ID_ODDELKA")));
    }

    // Lesson units as the timetable loader forms them.
    QMap<QString, UnitRows> units;
    {
        const auto rows = c.query(
            QStringLiteral("SELECT RAZPORED.ID_SKUPINE_ODDELKOV, RAZPORED.ID_SKUPINE_PREDMETOV, RAZPORED.ID_TURNUSA, "
                           "RAZPORED.ID_UCITELJA, RAZPORED.ID_SKUPINE_PROSTOROV, PREDMETI_V_PROGRAMU.STEVILO_UR, "
                           "PREDMETI_V_PROGRAMU.DOLZINA_TERMINA "
                           "FROM PREDMETI_V_PROGRAMU INNER JOIN RAZPORED ON PREDMETI_V_PROGRAMU.ID_TURNUSA = "
                           "RAZPORED.ID_TURNUSA AND PREDMETI_V_PROGRAMU.ID_SKUPINE_PREDMETOV = "
                           "RAZPORED.ID_SKUPINE_PREDMETOV AND PREDMETI_V_PROGRAMU.ID_PROGRAMA = RAZPORED.ID_PROGRAMA "
                           "WHERE RAZPORED.ID_PREDMETNIKA = ? ORDER BY RAZPORED.ID"),
            {curriculum});
        for (int i = 0; i < rows.rowCount(); ++i) {
            const QString key = QStringLiteral("%1;%2;%3")
                                    .arg(rows.integer(i, QStringLiteral("ID_SKUPINE_ODDELKOV")))
                                    .arg(rows.integer(i, QStringLiteral("ID_SKUPINE_PREDMETOV")))
                                    .arg(rows.integer(i, QStringLiteral("ID_TURNUSA")));
            UnitRows &u = units[key];
            u.classGroup = rows.integer(i, QStringLiteral("ID_SKUPINE_ODDELKOV"));
            u.turnus = int(rows.integer(i, QStringLiteral("ID_TURNUSA")));
            u.subjectGroup = rows.integer(i, QStringLiteral("ID_SKUPINE_PREDMETOV"));
            u.periods = int(rows.integer(i, QStringLiteral("STEVILO_UR"), 0));
            u.length = int(rows.integer(i, QStringLiteral("DOLZINA_TERMINA"), 1));
            const qint64 teacher = rows.integer(i, QStringLiteral("ID_UCITELJA"));
            if (!u.teachers.contains(teacher))
                u.teachers.append(teacher);
            const qint64 room = rows.integer(i, QStringLiteral("ID_SKUPINE_PROSTOROV"), 0);
            if (room > 0)
                u.roomGroups.append(room);
        }
    }
    report.units = int(units.size());

    // Rooms each room group can use (nested named groups expanded).
    QSet<qint64> rooms, cabinets;
    {
        const auto rows = c.query(QStringLiteral("SELECT ID, KABINET FROM PROSTORI"));
        for (int i = 0; i < rows.rowCount(); ++i) {
            rooms.insert(rows.integer(i, QStringLiteral("ID")));
            if (rows.integer(i, QStringLiteral("KABINET"), 1) != 0)
                cabinets.insert(rows.integer(i, QStringLiteral("ID")));
        }
    }
    QMap<qint64, QVector<qint64>> members;
    {
        const auto rows = c.query(QStringLiteral("SELECT ID_SKUPINE, ID_PROSTORA FROM PROSTORI_V_SKUPINI"));
        for (int i = 0; i < rows.rowCount(); ++i)
            members[rows.integer(i, QStringLiteral("ID_SKUPINE"))].append(
                rows.integer(i, QStringLiteral("ID_PROSTORA")));
    }
    auto roomsOf = [&](qint64 group) {
        QSet<qint64> result, seen;
        QVector<qint64> todo{group};
        while (!todo.isEmpty()) {
            const qint64 g = todo.takeLast();
            if (seen.contains(g))
                continue;
            seen.insert(g);
            if (rooms.contains(g))
                result.insert(g);
            for (qint64 m : members.value(g))
                if (m != g)
                    todo.append(m);
        }
        return result;
    };

    const auto classForbidden = forbidden(c, QStringLiteral("PREPOVEDI_ODDELKOV"), QStringLiteral("ID_ODDELKA"));
    const auto teacherForbidden = forbidden(c, QStringLiteral("PREPOVEDI_UCITELJEV"), QStringLiteral("ID_UCITELJA"));
    const auto roomForbidden = forbidden(c, QStringLiteral("PREPOVEDI_PROSTOROV"), QStringLiteral("ID_PROSTORA"));

    const auto turnusi = c.query(QStringLiteral("SELECT ID, OZNAKA FROM TURNUSI WHERE ID <> 0 ORDER BY ID"));
    for (int ti = 0; ti < turnusi.rowCount(); ++ti) {
        const int turnus = int(turnusi.integer(ti, QStringLiteral("ID")));
        const QString label = QStringLiteral("Turnus %1: ").arg(turnusi.text(ti, QStringLiteral("OZNAKA")));

        // Class days from their first periods.
        QMap<qint64, std::array<int, 6>> firsts;
        QMap<qint64, DayCells> window;
        for (auto it = classCode.cbegin(); it != classCode.cend(); ++it) {
            std::array<int, 6> first{1, 1, 1, 1, 1, 1};
            DayCells cells = emptyCells();
            for (int d = 1; d <= kDays; ++d) {
                const QVariant v = c.scalar(QStringLiteral("SELECT PRVA_URA FROM ODDELKI_OKVIR WHERE ID_URNIKA = ? "
                                                           "AND ID_ODDELKA = ? AND DAN = ? AND ID_TURNUSA = ?"),
                                            {timetable, it.key(), d, turnus});
                if (v.isValid() && !v.isNull() && v.toInt() >= 0 && v.toInt() < kPeriods)
                    first[d] = v.toInt();
                for (int p = first[d]; p < std::min(kPeriods, first[d] + periodsPerDay); ++p)
                    cells[d][p] = true;
            }
            firsts[it.key()] = first;
            window[it.key()] = cells;
        }

        QMap<qint64, int> classLoad, teacherLoad, groupLoad;
        QMap<qint64, QSet<qint64>> teacherClasses;
        QVector<const UnitRows *> active;
        for (const auto &u : units) {
            if (u.turnus != 0 && u.turnus != turnus)
                continue;
            active.append(&u);
            groupLoad[u.classGroup] += u.periods;
            for (qint64 cls : groupClasses.value(u.classGroup))
                classLoad[cls] += u.periods;
            for (qint64 t : u.teachers) {
                teacherLoad[t] += u.periods;
                for (qint64 cls : groupClasses.value(u.classGroup))
                    teacherClasses[t].insert(cls);
            }
        }

        QMap<qint64, DayCells> frames;
        for (auto it = classLoad.cbegin(); it != classLoad.cend(); ++it) {
            const DayCells banned = classForbidden.value(it.key(), emptyCells());
            const int capacity = countCells(without(window.value(it.key(), emptyCells()), banned));
            report.maxClassLoad = std::max(report.maxClassLoad, it.value());
            if (it.value() > capacity)
                report.problems << label + QStringLiteral("enota %1 ima %2 ur, v okvirju je prostora za %3.")
                                               .arg(classCode.value(it.key(), QString::number(it.key())))
                                               .arg(it.value())
                                               .arg(capacity);
            frames[it.key()] = ClassFrame(firsts.value(it.key(), {1, 1, 1, 1, 1, 1}), banned, it.value());
        }
        for (auto it = groupLoad.cbegin(); it != groupLoad.cend(); ++it) {
            const auto classes = groupClasses.value(it.key());
            if (classes.size() < 2)
                continue;
            DayCells common = frames.value(classes.first(), emptyCells());
            for (qint64 cls : classes)
                for (int d = 1; d <= kDays; ++d)
                    for (int p = 0; p < kPeriods; ++p)
                        common[d][p] = common[d][p] && frames.value(cls, emptyCells())[d][p];
            const int capacity = countCells(common);
            if (it.value() > capacity)
                report.problems << label + QStringLiteral("skupina enot %1 ima %2 ur, skupnih ur v okvirjih je %3.")
                                               .arg(it.key())
                                               .arg(it.value())
                                               .arg(capacity);
        }
        for (auto it = teacherLoad.cbegin(); it != teacherLoad.cend(); ++it) {
            DayCells cells = emptyCells();
            for (qint64 cls : teacherClasses.value(it.key()))
                cells = unite(cells, frames.value(cls, emptyCells()));
            const int capacity = countCells(without(cells, teacherForbidden.value(it.key(), emptyCells())));
            report.maxTeacherLoad = std::max(report.maxTeacherLoad, it.value());
            if (it.value() > capacity)
                report.problems << label + QStringLiteral("učitelj %1 ima %2 ur, prostih je le %3.")
                                               .arg(it.key())
                                               .arg(it.value())
                                               .arg(capacity);
        }
        // Days: one block of a unit a day, on days where its classes and teachers can meet.
        for (const UnitRows *u : active) {
            int days = 0;
            for (int d = 1; d <= kDays; ++d) {
                bool open = false;
                for (int p = 0; p < kPeriods && !open; ++p) {
                    bool cellOpen = !groupClasses.value(u->classGroup).isEmpty();
                    for (qint64 cls : groupClasses.value(u->classGroup))
                        cellOpen = cellOpen && frames.value(cls, emptyCells())[d][p];
                    for (qint64 t : u->teachers)
                        cellOpen = cellOpen && !teacherForbidden.value(t, emptyCells())[d][p];
                    open = cellOpen;
                }
                days += open ? 1 : 0;
            }
            const int needed = DaysNeeded(u->periods, u->length);
            if (needed > days)
                report.problems << label + QStringLiteral("skupina enot %1 s skupino predmetov %2 potrebuje %3 dni, "
                                                          "na voljo jih je %4.")
                                               .arg(u->classGroup)
                                               .arg(u->subjectGroup)
                                               .arg(needed)
                                               .arg(days);
        }

        // Rooms: every requested group must hold the lessons that can only use its rooms, within
        // the frames of the classes of those lessons.
        QMap<qint64, QSet<qint64>> candidates;
        for (const UnitRows *u : active)
            for (qint64 g : u->roomGroups)
                if (!candidates.contains(g))
                    candidates[g] = roomsOf(g);
        for (auto g = candidates.cbegin(); g != candidates.cend(); ++g) {
            int demand = 0;
            DayCells when = emptyCells();
            for (const UnitRows *u : active)
                for (qint64 h : u->roomGroups)
                    if (candidates.value(h).subtract(g.value()).isEmpty()) {
                        demand += u->periods;
                        for (qint64 cls : groupClasses.value(u->classGroup))
                            when = unite(when, frames.value(cls, emptyCells()));
                    }
            int capacity = 0;
            for (qint64 room : g.value())
                capacity += countCells(without(when, roomForbidden.value(room, emptyCells())));
            if (capacity > 0) {
                report.maxRoomUse = std::max(report.maxRoomUse, double(demand) / capacity);
                if (QSet<qint64>(g.value()).subtract(cabinets).isEmpty())
                    report.maxCabinetUse = std::max(report.maxCabinetUse, double(demand) / capacity);
            }
            if (demand > capacity)
                report.problems << label + QStringLiteral("skupina prostorov %1 ima %2 ur, prostora je za %3.")
                                               .arg(g.key())
                                               .arg(demand)
                                               .arg(capacity);
        }
    }
    return report;
}

} // namespace zentrel::sample

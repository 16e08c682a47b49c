#include "SampleFeasibility.h"

#include <QMap>
#include <QSet>
#include <algorithm>
#include <array>

namespace zentrel::sample {

namespace {

constexpr int kDays = 5;
constexpr int kPeriods = 16;
using DayCells = std::array<std::array<bool, kPeriods>, kDays + 1>;

struct UnitRows {
    qint64 classGroup = 0;
    int turnus = 0;
    int periods = 0;
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

} // namespace

FeasibilityReport CheckFeasibility(db::Connection &c, qint64 curriculum, qint64 timetable, int periodsPerDay) {
    FeasibilityReport report;

    QMap<qint64, QString> classCode;
    {
        const auto rows = c.query(QStringLiteral("SELECT ODDELKI.ID, ODDELKI.OZNAKA FROM ODDELKI INNER JOIN "
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
            groupClasses[rows.integer(i, QStringLiteral("ID_SKUPINE"))].append(rows.integer(i, QStringLiteral("ID_ODDELKA")));
    }

    // Lesson units as the timetable loader forms them.
    QMap<QString, UnitRows> units;
    {
        const auto rows = c.query(
            QStringLiteral("SELECT RAZPORED.ID_SKUPINE_ODDELKOV, RAZPORED.ID_SKUPINE_PREDMETOV, RAZPORED.ID_TURNUSA, "
                           "RAZPORED.ID_UCITELJA, RAZPORED.ID_SKUPINE_PROSTOROV, PREDMETI_V_PROGRAMU.STEVILO_UR "
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
            u.periods = int(rows.integer(i, QStringLiteral("STEVILO_UR"), 0));
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
    QSet<qint64> rooms;
    {
        const auto rows = c.query(QStringLiteral("SELECT ID FROM PROSTORI"));
        for (int i = 0; i < rows.rowCount(); ++i)
            rooms.insert(rows.integer(i, QStringLiteral("ID")));
    }
    QMap<qint64, QVector<qint64>> members;
    {
        const auto rows = c.query(QStringLiteral("SELECT ID_SKUPINE, ID_PROSTORA FROM PROSTORI_V_SKUPINI"));
        for (int i = 0; i < rows.rowCount(); ++i)
            members[rows.integer(i, QStringLiteral("ID_SKUPINE"))].append(rows.integer(i, QStringLiteral("ID_PROSTORA")));
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
        QMap<qint64, DayCells> window;
        for (auto it = classCode.cbegin(); it != classCode.cend(); ++it) {
            DayCells cells = emptyCells();
            for (int d = 1; d <= kDays; ++d) {
                const QVariant first = c.scalar(QStringLiteral("SELECT PRVA_URA FROM ODDELKI_OKVIR WHERE ID_URNIKA = ? "
                                                               "AND ID_ODDELKA = ? AND DAN = ? AND ID_TURNUSA = ?"),
                                                {timetable, it.key(), d, turnus});
                const int start = first.isValid() && !first.isNull() ? first.toInt() : 1;
                for (int p = std::max(0, start); p < std::min(kPeriods, start + periodsPerDay); ++p)
                    cells[d][p] = true;
            }
            window[it.key()] = cells;
        }
        DayCells schoolDay = emptyCells();
        for (const auto &cells : window)
            for (int d = 1; d <= kDays; ++d)
                for (int p = 0; p < kPeriods; ++p)
                    schoolDay[d][p] = schoolDay[d][p] || cells[d][p];

        QMap<qint64, int> classLoad, teacherLoad;
        QMap<qint64, DayCells> teacherDay;
        QVector<const UnitRows *> active;
        for (const auto &u : units) {
            if (u.turnus != 0 && u.turnus != turnus)
                continue;
            active.append(&u);
            for (qint64 cls : groupClasses.value(u.classGroup))
                classLoad[cls] += u.periods;
            for (qint64 t : u.teachers) {
                teacherLoad[t] += u.periods;
                auto it = teacherDay.find(t);
                if (it == teacherDay.end())
                    it = teacherDay.insert(t, emptyCells());
                for (qint64 cls : groupClasses.value(u.classGroup))
                    for (int d = 1; d <= kDays; ++d)
                        for (int p = 0; p < kPeriods; ++p)
                            (*it)[d][p] = (*it)[d][p] || window.value(cls)[d][p];
            }
        }

        for (auto it = classLoad.cbegin(); it != classLoad.cend(); ++it) {
            DayCells cells = window.value(it.key(), emptyCells());
            const DayCells banned = classForbidden.value(it.key(), emptyCells());
            for (int d = 1; d <= kDays; ++d)
                for (int p = 0; p < kPeriods; ++p)
                    cells[d][p] = cells[d][p] && !banned[d][p];
            const int capacity = countCells(cells);
            report.maxClassLoad = std::max(report.maxClassLoad, it.value());
            if (it.value() > capacity)
                report.problems << label + QStringLiteral("enota %1 ima %2 ur, v okvirju je prostora za %3.")
                                               .arg(classCode.value(it.key(), QString::number(it.key())))
                                               .arg(it.value())
                                               .arg(capacity);
        }
        for (auto it = teacherLoad.cbegin(); it != teacherLoad.cend(); ++it) {
            DayCells cells = teacherDay.value(it.key());
            const DayCells banned = teacherForbidden.value(it.key(), emptyCells());
            for (int d = 1; d <= kDays; ++d)
                for (int p = 0; p < kPeriods; ++p)
                    cells[d][p] = cells[d][p] && !banned[d][p];
            const int capacity = countCells(cells);
            report.maxTeacherLoad = std::max(report.maxTeacherLoad, it.value());
            if (it.value() > capacity)
                report.problems << label + QStringLiteral("učitelj %1 ima %2 ur, prostih je le %3.")
                                               .arg(it.key())
                                               .arg(it.value())
                                               .arg(capacity);
        }

        // Rooms: every requested group must hold the lessons that can only use its rooms.
        QMap<qint64, QSet<qint64>> candidates;
        for (const UnitRows *u : active)
            for (qint64 g : u->roomGroups)
                if (!candidates.contains(g))
                    candidates[g] = roomsOf(g);
        for (auto g = candidates.cbegin(); g != candidates.cend(); ++g) {
            int demand = 0;
            for (const UnitRows *u : active)
                for (qint64 h : u->roomGroups)
                    if (candidates.value(h).subtract(g.value()).isEmpty())
                        demand += u->periods;
            int capacity = 0;
            for (qint64 room : g.value()) {
                const DayCells banned = roomForbidden.value(room, emptyCells());
                for (int d = 1; d <= kDays; ++d)
                    for (int p = 0; p < kPeriods; ++p)
                        capacity += schoolDay[d][p] && !banned[d][p] ? 1 : 0;
            }
            if (capacity > 0)
                report.maxRoomUse = std::max(report.maxRoomUse, double(demand) / capacity);
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

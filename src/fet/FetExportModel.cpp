#include "FetExportModel.h"

#include "core/Messages.h"
#include "db/MBaza.h"

#include <QMap>
#include <algorithm>
#include <functional>

namespace zentrel::fet {

using namespace core;

namespace {

// Names by identifier, made unique within their kind: FET tells records apart by name only.
class NameMap {
public:
    QString add(qint64 id, QString name) {
        name = name.trimmed().isEmpty() ? QString::number(id) : name.trimmed();
        const QString base = name;
        for (int n = 2; m_used.contains(name); ++n)
            name = QStringLiteral("%1 (%2)").arg(base).arg(n);
        m_used.insert(name);
        m_names.insert(id, name);
        m_order << name;
        return name;
    }
    QString operator[](qint64 id) const { return m_names.value(id); }
    bool contains(qint64 id) const { return m_names.contains(id); }
    const QStringList &order() const { return m_order; }

private:
    QSet<QString> m_used;
    QHash<qint64, QString> m_names;
    QStringList m_order;
};

qint64 id(const db::RowSet &rows, int r, int column) {
    const QVariant v = rows.value(r, column);
    return v.isNull() ? 0 : v.toLongLong();
}

} // namespace

bool LoadExportModel(db::Connection &c, const FetExportOptions &o, FetExportModel *m) {
    const QVariant curriculumValue =
        c.scalar(QStringLiteral("SELECT ID_PREDMETNIKA FROM URNIKI WHERE ID = ?"), {o.timetable});
    if (!curriculumValue.isValid()) {
        ShowMessage(MsgError, QStringLiteral("V projektu ni urnika #."), o.timetable);
        return false;
    }
    if (!c.scalar(QStringLiteral("SELECT ID FROM TURNUSI WHERE ID = ?"), {o.turnus}).isValid()) {
        ShowMessage(MsgError, QStringLiteral("V projektu ni turnusa #."), o.turnus);
        return false;
    }
    const qint64 curriculum = curriculumValue.toLongLong();
    bool ok = true;
    auto query = [&](const QString &sql, const QVariantList &values = {}) {
        db::RowSet rows = c.query(sql, values);
        if (c.lastError().isError())
            ok = false;
        return rows;
    };
    m->school = c.scalar(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT = 'Ime_Sole'")).toString();

    NameMap hours, teachers, subjects, buildings, rooms, classes;
    const db::RowSet ure = query(QStringLiteral("SELECT URA, OZNAKA FROM URE WHERE URA BETWEEN 0 AND 15 ORDER BY URA"));
    for (int r = 0; r < ure.rowCount(); ++r)
        hours.add(id(ure, r, 0), ure.value(r, 1).toString());
    m->hours = hours.order();
    const db::RowSet u = query(QStringLiteral("SELECT ID, OZNAKA FROM UCITELJI ORDER BY ID"));
    for (int r = 0; r < u.rowCount(); ++r)
        teachers.add(id(u, r, 0), u.value(r, 1).toString());
    const db::RowSet p = query(QStringLiteral("SELECT ID, OZNAKA FROM PREDMETI ORDER BY ID"));
    for (int r = 0; r < p.rowCount(); ++r)
        subjects.add(id(p, r, 0), p.value(r, 1).toString());
    const db::RowSet s = query(QStringLiteral("SELECT ID, OZNAKA FROM STAVBE ORDER BY ID"));
    for (int r = 0; r < s.rowCount(); ++r)
        buildings.add(id(s, r, 0), s.value(r, 1).toString());
    const db::RowSet pr = query(QStringLiteral("SELECT ID, OZNAKA, ID_STAVBE FROM PROSTORI ORDER BY ID"));
    for (int r = 0; r < pr.rowCount(); ++r)
        m->rooms.append({rooms.add(id(pr, r, 0), pr.value(r, 1).toString()), buildings[id(pr, r, 2)], -1, false});
    const db::RowSet o1 = query(QStringLiteral("SELECT ID, OZNAKA FROM ODDELKI ORDER BY ID"));
    for (int r = 0; r < o1.rowCount(); ++r)
        classes.add(id(o1, r, 0), o1.value(r, 1).toString());
    m->teachers = teachers.order();
    m->subjects = subjects.order();
    m->buildings = buildings.order();

    // Members: classes of each class group, single rooms of each room group (groups may hold groups).
    QHash<qint64, QStringList> classesOfGroup;
    const db::RowSet ovs = query(QStringLiteral("SELECT ID_SKUPINE, ID_ODDELKA FROM ODDELKI_V_SKUPINI ORDER BY ID_ODDELKA"));
    for (int r = 0; r < ovs.rowCount(); ++r)
        if (classes.contains(id(ovs, r, 1)))
            classesOfGroup[id(ovs, r, 0)] << classes[id(ovs, r, 1)];
    QMultiHash<qint64, qint64> roomMembers;
    const db::RowSet pvs = query(QStringLiteral("SELECT ID_SKUPINE, ID_PROSTORA FROM PROSTORI_V_SKUPINI"));
    for (int r = 0; r < pvs.rowCount(); ++r)
        roomMembers.insert(id(pvs, r, 0), id(pvs, r, 1));
    std::function<void(qint64, QSet<qint64> &, QStringList &)> roomsOf = [&](qint64 g, QSet<qint64> &seen,
                                                                             QStringList &out) {
        if (seen.contains(g))
            return;
        seen.insert(g);
        if (rooms.contains(g)) {
            out << rooms[g];
            return;
        }
        for (qint64 member : roomMembers.values(g))
            roomsOf(member, seen, out);
    };

    // Forbidden periods.
    auto forbidden = [&](const QString &table, const QString &column, const NameMap &names,
                         QHash<QString, QSet<Cell>> &out) {
        const db::RowSet rows = query(QStringLiteral("SELECT %1, DAN, URA FROM %2").arg(column, table));
        for (int r = 0; r < rows.rowCount(); ++r) {
            const int day = int(id(rows, r, 1)), hour = int(id(rows, r, 2));
            if (names.contains(id(rows, r, 0)) && day >= 1 && day <= 5 && hour >= 0 && hour < m->hours.size())
                out[names[id(rows, r, 0)]].insert({day - 1, hour});
        }
    };
    forbidden(QStringLiteral("PREPOVEDI_UCITELJEV"), QStringLiteral("ID_UCITELJA"), teachers, m->teacherOff);
    forbidden(QStringLiteral("PREPOVEDI_PROSTOROV"), QStringLiteral("ID_PROSTORA"), rooms, m->roomOff);
    forbidden(QStringLiteral("PREPOVEDI_ODDELKOV"), QStringLiteral("ID_ODDELKA"), classes, m->classOff);

    // Lesson units of the turnus and of every week, their entries in assignment order.
    const db::RowSet a = query(
        QStringLiteral("SELECT R.ID, R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, R.ID_UCITELJA, "
                       "R.ID_PREDMETA, R.ID_SKUPINE_PROSTOROV, P.STEVILO_UR, P.DOLZINA_TERMINA FROM RAZPORED R "
                       "INNER JOIN PREDMETI_V_PROGRAMU P ON P.ID_PROGRAMA = R.ID_PROGRAMA "
                       "AND P.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND P.ID_TURNUSA = R.ID_TURNUSA "
                       "WHERE R.ID_PREDMETNIKA = ? AND (R.ID_TURNUSA = ? OR R.ID_TURNUSA = 0) "
                       "ORDER BY R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA, R.ID"),
        {curriculum, o.turnus});
    QMap<std::tuple<qint64, qint64, qint64>, int> unitIndex;
    QHash<qint64, QPair<int, int>> entryOf; // assignment -> (unit, entry)
    for (int r = 0; r < a.rowCount(); ++r) {
        const auto key = std::make_tuple(id(a, r, 1), id(a, r, 2), id(a, r, 3));
        if (!unitIndex.contains(key)) {
            ExportUnit unit;
            unit.students = classesOfGroup.value(id(a, r, 1));
            unit.periods = int(id(a, r, 7));
            unit.length = qMax(1, int(id(a, r, 8)));
            unitIndex.insert(key, int(m->units.size()));
            m->units << unit;
        }
        ExportUnit &unit = m->units[unitIndex.value(key)];
        ExportEntry entry;
        entry.teacher = teachers[id(a, r, 4)];
        entry.subject = subjects[id(a, r, 5)];
        if (const qint64 group = id(a, r, 6)) {
            QSet<qint64> seen;
            roomsOf(group, seen, entry.rooms);
        }
        entryOf.insert(id(a, r, 0), {unitIndex.value(key), int(unit.entries.size())});
        unit.entries << entry;
    }
    // A unit without classes has no students to give FET; it is left out.
    m->units.erase(std::remove_if(m->units.begin(), m->units.end(),
                                  [](const ExportUnit &x) { return x.students.isEmpty() || x.periods <= 0; }),
                   m->units.end());

    if (o.withTimetable) {
        const db::RowSet t = query(QStringLiteral("SELECT ID_RAZPOREDA, DAN, URA, ID_PROSTORA FROM TERMINI "
                                                  "WHERE ID_URNIKA = ? AND ID_TURNUSA = ? ORDER BY DAN, URA"),
                                   {o.timetable, o.turnus});
        for (int r = 0; r < t.rowCount(); ++r) {
            if (!entryOf.contains(id(t, r, 0)))
                continue;
            const auto [unit, entry] = entryOf.value(id(t, r, 0));
            if (unit >= m->units.size())
                continue;
            const Cell cell{int(id(t, r, 1)) - 1, int(id(t, r, 2))};
            if (cell.first < 0 || cell.first > 4 || cell.second < 0 || cell.second >= m->hours.size())
                continue;
            ExportUnit &x = m->units[unit];
            if (!x.placed.contains(cell))
                x.placed << cell;
            if (const qint64 room = id(t, r, 3); rooms.contains(room))
                x.entries[entry].placedRooms.insert(cell, rooms[room]);
        }
    }

    // Classes of the curriculum, each with its frame.
    const db::RowSet k = query(QStringLiteral("SELECT ID_ODDELKA FROM ODDELKI_V_PREDMETNIKU WHERE ID_PREDMETNIKA = ? "
                                              "ORDER BY ID_ODDELKA"),
                               {curriculum});
    QHash<QString, int> weekly;
    for (const ExportUnit &x : std::as_const(m->units))
        for (const QString &cls : x.students)
            weekly[cls] += x.periods;
    for (int r = 0; r < k.rowCount(); ++r)
        if (classes.contains(id(k, r, 0)))
            m->classes << classes[id(k, r, 0)];
    for (const QString &cls : weekly.keys())
        if (!m->classes.contains(cls))
            m->classes << cls;
    const db::RowSet f = query(QStringLiteral("SELECT ID_ODDELKA, DAN, PRVA_URA FROM ODDELKI_OKVIR "
                                              "WHERE ID_URNIKA = ? AND ID_TURNUSA = ?"),
                               {o.timetable, o.turnus});
    QHash<QString, QHash<int, int>> first;
    for (int r = 0; r < f.rowCount(); ++r)
        if (classes.contains(id(f, r, 0)))
            first[classes[id(f, r, 0)]].insert(int(id(f, r, 1)) - 1, int(id(f, r, 2)));
    // The frame: the week's periods spread over the days from each day's first period on,
    // forbidden periods passed over; what lies outside is not available to the class.
    for (const QString &cls : std::as_const(m->classes)) {
        const int perDay = (weekly.value(cls) + 4) / 5;
        QSet<Cell> &off = m->classOff[cls];
        for (int day = 0; day < 5; ++day) {
            int taken = 0;
            for (int hour = 0; hour < m->hours.size(); ++hour) {
                const Cell cell{day, hour};
                if (off.contains(cell))
                    continue;
                if (hour < first.value(cls).value(day, 0) || taken >= perDay)
                    off.insert(cell);
                else
                    ++taken;
            }
        }
    }
    if (!ok)
        ShowErrorMessage(QStringLiteral("Izvoz v datoteko FET ni uspel."), c.lastError());
    return ok;
}

} // namespace zentrel::fet

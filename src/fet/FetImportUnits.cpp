#include "FetImportPlan.h"

#include <QVariant>

namespace zentrel::fet {

namespace {
const QVariant Null;

int groupKey(const FetActivity &a) {
    return a.groupId != 0 ? a.groupId : a.id;
}
} // namespace

void FetImportPlan::makeUnits() {
    QVector<int> order;
    QHash<int, QVector<const FetActivity *>> groups;
    int inactive = 0;
    for (const FetActivity &a : m_doc.activities) {
        if (!a.active) {
            ++inactive;
            continue;
        }
        if (a.students.isEmpty())
            continue; // joins a unit in addMergedActivities, or is reported there
        const int key = groupKey(a);
        if (!groups.contains(key))
            order << key;
        groups[key] << &a;
    }
    if (inactive)
        m_report->skip(QStringLiteral("izklopljene aktivnosti"), inactive);
    for (int key : std::as_const(order)) {
        const QVector<const FetActivity *> &components = groups.value(key);
        const FetActivity &lead = *components.first();
        const QVector<qint64> classes = classesOf(lead.students);
        if (classes.isEmpty()) {
            m_report->skip(QStringLiteral("aktivnosti učencev brez enot"), int(components.size()));
            continue;
        }
        // One unit per component length: a unit's blocks all have the same length.
        QMap<int, QVector<int>> byDuration;
        for (const FetActivity *a : components)
            byDuration[a->duration] << a->id;
        for (auto it = byDuration.cbegin(); it != byDuration.cend(); ++it) {
            Unit u;
            u.classes = classes;
            u.students = lead.students;
            u.subject = subjectId(lead.subject);
            u.length = it.key();
            u.components = it.value();
            QStringList teachers = lead.teachers;
            teachers.removeDuplicates();
            if (teachers.isEmpty())
                teachers << QString();
            for (int i = 0; i < teachers.size(); ++i) {
                Entry e;
                e.teacher = teachers[i].isEmpty() ? 0 : teacherId(teachers[i]);
                e.subject = u.subject;
                e.activities = u.components;
                e.origin = key;
                if (i == 0)
                    for (int c : std::as_const(u.components))
                        e.rooms += roomsOfActivity(c);
                u.entries << e;
            }
            for (int c = 0; c < u.components.size(); ++c)
                m_unitOfActivity.insert(u.components[c], {int(m_units.size()), c});
            m_units << u;
        }
    }
}

void FetImportPlan::addMergedActivities() {
    int alone = 0;
    for (const FetActivity &a : m_doc.activities) {
        if (!a.active || !a.students.isEmpty())
            continue;
        const int target = m_mergeInto.value(a.id);
        if (!m_unitOfActivity.contains(target)) {
            ++alone;
            continue;
        }
        const auto [unitIndex, component] = m_unitOfActivity.value(target);
        Unit &unit = m_units[unitIndex];
        QStringList teachers = a.teachers;
        if (teachers.isEmpty())
            teachers << QString();
        for (int i = 0; i < teachers.size(); ++i) {
            const qint64 teacher = teachers[i].isEmpty() ? 0 : teacherId(teachers[i]);
            Entry *entry = nullptr;
            for (Entry &e : unit.entries)
                if (e.teacher == teacher && (teacher != 0 || e.origin == groupKey(a)))
                    entry = &e;
            if (!entry) {
                unit.entries.append(Entry());
                entry = &unit.entries.last();
                entry->teacher = teacher;
                entry->subject = subjectId(a.subject);
                entry->origin = groupKey(a);
                entry->activities.fill(0, unit.components.size());
            }
            if (entry->origin != groupKey(a))
                continue; // the teacher already teaches the unit
            entry->activities[component] = a.id;
            if (i == 0)
                entry->rooms += roomsOfActivity(a.id);
        }
    }
    if (alone)
        m_report->skip(QStringLiteral("aktivnosti brez učencev"), alone);
}

void FetImportPlan::writeUnits() {
    QSet<QPair<qint64, qint64>> teaches;
    for (Unit &u : m_units) {
        const qint64 group = classGroupOf(u.classes, u.students);
        qint64 programme = m_programmeOf.value(group);
        if (!programme) {
            // Each class group follows a programme of its own.
            programme = m_nextProgramme++;
            const QString name = u.students.join(QStringLiteral(", "));
            m_rows.add(QStringLiteral("PROGRAMI"), {programme, name.left(10), name, CurriculumId});
            m_rows.add(QStringLiteral("PROGRAM_SKUPINE"), {group, CurriculumId, programme});
            m_programmeOf.insert(group, programme);
        }
        // A unit teaches its subject in the subject's own group, unless the same students have a
        // unit of it already or its entries teach several subjects: then in a group of its own.
        QVector<qint64> subjects{u.subject};
        for (const Entry &e : std::as_const(u.entries))
            if (!subjects.contains(e.subject))
                subjects << e.subject;
        qint64 subjectGroup = u.subject;
        QHash<qint64, qint64> pvs{{u.subject, m_ownPvs.value(u.subject)}};
        if (subjects.size() > 1 || m_usedSubjects.contains({group, u.subject})) {
            subjectGroup = m_nextSubjectGroup++;
            QStringList names;
            for (qint64 s : std::as_const(subjects))
                names << m_subjectId.key(s);
            const QString name =
                QStringLiteral("%1, %2").arg(names.join(QStringLiteral("/")), u.students.join(QStringLiteral(", ")));
            m_rows.add(QStringLiteral("SKUPINE_PREDMETOV"),
                       {subjectGroup, m_subjectGroupCodes.code(name), name, CurriculumId});
            for (qint64 s : std::as_const(subjects)) {
                pvs.insert(s, m_nextPvs);
                m_rows.add(QStringLiteral("PREDMETI_V_SKUPINI"), {m_nextPvs++, subjectGroup, s});
            }
        }
        m_usedSubjects.insert({group, u.subject});
        m_rows.add(QStringLiteral("PREDMETI_V_PROGRAMU"),
                   {programme, subjectGroup, 0, int(u.components.size()) * u.length, u.length, 2});
        for (Entry &e : u.entries) {
            e.assignment = m_nextAssignment++;
            e.roomGroup = roomGroupOf(e.rooms);
            m_rows.add(QStringLiteral("RAZPORED"),
                       {e.assignment, CurriculumId, group, programme, subjectGroup, e.subject,
                        e.teacher ? QVariant(e.teacher) : Null, e.roomGroup ? QVariant(e.roomGroup) : Null, 0,
                        pvs.value(e.subject)});
            if (e.teacher && !teaches.contains({e.teacher, e.subject})) {
                teaches.insert({e.teacher, e.subject});
                m_rows.add(QStringLiteral("UCITELJ_PREDMET"), {e.teacher, e.subject});
            }
        }
    }
    m_report->add(QStringLiteral("skupine enot"), int(m_classGroups.size()));
    m_report->add(QStringLiteral("skupine prostorov"), int(m_roomGroups.size()));
    m_report->add(QStringLiteral("učne enote"), int(m_units.size()));
    m_report->add(QStringLiteral("razporedi (učitelj v učni enoti)"), m_rows.rowCount(QStringLiteral("RAZPORED")));
    m_report->add(QStringLiteral("prepovedi učiteljev"), m_rows.rowCount(QStringLiteral("PREPOVEDI_UCITELJEV")));
    m_report->add(QStringLiteral("prepovedi enot"), m_rows.rowCount(QStringLiteral("PREPOVEDI_ODDELKOV")));
    m_report->add(QStringLiteral("prepovedi prostorov"), m_rows.rowCount(QStringLiteral("PREPOVEDI_PROSTOROV")));
}

bool FetImportPlan::placeBlock(const Unit &unit, int component, const Placement &p) {
    if (p.day > m_doc.days.size() || p.hour + unit.length > m_doc.hours.size())
        return false;
    QStringList cells; // "kind/id/day/hour" the block takes
    // Whether a class ('o'), teacher ('u') or room ('p') is free and allowed in every period of
    // the block; taken then.
    auto take = [&](char kind, const QString &forbiddenTable, qint64 id) {
        QStringList mine;
        for (int h = p.hour; h < p.hour + unit.length; ++h) {
            const QString at = QStringLiteral("/%1/%2/%3").arg(id).arg(p.day).arg(h);
            const QString cell = QString(QLatin1Char(kind)) + at;
            if (m_forbidden.contains(forbiddenTable + at) || m_occupied.contains(cell) || cells.contains(cell))
                return false;
            mine << cell;
        }
        cells += mine;
        return true;
    };
    for (qint64 c : unit.classes)
        if (!take('o', QStringLiteral("PREPOVEDI_ODDELKOV"), c))
            return false;
    QVector<qint64> rooms;
    for (const Entry &e : unit.entries) {
        if (e.teacher && !take('u', QStringLiteral("PREPOVEDI_UCITELJEV"), e.teacher))
            return false;
        qint64 room = 0;
        if (e.roomGroup) {
            // The room the file gives the block, else the first free room of the entry's rooms.
            const QString placed = m_placedRoom.value(e.activities.value(component));
            QStringList candidates = placed.isEmpty() ? e.rooms : QStringList{placed};
            candidates.removeDuplicates();
            for (const QString &r : std::as_const(candidates))
                if (take('p', QStringLiteral("PREPOVEDI_PROSTOROV"), roomId(r))) {
                    room = roomId(r);
                    break;
                }
            if (!room)
                return false;
        }
        rooms << room;
    }
    for (const QString &cell : std::as_const(cells))
        m_occupied.insert(cell);
    for (int i = 0; i < unit.entries.size(); ++i)
        for (int h = p.hour; h < p.hour + unit.length; ++h)
            m_rows.add(QStringLiteral("TERMINI"),
                       {m_nextLesson++, TimetableId, unit.entries[i].assignment, rooms[i] ? QVariant(rooms[i]) : Null,
                        p.day, h, p.locked ? QStringLiteral("s") : QStringLiteral("r"), TimetableTurnus});
    return true;
}

void FetImportPlan::writeTimetable() {
    int placed = 0, locked = 0, refused = 0;
    for (const Unit &u : std::as_const(m_units))
        for (int c = 0; c < u.components.size(); ++c) {
            if (!m_placement.contains(u.components[c]))
                continue;
            const Placement p = m_placement.value(u.components[c]);
            if (placeBlock(u, c, p)) {
                ++placed;
                locked += p.locked ? 1 : 0;
            } else {
                ++refused;
            }
        }
    m_report->add(QStringLiteral("aktivnosti, postavljene v urnik"), placed);
    m_report->add(QStringLiteral("od tega zaklenjene"), locked);
    if (refused)
        m_report->skip(QStringLiteral("postavitve, ki se prekrivajo ali padejo na prepovedan čas"), refused);
}

} // namespace zentrel::fet

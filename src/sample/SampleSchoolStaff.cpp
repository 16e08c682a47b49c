// Rooms, teachers and teaching assignments of the sample school.
#include "SampleFeasibility.h"
#include "SampleNames.h"
#include "SampleSchoolBuilder.h"

#include <algorithm>
#include <cmath>

namespace zentrel::sample {

namespace {

const QVariant Null;

struct PoolSpec {
    RoomPool pool;
    const char *code;
    const char *name;
    int building;
    int base;           // rooms of the pool in the smallest school
    double plannedLoad; // periods a week one room of the pool is planned for
};

const PoolSpec kPools[] = {
    {RoomPool::Language, "JEZ", "Jezikovna učilnica", 1, 1, 21.0},
    {RoomPool::Art, "LIK", "Likovna učilnica", 1, 1, 21.0},
    {RoomPool::Music, "GLA", "Glasbena učilnica", 1, 1, 21.0},
    {RoomPool::Lab, "NAR", "Naravoslovna učilnica", 1, 1, 21.0},
    {RoomPool::Physics, "FIZ", "Fizikalna učilnica", 1, 1, 21.0},
    {RoomPool::Computer, "RAČ", "Računalniška učilnica", 1, 1, 21.0},
    {RoomPool::Gym, "TV", "Telovadnica", 2, 2, 24.0},
    {RoomPool::Tech, "TEH", "Tehnična delavnica", 2, 1, 21.0},
    {RoomPool::Kitchen, "KUH", "Gospodinjska učilnica", 2, 1, 21.0},
};

// A specialist room is planned for well below the 5 x 7 periods it could hold: the lessons of
// the upper grades fall into frames of some 26 to 30 periods, and the timetable needs freedom
// where lessons of several classes meet. Gyms serve the lower grades too and fill up more.
// Periods a subject teacher is planned for (the weekly teaching duty is about 22).
constexpr double kPlannedTeacherLoad = 17.0;
constexpr int kPreferredTeacherLoad = 22;

} // namespace

void SampleSchoolBuilder::makeRooms() {
    m_tables.add(QStringLiteral("STAVBE"), {1, QStringLiteral("GS"), QStringLiteral("Glavna stavba")});
    m_tables.add(QStringLiteral("STAVBE"), {2, QStringLiteral("ŠD"), QStringLiteral("Športna dvorana z delavnicami")});

    qint64 nextRoom = 1;
    auto addRoom = [&](const QString &code, const QString &name, int building, bool cabinet) {
        const qint64 id = nextRoom++;
        m_tables.add(QStringLiteral("PROSTORI"), {id, code, name, building, cabinet ? 1 : 0});
        m_tables.add(QStringLiteral("SKUPINE_PROSTOROV"), {id, code, name});
        m_tables.add(QStringLiteral("PROSTORI_V_SKUPINI"), {id, id});
        return id;
    };
    for (int i = 0; i < m_classes.size(); ++i)
        m_classes[i].room = addRoom(QStringLiteral("U%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                                    QStringLiteral("Učilnica %1").arg(m_classes[i].code), 1, false);
    // The library holds no lessons; as a cabinet it stays out of the pool of free classrooms.
    addRoom(QStringLiteral("KNJ"), QStringLiteral("Šolska knjižnica"), 1, true);

    // Demand of each pool in periods per week; lessons in either science room count half to each.
    QMap<RoomPool, double> demand;
    for (const auto &u : m_units)
        for (const auto &e : u.entries) {
            if (e.pool == RoomPool::Science) {
                demand[RoomPool::Lab] += u.periods / 2.0;
                demand[RoomPool::Physics] += u.periods / 2.0;
            } else {
                demand[e.pool] += u.periods;
            }
        }
    for (const auto &entry : kPools) {
        const int count = std::max(entry.base, int(std::ceil(demand.value(entry.pool) / entry.plannedLoad)));
        const QString code = QString::fromUtf8(entry.code), name = QString::fromUtf8(entry.name);
        for (int i = 0; i < count; ++i) {
            QString roomCode = i == 0 ? code : code + QString::number(i + 1);
            QString roomName = i == 0 ? name : name + QLatin1Char(' ') + QString::number(i + 1);
            if (entry.pool == RoomPool::Gym) {
                roomCode = code + QString::number(i + 1);
                roomName = i == 0   ? QStringLiteral("Velika telovadnica")
                           : i == 1 ? QStringLiteral("Mala telovadnica")
                                    : QStringLiteral("Telovadnica %1").arg(i + 1);
            }
            m_poolRooms[entry.pool].append(addRoom(roomCode, roomName, entry.building, true));
        }
    }

    // Named groups: a pool of several rooms, and the two science rooms together.
    qint64 nextGroup = nextRoom;
    auto addGroup = [&](const QString &code, const QString &name, const QVector<qint64> &members) {
        const qint64 id = nextGroup++;
        m_tables.add(QStringLiteral("SKUPINE_PROSTOROV"), {id, code, name});
        for (qint64 room : members)
            m_tables.add(QStringLiteral("PROSTORI_V_SKUPINI"), {room, id});
        return id;
    };
    for (const auto &entry : kPools) {
        const auto &rooms = m_poolRooms[entry.pool];
        if (rooms.size() == 1) {
            m_poolGroup[entry.pool] = rooms.first();
        } else if (entry.pool == RoomPool::Gym) {
            m_poolGroup[entry.pool] = addGroup(QStringLiteral("$TELOV"), QStringLiteral("Telovadnice"), rooms);
        } else {
            m_poolGroup[entry.pool] = addGroup(QLatin1Char('$') + QString::fromUtf8(entry.code),
                                              QString::fromUtf8(entry.name) + QStringLiteral(" (vse)"), rooms);
        }
    }
    m_poolGroup[RoomPool::Science] = addGroup(QStringLiteral("$NARAV"), QStringLiteral("Naravoslovne učilnice"),
                                              m_poolRooms[RoomPool::Lab] + m_poolRooms[RoomPool::Physics]);

    for (auto &u : m_units)
        for (auto &e : u.entries)
            e.roomGroup = e.pool == RoomPool::Home   ? m_classes[e.homeClass].room
                          : e.pool == RoomPool::None ? 0
                                                     : m_poolGroup.value(e.pool);
}

int SampleSchoolBuilder::newTeacher(const QString &family, bool female) {
    TeacherInfo t;
    t.id = m_teachers.size() + 1;
    t.family = family;
    t.female = female;
    // One English teacher comes from the coast; the apostrophe in the name travels everywhere.
    const bool coastal = family == QLatin1String("TJA") &&
                         std::none_of(m_teachers.begin(), m_teachers.end(),
                                      [](const TeacherInfo &o) { return o.family == QLatin1String("TJA"); });
    const QStringList &firstNames = female ? AdultFemaleNames() : AdultMaleNames();
    do {
        t.first = firstNames[m_random.below(int(firstNames.size()))];
        t.last = coastal ? QStringLiteral("D'Agostin") : Surnames()[m_random.below(int(Surnames().size()))];
    } while (m_usedNames.contains(t.first + QLatin1Char(' ') + t.last));
    m_usedNames.insert(t.first + QLatin1Char(' ') + t.last);
    const QString base = t.last.left(3) + t.first.left(1);
    t.code = base;
    for (int n = 2; m_usedCodes.contains(t.code); ++n)
        t.code = base + QString::number(n);
    m_usedCodes.insert(t.code);
    m_teachers.append(t);
    return int(m_teachers.size()) - 1;
}

void SampleSchoolBuilder::giveSubject(TeacherInfo &teacher, int subject) {
    const auto it = std::lower_bound(teacher.subjects.begin(), teacher.subjects.end(), subject);
    if (it == teacher.subjects.end() || *it != subject)
        teacher.subjects.insert(it, subject);
}

void SampleSchoolBuilder::makeTeachers() {
    // Grades 1 to 5: one class teacher per class; grade 1 also has a second teacher.
    QMap<int, int> secondTeacher;
    for (int c = 0; c < m_classes.size(); ++c)
        if (m_classes[c].grade <= 5)
            m_classes[c].teacher = newTeacher(QStringLiteral("RAZ"), m_random.chance(85));
    for (int c = 0; c < m_classes.size(); ++c)
        if (m_classes[c].grade == 1)
            secondTeacher[c] = newTeacher(QStringLiteral("DRUGI"), m_random.chance(90));

    assignFamilyTeachers();
    chooseUpperClassTeachers();

    for (auto &u : m_units)
        for (auto &e : u.entries) {
            if (e.family == QLatin1String("RAZ"))
                e.teacher = m_classes[u.classes.first()].teacher;
            else if (e.family == QLatin1String("DRUGI"))
                e.teacher = secondTeacher.value(u.classes.first());
            else
                continue;
            m_teachers[e.teacher].load += u.periods;
        }
    for (const auto &u : m_units)
        for (const auto &e : u.entries)
            giveSubject(m_teachers[e.teacher], e.subject);

    // Staff without lessons in the timetable: after-school care, counselling, library.
    for (int i = 0; i < m_options.classesPerGrade; ++i)
        newTeacher(QStringLiteral("OPB"), m_random.chance(80));
    newTeacher(QStringLiteral("SVET"), true);
    newTeacher(QStringLiteral("KNJ"), m_random.chance(70));
}

void SampleSchoolBuilder::assignFamilyTeachers() {
    const QStringList families{QStringLiteral("SLJ"), QStringLiteral("MAT"),   QStringLiteral("TJA"),
                               QStringLiteral("LUM"), QStringLiteral("GUM"),   QStringLiteral("GEO"),
                               QStringLiteral("ZGO"), QStringLiteral("NAR"),   QStringLiteral("KEM"),
                               QStringLiteral("TIT"), QStringLiteral("ŠPO-Ž"), QStringLiteral("ŠPO-M")};
    QMap<QString, QVector<int>> teachersOf;
    for (const QString &family : families) {
        double demand = 0;
        int together = 0; // most entries of the family in one unit: they need different teachers
        for (const auto &u : m_units) {
            int inUnit = 0;
            for (const auto &e : u.entries)
                if (e.family == family) {
                    demand += u.periods;
                    ++inUnit;
                }
            together = std::max(together, inUnit);
        }
        const int count = std::max(together, int(std::ceil(demand / kPlannedTeacherLoad)));
        for (int i = 0; i < count; ++i) {
            const bool female = family == QStringLiteral("ŠPO-Ž")   ? true
                                : family == QStringLiteral("ŠPO-M") ? false
                                                                    : m_random.chance(72);
            teachersOf[family].append(newTeacher(family, female));
        }
    }

    // A class keeps its teacher of a family where the load allows; otherwise the least loaded
    // teacher of the family who is not already teaching another part of the same lesson.
    QMap<QString, int> keep; // "class;family;part" -> teacher
    for (auto &u : m_units) {
        QVector<int> used;
        QMap<QString, int> part;
        for (auto &e : u.entries) {
            if (!teachersOf.contains(e.family))
                continue;
            const QString key = QStringLiteral("%1;%2;%3").arg(u.classes.first()).arg(e.family).arg(part[e.family]++);
            int chosen = keep.value(key, -1);
            if (chosen >= 0 && (used.contains(chosen) || m_teachers[chosen].load + u.periods > kPreferredTeacherLoad))
                chosen = -1;
            if (chosen < 0)
                for (int t : teachersOf[e.family])
                    if (!used.contains(t) && (chosen < 0 || m_teachers[t].load < m_teachers[chosen].load))
                        chosen = t;
            keep[key] = chosen;
            used.append(chosen);
            e.teacher = chosen;
            m_teachers[chosen].load += u.periods;
        }
    }

    // Teachers of the electives: German by the English teachers, the rest by the family.
    for (const auto &s : Subjects()) {
        if (!s.elective)
            continue;
        const QString family = ElectiveFamily(s.code);
        QVector<int> teachers;
        if (family == QLatin1String("NEM"))
            teachers = teachersOf.value(QStringLiteral("TJA")).mid(0, 2);
        else if (family == QStringLiteral("ŠPO"))
            teachers = teachersOf.value(QStringLiteral("ŠPO-Ž")) + teachersOf.value(QStringLiteral("ŠPO-M"));
        else
            teachers = teachersOf.value(family);
        for (int t : teachers)
            giveSubject(m_teachers[t], SubjectIndex(s.code));
    }
    // Every teacher of a family may teach all its subjects.
    for (const QString &family : families) {
        QVector<int> subjects;
        for (const auto &u : m_units)
            for (const auto &e : u.entries)
                if (e.family == family && !subjects.contains(e.subject))
                    subjects.append(e.subject);
        for (int t : teachersOf[family])
            for (int s : subjects)
                giveSubject(m_teachers[t], s);
    }
}

void SampleSchoolBuilder::chooseUpperClassTeachers() {
    QVector<bool> isClassTeacher(m_teachers.size(), false);
    for (const auto &c : m_classes)
        if (c.teacher >= 0)
            isClassTeacher[c.teacher] = true;
    for (int c = 0; c < m_classes.size(); ++c) {
        if (m_classes[c].grade <= 5)
            continue;
        // The subject teacher who teaches the class most becomes its class teacher.
        QVector<int> periods(m_teachers.size(), 0);
        for (const auto &u : m_units)
            if (u.classes.contains(c))
                for (const auto &e : u.entries)
                    if (e.teacher >= 0)
                        periods[e.teacher] += u.periods;
        int best = -1;
        for (int t = 0; t < m_teachers.size(); ++t)
            if (!isClassTeacher[t] && periods[t] > 0 && (best < 0 || periods[t] > periods[best]))
                best = t;
        if (best < 0)
            for (int t = 0; t < m_teachers.size(); ++t)
                if (!isClassTeacher[t] && m_teachers[t].family != QLatin1String("DRUGI") &&
                    m_teachers[t].family != QLatin1String("RAZ") &&
                    (best < 0 || m_teachers[t].load < m_teachers[best].load))
                    best = t;
        // More classes than teachers: one teacher leads two classes.
        if (best < 0)
            for (int t = 0; t < m_teachers.size(); ++t)
                if (periods[t] > 0 && (best < 0 || periods[t] > periods[best]))
                    best = t;
        m_classes[c].teacher = best;
        isClassTeacher[best] = true;
    }
}

void SampleSchoolBuilder::writeTeachers() {
    for (const auto &t : m_teachers)
        m_tables.add(QStringLiteral("UCITELJI"), {t.id, t.code, t.first, Null, t.last});
    for (const auto &t : m_teachers)
        for (int s : t.subjects)
            m_tables.add(QStringLiteral("UCITELJ_PREDMET"), {t.id, s + 1});

    // Wanted rooms: the class teacher's classroom and the subject family's own room.
    const QMap<QString, RoomPool> familyRoom{
        {QStringLiteral("LUM"), RoomPool::Art},   {QStringLiteral("GUM"), RoomPool::Music},
        {QStringLiteral("NAR"), RoomPool::Lab},   {QStringLiteral("KEM"), RoomPool::Physics},
        {QStringLiteral("TIT"), RoomPool::Tech},  {QStringLiteral("ŠPO-Ž"), RoomPool::Gym},
        {QStringLiteral("ŠPO-M"), RoomPool::Gym}, {QStringLiteral("TJA"), RoomPool::Language}};
    QVector<QVector<qint64>> wanted(m_teachers.size());
    for (const auto &c : m_classes)
        if (c.teacher >= 0)
            wanted[c.teacher].append(c.room);
    QMap<QString, int> seen;
    for (int t = 0; t < m_teachers.size(); ++t) {
        const auto pool = familyRoom.find(m_teachers[t].family);
        if (pool == familyRoom.end())
            continue;
        const auto &rooms = m_poolRooms[pool.value()];
        const qint64 room = rooms[seen[m_teachers[t].family]++ % rooms.size()];
        if (!wanted[t].contains(room))
            wanted[t].append(room);
    }
    for (int t = 0; t < m_teachers.size(); ++t)
        for (qint64 room : wanted[t])
            m_tables.add(QStringLiteral("UCITELJ_PROSTOR"), {m_teachers[t].id, room});

    // Rooms suited to a subject (single rooms only, as the subject window offers them).
    const QVector<QPair<QStringList, QVector<RoomPool>>> subjectRooms{
        {{QStringLiteral("LUM"), QStringLiteral("LS1"), QStringLiteral("LS2"), QStringLiteral("LS3")}, {RoomPool::Art}},
        {{QStringLiteral("GUM")}, {RoomPool::Music}},
        {{QStringLiteral("GOS"), QStringLiteral("SPH")}, {RoomPool::Kitchen}},
        {{QStringLiteral("NAR")}, {RoomPool::Lab, RoomPool::Physics}},
        {{QStringLiteral("BIO"), QStringLiteral("KEM")}, {RoomPool::Lab}},
        {{QStringLiteral("FIZ")}, {RoomPool::Physics}},
        {{QStringLiteral("TIT"), QStringLiteral("OGL")}, {RoomPool::Tech, RoomPool::Computer}},
        {{QStringLiteral("UBE"), QStringLiteral("MME"), QStringLiteral("ROM")}, {RoomPool::Computer}},
        {{QStringLiteral("ŠPO"), QStringLiteral("ŠZZ"), QStringLiteral("IŠP"), QStringLiteral("ŠSP")}, {RoomPool::Gym}},
    };
    for (int s = 0; s < Subjects().size(); ++s)
        for (const auto &[codes, pools] : subjectRooms)
            if (codes.contains(Subjects()[s].code))
                for (RoomPool pool : pools)
                    for (qint64 room : m_poolRooms[pool])
                        m_tables.add(QStringLiteral("PREDMET_PROSTOR"), {s + 1, room});

    for (const auto &c : m_classes) {
        m_tables.add(QStringLiteral("ODDELEK_PROSTOR"), {c.id, c.room});
        m_tables.add(QStringLiteral("ODDELKI_V_PREDMETNIKU"),
                     {c.id, CurriculumId, c.teacher >= 0 ? QVariant(m_teachers[c.teacher].id) : Null, Null, c.shift});
    }

    // Forbidden periods: some teachers cannot teach the last periods of one day, part-time
    // teachers have a free day. Loads stay well inside what is left, and a free day goes only
    // to a teacher none of whose lessons needs all five days (see SampleFeasibility).
    QVector<int> daysNeeded(m_teachers.size(), 0);
    for (const auto &u : m_units)
        for (const auto &e : u.entries)
            daysNeeded[e.teacher] = std::max(daysNeeded[e.teacher], DaysNeeded(u.periods, u.length));
    for (int i = 0; i < m_teachers.size(); ++i) {
        const auto &t = m_teachers[i];
        if (t.load == 0 || !m_random.chance(30))
            continue;
        const int day = m_random.between(1, 5);
        if (t.load <= 14 && daysNeeded[i] <= 4 && m_random.chance(40)) {
            for (int period = 0; period <= 8; ++period)
                m_tables.add(QStringLiteral("PREPOVEDI_UCITELJEV"), {t.id, day, period});
        } else {
            for (int period = 6; period <= 7; ++period)
                m_tables.add(QStringLiteral("PREPOVEDI_UCITELJEV"), {t.id, day, period});
        }
    }
}

void SampleSchoolBuilder::writeAssignments() {
    qint64 id = 1;
    for (const auto &u : m_units)
        for (const auto &e : u.entries)
            m_tables.add(QStringLiteral("RAZPORED"),
                         {id++, CurriculumId, u.classGroup, u.programme, u.subjectGroup, e.subject + 1,
                          m_teachers[e.teacher].id, e.roomGroup > 0 ? QVariant(e.roomGroup) : Null, u.turnus, e.pvs});
}

} // namespace zentrel::sample

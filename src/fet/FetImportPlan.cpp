#include "FetImportPlan.h"

#include <QVariant>
#include <algorithm>

namespace zentrel::fet {

namespace {
const QVariant Null;
} // namespace

FetImportPlan::FetImportPlan(const FetDocument &document, QString fallbackName)
    : m_doc(document), m_fallbackName(std::move(fallbackName)) {}

db::RowBatch FetImportPlan::build(ImportReport *report) {
    m_report = report;
    defineTables();
    for (const FetActivity &a : m_doc.activities)
        m_activity.insert(a.id, &a);
    m_rows.add(QStringLiteral("INI"), {QStringLiteral("Ime_Sole"),
                                       m_doc.institution.isEmpty() ? m_fallbackName : m_doc.institution});
    m_rows.add(QStringLiteral("PREDMETNIKI"), {CurriculumId, QStringLiteral("Razpored iz datoteke FET")});
    m_rows.add(QStringLiteral("URNIKI"), {TimetableId, QStringLiteral("Urnik iz datoteke FET"), CurriculumId});
    makeTimeGrid();
    makeBuildingsAndRooms();
    makeTeachersAndSubjects();
    makeClasses();
    readConstraints();
    makeUnits();
    addMergedActivities();
    writeUnits();
    writeTimetable();
    for (const CodeBook *book :
         {&m_hourCodes, &m_buildingCodes, &m_roomCodes, &m_teacherCodes, &m_subjectCodes, &m_classCodes})
        report->shortened += book->shortened();
    return m_rows;
}

void FetImportPlan::defineTables() {
    auto cols = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(',')); };
    m_rows.define(QStringLiteral("INI"), cols("ATRIBUT,VREDNOST"));
    m_rows.define(QStringLiteral("URE"), cols("URA,OZNAKA,IME"));
    m_rows.define(QStringLiteral("STAVBE"), cols("ID,OZNAKA,IME"));
    m_rows.define(QStringLiteral("PROSTORI"), cols("ID,OZNAKA,IME,ID_STAVBE,KABINET"));
    m_rows.define(QStringLiteral("SKUPINE_PROSTOROV"), cols("ID,OZNAKA,IME"));
    m_rows.define(QStringLiteral("PROSTORI_V_SKUPINI"), cols("ID_PROSTORA,ID_SKUPINE"));
    m_rows.define(QStringLiteral("UCITELJI"), cols("ID,OZNAKA,IME"));
    m_rows.define(QStringLiteral("PREDMETI"), cols("ID,OZNAKA,IME,KABINETNI"));
    m_rows.define(QStringLiteral("ODDELKI"), cols("ID,OZNAKA,IME"));
    m_rows.define(QStringLiteral("PREDMETNIKI"), cols("ID,IME"));
    m_rows.define(QStringLiteral("ODDELKI_V_PREDMETNIKU"), cols("ID_ODDELKA,ID_PREDMETNIKA,ID_IZMENE"));
    m_rows.define(QStringLiteral("SKUPINE_ODDELKOV"), cols("ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA"));
    m_rows.define(QStringLiteral("ODDELKI_V_SKUPINI"), cols("ID_SKUPINE,ID_ODDELKA"));
    m_rows.define(QStringLiteral("SKUPINE_PREDMETOV"), cols("ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA"));
    m_rows.define(QStringLiteral("PREDMETI_V_SKUPINI"), cols("ID,ID_SKUPINE,ID_PREDMETA"));
    m_rows.define(QStringLiteral("PREDMET_PROSTOR"), cols("ID_PREDMETA,ID_SKUPINE_PROSTOROV"));
    m_rows.define(QStringLiteral("UCITELJ_PREDMET"), cols("ID_UCITELJA,ID_PREDMETA"));
    m_rows.define(QStringLiteral("PREPOVEDI_UCITELJEV"), cols("ID_UCITELJA,DAN,URA"));
    m_rows.define(QStringLiteral("PREPOVEDI_ODDELKOV"), cols("ID_ODDELKA,DAN,URA"));
    m_rows.define(QStringLiteral("PREPOVEDI_PROSTOROV"), cols("ID_PROSTORA,DAN,URA"));
    m_rows.define(QStringLiteral("PROGRAMI"), cols("ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA"));
    m_rows.define(QStringLiteral("PROGRAM_SKUPINE"), cols("ID_SKUPINE_ODDELKOV,ID_PREDMETNIKA,ID_PROGRAMA"));
    m_rows.define(QStringLiteral("PREDMETI_V_PROGRAMU"),
                  cols("ID_PROGRAMA,ID_SKUPINE_PREDMETOV,ID_TURNUSA,STEVILO_UR,DOLZINA_TERMINA,ZAHTEVNOST"));
    m_rows.define(QStringLiteral("RAZPORED"),
                  cols("ID,ID_PREDMETNIKA,ID_SKUPINE_ODDELKOV,ID_PROGRAMA,ID_SKUPINE_PREDMETOV,ID_PREDMETA,"
                       "ID_UCITELJA,ID_SKUPINE_PROSTOROV,ID_TURNUSA,ID_PREDMETI_V_SKUPINI"));
    m_rows.define(QStringLiteral("URNIKI"), cols("ID,IME,ID_PREDMETNIKA"));
    m_rows.define(QStringLiteral("ODDELKI_OKVIR"), cols("ID_URNIKA,ID_ODDELKA,DAN,ID_TURNUSA,PRVA_URA"));
    m_rows.define(QStringLiteral("TERMINI"), cols("ID,ID_URNIKA,ID_RAZPOREDA,ID_PROSTORA,DAN,URA,TIP,ID_TURNUSA"));
}

void FetImportPlan::makeTimeGrid() {
    for (int d = 0; d < m_doc.days.size(); ++d)
        m_dayIndex.insert(m_doc.days[d], d + 1);
    for (int h = 0; h < m_doc.hours.size(); ++h)
        m_hourIndex.insert(m_doc.hours[h], h);
    // The period list keeps its 16 rows: the program puts them back whenever fewer are found.
    for (int h = 0; h < 16; ++h) {
        const QString name = h < m_doc.hours.size() ? m_doc.hours[h] : QString::number(h);
        m_rows.add(QStringLiteral("URE"), {h, m_hourCodes.code(name), name});
    }
    m_report->add(QStringLiteral("dnevi"), int(m_doc.days.size()));
    m_report->add(QStringLiteral("ure na dan"), int(m_doc.hours.size()));
}

void FetImportPlan::makeBuildingsAndRooms() {
    QStringList buildings = m_doc.buildings;
    bool roomWithoutBuilding = false;
    for (const FetRoom &r : m_doc.rooms) {
        if (r.isVirtual)
            continue;
        if (r.building.isEmpty())
            roomWithoutBuilding = true;
        else if (!buildings.contains(r.building))
            buildings << r.building;
    }
    // Every room stands in a building; rooms the file places nowhere go into one of their own.
    const QString school = QStringLiteral("Šola");
    if (roomWithoutBuilding || buildings.isEmpty())
        buildings << school;
    QHash<QString, qint64> buildingId;
    for (const QString &b : std::as_const(buildings)) {
        const qint64 id = buildingId.size() + 1;
        buildingId.insert(b, id);
        m_rows.add(QStringLiteral("STAVBE"), {id, m_buildingCodes.code(b), b});
    }
    int virtualRooms = 0;
    for (const FetRoom &r : m_doc.rooms) {
        if (r.isVirtual) {
            ++virtualRooms;
            continue;
        }
        if (r.name.isEmpty() || m_roomId.contains(r.name))
            continue;
        const qint64 id = m_roomId.size() + 1;
        m_roomId.insert(r.name, id);
        const QString code = m_roomCodes.code(r.name);
        // The project has no capacity of its own; it stays in the room's name.
        const QString name =
            r.capacity > 0 ? QStringLiteral("%1 (zmogljivost %2)").arg(r.name).arg(r.capacity) : r.name;
        m_rows.add(QStringLiteral("PROSTORI"),
                   {id, code, name, buildingId.value(r.building.isEmpty() ? school : r.building), 1});
        m_rows.add(QStringLiteral("SKUPINE_PROSTOROV"), {id, code, name});
        m_rows.add(QStringLiteral("PROSTORI_V_SKUPINI"), {id, id});
    }
    m_nextRoomGroup = m_roomId.size() + 1;
    if (virtualRooms)
        m_report->skip(QStringLiteral("navidezni prostori (Virtual)"), virtualRooms);
    m_report->add(QStringLiteral("stavbe"), int(buildings.size()));
    m_report->add(QStringLiteral("prostori"), int(m_roomId.size()));
}

qint64 FetImportPlan::teacherId(const QString &name) {
    if (const auto it = m_teacherId.constFind(name); it != m_teacherId.constEnd())
        return *it;
    const qint64 id = m_teacherId.size() + 1;
    m_teacherId.insert(name, id);
    m_rows.add(QStringLiteral("UCITELJI"), {id, m_teacherCodes.code(name), name});
    return id;
}

qint64 FetImportPlan::subjectId(const QString &name) {
    if (const auto it = m_subjectId.constFind(name); it != m_subjectId.constEnd())
        return *it;
    const qint64 id = m_subjectId.size() + 1;
    m_subjectId.insert(name, id);
    const QString code = m_subjectCodes.code(name);
    // Every subject is a subject group of its own, with its one member row.
    m_rows.add(QStringLiteral("PREDMETI"), {id, code, name, 0});
    m_rows.add(QStringLiteral("SKUPINE_PREDMETOV"), {id, code, name, Null});
    m_ownPvs.insert(id, m_nextPvs);
    m_rows.add(QStringLiteral("PREDMETI_V_SKUPINI"), {m_nextPvs++, id, id});
    return id;
}

void FetImportPlan::makeTeachersAndSubjects() {
    // Names used by activities but missing from the lists are made as well: the file means them.
    for (const QString &t : m_doc.teachers)
        teacherId(t);
    for (const QString &s : m_doc.subjects)
        subjectId(s);
    for (const FetActivity &a : m_doc.activities) {
        for (const QString &t : a.teachers)
            teacherId(t);
        subjectId(a.subject);
    }
    m_report->add(QStringLiteral("učitelji"), int(m_teacherId.size()));
    m_report->add(QStringLiteral("predmeti"), int(m_subjectId.size()));
    // Named subject groups follow the subjects in the subjects' number space.
    m_nextSubjectGroup = m_subjectId.size() + 1;
}

void FetImportPlan::makeClasses() {
    QStringList leaves;
    for (const QString &set : m_doc.studentSets)
        if (m_doc.setChildren.value(set).isEmpty())
            leaves << set;
    // Students an activity names that the students list lacks are a class each.
    for (const FetActivity &a : m_doc.activities)
        for (const QString &s : a.students)
            if (!m_doc.setChildren.contains(s) && !leaves.contains(s))
                leaves << s;
    for (const QString &leaf : std::as_const(leaves)) {
        const qint64 id = m_classId.size() + 1;
        m_classId.insert(leaf, id);
        const QString code = m_classCodes.code(leaf);
        m_rows.add(QStringLiteral("ODDELKI"), {id, code, leaf});
        m_rows.add(QStringLiteral("SKUPINE_ODDELKOV"), {id, code, leaf, Null});
        m_rows.add(QStringLiteral("ODDELKI_V_SKUPINI"), {id, id});
        m_rows.add(QStringLiteral("ODDELKI_V_PREDMETNIKU"), {id, CurriculumId, 1});
        // Every class starts each day with the first period of the file.
        for (int day = 1; day <= 5; ++day) {
            m_rows.add(QStringLiteral("ODDELKI_OKVIR"), {TimetableId, id, day, TimetableTurnus, 0});
            for (int hour = 0; hour < 16; ++hour)
                if (day > m_doc.days.size() || hour >= m_doc.hours.size())
                    forbid(QStringLiteral("PREPOVEDI_ODDELKOV"), id, day, hour);
        }
    }
    m_nextClassGroup = m_classId.size() + 1;
    m_report->add(QStringLiteral("enote (skupine učencev brez podskupin)"), int(m_classId.size()));
}

QVector<qint64> FetImportPlan::classesOf(const QStringList &sets) {
    QVector<qint64> classes;
    for (const QString &set : sets) {
        if (!m_classesOfSet.contains(set)) {
            QVector<qint64> found;
            if (const qint64 id = m_classId.value(set))
                found << id;
            else
                for (const QString &child : m_doc.setChildren.value(set))
                    found += classesOf({child});
            m_classesOfSet.insert(set, found);
        }
        classes += m_classesOfSet.value(set);
    }
    std::sort(classes.begin(), classes.end());
    classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
    return classes;
}

qint64 FetImportPlan::classGroupOf(const QVector<qint64> &classes, const QStringList &names) {
    if (classes.size() == 1)
        return classes.first();
    if (const auto it = m_classGroups.constFind(classes); it != m_classGroups.constEnd())
        return *it;
    // Several classes taught together form a class group of the curriculum with a programme.
    const qint64 id = m_nextClassGroup++;
    const QString name = names.join(QStringLiteral(", "));
    m_rows.add(QStringLiteral("SKUPINE_ODDELKOV"), {id, m_classGroupCodes.code(name), name, CurriculumId});
    for (qint64 c : classes)
        m_rows.add(QStringLiteral("ODDELKI_V_SKUPINI"), {id, c});
    m_classGroups.insert(classes, id);
    return id;
}

qint64 FetImportPlan::roomGroupOf(QStringList rooms) {
    rooms.sort();
    rooms.removeDuplicates();
    if (rooms.isEmpty())
        return 0;
    if (rooms.size() == 1)
        return roomId(rooms.first());
    if (const auto it = m_roomGroups.constFind(rooms); it != m_roomGroups.constEnd())
        return *it;
    const qint64 id = m_nextRoomGroup++;
    const QString name = rooms.join(QStringLiteral(", "));
    m_rows.add(QStringLiteral("SKUPINE_PROSTOROV"), {id, m_roomGroupCodes.code(name), name});
    for (const QString &r : std::as_const(rooms))
        m_rows.add(QStringLiteral("PROSTORI_V_SKUPINI"), {roomId(r), id});
    m_roomGroups.insert(rooms, id);
    return id;
}

void FetImportPlan::forbid(const QString &table, qint64 id, int day, int hour) {
    const QString key = QStringLiteral("%1/%2/%3/%4").arg(table).arg(id).arg(day).arg(hour);
    if (m_forbidden.contains(key))
        return;
    m_forbidden.insert(key);
    m_rows.add(table, {id, day, hour});
}

} // namespace zentrel::fet

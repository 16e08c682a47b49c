#include "FetImportPlan.h"

namespace zentrel::fet {

namespace {

const QString kTeacherNotAvailable = QStringLiteral("ConstraintTeacherNotAvailableTimes");
const QString kStudentsNotAvailable = QStringLiteral("ConstraintStudentsSetNotAvailableTimes");
const QString kRoomNotAvailable = QStringLiteral("ConstraintRoomNotAvailableTimes");
const QString kBreakTimes = QStringLiteral("ConstraintBreakTimes");
const QString kStartingTime = QStringLiteral("ConstraintActivityPreferredStartingTime");
const QString kActivityRoom = QStringLiteral("ConstraintActivityPreferredRoom");
const QString kActivityRooms = QStringLiteral("ConstraintActivityPreferredRooms");
const QString kSubjectRoom = QStringLiteral("ConstraintSubjectPreferredRoom");
const QString kSubjectRooms = QStringLiteral("ConstraintSubjectPreferredRooms");
const QString kSameStartingTime = QStringLiteral("ConstraintActivitiesSameStartingTime");
const QString kMinDays = QStringLiteral("ConstraintMinDaysBetweenActivities");

// The types whose hard form the project expresses (some only in the cases readConstraint names).
const QStringList &knownTypes() {
    static const QStringList types{kTeacherNotAvailable, kStudentsNotAvailable, kRoomNotAvailable, kBreakTimes,
                                   kStartingTime,        kActivityRoom,         kActivityRooms,    kSubjectRoom,
                                   kSubjectRooms,        kSameStartingTime,     kMinDays};
    return types;
}

} // namespace

void FetImportPlan::readConstraints() {
    // Constraints tying activities (merges) must be known before the units are formed; the
    // order within the file does not matter.
    for (const FetConstraint &c : m_doc.timeConstraints)
        readConstraint(c);
    for (const FetConstraint &c : m_doc.spaceConstraints)
        readConstraint(c);
}

bool FetImportPlan::readTimes(const FetConstraint &c, const QString &record, QVector<QPair<int, int>> *cells) const {
    QStringList days, hours;
    for (const auto &r : c.records)
        if (r.value(QStringLiteral("#")) == record) {
            days << r.value(QStringLiteral("Day"));
            hours << r.value(QStringLiteral("Hour"));
        }
    // Old files write the pairs straight into the constraint.
    days += c.all(QStringLiteral("Day"));
    hours += c.all(QStringLiteral("Hour"));
    for (int i = 0; i < days.size() && i < hours.size(); ++i) {
        if (!m_dayIndex.contains(days[i]) || !m_hourIndex.contains(hours[i]))
            return false;
        cells->append({m_dayIndex.value(days[i]), m_hourIndex.value(hours[i])});
    }
    return true;
}

void FetImportPlan::readConstraint(const FetConstraint &c) {
    const QString &t = c.type;
    if (t == QLatin1String("ConstraintBasicCompulsoryTime") || t == QLatin1String("ConstraintBasicCompulsorySpace"))
        return; // what every timetable of the project keeps anyway
    if (!c.active) {
        m_report->skip(t + QStringLiteral(" (izklopljena)"));
        return;
    }
    if (!knownTypes().contains(t)) {
        m_report->skip(t);
        return;
    }
    if (!c.isHard()) {
        m_report->skip(t + QStringLiteral(" (mehka)"));
        return;
    }
    auto notMapped = [&] { m_report->skip(t + QStringLiteral(" (neizrazljiva oblika)")); };
    if (t == kTeacherNotAvailable || t == kStudentsNotAvailable || t == kRoomNotAvailable || t == kBreakTimes) {
        QVector<QPair<int, int>> cells;
        if (!readTimes(c, t == kBreakTimes ? QStringLiteral("Break_Time") : QStringLiteral("Not_Available_Time"),
                       &cells))
            return notMapped();
        QString table;
        QVector<qint64> ids;
        if (t == kTeacherNotAvailable) {
            const QString name = c.fields.contains(QStringLiteral("Teacher")) ? c.field(QStringLiteral("Teacher"))
                                                                              : c.field(QStringLiteral("Teacher_Name"));
            table = QStringLiteral("PREPOVEDI_UCITELJEV");
            if (m_teacherId.contains(name))
                ids << m_teacherId.value(name);
        } else if (t == kRoomNotAvailable) {
            table = QStringLiteral("PREPOVEDI_PROSTOROV");
            if (const qint64 id = roomId(c.field(QStringLiteral("Room"))))
                ids << id;
        } else {
            table = QStringLiteral("PREPOVEDI_ODDELKOV");
            ids = t == kBreakTimes ? QVector<qint64>(m_classId.values()) : classesOf({c.field(QStringLiteral("Students"))});
        }
        if (ids.isEmpty())
            return notMapped();
        for (qint64 id : std::as_const(ids))
            for (const auto &[day, hour] : std::as_const(cells))
                forbid(table, id, day, hour);
        return;
    }
    if (t == kStartingTime) {
        const int activity = c.field(QStringLiteral("Activity_Id")).toInt();
        const QString day = c.field(QStringLiteral("Preferred_Day")), hour = c.field(QStringLiteral("Preferred_Hour"));
        if (!m_activity.contains(activity) || !m_dayIndex.contains(day) || !m_hourIndex.contains(hour))
            return notMapped();
        m_placement.insert(activity, {m_dayIndex.value(day), m_hourIndex.value(hour),
                                      c.field(QStringLiteral("Permanently_Locked")) == QLatin1String("true")});
        return;
    }
    if (t == kActivityRoom || t == kActivityRooms) {
        const int activity = c.field(QStringLiteral("Activity_Id")).toInt();
        const QStringList rooms =
            t == kActivityRoom ? QStringList{c.field(QStringLiteral("Room"))} : c.all(QStringLiteral("Preferred_Room"));
        for (const QString &r : rooms)
            if (!roomId(r))
                return notMapped(); // a virtual room or one the file does not list
        // A single room is also where a generated timetable put the activity.
        if (t == kActivityRoom)
            m_placedRoom.insert(activity, rooms.first());
        else
            m_activityRooms[activity] += rooms;
        return;
    }
    if (t == kSubjectRoom || t == kSubjectRooms) {
        const QString subject = c.field(QStringLiteral("Subject"));
        const QStringList rooms =
            t == kSubjectRoom ? QStringList{c.field(QStringLiteral("Room"))} : c.all(QStringLiteral("Preferred_Room"));
        for (const QString &r : rooms)
            if (!roomId(r))
                return notMapped();
        m_subjectRooms[subject] += rooms;
        if (const qint64 group = roomGroupOf(rooms); group && m_subjectId.contains(subject))
            m_rows.add(QStringLiteral("PREDMET_PROSTOR"), {m_subjectId.value(subject), group});
        return;
    }
    QVector<int> ids;
    for (const QString &id : c.all(QStringLiteral("Activity_Id")))
        if (m_activity.contains(id.toInt()))
            ids << id.toInt();
    if (t == kSameStartingTime) {
        // Activities without students join the first one with students; several activities
        // with students at one time are a rule the project has no record for.
        int withStudents = 0, first = 0;
        for (int id : std::as_const(ids))
            if (!m_activity.value(id)->students.isEmpty() && !withStudents++)
                first = id;
        if (withStudents != 1)
            return notMapped();
        for (int id : std::as_const(ids))
            if (id != first && m_activity.value(id)->duration == m_activity.value(first)->duration)
                m_mergeInto.insert(id, first);
            else if (id != first)
                return notMapped();
        return;
    }
    // Minimum days: one day between the components of one activity is what a unit always keeps.
    bool oneGroup = !ids.isEmpty();
    for (int id : std::as_const(ids))
        oneGroup = oneGroup && m_activity.value(id)->groupId == m_activity.value(ids.first())->groupId &&
                   m_activity.value(id)->groupId != 0;
    if (!oneGroup || c.field(QStringLiteral("MinDays")).toInt() > 1)
        notMapped();
}

QStringList FetImportPlan::roomsOfActivity(int activity) const {
    QStringList rooms = m_activityRooms.value(activity);
    if (rooms.isEmpty())
        if (const FetActivity *a = m_activity.value(activity))
            rooms = m_subjectRooms.value(a->subject);
    if (m_placedRoom.contains(activity))
        rooms << m_placedRoom.value(activity);
    return rooms;
}

} // namespace zentrel::fet

#pragma once

#include "CodeBook.h"
#include "FetDocument.h"
#include "ImportReport.h"
#include "db/RowBatch.h"

#include <QHash>
#include <QMap>
#include <QSet>

namespace zentrel::fet {

// Turns a FET file's contents into the rows of a new project, deciding how each FET notion
// becomes a record of the project:
//
// - Days become Monday onwards; hours become periods 0, 1, ... (the period list keeps its 16
//   rows, the ones past the file's hours and the days past its days are forbidden to every class).
// - Students: a set with no set below it (a subgroup, or a group or year not divided further)
//   becomes a class ("enota"), named after the set. The students of an activity become the class
//   group of every class beneath them: a single class is its own group, several classes form a
//   combined class group of this curriculum.
// - An activity group (the components of a split activity) becomes a lesson unit whose weekly
//   periods are its total duration and whose block length is its components' duration;
//   components of different durations make one unit per duration. Its teachers are the unit's
//   entries taught together; the first entry gets the room. An activity without students that a
//   hard same-starting-time constraint ties to an activity with students adds its teachers (and
//   its room, and its subject, which joins the unit's subject group) to that activity's unit.
// - Rooms: the rooms of an activity's hard preferred-room constraints, else those of its
//   subject's, become the entry's room group (a single room is its own group, several rooms a
//   room group). Rooms are specialist rooms, so that no other room replaces them.
// - Hard not-available times of teachers, students sets and rooms and hard break times become
//   forbidden periods (break times for every class); hard preferred starting times become lessons
//   of the timetable: placed by hand and fixed ('s') when locked, placed by hand ('r') otherwise,
//   as FET writes a generated timetable.
// - Everything else is counted in the report by constraint type.
class FetImportPlan {
public:
    static constexpr qint64 CurriculumId = 1;
    static constexpr qint64 TimetableId = 1;
    static constexpr qint64 TimetableTurnus = 1;

    explicit FetImportPlan(const FetDocument &document, QString fallbackName = QString());
    // Every row of the new project (over the defaults database), and what it made and left out.
    db::RowBatch build(ImportReport *report);

private:
    struct Placement {
        int day = 0; // 1..5
        int hour = 0;
        bool locked = false;
    };
    struct Entry {
        qint64 teacher = 0; // 0: an activity without teachers
        qint64 subject = 0; // a joined activity may teach another subject (electives in one block)
        QStringList rooms;  // the rooms the entry may use; empty when it needs none
        QVector<int> activities; // per component of the unit: the activity giving its room
        int origin = 0;          // the activity group it came from
        qint64 assignment = 0;   // RAZPORED.ID once written
        qint64 roomGroup = 0;
    };
    struct Unit {
        QVector<qint64> classes;
        QStringList students;
        qint64 subject = 0;
        int length = 1;
        QVector<int> components; // activity ids, one per placed block
        QVector<Entry> entries;
    };

    void defineTables();
    void makeTimeGrid();
    void makeBuildingsAndRooms();
    void makeTeachersAndSubjects();
    void makeClasses();
    void readConstraints();
    void readConstraint(const FetConstraint &c);
    bool readTimes(const FetConstraint &c, const QString &record, QVector<QPair<int, int>> *cells) const;
    void forbid(const QString &table, qint64 id, int day, int hour);
    void makeUnits();
    void addMergedActivities();
    void writeUnits();
    void writeTimetable();
    bool placeBlock(const Unit &unit, int component, const Placement &p);

    QVector<qint64> classesOf(const QStringList &sets);
    qint64 classGroupOf(const QVector<qint64> &classes, const QStringList &names);
    qint64 roomGroupOf(QStringList rooms);
    QStringList roomsOfActivity(int activity) const;
    qint64 teacherId(const QString &name);
    qint64 subjectId(const QString &name);
    qint64 roomId(const QString &name) const { return m_roomId.value(name); }

    const FetDocument &m_doc;
    QString m_fallbackName;
    db::RowBatch m_rows;
    ImportReport *m_report = nullptr;

    CodeBook m_teacherCodes, m_subjectCodes, m_roomCodes, m_classCodes, m_buildingCodes, m_hourCodes;
    CodeBook m_roomGroupCodes{QStringLiteral("$")}, m_classGroupCodes{QStringLiteral("$")},
        m_subjectGroupCodes{QStringLiteral("$")};
    QHash<QString, int> m_dayIndex, m_hourIndex;
    QHash<QString, qint64> m_teacherId, m_subjectId, m_roomId, m_classId;
    QHash<QString, QVector<qint64>> m_classesOfSet;
    QHash<int, const FetActivity *> m_activity;
    QHash<int, Placement> m_placement;
    QHash<int, QString> m_placedRoom;
    QHash<int, QStringList> m_activityRooms;
    QHash<QString, QStringList> m_subjectRooms;
    QHash<int, int> m_mergeInto; // activity without students -> activity with students
    QSet<QString> m_forbidden;   // "table/id/day/hour"
    QHash<int, QPair<int, int>> m_unitOfActivity; // activity -> (unit, component)
    QVector<Unit> m_units;
    QMap<QVector<qint64>, qint64> m_classGroups;
    QHash<qint64, qint64> m_programmeOf; // class group -> its programme
    QHash<qint64, qint64> m_ownPvs;      // subject -> member row of its own group
    QMap<QStringList, qint64> m_roomGroups;
    QSet<QPair<qint64, qint64>> m_usedSubjects; // (class group, subject) with a unit already
    qint64 m_nextAssignment = 1, m_nextLesson = 1, m_nextClassGroup = 0, m_nextRoomGroup = 0, m_nextSubjectGroup = 0, m_nextPvs = 1, m_nextProgramme = 1;
    QSet<QString> m_occupied; // "kind/id/day/hour" of placed lessons
};

} // namespace zentrel::fet

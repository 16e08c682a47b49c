#pragma once

#include "SampleCurriculum.h"
#include "SampleRandom.h"
#include "SampleSchool.h"
#include "SampleTables.h"

#include <QMap>
#include <QSet>
#include <QVariant>

namespace zentrel::sample {

// Builds the rows of the sample school in memory, in the order the windows of the program would
// have made them: infrastructure, classes, subjects, programmes and combined groups, teachers
// with their assignments, the empty timetable with its class frames, the calendar, pupils and
// electives. Everything is decided by the seed; nothing depends on the clock except the school
// year, which comes from options.referenceDate.
class SampleSchoolBuilder {
public:
    explicit SampleSchoolBuilder(const SampleOptions &options);
    SampleTables build();

    static constexpr qint64 CurriculumId = 1;
    static constexpr qint64 TimetableId = 1;
    // Periods a class may have in one day from its first period on; teachers and rooms are
    // offered the same day length.
    static constexpr int PeriodsPerDay = 7;

private:
    struct ClassInfo {
        qint64 id = 0;
        int grade = 0;
        int parallel = 0; // 0 for "a"
        QString code;
        int shift = 1;
        int teacher = -1; // class teacher (razrednik), index into m_teachers
        qint64 room = 0;
        QVector<qint64> pupils;
    };
    struct Entry {
        int subject = 0; // index into Subjects()
        qint64 pvs = 0;  // PREDMETI_V_SKUPINI.ID
        QString family;  // who teaches it: "RAZ" is the class teacher
        RoomPool pool = RoomPool::None;
        int homeClass = -1; // for RoomPool::Home: whose classroom
        int teacher = -1;
        qint64 roomGroup = 0; // 0 = no room
    };
    struct Unit {
        qint64 classGroup = 0;
        QVector<int> classes;
        qint64 programme = 0;
        qint64 subjectGroup = 0;
        int turnus = 0;
        int periods = 0;
        int length = 1;
        int difficulty = 2;
        QString kind; // "ŠPO", "TIT", "TJA" for split groups, else empty
        QVector<Entry> entries;
    };
    struct TeacherInfo {
        qint64 id = 0;
        QString code, first, last;
        bool female = true;
        QString family;
        int load = 0;
        QVector<int> subjects; // indices into Subjects(), kept sorted and unique
        QVector<qint64> rooms;
    };

    void defineTables();
    void makeTimeGrid();
    void makeClasses();
    void makeSubjects();
    void makeProgrammes();
    void addOrdinaryProgramme(int grade);
    void addSportGroups(int grade);
    void addTechnicsGroups(int grade);
    void addLanguageGroups(int grade);
    qint64 addCombinedGroup(const QString &code, const QString &name, const QVector<int> &classes,
                            const QVector<QPair<int, QString>> &members, QVector<qint64> *pvsIds);
    void makeRooms();
    void makeTeachers();
    int newTeacher(const QString &family, bool female);
    void assignFamilyTeachers();
    void chooseUpperClassTeachers();
    void writeTeachers();
    void writeAssignments();
    void makeTimetable();
    void makeCalendar();
    void makePupils();
    void makeElectives();

    QVector<int> classesOfGrade(int grade) const;
    void giveSubject(TeacherInfo &teacher, int subject);

    SampleOptions m_options;
    SampleRandom m_random;
    SampleTables m_tables;
    QVector<ClassInfo> m_classes;
    QVector<Unit> m_units;
    QVector<TeacherInfo> m_teachers;
    QSet<QString> m_usedNames;
    QSet<QString> m_usedCodes;
    QMap<RoomPool, QVector<qint64>> m_poolRooms;
    QMap<RoomPool, qint64> m_poolGroup; // room group to ask for (a room's own group or a "$" group)
    qint64 m_nextClassGroup = 0;
    qint64 m_nextSubjectGroup = 0;
    qint64 m_nextPvs = 1;
    qint64 m_nextProgramme = 1;
    int m_schoolYear = 0;
};

} // namespace zentrel::sample

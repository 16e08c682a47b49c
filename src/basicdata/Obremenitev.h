#pragma once

#include <QList>
#include <QString>
#include <QVector>

namespace zentrel::basicdata {

// The weekly load of a curriculum's teachers and classes, week by week of the rotation (the
// turnusi other than 0; turnus 0 alone when there are none), and how much of it a timetable holds.
struct Obremenitev {
    struct Week {
        qint64 turnus = 0;
        QString code;
    };
    struct Line {
        QString code;
        QString name;
        int total = 0;               // teachers: "skupaj ur", every assignment once
        QVector<int> inTurnus;       // "V turnusu": the hours of the week (with those of every week)
        QVector<int> withoutTeacher; // classes: hours of lessons still lacking a teacher
        QVector<int> placed;         // periods the timetable holds in that week
        QVector<int> unplaced;       // hours with a teacher the timetable does not hold yet
    };

    QString curriculumName;
    QString timetableName; // empty without a timetable: no placed and unplaced figures
    QList<Week> weeks;
    QList<Line> teachers; // every teacher, by code
    QList<Line> classes;  // the curriculum's classes, by code
};

// Reads the load of curriculum C with the lessons of timetable U (none when U < 0). False, with
// the error reported, when the project cannot be read.
bool PreberiObremenitev(qint64 curriculum, qint64 timetable, Obremenitev &out);

} // namespace zentrel::basicdata

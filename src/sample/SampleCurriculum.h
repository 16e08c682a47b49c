#pragma once

#include <QString>
#include <QVector>

// The public weekly periods of the Slovenian nine-year primary school and the electives of the
// upper grades, as fixed data for the sample school.
namespace zentrel::sample {

// Who teaches a subject in a grade and where: the class teacher (grades 1 to 5) or a subject
// teacher of a family, in the class's own classroom or in a specialist room pool.
enum class RoomPool { None, Home, Gym, Lab, Physics, Science, Art, Music, Tech, Computer, Kitchen, Language };

struct SubjectInfo {
    QString code;
    QString name;
    bool cabinet = false;  // needs a specialist room
    bool elective = false; // offered in the elective sets of grades 7 to 9
    int difficulty = 2;    // ZAHTEVNOST of its programme rows
};

// Periods per week for grades 1..9, counted in half periods (7 = 3.5 periods).
struct GradeRow {
    QString subject;
    int halves[9];
};

// An elective of the set of one grade: subject code, popularity weight, largest group.
struct ElectiveOffer {
    QString subject;
    int weight;
    int normMax;
    int normMin;
};

const QVector<SubjectInfo> &Subjects();
const QVector<GradeRow> &WeeklyPeriods();
// The electives of grade 7, 8 or 9 (empty for other grades).
QVector<ElectiveOffer> ElectivesOfGrade(int grade);
// The subject family whose teachers teach an elective ("TJA", "TIT", ...).
QString ElectiveFamily(const QString &subject);
// Half periods per week of a subject in a grade (0 when not taught there).
int HalfPeriods(const QString &subject, int grade);
// Index of the subject in Subjects() by code, -1 when unknown.
int SubjectIndex(const QString &code);

} // namespace zentrel::sample

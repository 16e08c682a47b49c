// The empty timetable, the calendar, the pupils and the electives of the sample school.
#include "SampleCalendar.h"
#include "SampleNames.h"
#include "SampleSchoolBuilder.h"

namespace zentrel::sample {

namespace {

const QVariant Null;

// First period of shift 1 (A) and 2 (B) on days 1 to 5, as written into IZMENA_TURNUS.
int firstPeriod(int shift, int day) {
    if (shift == 2 && (day == 1 || day == 3))
        return 0;
    return 1;
}

} // namespace

void SampleSchoolBuilder::makeTimetable() {
    m_tables.add(QStringLiteral("URNIKI"),
                 {TimetableId, QStringLiteral("Urnik %1/%2").arg(m_schoolYear).arg(m_schoolYear + 1), CurriculumId});
    // What a new timetable gets: every class starts each day of each turnus at its shift's
    // first period.
    for (int turnus = 1; turnus <= 2; ++turnus)
        for (int day = 1; day <= 5; ++day)
            for (const auto &c : m_classes)
                m_tables.add(QStringLiteral("ODDELKI_OKVIR"),
                             {TimetableId, c.id, day, turnus, firstPeriod(c.shift, day)});
}

void SampleSchoolBuilder::makeCalendar() {
    qint64 id = 1;
    for (const auto &days : SchoolHolidays(m_schoolYear))
        m_tables.add(QStringLiteral("PROSTI_DNEVI"),
                     {id++, days.from.toString(Qt::ISODate), days.to.toString(Qt::ISODate), days.reason});
}

void SampleSchoolBuilder::makePupils() {
    qint64 pupilId = 1;
    qint64 membership = 1;
    for (auto &c : m_classes) {
        const int count = m_random.between(18, 24);
        const int birthYear = m_schoolYear - 5 - c.grade;
        for (int i = 0; i < count; ++i) {
            const bool girl = m_random.chance(50);
            const QStringList &names = girl ? FemaleNames() : MaleNames();
            const QString first = names[m_random.below(int(names.size()))];
            const QString last = Surnames()[m_random.below(int(Surnames().size()))];
            const QDate born = QDate(birthYear, 1, 1).addDays(m_random.below(365));
            m_tables.add(QStringLiteral("ERD_UCENEC"),
                         {pupilId, QStringLiteral("U%1").arg(pupilId, 5, 10, QLatin1Char('0')), first, last,
                          born.toString(Qt::ISODate), girl ? QStringLiteral("Z") : QStringLiteral("M"),
                          QString::number(m_schoolYear - c.grade + 1), QString(QChar(u'a' + c.parallel))});
            m_tables.add(QStringLiteral("ERD_UCENCI_ODDELKA"), {membership++, c.id, pupilId, CurriculumId});
            c.pupils.append(pupilId);
            ++pupilId;
        }
    }

    // Pupils in the split groups: sport by sex, technics in halves, English in level groups.
    QMap<qint64, bool> isGirl;
    for (const auto &row : m_tables.tables())
        if (row.table == QLatin1String("ERD_UCENEC"))
            for (const auto &values : row.rows)
                isGirl[values[0].toLongLong()] = values[5].toString() == QLatin1String("Z");
    qint64 id = 1;
    for (const auto &u : m_units) {
        if (u.kind.isEmpty())
            continue;
        int position = 0;
        for (int c : u.classes)
            for (qint64 pupil : m_classes[c].pupils) {
                const int group = u.kind == QStringLiteral("ŠPO") ? (isGirl.value(pupil) ? 0 : 1)
                                                                  : position++ % int(u.entries.size());
                m_tables.add(QStringLiteral("ERD_UCENCI_PREDMETA"),
                             {id++, u.classGroup, CurriculumId, u.programme, u.entries[group].pvs, u.turnus, pupil});
            }
    }
}

void SampleSchoolBuilder::makeElectives() {
    // Pupils' unit memberships were numbered in class order, pupil by pupil.
    QMap<qint64, qint64> membershipOf;
    for (const auto &row : m_tables.tables())
        if (row.table == QLatin1String("ERD_UCENCI_ODDELKA"))
            for (const auto &values : row.rows)
                membershipOf[values[2].toLongLong()] = values[0].toLongLong();
    QMap<int, int> teachersOfSubject;
    for (const auto &t : m_teachers)
        for (int s : t.subjects)
            ++teachersOfSubject[s];

    qint64 electiveId = 1;
    qint64 choiceId = 1;
    for (int grade = 7; grade <= 9; ++grade) {
        const qint64 set = grade - 6;
        m_tables.add(QStringLiteral("IZBIRNI_NABORI"), {set, QStringLiteral("Izbirni predmeti %1. razreda").arg(grade),
                                                        QString::number(grade), 0, CurriculumId, 2});
        const QVector<int> classes = classesOfGrade(grade);
        for (int c : classes)
            m_tables.add(QStringLiteral("IZBIRNI_NABORI_ODDELKI"), {m_classes[c].id, set});
        const QVector<ElectiveOffer> offers = ElectivesOfGrade(grade);
        QVector<qint64> ids;
        int totalWeight = 0;
        for (const auto &offer : offers) {
            const int subject = SubjectIndex(offer.subject);
            ids.append(electiveId);
            totalWeight += offer.weight;
            // One period a week: every block of elective groups takes a period from each class
            // whose pupils are in it, and the classes of the upper grades have few to spare.
            m_tables.add(QStringLiteral("IZBIRNI_PREDMETI"), {electiveId++, subject + 1, set, offer.normMax,
                                                              offer.normMin, teachersOfSubject.value(subject), 1});
        }
        // Every pupil chooses two electives and names a third as a reserve, the popular ones
        // more often.
        for (int c : classes)
            for (qint64 pupil : m_classes[c].pupils) {
                QVector<int> chosen;
                while (chosen.size() < 3 && chosen.size() < offers.size()) {
                    int pick = m_random.below(totalWeight), k = 0;
                    while (pick >= offers[k].weight)
                        pick -= offers[k++].weight;
                    if (!chosen.contains(k))
                        chosen.append(k);
                }
                for (int i = 0; i < chosen.size(); ++i)
                    m_tables.add(QStringLiteral("IZBIRNI_PREDMETI_UCENCI"),
                                 {choiceId++, membershipOf.value(pupil), ids[chosen[i]],
                                  i < 2 ? QStringLiteral("I") : QStringLiteral("R")});
            }
    }
}

} // namespace zentrel::sample
